// screen_pixels.h - what a window shows, read back from the display, and the contrast of a text
// against its ground by the relative luminance of sRGB colours.
#pragma once

#include "gui_wait.h"

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/window.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>
#include <thread>

namespace varnholt::testing_gui {

// The window's client area as the display shows it.
inline wxImage Grab(wxWindow* window) {
    const wxSize size = window->GetClientSize();
    wxBitmap picture(std::max(size.x, 1), std::max(size.y, 1), 24);
    {
        wxClientDC screen(window);
        wxMemoryDC memory(picture);
        memory.Blit(0, 0, size.x, size.y, &screen, 0, 0);
    }
    return picture.ConvertToImage();
}

// The picture once painting has settled: three grabs in a row, some frames apart, agree.
inline wxImage GrabSteady(wxWindow* window) {
    wxImage last = Grab(window);
    int agreeing = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (agreeing < 2 && std::chrono::steady_clock::now() < deadline) {
        for (int frame = 0; frame < 4; ++frame) {
            wxTheApp->Yield(true);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        wxImage next = Grab(window);
        const std::size_t bytes = static_cast<std::size_t>(next.GetWidth()) * next.GetHeight() * 3;
        const bool same = next.GetSize() == last.GetSize() && std::memcmp(next.GetData(), last.GetData(), bytes) == 0;
        agreeing = same ? agreeing + 1 : 0;
        last = next;
    }
    return last;
}

inline wxColour PixelAt(const wxImage& image, int x, int y) {
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
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

struct TextLook {
    bool found = false;  // some pixel of the region stands out from its ground
    wxColour text;       // the pixel that stands out most: a full stroke of the text
    wxColour ground;     // the ground that the text stands out from least
    double ratio = 0;    // their contrast ratio
};

// The most common colour of the pixels that pass the test.
template <class Keep>
std::optional<wxColour> MostCommon(const wxImage& image, const wxRect& region, Keep keep) {
    std::map<wxUint32, int> counts;
    for (int y = region.y; y < region.GetBottom() + 1; ++y) {
        for (int x = region.x; x < region.GetRight() + 1; ++x) {
            const wxColour pixel = PixelAt(image, x, y);
            if (keep(pixel)) ++counts[pixel.GetRGB()];
        }
    }
    if (counts.empty()) return std::nullopt;
    wxColour common;
    common.SetRGB(std::ranges::max_element(counts, {}, [](const auto& entry) { return entry.second; })->first);
    return common;
}

// The text in a region and its ground. The ground is the region's most common colour; where it
// is a gradient, each row's ground is the row's most common colour near it. A pixel belongs to
// the text where it stands out from its row's ground. The text's colour is the pixel that stands
// out most (anti-aliased edges stand out less), and the ratio the least it reaches against the
// ground of any row the text crosses.
inline TextLook MeasureText(const wxImage& image, wxRect region) {
    region.Intersect(wxRect(image.GetSize()));
    constexpr double kTextThreshold = 1.5;
    TextLook look;
    const std::optional<wxColour> overall = MostCommon(image, region, [](const wxColour&) { return true; });
    if (!overall) return look;
    std::vector<wxColour> grounds;
    double best = 0;
    for (int y = region.y; y < region.GetBottom() + 1; ++y) {
        const wxRect row(region.x, y, region.width, 1);
        const wxColour ground = MostCommon(image, row, [&overall](const wxColour& pixel) {
                                    return ContrastRatio(pixel, *overall) < kTextThreshold;
                                }).value_or(*overall);
        bool crossed = false;
        for (int x = region.x; x < region.GetRight() + 1; ++x) {
            const wxColour pixel = PixelAt(image, x, y);
            const double ratio = ContrastRatio(pixel, ground);
            if (ratio < kTextThreshold) continue;
            crossed = true;
            if (ratio > best) {
                best = ratio;
                look.text = pixel;
            }
        }
        if (crossed) grounds.push_back(ground);
    }
    if (grounds.empty()) return look;
    look.found = true;
    look.ratio = 1e9;
    for (const wxColour& ground : grounds) {
        const double ratio = ContrastRatio(look.text, ground);
        if (ratio < look.ratio) {
            look.ratio = ratio;
            look.ground = ground;
        }
    }
    return look;
}

// The darkest pixel of a region, by luminance.
inline wxColour DarkestIn(const wxImage& image, wxRect region) {
    region.Intersect(wxRect(image.GetSize()));
    wxColour darkest(255, 255, 255);
    for (int y = region.y; y < region.GetBottom() + 1; ++y) {
        for (int x = region.x; x < region.GetRight() + 1; ++x) {
            const wxColour pixel = PixelAt(image, x, y);
            if (RelativeLuminance(pixel) < RelativeLuminance(darkest)) darkest = pixel;
        }
    }
    return darkest;
}

inline std::string Describe(const wxColour& colour) {
    return std::string(colour.GetAsString(wxC2S_CSS_SYNTAX).utf8_str());
}

}  // namespace varnholt::testing_gui
