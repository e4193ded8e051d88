// RibbonGlyphs.h - the ribbon's pictures, drawn at run time so that the program ships no image
// files and never hands the ribbon an empty bitmap.
#pragma once

#include "app/ribbon/RibbonDefinition.h"

#include <wx/bitmap.h>

namespace varnholt::ribbon {

inline constexpr int kLargeGlyphSize = 32;
inline constexpr int kSmallGlyphSize = 16;

// A square picture of the given side on a transparent ground.
[[nodiscard]] wxBitmap GlyphBitmap(Glyph glyph, int size);

}  // namespace varnholt::ribbon
