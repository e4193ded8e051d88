// find_dialog_gui_test.cpp - the find dialog inside the running program: it walks the matching
// rows, scrolls the table and the chart to them, and is opened, typed into, walked by Tab and
// closed by real keys (Enter, Ctrl+F, Escape).

#include "app/VarnholtView.h"
#include "app/schedule_drop_target.h"
#include "chooser_test_support.h"
#include "rows/Row.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"
#include "tab_walk.h"
#include "views/core/RowList.h"
#include "views/core/View.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include <set>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;
using testing_chooser::ChooserTest;
using testing_chooser::kProjectName;
using testing_chooser::kProjects;
using testing_chooser::kProjectStatus;
using testing_gui::ExpectStopsInOrder;
using testing_gui::InVisibleOrder;
using testing_gui::NameOf;
using testing_gui::TabWalk;
using testing_gui::WalkTab;

TEST_F(ChooserTest, FindWalksTheActiveProjectsThenSaysThereIsNoMoreAndRemembersItsChoices) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::projects));
    view::View* table = frame->GetCurrentTableView();
    ASSERT_NE(table, nullptr);
    int scrolls = 0;
    frame->GetTablePane()->Bind(EVT_FIND_DIALOG_DID_FIND, [&scrolls](wxCommandEvent& event) {
        ++scrolls;
        event.Skip();
    });

    FindDialog* find = OpenFind(*frame);
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->FieldList().GetStringSelection(), L"Project Name") << "a first opening shows the name column";
    ASSERT_TRUE(find->ChooseField(kProjectStatus));
    EXPECT_TRUE(find->ValueList().IsShown());
    EXPECT_FALSE(find->WholeText().IsEnabled());
    EXPECT_EQ(find->ValueList().GetStringSelection(), L"Active");
    EXPECT_TRUE(find->FindButton().IsEnabled());

    std::set<const view::Row*> found;
    for (int i = 0; i < kProjects / 2; ++i) {
        find->FindNextMatch();
        const view::Row* row = table->GetSelectedRow();
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->GetCodeValue(kProjectStatus).to_string(), L"Active");
        found.insert(row);
    }
    EXPECT_EQ(found.size(), static_cast<std::size_t>(kProjects / 2));
    EXPECT_EQ(scrolls, kProjects / 2);
    const view::Row* last = table->GetSelectedRow();
    find->FindNextMatch();
    ASSERT_EQ(m_hook.messages.size(), 1u);
    EXPECT_EQ(m_hook.messages.front(), LoadText(IDS_FIND_NO_MATCH));
    EXPECT_EQ(table->GetSelectedRow(), last) << "no wrap-around, the selection stays";

    // A text field, both options and the other direction; a category switch closes the dialog.
    ASSERT_TRUE(find->ChooseField(kProjectName));
    EXPECT_TRUE(find->ValueText().IsShown());
    EXPECT_FALSE(find->FindButton().IsEnabled()) << "nothing typed yet";
    find->WholeText().SetValue(true);
    find->MatchCase().SetValue(true);
    find->SearchUp().SetValue(true);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::activities));
    EXPECT_EQ(frame->GetFindDialog(), nullptr);

    frame->SwitchToPage(static_cast<std::int32_t>(Category::projects));
    find = OpenFind(*frame);
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->FieldList().GetStringSelection(), L"Project Name");
    EXPECT_TRUE(find->WholeText().GetValue());
    EXPECT_TRUE(find->MatchCase().GetValue());
    EXPECT_TRUE(find->SearchUp().GetValue());
    EXPECT_FALSE(find->SearchDown().GetValue());

    // The close button hides the dialog and the frame then destroys it.
    wxCommandEvent close(wxEVT_BUTTON, wxID_CANCEL);
    close.SetEventObject(find);
    find->GetEventHandler()->ProcessEvent(close);
    EXPECT_TRUE(WaitUntil([frame] { return frame->GetFindDialog() == nullptr; }));
}

