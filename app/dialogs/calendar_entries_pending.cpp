// calendar_entries_pending.cpp - the calendar dialogs are not built yet: their commands do
// nothing.

#include "app/dialogs/calendar_entries.h"

namespace varnholt {

void ShowCalendarDialog(CMainFrame&) {}
void ShowResourceShiftsDialog(CMainFrame&) {}

}  // namespace varnholt
