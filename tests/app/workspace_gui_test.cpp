// workspace_gui_test.cpp - the main window comes back as the user left it: the window is moved
// and resized, both sashes are dragged with the mouse, the program closes and starts again over
// the same per-user folders. Stored values that cannot be read give the first start's layout.

#include "../shell/every_category_schedule.h"
#include "app/CVarnSplitterWnd.h"
#include "app/VarnholtView.h"
#include "app/registry.h"
#include "app_gui_support.h"
#include "gui_input.h"
#include "shell/command_ids.h"
#include "shell/workspace_state.h"
#include "views/core/View.h"

#include <wx/settings.h>
#include <wx/uiaction.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;

class WorkspaceTest : public testing_app::AppGuiTest {
protected:
    static CMainFrame& StartOn(const wxString& file) {
        EXPECT_TRUE(Start(file));
        CMainFrame& frame = *Frame();
        EXPECT_TRUE(WaitUntil([&frame] { return frame.IsShownOnScreen() && Settled(frame); }));
        return frame;
    }
    // The sizer has laid the panes out over the whole client area.
    static bool Settled(CMainFrame& frame) {
        return frame.GetOuterSplitter()->GetRect().GetBottom() + 1 == frame.GetClientSize().y;
    }
    // The user closes the window.
    static void CloseProgram(CMainFrame& frame) {
        frame.Close();
        EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    }
    // A ribbon command as the ribbon posts it.
    static void Click(CMainFrame& frame, int id) {
        wxQueueEvent(&frame, new wxCommandEvent(wxEVT_MENU, id));
        (void)wxTheApp->Yield(true);
    }
    // The details pane's height with its sash, which stays as the window is sized.
    static int DetailsHeight(CMainFrame& frame) {
        const CVarnSplitterWnd& outer = *frame.GetOuterSplitter();
        return outer.GetClientSize().y - outer.GetSashPosition();
    }
    // The mouse presses on the middle of the sash, drags it to `to` and lets go.
    static void DragSash(CVarnSplitterWnd& splitter, int to) {
        const bool across = splitter.GetSplitMode() == wxSPLIT_VERTICAL;
        const wxSize size = splitter.GetClientSize();
        const auto at = [&](int along) {
            const int middle = along + splitter.GetSashSize() / 2;
            return splitter.ClientToScreen(across ? wxPoint(middle, size.y / 2) : wxPoint(size.x / 2, middle));
        };
        wxUIActionSimulator mouse;
        for (const wxPoint point : {at(splitter.GetSashPosition()), at(to)}) {
            mouse.MouseMove(point);
            ASSERT_TRUE(WaitUntil([point] { return wxGetMousePosition() == point; }));
            if (!splitter.HasCapture()) {
                mouse.MouseDown();
                ASSERT_TRUE(WaitUntil([&splitter] { return splitter.HasCapture(); })) << "pressed on the sash";
            }
        }
        mouse.MouseUp();
        EXPECT_TRUE(WaitUntil([&] { return !splitter.HasCapture() && splitter.GetSashPosition() == to; }))
            << splitter.GetSashPosition() << " for " << to;
    }
};

