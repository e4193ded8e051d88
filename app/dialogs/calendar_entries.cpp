// calendar_entries.cpp - the calendar and shift commands: each opens its dialog over the
// frame for the open schedule, and nothing while none is loaded.

#include "app/dialogs/calendar_entries.h"

#include "app/CMainFrame.h"
#include "app/dialogs/CalendarDlg.h"
#include "app/dialogs/ResourceShiftsDlg.h"

namespace varnholt {
namespace {

const document::Document* LoadedSchedule(const CMainFrame& frame) {
    const LayoutStore* store = frame.GetLayoutStore();
    return store == nullptr ? nullptr : store->GetDocument();
}

}  // namespace

void ShowCalendarDialog(CMainFrame& frame) {
    const document::Document* schedule = LoadedSchedule(frame);
    if (schedule == nullptr) return;
    CalendarDlg dialog(&frame, *schedule);
    (void)dialog.ShowModal();
}

void ShowResourceShiftsDialog(CMainFrame& frame) {
    const document::Document* schedule = LoadedSchedule(frame);
    if (schedule == nullptr) return;
    ResourceShiftsDlg dialog(&frame, *schedule);
    (void)dialog.ShowModal();
}

}  // namespace varnholt
