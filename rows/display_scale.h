// display_scale.h - the one program-wide scale by which the views multiply their lengths and
// font sizes: 1.0 until the main frame sets it from the desktop's text resolution, and the page's
// scale while a print job runs. Layout widths are kept unscaled; whoever turns a drawn width
// back into a stored one divides by this scale.
#pragma once

namespace varnholt::view {

[[nodiscard]] float& DisplayScale();

// The scale to divide by: the current one when it is a usable positive number, else 1.0.
[[nodiscard]] float UsableDisplayScale();

// A width the user drew on screen as a layout keeps it: divided by the usable scale and
// rounded to the nearest whole pixel, which the columns file then holds exactly, so the
// column comes back as wide as it was left at any scale.
[[nodiscard]] float UnscaledWholeWidth(float drawn_width);

// A length that went through the scale in floats, cut to its whole pixels toward zero. The
// float error is forgiven first, either way from zero: 260 at 1.1 comes back 259.99998 and
// must stay 260. The tolerance is far more than that error and far less than any length a
// layout file or the zoom slider gives a meaning to.
[[nodiscard]] double WholePixelsOf(double length) noexcept;

}  // namespace varnholt::view
