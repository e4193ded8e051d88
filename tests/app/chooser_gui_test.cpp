// chooser_gui_test.cpp - the find dialog, the columns dialog and the filters dialog inside the
// running program, over a generated schedule of projects that are alternately open and closed.
// The find tests also type, press Enter and Ctrl+F as real keys.

#include "app/VarnholtView.h"
#include "app/dialogs/ActivityFiltersDialog.h"
#include "app/dialogs/ColumnsDialog.h"
#include "app/dialogs/FindDialog.h"
#include "app/dialogs/GroupedList.h"
#include "app/dialogs/chooser_entries.h"
#include "app/find_events.h"
#include "app/schedule_drop_target.h"
#include "app_gui_support.h"
#include "gui_input.h"
#include "layouts/FilterSelection.h"
#include "layouts/Layout.h"
#include "layouts/LayoutStore.h"
#include "layouts/NamedFilter.h"
#include "rows/Row.h"
#include "screen_pixels.h"
#include "shown_tip.h"
#include "tab_walk.h"
#include "shell/command_ids.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"
#include "views/core/RowList.h"
#include "views/core/View.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/display.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <chrono>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;
using testing_gui::ChangedPixels;
using testing_gui::ClickAt;
using testing_gui::ExpectStopsInOrder;
using testing_gui::InVisibleOrder;
using testing_gui::NameOf;
using testing_gui::TabWalk;
using testing_gui::WalkTab;

constexpr int kProjects = 6;               // every other one open ("Active")
constexpr std::int32_t kProjectName = 330;
constexpr std::int32_t kProjectStatus = 331;

// The last project has `last_tasks` activities, so that its last one lies far down the table.
std::string GeneratedSchedule(int last_tasks = 3) {
    std::string text = "ERMHDR\t8.0\t2024-01-02 10:30\tProject\tadmin\tAdmin\tdb\tPM\tUSD\n";
    std::string projects = "%T\tPROJECT\n%F\tproj_id\tproj_short_name\n";
    std::string wbs = "%T\tPROJWBS\n%F\twbs_id\tproj_id\tseq_num\tproj_node_flag\twbs_short_name\twbs_name\tparent_wbs_id\t"
                      "status_code\n";
    std::string tasks = "%T\tTASK\n%F\ttask_id\tproj_id\twbs_id\ttask_code\ttask_name\ttarget_start_date\t"
                        "target_end_date\n";
    for (int p = 1; p <= kProjects; ++p) {
        const std::string id = std::to_string(p);
        const std::string name = "P" + id;
        projects += "%R\t" + id + "\t" + name + "\n";
        wbs += "%R\t" + std::to_string(100 + p) + "\t" + id + "\t" + id + "\tY\t" + name + "\t" + name + " Site\t\t" +
               (p % 2 == 1 ? "WS_Open" : "WS_Closed") + "\n";
        for (int t = 0; t < (p == kProjects ? last_tasks : 3); ++t) {
            const std::string task = std::to_string(1000 + p * 10 + t);
            tasks += "%R\t" + task + "\t" + id + "\t" + std::to_string(100 + p) + "\tA" + task + "\tWork " + task +
                     "\t2024-01-08 08:00\t2024-01-12 17:00\n";
        }
    }
    return text + projects + wbs + tasks + "%E\n";
}

// The one column of a chooser's list: centred, of the width given.
bool Centred(const wxDataViewColumn& column) {
    return (column.GetAlignment() & wxALIGN_CENTER_HORIZONTAL) != 0 &&
           (column.GetRenderer()->GetEffectiveAlignment() & wxALIGN_CENTER_HORIZONTAL) != 0;
}

// A chooser's list has one centred column, at least as wide as asked (the last column of a list
// takes the room the list has left).
void ExpectOneCentredColumn(const GroupedList& list, int width) {
    ASSERT_EQ(list.GetColumnCount(), 1u);
    EXPECT_TRUE(Centred(*list.GetColumn(0)));
    EXPECT_GE(list.GetColumn(0)->GetWidth(), width);
}

bool HasGridLines(const GroupedList& list) { return list.HasFlag(wxDV_HORIZ_RULES) && list.HasFlag(wxDV_VERT_RULES); }

