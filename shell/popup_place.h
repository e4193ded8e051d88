// popup_place.h - where a folded ribbon panel's pop-up opens, and which presses beside it are
// part of the click that opened it. Screen pixels; no toolkit.
#pragma once

#include "shell/subview_placement.h"

#include <cstdint>

namespace varnholt {

// A rectangle of whole screen pixels, as the panes' rectangles are.
using ScreenBox = PaneRect;

// The pop-up of `width` x `height` for the folded button at `button`: below the button with its
// left edge on the button's, as a menu drops from its title; moved left as far as the screen's
// right edge asks and never past its left edge; above the button where the screen has no room
// below it.
[[nodiscard]] ScreenBox PopUpPlace(ScreenBox button, std::int32_t width, std::int32_t height, ScreenBox screen) noexcept;

// A press with the button of the mouse, in screen pixels, at a time in milliseconds.
struct ScreenPress {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint32_t time_ms = 0;
};

// Whether `press`, on the folded button, is the second press of a double click whose first press
// opened the pop-up: soon after it and near it, by the desktop's double-click time and distance.
// Such a press leaves the pop-up open; any other press on the button closes it.
[[nodiscard]] bool SecondPressOfOpening(ScreenPress opening, ScreenPress press, std::uint32_t double_click_ms,
                                        std::int32_t double_click_distance) noexcept;

}  // namespace varnholt
