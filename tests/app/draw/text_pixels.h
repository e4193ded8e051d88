// text_pixels.h - what drawn text looks like in a bitmap, measured as properties rather than
// compared with a picture: how smooth its edges are and whether they carry colour fringes.
#pragma once

#include <wx/image.h>

#include <algorithm>
#include <set>

namespace varnholt::testing_draw {

struct Smoothing {
    int pixels = 0;   // grey pixels strictly between black ink and white paper
    int levels = 0;   // the distinct grey levels among them
    int fringed = 0;  // pixels between ink and paper whose channels part: sub-pixel colour fringes
};

// Dark text on light paper in the image. Flat colours (fills, bars, lines) are no grey levels
// of their own beyond a handful; smoothed glyph edges bring dozens.
inline Smoothing MeasureSmoothing(const wxImage& image) {
    Smoothing result;
    std::set<int> levels;
    const unsigned char* data = image.GetData();
    for (int i = 0; i < image.GetWidth() * image.GetHeight(); ++i) {
        const unsigned char* pixel = data + 3 * i;
        const int low = std::min({pixel[0], pixel[1], pixel[2]});
        const int high = std::max({pixel[0], pixel[1], pixel[2]});
        if (high == 0 || low == 255) continue;
        if (high - low <= 2) {
            ++result.pixels;
            levels.insert(high);
        } else if (high - low > 24 && pixel[0] != pixel[2]) {
            ++result.fringed;
        }
    }
    result.levels = static_cast<int>(levels.size());
    return result;
}

}  // namespace varnholt::testing_draw