class ChooserTest : public testing_app::AppGuiTest {
protected:
    CMainFrame* StartWithSchedule(int last_tasks = 3) {
        if (!Start(Schedule(L"generated.xer", GeneratedSchedule(last_tasks)))) return nullptr;
        CMainFrame* frame = Frame();
        if (frame == nullptr || frame->GetLayoutStore() == nullptr) return nullptr;
        return frame;
    }
    static FindDialog* OpenFind(CMainFrame& frame) {
        auto* dialog = dynamic_cast<FindDialog*>(CreateFindDialog(frame));
        if (dialog == nullptr) return nullptr;
        frame.SetFindDialog(dialog);
        dialog->Show();
        return dialog;
    }
    static void Settle(CMainFrame& frame) {
        frame.Refresh();
        frame.Update();
        for (int i = 0; i < 5; ++i) (void)wxTheApp->Yield(true);
    }
    // A ribbon command as the ribbon sends it.
    static void Command(CMainFrame& frame, int id) {
        wxCommandEvent command(wxEVT_MENU, id);
        frame.GetEventHandler()->ProcessEvent(command);
        Settle(frame);
    }
    // Runs the script while the Columns dialog that the Activities page's Table command opens is
    // on screen; the dialog then closes with Cancel. False when no such dialog showed.
    bool WhileColumnsDialogShown(const std::function<void(wxDialog&, ColumnsDialog*)>& script) {
        CMainFrame* frame = StartWithSchedule();
        if (frame == nullptr) return false;
        frame->SwitchToPage(kActivitiesTabPage);
        bool ran = false;
        m_hook.CancelAfter<ColumnsDialog>(ran, [&script](ColumnsDialog& columns) { script(columns, &columns); });
        Command(*frame, IDC_BUTTON_ACT_TABLE);
        return ran;
    }
    // The find dialog the ribbon's Find opened, once it is on screen.
    static FindDialog* FindFromRibbon(CMainFrame& frame) {
        Command(frame, IDC_BUTTON_FIND);
        auto* dialog = dynamic_cast<FindDialog*>(frame.GetFindDialog());
        if (dialog == nullptr || !WaitUntil([dialog] { return dialog->IsShownOnScreen(); })) return nullptr;
        return dialog;
    }
    // The find dialog of the activity table, opened from the ribbon, with the text typed into
    // its value field.
    FindDialog* FindActivitiesTyping(const char* text) {
        CMainFrame* frame = StartWithSchedule();
        if (frame == nullptr) return nullptr;
        frame->SwitchToPage(kActivitiesTabPage);
        FindDialog* find = FindFromRibbon(*frame);
        if (find == nullptr || !Focus(find->ValueText())) return nullptr;
        wxUIActionSimulator().Text(text);
        return WaitUntil([find, text] { return find->ValueText().GetValue() == text; }) ? find : nullptr;
    }
    // The focus to the control as the user gives it: without a window manager it follows the
    // pointer into a window, and a click puts it on the control.
    static bool Focus(wxWindow& control) {
        wxUIActionSimulator input;
        const wxRect rect = control.GetScreenRect();
        const wxPoint centre = rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2);
        input.MouseMove(centre);
        if (!WaitUntil([centre] { return wxGetMousePosition() == centre; })) return false;
        if (wxWindow::FindFocus() != &control) input.MouseClick();
        return WaitUntil([&control] { return wxWindow::FindFocus() == &control; });
    }
    // Enter in the value text, as the user presses it, and the find button's press that follows.
    static bool PressEnter(FindDialog& find) {
        int presses = 0;
        find.FindButton().Bind(wxEVT_BUTTON, [&presses](wxCommandEvent& event) {
            ++presses;
            event.Skip();
        });
        if (!Focus(find.ValueText())) return false;
        wxUIActionSimulator().Char(WXK_RETURN);
        return WaitUntil([&presses] { return presses > 0; });
    }
};

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

