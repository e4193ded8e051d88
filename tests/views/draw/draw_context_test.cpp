// draw_context_test.cpp - conversion to device pixels, lines, frames, fills, colours and the
// calls without a device, read from the recording backend.

#include "draw_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>

namespace varnholt::view {
namespace {

using Lines = std::vector<std::string>;

constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float inf = std::numeric_limits<float>::infinity();

TEST(DrawContext, ConvertsContentCoordinatesToDevicePixels) {
    const TextStyle style(L"Calibri", 14, Color::Black());
    struct Case { const char* why; std::function<void(DrawContext&)> draw; Lines expected; };
    const Case cases[] = {
        {"truncate, then subtract the origin; right and bottom exclusive",
         [](DrawContext& dc) { dc.FillRect(Color::Black(), 110.9f, 50.2f, 20.7f, 10.9f); },
         {"fill ff000000 10,10 30,20"}},
        {"a rectangle truncates before the origin goes: 99.5 gives -1",
         [](DrawContext& dc) { dc.FillRect(Color::Black(), 99.5f, 40.0f, 10.0f, 10.0f); },
         {"fill ff000000 -1,0 9,10"}},
        {"a text rectangle subtracts the origin first: 99.5 gives 0",
         [&style](DrawContext& dc) { dc.DrawText(style, L"a", 0, RectF{99.5f, 40.0f, 10.0f, 14.0f}); },
         {"text 0,0 clip 0,0 9,14 ff000000 Calibri/14/400 \"a\""}},
        {"far coordinates are clamped to 1e8: a rectangle beyond them draws nothing",
         [](DrawContext& dc) { dc.FillRect(Color::Black(), 1e12f, -1e12f, 1e12f, 5.0f); }, {}},
        {"a rectangle from far left keeps its visible end",
         [](DrawContext& dc) { dc.FillRect(Color::Black(), -3e9f, 45.0f, 3000000256.0f, 5.0f); },
         {"fill ff000000 -100000100,5 156,10"}},
        {"an infinite end point is clamped too",
         [](DrawContext& dc) { dc.DrawLine(kPenSolid, 1.0f, Color::Black(), 0.0f, 0.0f, inf, 0.0f); },
         {"line 1 solid ff000000 -100,-40 99999900,-40"}},
        {"far text neither crashes nor draws outside its clamped rectangle",
         [&style](DrawContext& dc) { dc.DrawText(style, L"a", 0, RectF{-1e12f, 1e12f, 1e12f, 1e12f}); },
         {}},
        {"NaN in a rectangle draws nothing",
         [](DrawContext& dc) { dc.FillRect(Color::Black(), nan, 0.0f, 10.0f, 10.0f); }, {}},
        {"NaN in a line draws nothing",
         [](DrawContext& dc) { dc.DrawLine(kPenSolid, 1.0f, Color::Black(), 0.0f, nan, 5.0f, 5.0f); }, {}},
        {"NaN in a polygon vertex draws nothing",
         [](DrawContext& dc) { dc.FillPolygon(Color::Black(), {{0, 0}, {nan, 1}, {5, 5}}); }, {}},
        {"NaN in a connector draws nothing",
         [](DrawContext& dc) { dc.DrawPolygon(kFinishToStart, Color::Black(), 0, 0, nan, 10); }, {}},
        {"NaN in a text rectangle draws nothing",
         [&style](DrawContext& dc) { dc.DrawText(style, L"a", 0, RectF{0, 0, nan, 14}); }, {}},
        {"polygon vertices convert one by one; the outline is black",
         [](DrawContext& dc) { dc.FillPolygon(Color::White(), {{100.5f, 40.5f}, {110.9f, 40}, {105, 50.9f}}); },
         {"polygon ffffffff ff000000 0,0 10,0 5,10"}},
        {"a polyline is 1 px in its colour",
         [](DrawContext& dc) { dc.DrawPolyline(Color::Gray(), {{100, 40}, {120.7f, 41.2f}}); },
         {"polyline ff646464 0,0 20,1"}},
        {"a bitmap keeps its truncated size",
         [](DrawContext& dc) { dc.DrawBitmap(174, 102.9f, 43.9f, 16.9f, 16.2f); }, {"bitmap 174 2,3 18,19"}},
        {"a pen line truncates its end points",
         [](DrawContext& dc) { dc.PenLine(2, Color::DarkGray(), 100.9f, 40.9f, 150.2f, 40.9f); },
         {"line 2 solid ff323232 0,0 50,0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Recorded recorded(100, 40);
        c.draw(recorded.context);
        EXPECT_EQ(recorded.Lines(), c.expected);
    }
}

TEST(DrawContext, DrawsLinesByWidthAndStyle) {
    struct Case { const char* why; std::int32_t style; float width; Lines expected; };
    const Case cases[] = {
        {"width 0 draws nothing", kPenSolid, 0.0f, {}},
        {"negative width draws nothing", kPenSolid, -1.0f, {}},
        {"NaN width draws nothing", kPenSolid, std::numeric_limits<float>::quiet_NaN(), {}},
        {"0.5 truncates to a 1-px pen", kPenSolid, 0.5f, {"line 1 solid ff000000 1,2 30,2"}},
        {"1.9 truncates to 1", kPenSolid, 1.9f, {"line 1 solid ff000000 1,2 30,2"}},
        {"long dash", kPenLongDash, 2.7f, {"line 2 18-6 ff000000 1,2 30,2"}},
        {"dot", kPenDot, 1.0f, {"line 1 3-3 ff000000 1,2 30,2"}},
        {"dash dot", kPenDashDot, 1.0f, {"line 1 9-6-3-6 ff000000 1,2 30,2"}},
        {"dash dot dot, pen width truncating to 0", kPenDashDotDot, 0.3f, {"line 1 9-3-3-3-3-3 ff000000 1,2 30,2"}},
        {"an unknown style draws black 1 px", 7, 3.0f, {"line 1 solid ff000000 1,2 30,2"}},
        {"a negative style too", -1, 3.0f, {"line 1 solid ff000000 1,2 30,2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Recorded recorded;
        recorded.context.DrawLine(c.style, c.width, Color::Black(), 1.5f, 2.5f, 30.2f, 2.5f);
        EXPECT_EQ(recorded.Lines(), c.expected);
    }
}

TEST(DrawContext, FramesAreOnePixelWhateverTheWidth) {
    struct Case { const char* why; float width; Lines expected; };
    const Case cases[] = {
        {"width 0 draws nothing", 0.0f, {}},
        {"width 5 draws a 1-px frame", 5.0f, {"frame ff9933ff 2,3 12,23"}},
        {"width 0.2 draws a 1-px frame", 0.2f, {"frame ff9933ff 2,3 12,23"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Recorded recorded;
        recorded.context.FrameRect(c.width, Color(0xFF9933FF), 2.0f, 3.0f, 10.0f, 20.0f);
        EXPECT_EQ(recorded.Lines(), c.expected);
    }
}

TEST(DrawContext, EmptyRectanglesDrawNothing) {
    Recorded recorded;
    recorded.context.FillRect(Color::Black(), 10, 10, 0.9f, 5);
    recorded.context.FillRect(Color::Black(), 10, 10, -4, 5);
    recorded.context.FrameRect(1, Color::Black(), 10, 10, 5, 0);
    recorded.context.DrawBitmap(175, 0, 0, 0, 0);
    EXPECT_EQ(recorded.Lines(), Lines{});
}

TEST(DrawContext, WithoutDeviceEveryCallDoesNothing) {
    RecordingBackend backend;
    DrawContext context;
    const auto style = TextStyle::New(L"Calibri", 14, Color::Black());
    context.DrawLine(kPenSolid, 1, Color::Black(), 0, 0, 10, 10);
    context.PenLine(1, Color::Black(), 0, 0, 10, 10);
    context.FrameRect(1, Color::Black(), 0, 0, 10, 10);
    context.FillRect(Color::Black(), 0, 0, 10, 10);
    context.DrawText(*style, L"text", 0, RectF{0, 0, 50, 20});
    context.FillPolygon(Color::Black(), {{0, 0}, {5, 5}, {0, 5}});
    context.DrawPolyline(Color::Black(), {{0, 0}, {5, 5}});
    context.DrawPolygon(kFinishToStart, Color::Black(), 0, 0, 50, 10);
    context.DrawBitmap(174, 0, 0, 16, 16);
    EXPECT_FALSE(context.HasDevice());
    EXPECT_FALSE(context.IsPrinting());
    EXPECT_EQ(context.MeasureText(*style, L"text"), (SizeF{0, 0}));
    context.SetDevice(&backend);
    EXPECT_EQ(backend.Lines(), Lines{});
    EXPECT_EQ(context.MeasureText(*style, L"text"), (SizeF{28, 14}));
    backend.SetPrinting(true);
    EXPECT_TRUE(context.IsPrinting());
}

TEST(Color, NamedColoursPaintTheirRedGreenAndBlue) {
    struct Case { const char* name; Color color; int red, green, blue; };
    const Case cases[] = {
        {"White", Color::White(), 255, 255, 255},     {"Black", Color::Black(), 0, 0, 0},
        {"Gray", Color::Gray(), 100, 100, 100},       {"DarkGray", Color::DarkGray(), 50, 50, 50},
        {"LightGray", Color::LightGray(), 200, 200, 200}, {"PaleGray", Color::PaleGray(), 240, 240, 240},
        {"Blue", Color::Blue(), 51, 153, 255},        {"LightBlue", Color::LightBlue(), 121, 188, 255},
        {"DarkBlue", Color::DarkBlue(), 0, 128, 250},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.color, Color::FromRgb(c.red, c.green, c.blue));
        EXPECT_EQ((std::array{int{c.color.GetRed()}, int{c.color.GetGreen()}, int{c.color.GetBlue()}}),
                  (std::array{c.red, c.green, c.blue}));
        // Without its alpha byte the word paints the same.
        Recorded recorded;
        recorded.context.FillRect(Color(c.color.Word() & 0x00FFFFFF), 0, 0, 1, 1);
        recorded.context.FillRect(c.color, 0, 0, 1, 1);
        ASSERT_EQ(recorded.Lines().size(), 2u);
        EXPECT_EQ(recorded.Lines()[0], recorded.Lines()[1]);
    }
}

TEST(RectF, ContainsIncludesEveryEdgeAndTheMargin) {
    const RectF rect{10, 20, 30, 40};  // right 40, bottom 60
    struct Case { const char* why; float x, y, margin; bool inside; };
    const Case cases[] = {
        {"left edge", 10, 30, 0, true},        {"right edge", 40, 30, 0, true},
        {"top edge", 20, 20, 0, true},         {"bottom edge", 20, 60, 0, true},
        {"just left", 9.9f, 30, 0, false},     {"just below", 20, 60.1f, 0, false},
        {"3 left with margin 3", 7, 30, 3, true},   {"3 right with margin 3", 43, 30, 3, true},
        {"3 above with margin 3", 20, 17, 3, true}, {"3 below with margin 3", 20, 63, 3, true},
        {"beyond the margin", 43.5f, 30, 3, false}, {"beyond the margin above", 20, 16.5f, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(rect.Contains(c.x, c.y, c.margin), c.inside);
    }
}

}  // namespace
}  // namespace varnholt::view
