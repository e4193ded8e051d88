// arrow_glyphs.h - the column choosers' arrow pictures, drawn at run time in the theme's button
// text colour, and a twin faded toward the button's face for a button that cannot be used now.
#pragma once

#include <wx/bmpbndl.h>

#include <cstdint>

namespace varnholt {

enum class ArrowDirection : std::uint8_t { left, right, up, down };

// Both at a button picture's size and at twice that, for a desktop scaled by 2.
[[nodiscard]] wxBitmapBundle ArrowGlyph(ArrowDirection direction);
[[nodiscard]] wxBitmapBundle FadedArrowGlyph(ArrowDirection direction);

}  // namespace varnholt
