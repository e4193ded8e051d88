// wx_draw_backend_test.cpp - the wx backend's pixels: drawing calls go through a DrawContext
// into a memory bitmap, and the test reads the bitmap back. Shapes are checked to the pixel;
// text only for where its pixels may fall, how smooth they are and where a mark lies against the
// baseline, never against a picture of its glyphs.

#include "app/draw/WxDrawBackend.h"
#include "tests/app/draw/text_pixels.h"
#include "views/draw/DrawContext.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <functional>
#include <string>

namespace varnholt {
namespace {

using view::Color;
using view::DrawContext;
using view::RectF;

struct Pixel {
    int red, green, blue;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

std::ostream& operator<<(std::ostream& out, const Pixel& pixel) {
    return out << "(" << pixel.red << ", " << pixel.green << ", " << pixel.blue << ")";
}

constexpr Pixel kWhite{255, 255, 255};
constexpr Pixel kBlack{0, 0, 0};

// Paints through a DrawContext into a white bitmap and returns the result as an image.
wxImage Paint(int width, int height, const std::function<void(DrawContext&)>& draw,
              Rendering rendering = Rendering::direct) {
    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        WxDrawCache cache;
        WxDrawBackend backend(dc, cache, false, rendering);
        DrawContext context;
        context.SetDevice(&backend);
        draw(context);
    }
    return bitmap.ConvertToImage();
}

Pixel At(const wxImage& image, int x, int y) { return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)}; }

struct Probe { const char* why; int x, y; Pixel expected; };

void ExpectPixels(const wxImage& image, std::initializer_list<Probe> probes) {
    for (const auto& probe : probes) {
        SCOPED_TRACE(std::string(probe.why) + " at " + std::to_string(probe.x) + "," + std::to_string(probe.y));
        EXPECT_EQ(At(image, probe.x, probe.y), probe.expected);
    }
}

TEST(WxDrawBackend, RectanglesLinesAndColoursCoverTheirPixels) {
    const wxImage image = Paint(80, 50, [](DrawContext& dc) {
        dc.FillRect(Color::Black(), 10.9f, 10.2f, 20.7f, 10.9f);  // x 10..29, y 10..19
        dc.FrameRect(5.0f, Color::Black(), 40, 5, 20, 20);        // 1 px, x 40..59, y 5..24
        dc.FillRect(Color(0x00FF9933), 65, 0, 10, 10);            // no alpha byte, red from the low byte
        dc.DrawLine(view::kPenSolid, 1.0f, Color::Black(), 10, 30, 30, 30);
        dc.DrawLine(view::kPenDot, 3.0f, Color::Black(), 0, 40, 40, 40);
    });
    ExpectPixels(image, {{"fill: first pixel", 10, 10, kBlack}, {"fill: last pixel", 29, 19, kBlack},
                         {"fill: right edge excluded", 30, 15, kWhite}, {"fill: bottom edge excluded", 15, 20, kWhite},
                         {"frame: bottom-right", 59, 24, kBlack}, {"frame: 1 px wide", 41, 6, kWhite},
                         {"frame: outside right", 60, 15, kWhite}, {"colour word", 70, 5, Pixel{51, 153, 255}},
                         {"line: last pixel", 29, 30, kBlack}, {"line: 1 px", 15, 31, kWhite},
                         {"dot", 1, 40, kBlack}, {"gap", 4, 40, kWhite}, {"next dot", 7, 40, kBlack}});
}

TEST(WxDrawBackend, ClippedTextStaysInsideItsRectangle) {
    const RectF box{20, 10, 40, 12};  // pixels x 20..59, y 10..21
    const wxImage image = Paint(120, 50, [&box](DrawContext& dc) {
        const auto style = view::TextStyle::New(L"Calibri", 30, Color::Black(), true);
        dc.DrawText(*style, L"W&W WWWWWWWWW", view::kTextCenter | view::kTextVCenter | view::kTextSingleLine, box);
    });
    int inside = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (At(image, x, y) == kWhite) continue;
            const bool in_box = box.Contains(static_cast<float>(x), static_cast<float>(y)) && x < 60 && y < 22;
            if (in_box) ++inside;
            else ADD_FAILURE() << "text pixel outside its rectangle at " << x << "," << y;
        }
    }
    EXPECT_GT(inside, 20) << "the text was drawn";
}