TEST_F(WorkspaceTest, TheWindowAndItsSashesComeBackAfterARestart) {
    const wxString file = Schedule(L"A.xer", testing_shell::EveryCategorySchedule("A"));
    CMainFrame* frame = &StartOn(file);
    EXPECT_EQ(frame->GetSize(), wxSize(kDefaultFrameWidth, kDefaultFrameHeight)) << "a first start";
    EXPECT_EQ(frame->GetInnerSplitter()->GetSashPosition(), kDefaultTablePaneWidth);

    // What the window system delivers when the user moves and resizes the window.
    const wxRect place(60, 40, 1000, 700);
    frame->SetSize(place);
    ASSERT_TRUE(WaitUntil([&] { return frame->GetRect() == place && Settled(*frame); }));
    Click(*frame, IDC_BUTTON_ACT_DETAILS);
    ASSERT_TRUE(WaitUntil([&] { return frame->GetOuterSplitter()->SecondPaneExtent() > 0; }));
    DragSash(*frame->GetOuterSplitter(), frame->GetOuterSplitter()->GetSashPosition() - 60);
    DragSash(*frame->GetInnerSplitter(), 450);
    const int details_height = DetailsHeight(*frame);
    CloseProgram(*frame);

    frame = &StartOn(file);
    EXPECT_EQ(frame->GetRect(), place);
    EXPECT_TRUE(WaitUntil([&] { return DetailsHeight(*frame) == details_height; })) << DetailsHeight(*frame);
    EXPECT_EQ(frame->GetInnerSplitter()->GetSashPosition(), 450);

    // Panes the user hid stay hidden after a restart.
    Click(*frame, IDC_BUTTON_ACT_DETAILS);
    Click(*frame, IDC_BUTTON_ACT_GANTT);
    ASSERT_TRUE(WaitUntil([&] { return frame->GetOuterSplitter()->SecondPaneExtent() == 0; }));
    ASSERT_TRUE(WaitUntil([&] { return frame->GetInnerSplitter()->SecondPaneExtent() == 0; }));
    CloseProgram(*frame);

    frame = &StartOn(file);
    EXPECT_FALSE(frame->GetDetailsPane()->IsShownOnScreen());
    EXPECT_FALSE(frame->GetGanttPane()->IsShownOnScreen());
}

// What the program stores is what it asks for at the next start: stored, restored and stored
// again, the figures stay, whether the window was maximized or not. Run under a compositor too,
// once with decorations it draws itself and once with decorations the program draws. There the
// window's place is the compositor's choice, which weston makes anew at each start.
TEST_F(WorkspaceTest, StoringWhatWasRestoredStoresTheSameFigures) {
    const bool placed_as_asked = std::getenv("WAYLAND_DISPLAY") == nullptr;
    std::vector<const char*> names = {"Width", "Height", "Maximized"};
    if (placed_as_asked) names.insert(names.end(), {"Left", "Top"});
    // Maximized first: the toolkit learns the size of decorations from the first window it
    // shows, and a fault that shows only before it knows them would pass by afterwards.
    for (const bool maximized : {true, false}) {
        SCOPED_TRACE(maximized ? "maximized" : "normal");
        ForgetWorkspace();
        const std::pair<const char*, const char*> asked[] = {{"Width", "1000"}, {"Height", "600"}, {"Left", "60"},
                                                             {"Top", "40"}, {"Maximized", maximized ? "1" : "0"}};
        for (const auto& [name, text] : asked) ASSERT_TRUE(WriteRegistryString(WorkspaceKey(), name, text));
        std::vector<std::map<std::string, std::string>> stored;
        for (int start = 0; start < 2; ++start) {
            CMainFrame& frame = StartOn({});
            EXPECT_TRUE(WaitUntil([&frame, maximized] { return frame.IsMaximized() == maximized; }));
            testing_gui::RunEventLoopFor(std::chrono::milliseconds(300));  // the compositor's last word
            CloseProgram(frame);
            auto& values = stored.emplace_back();
            for (const char* name : names) values[name] = ReadRegistryString(WorkspaceKey(), name, "none").utf8_string();
        }
        EXPECT_EQ(stored[0]["Width"], "1000");
        EXPECT_EQ(stored[0]["Height"], "600");
        EXPECT_EQ(stored[1], stored[0]);
    }
}

