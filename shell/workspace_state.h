// workspace_state.h - the main window as the user left it: its place and size, whether it was
// maximized, the details pane's height and the table pane's width. Kept as named text values
// beside the program's other per-user state. Reading them back clamps what no longer fits the
// screen, and any value that is missing or cannot be read gives the first start's layout.
#pragma once

#include "shell/frame_geometry.h"
#include "shell/subview_placement.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace varnholt {

// The window's size at a first start.
inline constexpr std::int32_t kDefaultFrameWidth = 1200;
inline constexpr std::int32_t kDefaultFrameHeight = 800;

// A rectangle in screen pixels: the shell's one integer rectangle.
using ScreenRect = PaneRect;

struct WorkspaceState {
    // The place and size of the window's client area when not maximized, which is what the
    // window asks for; without a position the window system places the window.
    bool has_position = false;
    ScreenRect window{0, 0, kDefaultFrameWidth, kDefaultFrameHeight};
    bool maximized = false;
    // The details pane keeps its height as the window grows; 0 while the pane is hidden.
    std::int32_t details_height = 0;
    // The table pane keeps its width; the chart beside it may be hidden by the user.
    std::int32_t table_width = kDefaultTablePaneWidth;
    bool gantt_shown = true;
    friend bool operator==(const WorkspaceState&, const WorkspaceState&) = default;
};

// Stored values by name, as the registry keeps them.
using WorkspaceValues = std::map<std::wstring, std::wstring, std::less<>>;

// The values that store a state.
[[nodiscard]] WorkspaceValues StoreWorkspace(const WorkspaceState& state);

// The state the values describe, fitted to the screens (work areas, the primary first): the
// window goes on the screen that holds its centre, else the primary one; its size is at least
// the minimum and at most that screen, and it lies wholly on it. The details pane and the
// table pane are fitted to that window, so that they and the panes beside them keep at least
// `minimum_pane` pixels: a window that moved to a smaller screen still shows all its panes.
// Each value that is missing or unreadable gives its first-start default (the size and the
// position each as a pair).
[[nodiscard]] WorkspaceState RestoreWorkspace(const WorkspaceValues& values, std::span<const ScreenRect> screens,
                                              std::int32_t minimum_width, std::int32_t minimum_height,
                                              std::int32_t minimum_pane);

}  // namespace varnholt
