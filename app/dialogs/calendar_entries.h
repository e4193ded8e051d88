// calendar_entries.h - the calendar and resource-shift dialogs as the ribbon's commands open
// them: modal, over the main frame, for the open schedule.
#pragma once

namespace varnholt {

class CMainFrame;

void ShowCalendarDialog(CMainFrame& frame);
void ShowResourceShiftsDialog(CMainFrame& frame);

}  // namespace varnholt
