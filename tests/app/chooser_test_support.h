// chooser_test_support.h - the running program over a generated schedule of projects that are
// alternately open and closed, with the find, columns and filters dialogs opened as the ribbon
// opens them and driven by real keys and clicks: shared by the chooser tests.
#pragma once

#include "app/dialogs/ColumnsDialog.h"
#include "app/dialogs/FindDialog.h"
#include "app/dialogs/GroupedList.h"
#include "app/dialogs/chooser_entries.h"
#include "app/find_events.h"
#include "app_gui_support.h"
#include "layouts/LayoutStore.h"
#include "shell/command_ids.h"

#include <wx/button.h>
#include <wx/dataview.h>
#include <wx/uiaction.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

namespace varnholt::testing_chooser {

using testing_app::WaitUntil;

constexpr int kProjects = 6;               // every other one open ("Active")
constexpr std::int32_t kProjectName = 330;
constexpr std::int32_t kProjectStatus = 331;

// The last project has `last_tasks` activities, so that its last one lies far down the table.
inline std::string GeneratedSchedule(int last_tasks = 3) {
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
inline bool Centred(const wxDataViewColumn& column) {
    return (column.GetAlignment() & wxALIGN_CENTER_HORIZONTAL) != 0 &&
           (column.GetRenderer()->GetEffectiveAlignment() & wxALIGN_CENTER_HORIZONTAL) != 0;
}

// A chooser's list has one centred column, at least as wide as asked (the last column of a list
// takes the room the list has left).
inline void ExpectOneCentredColumn(const GroupedList& list, int width) {
    ASSERT_EQ(list.GetColumnCount(), 1u);
    EXPECT_TRUE(Centred(*list.GetColumn(0)));
    EXPECT_GE(list.GetColumn(0)->GetWidth(), width);
}

inline bool HasGridLines(const GroupedList& list) { return list.HasFlag(wxDV_HORIZ_RULES) && list.HasFlag(wxDV_VERT_RULES); }

class ChooserTest : public testing_app::AppGuiTest {
protected:
    // Each test starts from the shipped layouts: a column added or a filter chosen in one test
    // would otherwise be the user's own in the next, and a filter hides rows Find looks for.
    void SetUp() override {
        std::error_code ignored;
        std::filesystem::remove_all(testing_app::run_folder() / "data", ignored);
        AppGuiTest::SetUp();
    }
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

}  // namespace varnholt::testing_chooser
