// text_pixels.h - how smooth drawn text is, measured in a bitmap rather than compared with a
// picture: flat fills and lines bring a handful of grey levels, smoothed glyph edges dozens.
#pragma once

#include <wx/image.h>

#include <algorithm>
#include <set>

namespace varnholt::testing_draw {

struct Smoothing {
    int levels = 0;   // distinct greys strictly between black and white
    int fringed = 0;  // pixels whose channels part: sub-pixel colour fringes, in black on white
};

inline Smoothing MeasureSmoothing(const wxImage& image) {
    Smoothing result;
    std::set<int> levels;
    const unsigned char* pixel = image.GetData();
    for (int i = 0; i < image.GetWidth() * image.GetHeight(); ++i, pixel += 3) {
        const int low = std::min({pixel[0], pixel[1], pixel[2]}), high = std::max({pixel[0], pixel[1], pixel[2]});
        if (high - low <= 2 && high > 0 && low < 255) levels.insert(high);
        if (high - low > 24) ++result.fringed;
    }
    result.levels = static_cast<int>(levels.size());
    return result;
}

}  // namespace varnholt::testing_draw