TEST_F(ChooserTest, TheColumnsDialogAddsChosenColumnsOnlyAndKeepsThemAfterCancel) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::activities));
    view::Layout* layout = frame->GetLayoutStore()->GetCurrentActivityLayout();
    ASSERT_NE(layout, nullptr);
    const std::size_t before = layout->GetColumnCount();
    std::wstring added_caption;
    m_hook.answer = wxID_CANCEL;
    m_hook.inspect = [&](wxDialog& dialog) {
        auto* columns = dynamic_cast<ColumnsDialog*>(&dialog);
        ASSERT_NE(columns, nullptr);
        EXPECT_FALSE(columns->AddButton().IsEnabled());
        columns->Available().ChooseHeading(0);
        EXPECT_TRUE(WaitUntil([columns] { return columns->Available().ChosenEntries().empty(); }));
        columns->UpdateButtons();
        EXPECT_FALSE(columns->AddButton().IsEnabled()) << "a heading is not a column";
        columns->AddChosen();
        EXPECT_EQ(layout->GetColumnCount(), before);

        ASSERT_FALSE(columns->Lists().available.empty());
        const std::size_t pick = columns->Lists().available.size() / 2;
        added_caption = columns->Lists().available[pick].caption;
        columns->Available().ChooseEntry(pick);
        columns->UpdateButtons();
        EXPECT_TRUE(columns->AddButton().IsEnabled());
        columns->AddChosen();
        EXPECT_EQ(columns->Lists().selected.back().caption, added_caption);

        columns->Selected().ChooseEntry(0);
        columns->UpdateButtons();
        EXPECT_FALSE(columns->UpButton().IsEnabled());
        EXPECT_TRUE(columns->DownButton().IsEnabled());
        EXPECT_TRUE(columns->RemoveButton().IsEnabled());
    };
    ShowColumnsDialog(*frame, view::LayoutKind::activity);
    m_hook.inspect = nullptr;
    ASSERT_EQ(layout->GetColumnCount(), before + 1) << "Cancel does not undo";
    EXPECT_EQ(layout->GetColumn(before)->GetTitle(), added_caption);
    frame->Refresh();
    frame->Update();
    EXPECT_NE(frame->GetCurrentTableView()->GetText().find(added_caption), std::wstring::npos);
}

TEST_F(ChooserTest, TheFiltersDialogOfALayoutWithoutSelectionStartsClear) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::activities));
    view::Layout* layout = frame->GetLayoutStore()->GetCurrentActivityLayout();
    ASSERT_NE(layout, nullptr);
    layout->SetFilter(nullptr);
    std::wstring chosen;
    m_hook.answer = wxID_OK;
    m_hook.inspect = [&](wxDialog& dialog) {
        auto* filters = dynamic_cast<ActivityFiltersDialog*>(&dialog);
        ASSERT_NE(filters, nullptr);
        ASSERT_GT(filters->FilterList().EntryCount(), 0u);
        EXPECT_FALSE(filters->FilterList().AnyChecked());
        EXPECT_TRUE(filters->PassAll().GetValue());
        EXPECT_FALSE(filters->ClearAllButton().IsEnabled());
        filters->FilterList().SetChecked(0, true);
        EXPECT_TRUE(filters->ClearAllButton().IsEnabled());
        chosen = filters->Items().front().filter->name;
        filters->PassAny().SetValue(true);
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        ok.SetEventObject(&dialog);
        dialog.GetEventHandler()->ProcessEvent(ok);
    };
    EXPECT_TRUE(ShowActivityFiltersDialog(*frame));
    m_hook.inspect = nullptr;
    const FilterSelection* selection = layout->GetFilter();
    ASSERT_NE(selection, nullptr);
    EXPECT_NE(selection->mode, 0);
    ASSERT_EQ(selection->filters.size(), 1u);
    EXPECT_EQ(selection->filters.front()->name, chosen);
}

