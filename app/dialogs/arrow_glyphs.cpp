// arrow_glyphs.cpp - a shaft and a two-stroke head, designed on a 16-unit square and scaled.

#include "app/dialogs/arrow_glyphs.h"

#include "app/glyph_painting.h"

#include <wx/graphics.h>
#include <wx/pen.h>
#include <wx/settings.h>

#include <numbers>

namespace varnholt {
namespace {

constexpr int kGlyphSize = 16;

wxBitmap ArrowBitmap(ArrowDirection direction, const wxColour& ink, int size) {
    return PaintGlyph(size, kGlyphSize, [direction, &ink](wxGraphicsContext& gc) {
        // Drawn pointing right, then turned about the centre.
        using std::numbers::pi;
        const double turn = direction == ArrowDirection::right  ? 0
                            : direction == ArrowDirection::down ? pi / 2
                            : direction == ArrowDirection::left ? pi
                                                                : -pi / 2;
        gc.Translate(8, 8);
        gc.Rotate(turn);
        gc.Translate(-8, -8);
        wxPen pen(ink, 2);
        pen.SetCap(wxCAP_ROUND);
        pen.SetJoin(wxJOIN_ROUND);
        gc.SetPen(pen);
        gc.StrokeLine(3, 8, 13, 8);
        const wxPoint2DDouble head[] = {{8.5, 3.5}, {13, 8}, {8.5, 12.5}};
        gc.StrokeLines(3, head);
    });
}

wxBitmapBundle Glyph(ArrowDirection direction, const wxColour& ink) {
    return wxBitmapBundle::FromBitmaps(ArrowBitmap(direction, ink, kGlyphSize),
                                       ArrowBitmap(direction, ink, 2 * kGlyphSize));
}

}  // namespace

// The theme's button text: its own arrows may be mid-grey, which reads as a disabled button,
// and a fixed ink vanishes on a dark theme's buttons.
wxBitmapBundle ArrowGlyph(ArrowDirection direction) {
    return Glyph(direction, wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
}

wxBitmapBundle FadedArrowGlyph(ArrowDirection direction) {
    return Glyph(direction, FadedInk(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT),
                                     wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
}

}  // namespace varnholt
