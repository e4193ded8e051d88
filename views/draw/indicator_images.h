// indicator_images.h - what the indicator bitmaps 174-181 show: a disc in red, yellow, green or
// blue filling its rectangle; the four ids for a selected row ring the disc in white so it
// stands out on the selection colour. Backends draw them from this description.
#pragma once

#include "views/draw/Color.h"

#include <cstdint>
#include <optional>

namespace varnholt::view {

struct IndicatorImage {
    Color fill;
    bool ringed = false;  // the selected-row variant
};

[[nodiscard]] constexpr std::optional<IndicatorImage> FindIndicatorImage(std::uint16_t id) noexcept {
    constexpr Color kDiscs[] = {Color::FromRgb(220, 40, 40), Color::FromRgb(240, 200, 0), Color::FromRgb(40, 170, 60),
                                Color::FromRgb(40, 100, 230)};
    if (id < 174 || id > 181) return std::nullopt;
    const int offset = id - 174;
    return IndicatorImage{kDiscs[offset % 4], offset >= 4};
}

}  // namespace varnholt::view
