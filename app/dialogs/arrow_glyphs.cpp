// arrow_glyphs.cpp - a shaft and a two-stroke head, designed on a 16-unit square and scaled.

#include "app/dialogs/arrow_glyphs.h"

#include "app/ribbon/RibbonGlyphs.h"

#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/pen.h>

#include <algorithm>
#include <memory>
#include <numbers>

namespace varnholt {
namespace {

constexpr int kGlyphSize = 16;
// The ribbon's ink: a theme's own arrows may be mid-grey, which reads as a disabled button.
const wxColour kInk(ribbon::kGlyphInk, ribbon::kGlyphInk, ribbon::kGlyphInk);
// Clearly paler than the ink; the theme may dim a disabled button's picture further.
const wxColour kFadedInk(150, 150, 150);

wxBitmap ArrowBitmap(ArrowDirection direction, const wxColour& ink, int size) {
    wxImage image(size, size);
    image.InitAlpha();
    std::fill_n(image.GetAlpha(), static_cast<std::size_t>(size) * size, 0);
    {
        const std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
        if (gc) {
            gc->Scale(size / double(kGlyphSize), size / double(kGlyphSize));
            // Drawn pointing right, then turned about the centre.
            using std::numbers::pi;
            const double turn = direction == ArrowDirection::right  ? 0
                                : direction == ArrowDirection::down ? pi / 2
                                : direction == ArrowDirection::left ? pi
                                                                    : -pi / 2;
            gc->Translate(8, 8);
            gc->Rotate(turn);
            gc->Translate(-8, -8);
            wxPen pen(ink, 2);
            pen.SetCap(wxCAP_ROUND);
            pen.SetJoin(wxJOIN_ROUND);
            gc->SetPen(pen);
            gc->StrokeLine(3, 8, 13, 8);
            const wxPoint2DDouble head[] = {{8.5, 3.5}, {13, 8}, {8.5, 12.5}};
            gc->StrokeLines(3, head);
        }
    }  // the context writes its drawing back into the image when it goes
    return wxBitmap(image);
}

wxBitmapBundle Glyph(ArrowDirection direction, const wxColour& ink) {
    return wxBitmapBundle::FromBitmaps(ArrowBitmap(direction, ink, kGlyphSize),
                                       ArrowBitmap(direction, ink, 2 * kGlyphSize));
}

}  // namespace

wxBitmapBundle ArrowGlyph(ArrowDirection direction) { return Glyph(direction, kInk); }
wxBitmapBundle FadedArrowGlyph(ArrowDirection direction) { return Glyph(direction, kFadedInk); }

}  // namespace varnholt
