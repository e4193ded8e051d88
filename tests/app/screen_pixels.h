// screen_pixels.h - what a window shows, read back from the display, and the contrast of a text
// against its ground by the relative luminance of sRGB colours.
#pragma once

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <string>

namespace varnholt::testing_gui {

// The window's client area as the display shows it once painting has settled: three grabs,
// some frames apart, agree.
inline wxImage GrabSteady(wxWindow* window) {
    const auto grab = [window] {
        const wxSize size = window->GetClientSize();
        wxBitmap picture(size.x, size.y, 24);
        wxClientDC screen(window);
        wxMemoryDC(picture).Blit(0, 0, size.x, size.y, &screen, 0, 0);
        return picture.ConvertToImage();
    };
    wxImage last = grab();
    for (int agreeing = 0, tries = 0; agreeing < 2 && tries < 100; ++tries) {
        for (int frame = 0; frame < 4; ++frame) {
            wxTheApp->Yield(true);
            wxMilliSleep(5);
        }
        const wxImage next = grab();
        const bool same = std::memcmp(next.GetData(), last.GetData(), next.GetWidth() * next.GetHeight() * 3) == 0;
        agreeing = same ? agreeing + 1 : 0;
        last = next;
    }
    return last;
}

inline double RelativeLuminance(const wxColour& colour) {
    const auto linear = [](unsigned char channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.Red()) + 0.7152 * linear(colour.Green()) + 0.0722 * linear(colour.Blue());
}

inline double ContrastRatio(const wxColour& first, const wxColour& second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

template <class Visit>
void ForEachPixel(const wxImage& image, wxRect region, Visit visit) {
    region.Intersect(wxRect(image.GetSize()));
    for (int y = region.y; y <= region.GetBottom(); ++y) {
        for (int x = region.x; x <= region.GetRight(); ++x)
            visit(wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)));
    }
}

struct TextLook {
    wxColour text;
    wxColour ground;
    double ratio = 1;  // 1: no text at all
};

// The ground is the region's most common colour; the text is the pixel that stands out from
// it most, a full stroke (anti-aliased edges stand out less).
inline TextLook MeasureText(const wxImage& image, const wxRect& region) {
    std::map<wxUint32, int> counts;
    ForEachPixel(image, region, [&counts](const wxColour& pixel) { ++counts[pixel.GetRGB()]; });
    TextLook look{*wxBLACK, *wxBLACK};
    if (counts.empty()) return look;
    look.ground.SetRGB(std::ranges::max_element(counts, {}, [](const auto& entry) { return entry.second; })->first);
    ForEachPixel(image, region, [&look](const wxColour& pixel) {
        if (ContrastRatio(pixel, look.ground) > look.ratio)
            look = {pixel, look.ground, ContrastRatio(pixel, look.ground)};
    });
    return look;
}

inline double DarkestLuminanceIn(const wxImage& image, const wxRect& region) {
    double darkest = 1;
    ForEachPixel(image, region,
                 [&darkest](const wxColour& pixel) { darkest = std::min(darkest, RelativeLuminance(pixel)); });
    return darkest;
}

inline std::string Describe(const TextLook& look) {
    return std::string(look.text.GetAsString(wxC2S_CSS_SYNTAX).utf8_str()) + " on " +
           std::string(look.ground.GetAsString(wxC2S_CSS_SYNTAX).utf8_str());
}

}  // namespace varnholt::testing_gui