// Under a window manager that draws the title bar, a run that ends maximized and the next,
// which starts maximized and ends normal, store the place the window started at. Each start is
// a process of its own, as the user's are: the toolkit learns the size of the window manager's
// decorations afresh in each. maximized_cycles.sh, run under under_mutter.sh, runs the two tests
// in turn, three times over the same per-user folders; without a window manager nothing
// maximizes, and they are skipped.
class MaximizedCycleTest : public WorkspaceTest {
protected:
    MaximizedCycleTest() { m_keep_workspace = true; }
    static wxString StoredPlace() {
        return ReadRegistryString(WorkspaceKey(), "Left", "none") + "," + ReadRegistryString(WorkspaceKey(), "Top", "none");
    }
    // The user maximizes the window, or restores it, by the window manager's keys (Super+Up,
    // Super+Down) through the X server the window manager takes its input from. A double click on
    // the title bar does the same, but the nested compositor on a busy machine misses it.
    static void ToggleMaximizedByKeys(bool maximized) {
        const char* outer = std::getenv("OUTER_DISPLAY");
        ASSERT_NE(outer, nullptr);
        const std::string command = std::string("env DISPLAY=") + outer + " xdotool key super+" + (maximized ? "Down" : "Up");
        ASSERT_TRUE(testing_gui::RunTool(command)) << command;
    }
    // Starts, lets the window manager have its say, and maximizes or restores the window.
    static void StartAndToggleMaximized(bool maximized_before) {
        if (std::getenv("OUTER_DISPLAY") == nullptr) GTEST_SKIP() << "run by maximized_cycles.sh under under_mutter.sh";
        const wxString before = StoredPlace();
        CMainFrame& frame = StartOn({});
        ASSERT_TRUE(WaitUntil([&frame, maximized_before] { return frame.IsMaximized() == maximized_before; }));
        // The window manager's last word: it may still move the window or set its frame's size,
        // and announces neither its end nor that nothing more comes.
        testing_gui::RunEventLoopFor(std::chrono::milliseconds(300));
        ToggleMaximizedByKeys(maximized_before);
        EXPECT_TRUE(WaitUntil([&frame, maximized_before] { return frame.IsMaximized() != maximized_before; }));
        testing_gui::RunEventLoopFor(std::chrono::milliseconds(300));  // the window manager's last word, as above
        CloseProgram(frame);
        EXPECT_EQ(ReadRegistryString(WorkspaceKey(), "Maximized", {}), maximized_before ? "0" : "1");
        EXPECT_EQ(StoredPlace(), before);
    }
};

TEST_F(MaximizedCycleTest, ARunThatEndsMaximizedStoresThePlaceItStartedAt) {
    if (!RegistryValueExists(registry_root::current_user, WorkspaceKey(), "Top")) {
        const std::pair<const char*, const char*> first[] = {
            {"Width", "1000"}, {"Height", "600"}, {"Left", "60"}, {"Top", "117"}, {"Maximized", "0"}};
        for (const auto& [name, text] : first) ASSERT_TRUE(WriteRegistryString(WorkspaceKey(), name, text));
    }
    StartAndToggleMaximized(false);
}

TEST_F(MaximizedCycleTest, ARunThatStartsMaximizedAndEndsNormalStoresThePlaceItStartedAt) {
    StartAndToggleMaximized(true);
}

// A move to a smaller screen is two runs over the same per-user folders, on two screens:
// restart_on_smaller_screen.sh runs the first test on 1920 x 1200 and the second on
// 1280 x 720. Elsewhere they are skipped.
class SmallerScreenTest : public WorkspaceTest {
protected:
    SmallerScreenTest() { m_keep_workspace = true; }
    static bool OnScreen(int width, int height) { return wxGetDisplaySize() == wxSize(width, height); }
    static wxString File() { return Schedule(L"A.xer", testing_shell::EveryCategorySchedule("A")); }
    // Each pane is on screen with room for the table's column header and three whole rows at
    // the display scale, beside and above its scroll bars: the pane's client area holds them,
    // and the pane holds them and a scroll bar, which an overlay scroll bar lies over.
    static void ExpectEveryPaneUsable(CMainFrame& frame, const std::string& when) {
        const view::View* table = frame.GetTablePane()->GetContentView();
        ASSERT_NE(table, nullptr);
        const int rows = static_cast<int>(std::ceil(table->GetHeaderHeight() + 3 * table->GetRowHeight()));
        const wxSize scroll_bars(wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, frame.GetTablePane()),
                                 wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, frame.GetTablePane()));
        const auto expect_room = [&](VarnholtView* pane, bool across) {
            EXPECT_TRUE(pane->IsShownOnScreen()) << when;
            EXPECT_GE(pane->GetClientSize().y, rows) << when;
            EXPECT_GE(pane->GetSize().y, rows + scroll_bars.y) << when;
            if (!across) return;
            EXPECT_GE(pane->GetClientSize().x, rows) << when;
            EXPECT_GE(pane->GetSize().x, rows + scroll_bars.x) << when;
        };
        expect_room(frame.GetTablePane(), true);
        expect_room(frame.GetGanttPane(), true);
        expect_room(frame.GetDetailsPane(), false);
    }
};

