// RibbonGlyphs.h - the ribbon's pictures, drawn at run time so that the program ships no image
// files and never hands the ribbon an empty bitmap.
#pragma once

#include "app/ribbon/RibbonDefinition.h"

#include <wx/bitmap.h>

namespace varnholt::ribbon {

inline constexpr int kLargeGlyphSize = 32;
inline constexpr int kSmallGlyphSize = 16;
// The grey every usable picture of the program is drawn in, the dialogs' too.
inline constexpr unsigned char kGlyphInk = 64;

// A square picture of the given side on a transparent ground.
[[nodiscard]] wxBitmap GlyphBitmap(Glyph glyph, int size);

// The picture of a command that cannot be used now: grey, and so pale that no stroke comes
// near the darkness of a usable picture's ink.
[[nodiscard]] wxBitmap FadedGlyphBitmap(Glyph glyph, int size);
inline constexpr unsigned char kFadedGlyphDarkest = 170;  // the grey that the darkest ink becomes

}  // namespace varnholt::ribbon