TEST_F(ChooserTest, FindScrollsTheTableAndTheChartToAnActivityInACollapsedGroup) {
    CMainFrame* frame = StartWithSchedule(80);
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(kActivitiesTabPage);
    Command(*frame, IDC_BUTTON_ACT_COLL_ALL);  // and painted so: the few group rows fit
    VarnholtView& table_pane = *frame->GetTablePane();
    VarnholtView& chart_pane = *frame->GetGanttPane();
    const view::View& table = *table_pane.GetContentView();
    ASSERT_EQ(table_pane.Host().ScrollY(), 0);

    FindDialog* find = FindFromRibbon(*frame);
    ASSERT_NE(find, nullptr);
    ASSERT_EQ(find->FieldList().GetStringSelection(), L"Activity Name");
    ASSERT_TRUE(Focus(find->ValueText()));
    wxUIActionSimulator().Text("work 1139");
    ASSERT_TRUE(WaitUntil([find] { return find->ValueText().GetValue() == L"work 1139"; }));
    ASSERT_TRUE(PressEnter(*find));
    const view::Row* found = table.GetSelectedRow();
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->GetCodeValue(132).to_string(), L"Work 1139");
    EXPECT_TRUE(m_hook.messages.empty());

    // The found row lies inside the table pane, and the chart shows the same rows.
    Settle(*frame);
    const int row_height = static_cast<int>(table.GetRowHeight());
    const int top = static_cast<int>(table.GetHeaderHeight()) + row_height * found->index - table_pane.Host().ScrollY();
    EXPECT_GT(table_pane.Host().ScrollY(), 0);
    EXPECT_GE(top, static_cast<int>(table.GetHeaderHeight()));
    EXPECT_LE(top + row_height, table_pane.GetClientSize().y);
    EXPECT_EQ(chart_pane.Host().ScrollY(), table_pane.Host().ScrollY());
    EXPECT_EQ(table_pane.GetScrollPos(wxVERTICAL), table_pane.Host().ScrollY());
    EXPECT_EQ(chart_pane.GetScrollPos(wxVERTICAL), table_pane.Host().ScrollY());
}

TEST_F(ChooserTest, CtrlFOpensFindWithShiftHeldToo) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(kActivitiesTabPage);
    Settle(*frame);
    ASSERT_TRUE(Focus(*frame->GetTablePane()));
    wxUIActionSimulator().Char('f', wxMOD_CONTROL | wxMOD_SHIFT);
    EXPECT_TRUE(WaitUntil([frame] { return frame->GetFindDialog() != nullptr; }));
}

TEST_F(ChooserTest, AFieldTheNextFileLacksIsNotSearched) {
    FindDialog* find = FindActivitiesTyping("Work");
    ASSERT_NE(find, nullptr);
    CMainFrame* frame = Frame();
    ASSERT_EQ(find->FieldList().GetStringSelection(), L"Activity Name");
    ASSERT_TRUE(PressEnter(*find));
    ASSERT_NE(frame->GetCurrentTableView()->GetSelectedRow(), nullptr);

    // A workbook without activity names, dropped on the window while the dialog stays open.
    auto* target = dynamic_cast<ScheduleDropTarget*>(frame->GetDropTarget());
    ASSERT_NE(target, nullptr);
    const wxString workbook = VARNHOLT_XLS_FIXTURES "/bars_only.xls";
    ASSERT_TRUE(target->OnDropFiles(0, 0, wxArrayString(1, &workbook)));
    Settle(*frame);
    ASSERT_EQ(frame->GetFindDialog(), find);
    ASSERT_TRUE(PressEnter(*find));
    EXPECT_TRUE(m_hook.messages.empty()) << "nothing was searched, so nothing is reported";
    EXPECT_EQ(frame->GetCurrentTableView()->GetSelectedRow(), nullptr);
}

