// screen_pixels.h - what a window shows, read back from the display, the contrast of a text
// against its ground by the relative luminance of sRGB colours, and how plainly a focus mark
// surrounds a control.
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

// How plainly a focus mark surrounds a control's place (in the pictures' coordinates): the
// least share, over its four sides, of the places along a side where some pixel near it (from
// four pixels outside to two inside) stands out from the same pixel without the focus by the
// ratio. A ring all round gives nearly 1; a faint or dotted line, or a mark on one side, far less.
inline double FocusRingCoverage(const wxImage& focused, const wxImage& unfocused, const wxRect& place,
                                double ratio = 3.0) {
    const auto marked = [&](wxPoint at) {
        if (!wxRect(focused.GetSize()).Contains(at)) return false;
        const wxColour with(focused.GetRed(at.x, at.y), focused.GetGreen(at.x, at.y), focused.GetBlue(at.x, at.y));
        const wxColour without(unfocused.GetRed(at.x, at.y), unfocused.GetGreen(at.x, at.y),
                               unfocused.GetBlue(at.x, at.y));
        return ContrastRatio(with, without) >= ratio;
    };
    // Along a side from `start`, `length` places in the direction `along`, each looked at across
    // the side, `inward` pointing into the control.
    const auto share = [&marked](wxPoint start, wxPoint along, wxPoint inward, int length) {
        int hits = 0;
        for (int k = 0; k < length; ++k) {
            for (int depth = -4; depth <= 2; ++depth) {
                if (marked(start + along * k + inward * depth)) {
                    ++hits;
                    break;
                }
            }
        }
        return length > 0 ? static_cast<double>(hits) / length : 0.0;
    };
    const wxPoint right(1, 0);
    const wxPoint down(0, 1);
    return std::min({share(place.GetTopLeft(), right, down, place.width),
                     share(place.GetBottomLeft(), right, -down, place.width),
                     share(place.GetTopLeft(), down, right, place.height),
                     share(place.GetTopRight(), down, -right, place.height)});
}

// How plainly the outline on a place's edge stands out from the ground round it: the least
// share, over its four sides, of the places along a side where the edge's pixel and the pixel
// just outside it differ by the ratio.
inline double EdgeOnGroundShare(const wxImage& image, const wxRect& place, double ratio = 3.0) {
    const auto at = [&image](wxPoint point) {
        return wxColour(image.GetRed(point.x, point.y), image.GetGreen(point.x, point.y), image.GetBlue(point.x, point.y));
    };
    const wxRect inside(image.GetSize());
    const auto share = [&](wxPoint start, wxPoint along, wxPoint outward, int length) {
        int hits = 0;
        for (int k = 0; k < length; ++k) {
            const wxPoint edge = start + along * k;
            if (inside.Contains(edge) && inside.Contains(edge + outward) && ContrastRatio(at(edge), at(edge + outward)) >= ratio)
                ++hits;
        }
        return length > 0 ? static_cast<double>(hits) / length : 0.0;
    };
    const wxPoint right(1, 0);
    const wxPoint down(0, 1);
    return std::min({share(place.GetTopLeft(), right, -down, place.width),
                     share(place.GetBottomLeft(), right, down, place.width),
                     share(place.GetTopLeft(), down, -right, place.height),
                     share(place.GetTopRight(), down, right, place.height)});
}

inline std::string Describe(const TextLook& look) {
    return std::string(look.text.GetAsString(wxC2S_CSS_SYNTAX).utf8_str()) + " on " +
           std::string(look.ground.GetAsString(wxC2S_CSS_SYNTAX).utf8_str());
}

}  // namespace varnholt::testing_gui