TEST_F(ChooserTest, TheColumnChooserOnScreenHasItsControlsUnderTheirIdsAndCentredLists) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::activities));
    bool ran = false;
    m_hook.answer = wxID_CANCEL;
    m_hook.while_shown = [&ran](wxDialog& dialog) {
        auto* columns = dynamic_cast<ColumnsDialog*>(&dialog);
        ASSERT_NE(columns, nullptr);
        ran = true;
        const std::pair<int, const wxWindow*> controls[] = {
            {1271, &columns->Available()}, {1272, &columns->Selected()},  {1097, &columns->AddButton()},
            {1098, &columns->RemoveButton()}, {1099, &columns->UpButton()}, {1100, &columns->DownButton()}};
        for (const auto& [id, control] : controls) EXPECT_EQ(dialog.FindWindow(id), control) << id;
        ExpectOneCentredColumn(columns->Available(), 200);
        ExpectOneCentredColumn(columns->Selected(), 220);
        EXPECT_TRUE(HasGridLines(columns->Available()));
        EXPECT_FALSE(HasGridLines(columns->Selected()));
    };
    ShowColumnsDialog(*frame, view::LayoutKind::activity);
    EXPECT_TRUE(ran);
}

TEST_F(ChooserTest, TheFilterListOnScreenHasANarrowCheckColumnAndHeadingsThatNeverFold) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::activities));
    frame->GetLayoutStore()->GetCurrentActivityLayout()->SetFilter(nullptr);
    bool ran = false;
    m_hook.answer = wxID_CANCEL;
    m_hook.while_shown = [&ran](wxDialog& dialog) {
        auto* filters = dynamic_cast<ActivityFiltersDialog*>(&dialog);
        ASSERT_NE(filters, nullptr);
        ran = true;
        GroupedList& list = filters->FilterList();
        const std::pair<int, const wxWindow*> controls[] = {
            {1093, &list}, {1266, &filters->PassAll()}, {1267, &filters->PassAny()}, {3, &filters->ClearAllButton()}};
        for (const auto& [id, control] : controls) EXPECT_EQ(dialog.FindWindow(id), control) << id;
        EXPECT_TRUE(HasGridLines(list));
        ASSERT_EQ(list.GetColumnCount(), 2u);
        EXPECT_EQ(list.GetColumn(0)->GetTitle(), wxString(wxUniChar(0x2714)));
        EXPECT_EQ(list.GetColumn(0)->GetWidth(), 20);
        EXPECT_TRUE(Centred(*list.GetColumn(0)));
        EXPECT_GE(list.GetColumn(1)->GetWidth(), 250);

        // The built-in filters' heading tops the list. A click at the left end of its text, then
        // Shift+Left, would fold a tree's branch away; the row under the heading stays the first
        // filter.
        const wxDataViewItem heading = list.GetTopItem();
        ASSERT_TRUE(heading.IsOk());
        const wxRect row = list.GetItemRect(heading, list.GetColumn(1));
        ASSERT_FALSE(row.IsEmpty());
        ASSERT_TRUE(ClickAt(list, wxPoint(row.x + 8, row.y + row.height / 2)));
        ASSERT_TRUE(WaitUntil([&list] { return wxWindow::FindFocus() == &list; }));
        wxUIActionSimulator keys;
        keys.Char(WXK_LEFT, wxMOD_SHIFT);
        ASSERT_TRUE(ClickAt(list, wxPoint(row.x + row.width / 2, row.y + row.height + row.height / 2)));
        EXPECT_TRUE(WaitUntil([&list] { return list.ChosenEntries() == std::vector<std::size_t>{0}; }))
            << "the first filter still stands under its heading";
    };
    EXPECT_FALSE(ShowActivityFiltersDialog(*frame));
    EXPECT_TRUE(ran);
}

