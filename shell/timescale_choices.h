// timescale_choices.h - what the ribbon's timescale combo and zoom slider show of a layout's
// timescale: the combo's seven entries stand for the units 1 to 6 and 8 (unit 7 has none),
// and the slider shows the unit width on screen.
#pragma once

#include <cstdint>
#include <optional>

namespace varnholt {

inline constexpr std::int32_t kTimescaleChoiceCount = 7;
inline constexpr std::int32_t kZoomMinimum = 5;
inline constexpr std::int32_t kZoomMaximum = 300;

// The combo entry of a unit; none for unit 7 and for units the chart does not know.
[[nodiscard]] constexpr std::optional<std::int32_t> TimescaleChoiceOfUnit(std::int32_t unit) noexcept {
    if (unit >= 1 && unit <= 6) return unit - 1;
    if (unit == 8) return 6;
    return std::nullopt;
}

// The unit of a combo entry; none outside the seven entries.
[[nodiscard]] constexpr std::optional<std::int32_t> UnitOfTimescaleChoice(std::int32_t choice) noexcept {
    if (choice >= 0 && choice <= 5) return choice + 1;
    if (choice == 6) return 8;
    return std::nullopt;
}

// The slider position of a unit width: the width on screen, truncated toward zero; a width
// that a position gave comes back as that position, whatever float error its division left.
[[nodiscard]] std::int32_t ZoomPositionOfWidth(float unit_width, float display_scale) noexcept;

// The unit width of a slider position: the position taken back to drawing scale 1.
[[nodiscard]] float UnitWidthOfZoomPosition(std::int32_t position, float display_scale) noexcept;

}  // namespace varnholt
