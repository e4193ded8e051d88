// TextSmoothing.h - the font options text is drawn with on a Cairo context. Shapes are drawn
// crisp, on whole pixels; text is smoothed as the desktop asks, and never less than in grey:
// unsmoothed, the small marks that tell "." from "," at table sizes fall on whole pixel rows
// and read alike.
#pragma once

#include <cairo.h>

#include <memory>

namespace varnholt {

struct FontOptionsDeleter {
    void operator()(cairo_font_options_t* options) const noexcept { cairo_font_options_destroy(options); }
};
using FontOptions = std::unique_ptr<cairo_font_options_t, FontOptionsDeleter>;

// The options for text: the desktop's anti-aliasing, but at least grey where it asks for none or
// says nothing. Sub-pixel anti-aliasing is kept only where a pixel of the views is one device
// pixel: its colour fringes are made for the monitor's stripes, and on a scaled page (a print
// preview) they would land between them as coloured smears. Hinting is slight at most: medium
// and full hinting move the full stop of the table's face onto the pixel row below the baseline
// at table sizes, where it reads as a comma. `desktop` may be null.
[[nodiscard]] FontOptions ChooseTextOptions(const cairo_font_options_t* desktop, bool pixel_exact);

// The desktop's font options as the toolkit keeps them from its settings; null without a screen.
[[nodiscard]] const cairo_font_options_t* DesktopFontOptions();

// True when one unit of `cr` is one device pixel, unrotated and unscaled.
[[nodiscard]] bool IsPixelExact(cairo_t* cr);

// The chosen text options set on a Cairo context for one paint; the context's own come back when
// this ends.
class ScopedTextOptions {
public:
    explicit ScopedTextOptions(cairo_t* cr);
    ScopedTextOptions(const ScopedTextOptions&) = delete;
    ScopedTextOptions& operator=(const ScopedTextOptions&) = delete;
    ~ScopedTextOptions();

    // Sets the chosen options again, after something else has set the context's.
    void Apply() const;

private:
    cairo_t* m_cr;
    FontOptions m_saved;
    FontOptions m_chosen;
};

}  // namespace varnholt