// Tab visits the columns dialog's controls in the order they stand on screen, and each stop shows
// the focus: the control looks different while it has it. A button that its own press disables
// hands the focus on rather than dropping it.
TEST_F(ChooserTest, TabWalksTheColumnsDialogInVisibleOrderAndEveryStopShowsTheFocus) {
    EXPECT_TRUE(WhileColumnsDialogShown([](wxDialog& dialog, ColumnsDialog* columns) {
        // Every button usable: a column chosen on each side, the shown one neither first nor last.
        columns->Available().ChooseEntry(0);
        columns->Selected().ChooseEntry(1);
        columns->UpdateButtons();
        const std::vector<wxWindow*> order = InVisibleOrder(dialog);
        ASSERT_EQ(order.size(), 8u) << "two lists, four arrows, OK and Cancel";
        // Once round and one step on, so that each stop is seen with the focus and without it.
        const auto [stops, shots] = WalkTab(dialog, order);
        ASSERT_EQ(stops.size(), order.size() + 1);
        ExpectStopsInOrder(stops, order);
        constexpr int kFocusMark = 20;  // pixels; a dotted outline round a button has some 120
        for (std::size_t k = 0; k + 1 < stops.size(); ++k) {
            if (stops[k] == nullptr) continue;  // already reported
            EXPECT_GE(ChangedPixels(shots[k], shots[k + 1], dialog, *stops[k]), kFocusMark)
                << "no focus mark on " << NameOf(stops[k]);
        }

        // Space on the focused Add button adds the column and disables the button.
        columns->AddButton().SetFocus();
        ASSERT_TRUE(WaitUntil([columns] { return wxWindow::FindFocus() == &columns->AddButton(); }));
        const std::size_t shown = columns->Lists().selected.size();
        wxUIActionSimulator keys;
        keys.Char(' ');
        ASSERT_TRUE(WaitUntil([columns, shown] { return columns->Lists().selected.size() == shown + 1; }));
        // The toolkit settles the focus on a control that can take it.
        (void)WaitUntil([] { return wxWindow::FindFocus() != nullptr && wxWindow::FindFocus()->IsEnabled(); });
        wxWindow* const focused = wxWindow::FindFocus();
        ASSERT_NE(focused, nullptr) << "the focus went nowhere";
        const wxImage with_focus = testing_gui::GrabSteady(&dialog);
        keys.Char(WXK_TAB);
        (void)WaitUntil([focused] { return wxWindow::FindFocus() != focused; });
        EXPECT_GE(ChangedPixels(with_focus, testing_gui::GrabSteady(&dialog), dialog, *focused), kFocusMark)
            << "no focus mark on " << NameOf(focused);
    }));
}

// Columns added with the Add button until the shown list scrolls: its rows stay as wide as the
// list beside the vertical scroll bar, so no sideways bar comes to cover the last of them.
TEST_F(ChooserTest, ColumnsAddedUntilTheListScrollsBringNoSidewaysBar) {
    EXPECT_TRUE(WhileColumnsDialogShown([](wxDialog&, ColumnsDialog* columns) {
        auto* window = GTK_SCROLLED_WINDOW(columns->Selected().GetHandle());
        GtkAdjustment* down = gtk_scrolled_window_get_vadjustment(window);
        GtkAdjustment* sideways = gtk_scrolled_window_get_hadjustment(window);
        const auto scrolls = [](GtkAdjustment* axis) {
            return gtk_adjustment_get_upper(axis) > gtk_adjustment_get_page_size(axis);
        };
        for (std::size_t added = 0; added < 8 && !scrolls(down); ++added) {
            columns->Available().ChooseEntry(2 * added);
            columns->UpdateButtons();
            const std::size_t shown = columns->Lists().selected.size();
            ASSERT_TRUE(testing_gui::ClickMiddle(columns->AddButton()));
            ASSERT_TRUE(WaitUntil([&] { return columns->Lists().selected.size() > shown; }));
            ASSERT_TRUE(testing_gui::WaitForFrames(*columns));  // the list lays out its rows
        }
        ASSERT_TRUE(scrolls(down)) << "enough columns to scroll";
        EXPECT_FALSE(scrolls(sideways)) << "rows " << gtk_adjustment_get_upper(sideways) << " px wide in a "
                                        << gtk_adjustment_get_page_size(sideways) << "-px list";
        EXPECT_FALSE(gtk_widget_get_mapped(gtk_scrolled_window_get_hscrollbar(window)));
    }));
}

