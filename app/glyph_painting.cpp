// glyph_painting.cpp - a transparent square for the pictures, and the one fading rule.

#include "app/glyph_painting.h"

#include <wx/graphics.h>
#include <wx/image.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace varnholt {

wxBitmap PaintGlyph(int size, double design_size, const std::function<void(wxGraphicsContext&)>& draw) {
    wxImage image(size, size);
    image.InitAlpha();
    std::fill_n(image.GetAlpha(), static_cast<std::size_t>(size) * size, 0);
    {
        const std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
        if (gc) {
            gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
            gc->Scale(size / design_size, size / design_size);
            draw(*gc);
        }
    }  // the context writes its drawing back into the image when it goes
    return wxBitmap(image);
}

wxColour FadedInk(const wxColour& ink, const wxColour& ground) {
    const auto toward = [](unsigned char from, unsigned char to) {
        return static_cast<unsigned char>(std::lround(from + (to - from) * kFadeTowardGround));
    };
    return {toward(ink.Red(), ground.Red()), toward(ink.Green(), ground.Green()), toward(ink.Blue(), ground.Blue()),
            ink.Alpha()};
}

}  // namespace varnholt
