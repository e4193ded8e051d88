// workspace_state.cpp - the main window's stored layout, written as text and read back fitted
// to the screen.

#include "shell/workspace_state.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <optional>
#include <string_view>

namespace varnholt {
namespace {

constexpr std::wstring_view kLeft = L"Left";
constexpr std::wstring_view kTop = L"Top";
constexpr std::wstring_view kWidth = L"Width";
constexpr std::wstring_view kHeight = L"Height";
constexpr std::wstring_view kMaximized = L"Maximized";
constexpr std::wstring_view kDetailsHeight = L"DetailsHeight";
constexpr std::wstring_view kTableWidth = L"TableWidth";
constexpr std::wstring_view kGanttShown = L"GanttShown";

// A whole decimal integer, as written by StoreWorkspace; anything else (space, a fraction, a
// number beyond 32 bits, a character outside ASCII) is unreadable.
std::optional<std::int32_t> ReadInteger(const WorkspaceValues& values, std::wstring_view name) {
    const auto found = values.find(name);
    if (found == values.end() || found->second.empty() || found->second.size() > 12) return std::nullopt;
    std::string narrow;
    for (const wchar_t c : found->second) {
        if (c > 0x7F) return std::nullopt;
        narrow.push_back(static_cast<char>(c));
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    if (error != std::errc{} || end != narrow.data() + narrow.size()) return std::nullopt;
    return value;
}

// "1" or "0"; anything else gives the default.
bool ReadFlag(const WorkspaceValues& values, std::wstring_view name, bool fallback) {
    const std::optional<std::int32_t> value = ReadInteger(values, name);
    if (value == 0 || value == 1) return *value == 1;
    return fallback;
}

std::wstring Text(std::int32_t value) {
    char digits[16];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    return {digits, result.ptr};
}

bool Contains(const ScreenRect& screen, std::int64_t x, std::int64_t y) {
    return x >= screen.x && x < std::int64_t{screen.x} + screen.width && y >= screen.y &&
           y < std::int64_t{screen.y} + screen.height;
}

// The screen that holds the centre of a placed window, else the primary one; with no screen
// known, one that holds any window.
ScreenRect ScreenOf(const WorkspaceState& state, std::span<const ScreenRect> screens) {
    if (screens.empty()) return {INT32_MIN / 2, INT32_MIN / 2, INT32_MAX, INT32_MAX};
    const ScreenRect& window = state.window;
    const std::int64_t centre_x = std::int64_t{window.x} + window.width / 2;
    const std::int64_t centre_y = std::int64_t{window.y} + window.height / 2;
    for (const ScreenRect& screen : screens) {
        if (state.has_position && Contains(screen, centre_x, centre_y)) return screen;
    }
    return screens.front();
}

// A start such that [start, start + extent) lies in the screen's span when it fits, else the
// screen's start.
// A pane's extent within a window `window_extent` long that keeps at least `minimum` for the
// pane and for what lies beside it; the pane's minimum wins where both do not fit.
std::int32_t PaneWithin(std::int32_t extent, std::int32_t window_extent, std::int32_t minimum) {
    return std::clamp(extent, minimum, std::max(minimum, window_extent - minimum));
}

std::int32_t StartWithin(std::int32_t start, std::int32_t extent, std::int32_t screen_start, std::int32_t screen_extent) {
    const std::int64_t last = std::int64_t{screen_start} + std::max(screen_extent - extent, 0);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(start, screen_start, last));
}

}  // namespace

WorkspaceValues StoreWorkspace(const WorkspaceState& state) {
    WorkspaceValues values{
        {std::wstring(kWidth), Text(state.window.width)},
        {std::wstring(kHeight), Text(state.window.height)},
        {std::wstring(kMaximized), Text(state.maximized ? 1 : 0)},
        {std::wstring(kDetailsHeight), Text(state.details_height)},
        {std::wstring(kTableWidth), Text(state.table_width)},
        {std::wstring(kGanttShown), Text(state.gantt_shown ? 1 : 0)},
    };
    if (state.has_position) {
        values.emplace(kLeft, Text(state.window.x));
        values.emplace(kTop, Text(state.window.y));
    }
    return values;
}

WorkspaceState RestoreWorkspace(const WorkspaceValues& values, std::span<const ScreenRect> screens,
                                std::int32_t minimum_width, std::int32_t minimum_height, std::int32_t minimum_pane) {
    WorkspaceState state;
    const auto left = ReadInteger(values, kLeft);
    const auto top = ReadInteger(values, kTop);
    const auto width = ReadInteger(values, kWidth);
    const auto height = ReadInteger(values, kHeight);
    if (width && height) state.window = {0, 0, *width, *height};
    if (left && top) {
        state.has_position = true;
        state.window.x = *left;
        state.window.y = *top;
    }

    // The minimum wins over a screen smaller than it.
    const ScreenRect screen = ScreenOf(state, screens);
    state.window.width = std::max(std::min(state.window.width, screen.width), minimum_width);
    state.window.height = std::max(std::min(state.window.height, screen.height), minimum_height);
    if (state.has_position) {
        state.window.x = StartWithin(state.window.x, state.window.width, screen.x, screen.width);
        state.window.y = StartWithin(state.window.y, state.window.height, screen.y, screen.height);
    }
    state.maximized = ReadFlag(values, kMaximized, false);

    if (const auto details = ReadInteger(values, kDetailsHeight); details && *details > 0) {
        state.details_height = PaneWithin(*details, state.window.height, minimum_pane);
    }
    if (const auto table = ReadInteger(values, kTableWidth); table && *table > 0) {
        state.table_width = PaneWithin(*table, state.window.width, minimum_pane);
    }
    state.gantt_shown = ReadFlag(values, kGanttShown, true);
    return state;
}

}  // namespace varnholt