// An arrow that can be used stands out from its button by 3 : 1 or more, in a light theme and
// in a dark one; one that cannot stands out less, yet is still there.
TEST_F(ChooserTest, TheColumnChoosersArrowsStandOutWhenUsableAndFadeWhenNot) {
    EXPECT_TRUE(WhileColumnsDialogShown([](wxDialog& dialog, ColumnsDialog* columns) {
        columns->Available().ChooseEntry(0);  // Add usable; nothing shown is chosen
        columns->UpdateButtons();
        ASSERT_TRUE(ClickAt(dialog, wxPoint(3, 3)));  // the pointer hovers over no button
        const wxImage picture = testing_gui::GrabSteady(&dialog);
        const std::pair<const char*, const wxButton*> arrows[] = {{"add", &columns->AddButton()},
                                                                  {"remove", &columns->RemoveButton()},
                                                                  {"up", &columns->UpButton()},
                                                                  {"down", &columns->DownButton()}};
        double faintest_usable = 100;
        double boldest_faded = 1;
        for (const auto& [name, button] : arrows) {
            // The picture's square in the middle of the button, inside any focus outline; the
            // button's face is most of it.
            const wxPoint middle = dialog.ScreenToClient(button->GetScreenPosition()) + button->GetSize() / 2;
            const wxSize half = button->FromDIP(wxSize(8, 8));
            const testing_gui::TextLook look = testing_gui::MeasureText(picture, wxRect(middle - half, half * 2));
            SCOPED_TRACE(testing::Message() << name << ": " << testing_gui::Describe(look));
            if (button->IsEnabled()) {
                EXPECT_GE(look.ratio, 3.0);
                faintest_usable = std::min(faintest_usable, look.ratio);
            } else {
                EXPECT_GE(look.ratio, 1.3) << "the faded arrow is still drawn";
                boldest_faded = std::max(boldest_faded, look.ratio);
            }
        }
        EXPECT_LT(boldest_faded, faintest_usable) << "a faded arrow stands out less than a usable one";
        EXPECT_TRUE(columns->AddButton().IsEnabled());
        EXPECT_FALSE(columns->UpButton().IsEnabled());
    }));
}

// How a chooser stands on screen while shown: its outline and the widths of its lists, and
// whether any list scrolls sideways.
struct ChooserLook {
    wxRect dialog;
    std::vector<int> lists;
    bool scrolls_sideways = false;
    int opened_list = 0;  // the width of a drop-down list opened
};

ChooserLook LookAt(wxDialog& dialog, std::initializer_list<const GroupedList*> lists) {
    EXPECT_TRUE(testing_gui::WaitForFrames(dialog));  // laid out and drawn
    ChooserLook look{.dialog = dialog.GetScreenRect(), .lists = {}};
    for (const GroupedList* list : lists) {
        look.lists.push_back(list->GetSize().x);
        GtkAdjustment* sideways = gtk_scrolled_window_get_hadjustment(GTK_SCROLLED_WINDOW(list->GetHandle()));
        look.scrolls_sideways |= gtk_adjustment_get_upper(sideways) > gtk_adjustment_get_page_size(sideways);
    }
    return look;
}

