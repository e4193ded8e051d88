// workspace_state_test.cpp - the main window's stored layout read back: fitted to the screen
// and the minimum size, with the first start's layout for what is missing or unreadable.

#include "shell/workspace_state.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

WorkspaceState Restore(const WorkspaceValues& values) {
    const ScreenRect screens[] = {{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
    return RestoreWorkspace(values, screens, 600, 400, 100);
}

WorkspaceState Placed(ScreenRect window, std::int32_t details_height = 0,
                      std::int32_t table_width = kDefaultTablePaneWidth) {
    WorkspaceState state;
    state.has_position = true;
    state.window = window;
    state.details_height = details_height;
    state.table_width = table_width;
    return state;
}

TEST(WorkspaceState, WhatIsStoredComesBack) {
    WorkspaceState state = Placed({40, 30, 900, 700}, 250);
    state.maximized = true;
    state.table_width = 420;
    state.gantt_shown = false;
    EXPECT_EQ(Restore(StoreWorkspace(state)), state);
    const WorkspaceState on_the_right = Placed({1500, 100, 1600, 900});
    EXPECT_EQ(Restore(StoreWorkspace(on_the_right)), on_the_right) << "a second screen keeps its window";
}

TEST(WorkspaceState, TheWindowIsFittedToItsScreenAndTheMinimum) {
    struct Case { const char* why; WorkspaceState stored; WorkspaceState expected; };
    const Case cases[] = {
        {"larger than the screen", Placed({0, 0, 2000, 1500}), Placed({0, 0, 1280, 1024})},
        {"smaller than the minimum", Placed({10, 10, 200, 100}), Placed({10, 10, 600, 400}, 0, 500)},
        {"hanging off the bottom right", Placed({1000, 900, 800, 600}), Placed({480, 424, 800, 600})},
        {"on a screen since removed", Placed({4000, 50, 2500, 600}), Placed({0, 50, 1280, 600})},
        {"details taller than the window", Placed({0, 0, 800, 600}, 2147483647), Placed({0, 0, 800, 600}, 500)},
        {"details left from a larger screen", Placed({0, 0, 1920, 1200}, 950), Placed({0, 0, 1280, 1024}, 924)},
        {"details thinner than a pane", Placed({0, 0, 800, 600}, 3), Placed({0, 0, 800, 600}, 100)},
        {"table wider than the window", Placed({0, 0, 1900, 1000}, 0, 1850), Placed({0, 0, 1280, 1000}, 0, 1180)},
        {"table thinner than a pane", Placed({0, 0, 800, 600}, 0, 20), Placed({0, 0, 800, 600}, 0, 100)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(Restore(StoreWorkspace(c.stored)), c.expected);
    }
    EXPECT_EQ(Restore({}), WorkspaceState{}) << "nothing stored: the first start";
}

TEST(WorkspaceState, AnUnreadableValueReadsAsAMissingOne) {
    WorkspaceState state = Placed({40, 30, 900, 700}, 250);
    state.maximized = true;
    state.table_width = 420;
    state.gantt_shown = false;
    struct Case { const wchar_t* name; const wchar_t* text; };
    const Case cases[] = {
        {L"Width", L"9OO"},          {L"Height", L"700.5"},      {L"Left", L"99999999999"},
        {L"Top", L" 30"},            {L"Maximized", L"yes"},     {L"DetailsHeight", L""},
        {L"DetailsHeight", L"-250"}, {L"TableWidth", L"0"},      {L"TableWidth", L"\x0664\x0662\x0660"},
        {L"GanttShown", L"2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " of \"" << c.text << "\"");
        WorkspaceValues values = StoreWorkspace(state);
        values[c.name] = c.text;
        WorkspaceValues missing = StoreWorkspace(state);
        missing.erase(c.name);
        EXPECT_EQ(Restore(values), Restore(missing));
        EXPECT_NE(Restore(values), state);
    }
}

}  // namespace
}  // namespace varnholt
