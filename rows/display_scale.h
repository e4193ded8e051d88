// display_scale.h - the one program-wide scale by which the views multiply their lengths and
// font sizes: 1.0 until the main frame sets it from the desktop's text resolution, and the page's
// scale while a print job runs. Layout widths are kept unscaled; whoever turns a drawn width
// back into a stored one divides by this scale.
#pragma once

namespace varnholt::view {

[[nodiscard]] float& DisplayScale();

// The scale to divide by: the current one when it is a usable positive number, else 1.0.
[[nodiscard]] float UsableDisplayScale();

// The unscaled width of a column the user dragged from its left border `left` to the pixel
// `right`, both drawn lengths, such that its drawn right border, left + width x scale cut to
// whole pixels as every drawn length is, falls on that pixel. A whole width where one does, which
// the columns file then holds exactly, so the column comes back as wide at the next start; else
// (a whole width reaches only ten of every eleven pixels at 1.1) the width with its fraction.
// The plain quotient would not do: in floats it may come back a hair short (202 / 1.1 x 1.1 is
// 201.99998), and rounded to a whole width it may lose the pixel.
[[nodiscard]] float UnscaledWidthBetween(float left, float right);

// A length that went through the scale in floats, cut to its whole pixels toward zero. The
// float error is forgiven first, either way from zero: 260 at 1.1 comes back 259.99998 and
// must stay 260. The tolerance is far more than that error and far less than any length a
// layout file or the zoom slider gives a meaning to.
[[nodiscard]] double WholePixelsOf(double length) noexcept;

}  // namespace varnholt::view