TEST(WxDrawBackend, IndicatorImagesAreDiscsRingedWhenSelected) {
    const wxImage image = Paint(80, 20, [](DrawContext& dc) {
        dc.DrawBitmap(174, 0, 0, 16, 16);   // red
        dc.DrawBitmap(177, 20, 0, 16, 16);  // blue
        dc.DrawBitmap(178, 40, 0, 16, 16);  // red, selected
        dc.DrawBitmap(999, 60, 0, 16, 16);  // no such image
    });
    ExpectPixels(image, {{"red disc", 8, 8, Pixel{220, 40, 40}},   {"blue disc", 28, 8, Pixel{40, 100, 230}},
                         {"corner outside the disc", 0, 0, kWhite}, {"selected: red inside", 48, 8, Pixel{220, 40, 40}},
                         {"unknown id draws nothing", 68, 8, kWhite}});
    // The ring is white, so it shows on a dark selection.
    const wxImage dark = Paint(20, 20, [](DrawContext& dc) {
        dc.FillRect(Color::Black(), 0, 0, 20, 20);
        dc.DrawBitmap(178, 0, 0, 16, 16);
    });
    ExpectPixels(dark, {{"ring on a dark row", 8, 1, kWhite}});
}

TEST(WxDrawBackend, FarCoordinatesAreCutToTheDevice) {
    // A dashed line across two billion pixels is cut to the bitmap before it is dashed.
    const wxImage image = Paint(60, 20, [](DrawContext& dc) {
        dc.DrawLine(view::kPenDot, 1.0f, Color::Black(), -2e9f, 5, 2e9f, 5);
        dc.FillRect(Color::Black(), -1e12f, 10, 2e12f, 5);
    });
    int black = 0;
    for (int x = 0; x < 60; ++x) black += At(image, x, 5) == kBlack ? 1 : 0;
    EXPECT_EQ(black, 30) << "half of the row is dots";
    ExpectPixels(image, {{"the far rectangle covers the row", 0, 12, kBlack}, {"to the last column", 59, 12, kBlack}});
}

// A cost in the table's cell style: its glyphs have smoothed edges, and its full stop ends at
// the baseline where its comma goes on below it.
TEST(WxDrawBackend, TableTextIsSmoothedAndItsFullStopIsNoComma) {
    const auto cell_style = view::TextStyle::New(L"Calibri", 15, Color::Black());
    for (const Rendering rendering : {Rendering::direct, Rendering::toolkit}) {
        int comma[2] = {}, stop[2] = {};  // the glyphs' advances, in columns
        const wxImage image = Paint(120, 24, [&](DrawContext& dc) {
            const auto x = [&](const wchar_t* prefix) {
                return 2 + static_cast<int>(dc.MeasureText(*cell_style, prefix).width);
            };
            comma[0] = x(L"Rs32"), comma[1] = x(L"Rs32,"), stop[0] = x(L"Rs32,000"), stop[1] = x(L"Rs32,000.");
            dc.DrawText(*cell_style, L"Rs32,000.00", view::kTextVCenter | view::kTextSingleLine, {2, 0, 116, 24});
        }, rendering);
        EXPECT_GE(testing_draw::MeasureSmoothing(image).levels, 12) << "grey levels between ink and paper";
        const auto dark_in_row = [&](int y, int left, int right) {
            for (int x = left; x < right; ++x)
                if (image.GetRed(x, y) < 128) return true;
            return false;
        };
        int baseline = image.GetHeight() - 1;  // the bottom row of "000"
        while (baseline > 0 && !dark_in_row(baseline, comma[1], stop[0])) --baseline;
        // A glyph's ink may reach a pixel into its neighbours' advance; digits put none below.
        const auto ink_below = [&](const int (&glyph)[2]) {
            int ink = 0;
            for (int y = baseline + 1; y < image.GetHeight(); ++y)
                for (int x = glyph[0] - 1; x <= glyph[1]; ++x) ink += 255 - image.GetRed(x, y);
            return ink;
        };
        EXPECT_GT(ink_below(comma), 255) << "the comma's tail";
        EXPECT_LT(ink_below(stop) * 4, ink_below(comma)) << "the full stop has no tail of its own";
    }
}

TEST(WxDrawBackend, FontsAreSizedByTheirCellHeight) {
    view::SizeF measured;
    (void)Paint(10, 10, [&measured](DrawContext& dc) {
        measured = dc.MeasureText(*view::TextStyle::New(L"Calibri", 15, Color::Black()), L"Ag");
    });
    EXPECT_NEAR(measured.height, 15.0f, 1.0f);
    EXPECT_GT(measured.width, 0.0f);
}

}  // namespace
}  // namespace varnholt