// A workbook's project table has no name column, so Find opens on Projects with no field chosen;
// Escape closes it as the close button does.
TEST_F(ChooserTest, EscapeClosesFindWhateverItsFields) {
    ASSERT_TRUE(Start(VARNHOLT_XLS_FIXTURES "/export.xls"));
    CMainFrame* frame = Frame();
    frame->SwitchToPage(static_cast<std::int32_t>(Category::projects));
    FindDialog* find = FindFromRibbon(*frame);
    ASSERT_NE(find, nullptr);
    ASSERT_EQ(find->FieldList().GetSelection(), wxNOT_FOUND);
    // Without a window manager the keyboard follows the pointer into a window.
    ASSERT_TRUE(testing_gui::MoveTo(*find, wxPoint(find->GetClientSize().x / 2, 4)));
    wxUIActionSimulator().Char(WXK_ESCAPE);
    EXPECT_TRUE(WaitUntil([frame] { return frame->GetFindDialog() == nullptr; }));
}

TEST_F(ChooserTest, FindNeedsARecordTable) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::obs));
    EXPECT_EQ(CreateFindDialog(*frame), nullptr);
}

// A list field chosen by a key in the shown dialog takes the value text's place without squashing
// any control below the size it asks for; GTK's warning about one fails the run too.
TEST_F(ChooserTest, AListFieldChosenByKeySquashesNoControl) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::projects));
    FindDialog* find = FindFromRibbon(*frame);
    ASSERT_NE(find, nullptr);
    find->FieldList().SetFocus();
    ASSERT_TRUE(WaitUntil([find] { return wxWindow::FindFocus() == &find->FieldList(); }));
    wxUIActionSimulator().Char(WXK_DOWN);  // from the project name to its status
    ASSERT_TRUE(WaitUntil([find] { return find->ValueList().IsShownOnScreen(); }));
    ASSERT_TRUE(testing_gui::WaitForFrames(*find));  // laid out and painted
    const std::function<void(const wxWindow&)> expect_natural = [&expect_natural](const wxWindow& parent) {
        for (const wxWindow* control : parent.GetChildren()) {
            if (!control->IsShown()) continue;
            EXPECT_GE(control->GetSize().x, control->GetBestSize().x) << control->GetLabel();
            EXPECT_GE(control->GetSize().y, control->GetBestSize().y) << control->GetLabel();
            expect_natural(*control);
        }
    };
    expect_natural(*find);
}

// Tab walks the find dialog from the field list at its top down to its buttons, as it does the
// Columns dialog. A text typed makes the find button a stop too. The options and the chosen
// direction, once reached, stand in a ring that stands out from their ground by 3 : 1 all round,
// not in a faint dotted line, and the direction's box cuts none of it off.
TEST_F(ChooserTest, TabWalksTheFindDialogInVisibleOrderAndItsTogglesShowTheFocusPlainly) {
    FindDialog* find = FindActivitiesTyping("Work");
    ASSERT_NE(find, nullptr);
    ASSERT_TRUE(WaitUntil([find] { return find->FindButton().IsEnabled(); }));

    const std::vector<wxWindow*> order = InVisibleOrder(*find);
    ASSERT_EQ(order.size(), 7u) << "field, value, two options, the chosen direction, two buttons";
    EXPECT_EQ(order.front(), &find->FieldList());
    const TabWalk walk = WalkTab(*find, order);
    ASSERT_EQ(walk.stops.size(), order.size() + 1);
    ExpectStopsInOrder(walk.stops, order);
    int toggles = 0;
    for (std::size_t k = 0; k + 1 < walk.stops.size(); ++k) {
        const wxWindow* stop = walk.stops[k];
        if (dynamic_cast<const wxCheckBox*>(stop) == nullptr && dynamic_cast<const wxRadioButton*>(stop) == nullptr)
            continue;
        ++toggles;
        const wxRect place(find->ScreenToClient(stop->GetScreenPosition()), stop->GetSize());
        EXPECT_GE(testing_gui::FocusRingCoverage(walk.shots[k], walk.shots[k + 1], place), 0.6) << NameOf(stop);
    }
    EXPECT_EQ(toggles, 3);
}

}  // namespace
}  // namespace varnholt
