// glyph_painting.h - the program's pictures are drawn at run time, on a transparent square, and
// a picture of something that cannot be used now is faded by one rule wherever it stands.
#pragma once

#include <wx/bitmap.h>
#include <wx/colour.h>

#include <functional>

class wxGraphicsContext;

namespace varnholt {

// A picture `size` pixels square on a transparent ground; `draw` paints it on a square of
// `design_size` units, anti-aliased.
[[nodiscard]] wxBitmap PaintGlyph(int size, double design_size, const std::function<void(wxGraphicsContext&)>& draw);

// How far a faded picture's ink lies from its own colour toward the ground it stands on: far
// enough that it reads as unusable beside a usable one, near enough to still be seen.
inline constexpr double kFadeTowardGround = 0.55;

// The colour a picture's `ink` takes, faded on `ground`; on a dark ground it darkens.
[[nodiscard]] wxColour FadedInk(const wxColour& ink, const wxColour& ground);

}  // namespace varnholt
