// dialogs_acceptance.cpp - every dialog and option sheet opened from its command, operated
// once and closed: find by Ctrl+F and Enter, the column, relationship-column and filter
// choosers, the calendars (two of them named alike), the shifts and the page settings.

#include "acceptance_support.h"
#include "app/dialogs/CalendarDlg.h"
#include "app/dialogs/FindDialog.h"
#include "app/dialogs/ResourceShiftsDlg.h"
#include "model/records/TaskRecord.h"
#include "rows/Row.h"
#include "views/core/RowList.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <map>

namespace varnholt::acceptance {
namespace {

using testing_app::WaitUntil;

using Dialogs = AcceptanceTest;

TEST_F(Dialogs, CtrlFOpensFindAndEnterSelectsTheMatch) {
    CMainFrame& frame = StartWith("acceptance.xer");
    frame.SwitchToPage(kActivitiesTabPage);
    Settle();
    VarnholtView& table = *frame.GetTablePane();
    ASSERT_TRUE(Focus(table));
    wxUIActionSimulator keys;
    keys.Char('f', wxMOD_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return frame.GetFindDialog() != nullptr && frame.GetFindDialog()->IsShown(); }));
    auto* find = dynamic_cast<FindDialog*>(frame.GetFindDialog());
    ASSERT_NE(find, nullptr);
    ASSERT_TRUE(find->ValueText().IsShown()) << "the name column is a text column";
    ASSERT_TRUE(Focus(find->ValueText()));
    keys.Text("Build");
    ASSERT_TRUE(WaitUntil([&] { return find->ValueText().GetValue() == "Build"; }));
    ASSERT_TRUE(WaitUntil([&] { return find->FindButton().IsEnabled(); }));
    keys.Char(WXK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return table.GetContentView()->GetSelectedRow() != nullptr; }));
    const TaskRecord* found = table.GetContentView()->GetSelectedRow()->GetActivity();
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->task_code.to_string(), L"A1010");

    // A category switch closes the dialog.
    frame.SwitchToPage(kWbsTabPage);
    EXPECT_EQ(frame.GetFindDialog(), nullptr);
}

TEST_F(Dialogs, EachRibbonDialogOpensOnceAndCancelLeavesTheViews) {
    CMainFrame& frame = StartWith("acceptance.xer");
    std::map<std::string, int> opened;
    m_hook.answer = wxID_CANCEL;
    m_hook.inspect = [&opened](wxDialog& dialog) { ++opened[dialog.GetTitle().utf8_string()]; };
    struct Command {
        int page, id;
    };
    const Command commands[] = {
        {kActivitiesTabPage, IDC_BUTTON_ACT_TABLE},      {kActivitiesTabPage, IDC_BUTTON_ACT_PRED_TABLE},
        {kActivitiesTabPage, IDC_BUTTON_ACT_SUCC_TABLE}, {kActivitiesTabPage, IDC_BUTTON_ACT_FILTER},
        {kActivitiesTabPage, IDC_BUTTON_ACT_CALENDAR},   {kWbsTabPage, IDC_BUTTON_WBS_TABLE},
        {kProjectsTabPage, IDC_BUTTON_PROJ_TABLE},       {kResourcesTabPage, IDC_BUTTON_RES_TABLE},
        {kResourcesTabPage, IDC_BUTTON_RES_RES_SHIFTS},  {kActivitiesTabPage, ID_TOOLS_OPTIONS},
        {kActivitiesTabPage, ID_OPEN_PAGE_SETTINGS},
    };
    const std::size_t activities = frame.GetContentViews().activity_table->GetRowList().Size();
    const std::size_t columns = frame.GetContentViews().activity_table->GetLayout()->GetColumnCount();
    std::size_t dialogs = 0;
    for (const Command& command : commands) {
        SCOPED_TRACE(command.id);
        frame.SwitchToPage(command.page);
        Settle();
        const int before = [&] {
            int total = 0;
            for (const auto& [name, count] : opened) total += count;
            return total;
        }();
        Post(frame, command.id);
        int after = 0;
        for (const auto& [name, count] : opened) after += count;
        EXPECT_EQ(after, before + 1) << "one modal dialog";
        ++dialogs;
    }
    EXPECT_GE(opened.size(), 6u) << "the dialogs have titles of their own";
    EXPECT_TRUE(m_hook.messages.empty());
    frame.SwitchToPage(kActivitiesTabPage);
    Settle();
    EXPECT_EQ(frame.GetContentViews().activity_table->GetRowList().Size(), activities);
    EXPECT_EQ(frame.GetContentViews().activity_table->GetLayout()->GetColumnCount(), columns);
    EXPECT_EQ(dialogs, std::size(commands));
}

TEST_F(Dialogs, CalendarsNamedAlikeAreBothListedAndShiftsShowTheirPeriods) {
    CMainFrame& frame = StartWith("acceptance.xer");
    unsigned global_calendars = 0;
    int two_shift_periods = -1;
    int day_shift_periods = -1;
    m_hook.answer = wxID_CANCEL;
    m_hook.inspect = [&](wxDialog& dialog) {
        if (auto* calendars = dynamic_cast<CalendarDlg*>(&dialog)) {
            global_calendars = calendars->GetCalendarList()->GetCount();
            for (unsigned i = 0; i < global_calendars; ++i)
                EXPECT_EQ(calendars->GetCalendarList()->GetString(i), "Standard");
        }
        if (auto* shifts = dynamic_cast<ResourceShiftsDlg*>(&dialog)) {
            wxListView& list = *shifts->GetShiftList();
            ASSERT_EQ(list.GetItemCount(), 2);
            for (long i = 0; i < list.GetItemCount(); ++i) {
                list.Select(i);
                (list.GetItemText(i) == "Two Shifts" ? two_shift_periods : day_shift_periods) =
                    shifts->GetPeriodTable()->GetItemCount();
            }
        }
    };
    frame.SwitchToPage(kActivitiesTabPage);
    Post(frame, IDC_BUTTON_ACT_CALENDAR);
    EXPECT_EQ(global_calendars, 2u);
    frame.SwitchToPage(kResourcesTabPage);
    Post(frame, IDC_BUTTON_RES_RES_SHIFTS);
    EXPECT_EQ(two_shift_periods, 2) << "periods at 00:00 and 08:00";
    EXPECT_EQ(day_shift_periods, 1);
}

}  // namespace
}  // namespace varnholt::acceptance

int main(int argc, char** argv) { return varnholt::acceptance::RunAcceptanceTests(argc, argv); }