// A code type, a user field and a layout's filter named at length, as files may name them: the
// Columns, Filters and Find dialogs stay inside the screen, no wider than half of it (or than
// the program's own captions make them), each list at least as wide as with short names, Find's
// opened field list too; a long name ends in an ellipsis inside its list instead of bringing a
// sideways bar.
TEST_F(ChooserTest, NamesFromFilesOfAnyLengthKeepTheChoosersWithinHalfTheScreen) {
    std::map<std::string, ChooserLook> short_names;
    for (const std::size_t length : {std::size_t{6}, std::size_t{200}}) {
        const std::string name(length, 'N');
        std::string schedule = GeneratedSchedule();
        schedule.insert(schedule.rfind("%E"),
                        "%T\tACTVTYPE\n%F\tactv_code_type_id\tactv_code_type\tactv_code_type_scope\n%R\t1\tC" + name +
                            "\tAS_Global\n%T\tUDFTYPE\n%F\tudf_type_id\ttable_name\tudf_type_name\tudf_type_label\t"
                            "logical_data_type\n%R\t1\tTASK\tuser_field_1\tU" + name + "\tFT_TEXT\n");
        ASSERT_TRUE(Start(Schedule(L"named.xer", schedule)));
        CMainFrame& frame = *Frame();
        frame.SwitchToPage(kActivitiesTabPage);
        auto filter = std::make_unique<NamedFilter>(L"F" + std::wstring(length, L'N'));
        filter->id = 5000;  // a layout file's own
        frame.GetLayoutStore()->ActivityFilters().push_back(std::move(filter));

        std::map<std::string, ChooserLook> shown;
        bool ran = false;
        m_hook.CancelAfter<ColumnsDialog>(ran, [&shown](ColumnsDialog& columns) {
            shown["columns"] = LookAt(columns, {&columns.Available(), &columns.Selected()});
        });
        Command(frame, IDC_BUTTON_ACT_TABLE);
        ASSERT_TRUE(ran);
        m_hook.CancelAfter<ActivityFiltersDialog>(ran = false, [&shown](ActivityFiltersDialog& filters) {
            shown["filters"] = LookAt(filters, {&filters.FilterList()});
        });
        Command(frame, IDC_BUTTON_ACT_FILTER);
        ASSERT_TRUE(ran);
        FindDialog* find = FindFromRibbon(frame);
        ASSERT_NE(find, nullptr);
        ChooserLook& found = shown["find"] = LookAt(*find, {});
        found.lists.push_back(find->FieldList().GetSize().x);
        ASSERT_TRUE(testing_gui::ClickMiddle(find->FieldList()));
        GtkWidget* opened = testing_gui::ShownDropDownList();
        ASSERT_NE(opened, nullptr);
        found.opened_list = gtk_widget_get_allocated_width(opened);
        wxUIActionSimulator().Char(WXK_ESCAPE);
        ASSERT_TRUE(WaitUntil([opened] { return !gtk_widget_get_mapped(opened); }));
        frame.Close(true);
        ASSERT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
        if (short_names.empty()) {
            short_names = shown;
            continue;
        }
        const wxRect screen = wxDisplay(0u).GetClientArea();
        for (const auto& [dialog, look] : shown) {
            const ChooserLook& usual = short_names.at(dialog);
            SCOPED_TRACE(dialog);
            EXPECT_TRUE(screen.Contains(look.dialog)) << look.dialog.x << "," << look.dialog.y << " " << look.dialog.width;
            EXPECT_LE(look.dialog.width, std::max(screen.width / 2, usual.dialog.width));
            for (std::size_t i = 0; i < look.lists.size(); ++i)
                EXPECT_GE(look.lists[i], usual.lists[i]) << "list " << i << " as wide as with short names";
            EXPECT_FALSE(look.scrolls_sideways);
            EXPECT_LE(look.opened_list, screen.width / 2) << "the opened list";
        }
    }
}

// How long the program's loop stands still while the hand comes to rest, as on a busy machine:
// longer than the half second in which the toolkit shows one tip soon after another.
constexpr std::chrono::milliseconds kBusyMachineStall{700};

// Rests the pointer on the list's row of this text, once scrolled into view, and answers the
// tip that then shows; empty when none does. The program's loop stands still for `stall` just
// as the hand arrives.
std::string TipOverRow(GroupedList& list, const wxString& text, std::chrono::milliseconds stall = {}) {
    wxDataViewItemArray rows;
    list.GetModel()->GetChildren(wxDataViewItem(), rows);
    for (const wxDataViewItem& row : rows) {
        wxVariant value;
        list.GetModel()->GetValue(value, row, 0);
        if (value.GetString() != text) continue;
        list.EnsureVisible(row);
        EXPECT_TRUE(testing_gui::WaitForFrames(list));
        const wxRect cell = list.GetItemRect(row, list.GetColumn(list.GetColumnCount() - 1));
        const wxPoint middle = list.ClientToScreen(wxPoint(cell.x + cell.width / 2, cell.y + cell.height / 2));
        EXPECT_TRUE(testing_gui::BringThePointerTo(middle));
        std::this_thread::sleep_for(stall);
        return testing_gui::TipWhileResting(middle);
    }
    ADD_FAILURE() << "no row of " << text.utf8_string();
    return {};
}