TEST_F(SmallerScreenTest, FirstStartOnALargeScreenLeavesATallDetailsPane) {
    if (!OnScreen(1920, 1200)) GTEST_SKIP() << "run by restart_on_smaller_screen.sh";
    ForgetWorkspace();
    CMainFrame& frame = StartOn(File());
    frame.SetSize(0, 0, 1920, 1200);
    ASSERT_TRUE(WaitUntil([&] { return frame.GetSize() == wxSize(1920, 1200) && Settled(frame); }));
    Click(frame, IDC_BUTTON_ACT_DETAILS);
    ASSERT_TRUE(WaitUntil([&] { return frame.GetOuterSplitter()->SecondPaneExtent() > 0; }));
    DragSash(*frame.GetOuterSplitter(), frame.GetOuterSplitter()->GetClientSize().y - 950);
    DragSash(*frame.GetInnerSplitter(), 1800);
    CloseProgram(frame);
    EXPECT_EQ(ReadRegistryString(WorkspaceKey(), "DetailsHeight", {}), "950");
    EXPECT_EQ(ReadRegistryString(WorkspaceKey(), "TableWidth", {}), "1800");
}

TEST_F(SmallerScreenTest, NextStartOnASmallerScreenShowsEveryPane) {
    if (!OnScreen(1280, 720)) GTEST_SKIP() << "run by restart_on_smaller_screen.sh";
    ASSERT_EQ(ReadRegistryString(WorkspaceKey(), "DetailsHeight", {}), "950") << "the first start's layout";
    CMainFrame& frame = StartOn(File());
    EXPECT_EQ(frame.GetSize(), wxSize(1280, 720));
    ExpectEveryPaneUsable(frame, "after the start");
    // The user makes the window smaller still.
    frame.SetSize(700, 450);
    ASSERT_TRUE(WaitUntil([&] { return frame.GetSize() == wxSize(700, 450) && Settled(frame); }));
    ASSERT_TRUE(testing_gui::WaitForFrames(frame));
    ExpectEveryPaneUsable(frame, "in a smaller window");
    CloseProgram(frame);
}

// Without a window manager nothing maximizes a shown window, so the state is stored first.
TEST_F(WorkspaceTest, UnreadableValuesStartWithTheDefaults) {
    const std::pair<const char*, const char*> stored[] = {{"Width", "1O00"}, {"Height", "700"}, {"DetailsHeight", "tall"},
                                                          {"TableWidth", "-3"}, {"Maximized", "1"}};
    for (const auto& [name, text] : stored) ASSERT_TRUE(WriteRegistryString(WorkspaceKey(), name, text));
    CMainFrame& frame = StartOn({});
    EXPECT_EQ(frame.GetSize(), wxSize(kDefaultFrameWidth, kDefaultFrameHeight));
    EXPECT_FALSE(frame.GetDetailsPane()->IsShownOnScreen());
    EXPECT_EQ(frame.GetInnerSplitter()->GetSashPosition(), kDefaultTablePaneWidth);
    EXPECT_TRUE(frame.IsMaximized()) << "a readable value still counts";
    CloseProgram(frame);
    EXPECT_EQ(ReadRegistryString(WorkspaceKey(), "Maximized", {}), "1");
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
