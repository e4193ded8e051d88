// popup_place.cpp - where a folded panel's pop-up opens, and the presses of its opening click.

#include "shell/popup_place.h"

#include <algorithm>
#include <cstdlib>

namespace varnholt {

ScreenBox PopUpPlace(ScreenBox button, std::int32_t width, std::int32_t height, ScreenBox screen) noexcept {
    ScreenBox place{button.x, button.y + button.height, width, height};
    place.x = std::max(std::min(place.x, screen.x + screen.width - width), screen.x);
    const bool room_below = place.y + height <= screen.y + screen.height;
    if (!room_below && button.y - height >= screen.y) place.y = button.y - height;
    return place;
}

bool SecondPressOfOpening(ScreenPress opening, ScreenPress press, std::uint32_t double_click_ms,
                          std::int32_t double_click_distance) noexcept {
    // The times come from the display server's clock and wrap; a press cannot come before the one
    // that opened the pop-up.
    const std::uint32_t apart = press.time_ms - opening.time_ms;
    return apart <= double_click_ms && std::abs(press.x - opening.x) <= double_click_distance &&
           std::abs(press.y - opening.y) <= double_click_distance;
}

}  // namespace varnholt
