// TextSmoothing.cpp - choosing the font options of drawn text.

#include "app/draw/TextSmoothing.h"

#include <gdk/gdk.h>

namespace varnholt {

FontOptions ChooseTextOptions(const cairo_font_options_t* desktop, bool pixel_exact) {
    FontOptions options(cairo_font_options_create());
    const bool subpixel = desktop != nullptr && pixel_exact &&
                          cairo_font_options_get_antialias(desktop) == CAIRO_ANTIALIAS_SUBPIXEL;
    cairo_font_options_set_antialias(options.get(), subpixel ? CAIRO_ANTIALIAS_SUBPIXEL : CAIRO_ANTIALIAS_GRAY);
    if (subpixel) cairo_font_options_set_subpixel_order(options.get(), cairo_font_options_get_subpixel_order(desktop));
    const bool unhinted = desktop != nullptr && cairo_font_options_get_hint_style(desktop) == CAIRO_HINT_STYLE_NONE;
    cairo_font_options_set_hint_style(options.get(), unhinted ? CAIRO_HINT_STYLE_NONE : CAIRO_HINT_STYLE_SLIGHT);
    // Hinted metrics are left to the surface: they decide the widths that columns are fitted to.
    return options;
}

const cairo_font_options_t* DesktopFontOptions() {
    GdkScreen* screen = gdk_screen_get_default();
    return screen != nullptr ? gdk_screen_get_font_options(screen) : nullptr;
}

bool IsPixelExact(cairo_t* cr) {
    double xx = 1.0, yx = 0.0, xy = 0.0, yy = 1.0;
    cairo_user_to_device_distance(cr, &xx, &yx);
    cairo_user_to_device_distance(cr, &xy, &yy);
    return xx == 1.0 && yx == 0.0 && xy == 0.0 && yy == 1.0;
}

ScopedTextOptions::ScopedTextOptions(cairo_t* cr)
    : m_cr(cr), m_saved(cairo_font_options_create()),
      m_chosen(ChooseTextOptions(DesktopFontOptions(), IsPixelExact(cr))) {
    cairo_get_font_options(m_cr, m_saved.get());
    Apply();
}

ScopedTextOptions::~ScopedTextOptions() { cairo_set_font_options(m_cr, m_saved.get()); }

void ScopedTextOptions::Apply() const { cairo_set_font_options(m_cr, m_chosen.get()); }

}  // namespace varnholt
