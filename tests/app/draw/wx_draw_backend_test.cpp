// wx_draw_backend_test.cpp - the wx backend's pixels: drawing calls go through a DrawContext
// into a memory bitmap, and the test reads the bitmap back. Shapes are checked to the pixel;
// text only for where its pixels may fall, never for its glyphs.

#include "app/draw/WxDrawBackend.h"
#include "views/draw/DrawContext.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <functional>
#include <string>

namespace varnholt::app {
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
wxImage Paint(int width, int height, const std::function<void(DrawContext&)>& draw) {
    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        WxDrawCache cache;
        WxDrawBackend backend(dc, cache);
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

TEST(WxDrawBackend, FillRectIsExactToItsRightAndBottomEdges) {
    // (10.9, 10.2, 20.7, 10.9) covers x 10..29 and y 10..19.
    const wxImage image = Paint(60, 40, [](DrawContext& dc) { dc.FillRect(Color::Black(), 10.9f, 10.2f, 20.7f, 10.9f); });
    ExpectPixels(image, {{"top-left corner", 10, 10, kBlack},       {"last column", 29, 15, kBlack},
                         {"last row", 15, 19, kBlack},              {"bottom-right corner", 29, 19, kBlack},
                         {"right edge excluded", 30, 15, kWhite},   {"bottom edge excluded", 15, 20, kWhite},
                         {"left of it", 9, 15, kWhite},             {"above it", 15, 9, kWhite}});
}

TEST(WxDrawBackend, FrameRectIsOnePixelInsideItsRectangle) {
    const wxImage image = Paint(60, 40, [](DrawContext& dc) { dc.FrameRect(5.0f, Color::Black(), 10, 5, 20, 20); });
    ExpectPixels(image, {{"top-left", 10, 5, kBlack},          {"bottom-right", 29, 24, kBlack},
                         {"left side", 10, 15, kBlack},        {"right side", 29, 15, kBlack},
                         {"inside the 1-px frame", 11, 6, kWhite}, {"interior", 20, 15, kWhite},
                         {"outside right", 30, 15, kWhite},    {"outside below", 15, 25, kWhite}});
}

TEST(WxDrawBackend, ColourWordsPaintRedFromTheLowByte) {
    const wxImage image = Paint(40, 20, [](DrawContext& dc) {
        dc.FillRect(Color::Blue(), 0, 0, 10, 10);
        dc.FillRect(Color(0x00FF9933), 10, 0, 10, 10);  // no alpha: paints the same
        dc.FillRect(Color::DarkBlue(), 20, 0, 10, 10);
    });
    ExpectPixels(image, {{"Blue", 5, 5, Pixel{51, 153, 255}},
                         {"Blue without alpha", 15, 5, Pixel{51, 153, 255}},
                         {"DarkBlue", 25, 5, Pixel{0, 128, 250}}});
}

TEST(WxDrawBackend, LinesCoverTheirPixelsAndDashesArePixelsWhateverTheWidth) {
    const wxImage image = Paint(60, 40, [](DrawContext& dc) {
        dc.DrawLine(view::kPenSolid, 1.0f, Color::Black(), 10, 5, 30, 5);
        dc.DrawLine(view::kPenDot, 3.0f, Color::Black(), 0, 20, 40, 20);
    });
    ExpectPixels(image, {{"start of the solid line", 10, 5, kBlack}, {"its last pixel", 29, 5, kBlack},
                         {"1 px: the row above is clear", 15, 4, kWhite}, {"the row below is clear", 15, 6, kWhite},
                         {"first dot", 1, 20, kBlack},  {"first gap", 4, 20, kWhite},
                         {"second dot", 7, 20, kBlack}, {"second gap", 10, 20, kWhite}});
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
                         {"selected: white ring", 48, 1, kWhite},   {"unknown id draws nothing", 68, 8, kWhite}});
    // The ring is white on a white bitmap; on a dark selection it must still be there.
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

TEST(WxDrawBackend, FontsAreSizedByTheirCellHeight) {
    view::SizeF measured;
    (void)Paint(10, 10, [&measured](DrawContext& dc) {
        measured = dc.MeasureText(*view::TextStyle::New(L"Calibri", 15, Color::Black()), L"Ag");
    });
    EXPECT_NEAR(measured.height, 15.0f, 1.0f);
    EXPECT_GT(measured.width, 0.0f);
}

}  // namespace
}  // namespace varnholt::app
