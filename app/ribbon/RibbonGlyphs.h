// RibbonGlyphs.h - the ribbon's pictures, drawn at run time so that the program ships no image
// files and never hands the ribbon an empty bitmap.
#pragma once

#include "app/ribbon/RibbonDefinition.h"

#include <wx/bitmap.h>

namespace varnholt::ribbon {

inline constexpr int kLargeGlyphSize = 32;
inline constexpr int kSmallGlyphSize = 16;
// The grey the ribbon's usable pictures are drawn in, on its light band.
inline constexpr unsigned char kGlyphInk = 64;

// A square picture of the given side on a transparent ground.
[[nodiscard]] wxBitmap GlyphBitmap(Glyph glyph, int size);

// The picture of a command that cannot be used now: grey, faded toward the band by the rule of
// every faded picture, so that no stroke comes near the darkness of a usable picture's ink.
[[nodiscard]] wxBitmap FadedGlyphBitmap(Glyph glyph, int size);

}  // namespace varnholt::ribbon