// Rests the pointer on the row of this index in a drop-down list open on screen, and answers
// the tip that then shows; empty when none does.
std::string TipOverOpenedRow(GtkWidget* opened, int index) {
    GList* rows = gtk_container_get_children(GTK_CONTAINER(gtk_bin_get_child(GTK_BIN(opened))));
    auto* row = static_cast<GtkWidget*>(g_list_nth_data(rows, static_cast<guint>(index)));
    g_list_free(rows);
    if (row == nullptr) {
        ADD_FAILURE() << "no row " << index;
        return {};
    }
    wxPoint inside;
    gtk_widget_translate_coordinates(row, opened, gtk_widget_get_allocated_width(row) / 3,
                                     gtk_widget_get_allocated_height(row) / 2, &inside.x, &inside.y);
    wxPoint origin;
    gdk_window_get_origin(gtk_widget_get_window(opened), &origin.x, &origin.y);
    return testing_gui::TipWhereTheHandRests(origin + inside);
}

// A name that ends in "…" in a list of the Columns, Filters or Find dialog shows whole in a tip
// while the pointer rests on it, in Find's opened field list too; also where the hand goes on to
// the next such name while the machine is too busy to run the program for a moment.
TEST_F(ChooserTest, ANameCutShortInAChoosersListShowsWholeOnHover) {
    const std::string code_type = "C" + std::string(200, 'N');
    const std::string next_code_type = "D" + std::string(200, 'N');
    std::string schedule = GeneratedSchedule();
    schedule.insert(schedule.rfind("%E"), "%T\tACTVTYPE\n%F\tactv_code_type_id\tactv_code_type\tactv_code_type_scope\n"
                                          "%R\t1\t" + code_type + "\tAS_Global\n%R\t2\t" + next_code_type + "\tAS_Global\n");
    ASSERT_TRUE(Start(Schedule(L"named.xer", schedule)));
    CMainFrame& frame = *Frame();
    frame.SwitchToPage(kActivitiesTabPage);
    const std::wstring filter_name = L"F" + std::wstring(200, L'N');
    auto filter = std::make_unique<NamedFilter>(filter_name);
    filter->id = 5000;  // a layout file's own
    frame.GetLayoutStore()->ActivityFilters().push_back(std::move(filter));

    std::string columns_tip;
    std::string next_tip;
    bool ran = false;
    m_hook.CancelAfter<ColumnsDialog>(ran, [&](ColumnsDialog& columns) {
        columns_tip = TipOverRow(columns.Available(), wxString::FromUTF8(code_type));
        next_tip = TipOverRow(columns.Available(), wxString::FromUTF8(next_code_type), kBusyMachineStall);
    });
    Command(frame, IDC_BUTTON_ACT_TABLE);
    ASSERT_TRUE(ran);
    EXPECT_EQ(columns_tip, code_type) << "Columns";
    EXPECT_EQ(next_tip, next_code_type) << "Columns, the next name on a busy machine";
    std::string filters_tip;
    m_hook.CancelAfter<ActivityFiltersDialog>(ran = false, [&](ActivityFiltersDialog& filters) {
        filters_tip = TipOverRow(filters.FilterList(), filter_name);
    });
    Command(frame, IDC_BUTTON_ACT_FILTER);
    ASSERT_TRUE(ran);
    EXPECT_EQ(filters_tip, wxString(filter_name).utf8_string()) << "Filters";

    FindDialog* find = FindFromRibbon(frame);
    ASSERT_NE(find, nullptr);
    const int item = find->FieldList().FindString(wxString::FromUTF8(code_type));
    ASSERT_NE(item, wxNOT_FOUND);
    ASSERT_TRUE(find->ChooseField(static_cast<std::uint32_t>(wxPtrToUInt(find->FieldList().GetClientData(item)))));
    const wxPoint field = find->FieldList().ClientToScreen(wxPoint(10, find->FieldList().GetClientSize().y / 2));
    EXPECT_EQ(testing_gui::TipWhereTheHandRests(field), code_type) << "Find";

    ASSERT_TRUE(testing_gui::ClickMiddle(find->FieldList()));
    GtkWidget* opened = testing_gui::ShownDropDownList();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(TipOverOpenedRow(opened, item), code_type) << "Find's opened list";
    wxUIActionSimulator().Char(WXK_ESCAPE);
    EXPECT_TRUE(WaitUntil([opened] { return !gtk_widget_get_mapped(opened); }));
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
