// draw_context_test.cpp - conversion to device pixels, lines, frames, fills, colours and the
// calls without a device, read from the recording backend.

#include "draw_support.h"

#include <gtest/gtest.h>

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
        {"NaN in a text rectangle draws nothing",
         [&style](DrawContext& dc) { dc.DrawText(style, L"a", 0, RectF{0, 0, nan, 14}); }, {}},
        {"polygon vertices convert one by one; the outline is black",
         [](DrawContext& dc) { dc.FillPolygon(Color::White(), {{100.5f, 40.5f}, {110.9f, 40}, {105, 50.9f}}); },
         {"polygon ffffffff ff000000 0,0 10,0 5,10"}},
        {"a bitmap keeps its truncated size",
         [](DrawContext& dc) { dc.DrawBitmap(174, 102.9f, 43.9f, 16.9f, 16.2f); }, {"bitmap 174 2,3 18,19"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Recorded recorded(100, 40);
        c.draw(recorded.context);
        EXPECT_EQ(recorded.Lines(), c.expected);
    }
}

TEST(DrawContext, LinesFramesAndFillsByWidthAndStyle) {
    struct Case { const char* why; std::function<void(DrawContext&)> draw; Lines expected; };
    const auto line = [](std::int32_t style, float width) {
        return [=](DrawContext& dc) { dc.DrawLine(style, width, Color::Black(), 1.5f, 2.5f, 30.2f, 2.5f); };
    };
    const auto frame = [](float width) {
        return [=](DrawContext& dc) { dc.FrameRect(width, Color(0xFF9933FF), 2.0f, 3.0f, 10.0f, 20.0f); };
    };
    const Case cases[] = {
        {"width 0 draws nothing", line(kPenSolid, 0.0f), {}},
        {"NaN width draws nothing", line(kPenSolid, nan), {}},
        {"0.5 truncates to a 1-px pen", line(kPenSolid, 0.5f), {"line 1 solid ff000000 1,2 30,2"}},
        {"long dash", line(kPenLongDash, 2.7f), {"line 2 18-6 ff000000 1,2 30,2"}},
        {"dash dot dot", line(kPenDashDotDot, 0.3f), {"line 1 9-3-3-3-3-3 ff000000 1,2 30,2"}},
        {"an unknown style draws black 1 px", line(7, 3.0f), {"line 1 solid ff000000 1,2 30,2"}},
        {"a frame of width 0 draws nothing", frame(0.0f), {}},
        {"a frame of width 5 is 1 px", frame(5.0f), {"frame ff9933ff 2,3 12,23"}},
        {"empty rectangles and bitmaps draw nothing",
         [](DrawContext& dc) {
             dc.FillRect(Color::Black(), 10, 10, 0.9f, 5);
             dc.FillRect(Color::Black(), 10, 10, -4, 5);
             dc.FrameRect(1, Color::Black(), 10, 10, 5, 0);
             dc.DrawBitmap(175, 0, 0, 0, 0);
         },
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Recorded recorded;
        c.draw(recorded.context);
        EXPECT_EQ(recorded.Lines(), c.expected);
    }
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

TEST(RectF, ContainsIncludesEveryEdgeAndTheMargin) {
    const RectF rect{10, 20, 30, 40};  // right 40, bottom 60
    struct Case { const char* why; float x, y, margin; bool inside; };
    const Case cases[] = {
        {"left edge", 10, 30, 0, true},        {"right edge", 40, 30, 0, true},
        {"just left", 9.9f, 30, 0, false},     {"just below", 20, 60.1f, 0, false},
        {"3 left with margin 3", 7, 30, 3, true},   {"3 right with margin 3", 43, 30, 3, true},
        {"beyond the margin", 43.5f, 30, 3, false}, {"beyond the margin above", 20, 16.5f, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(rect.Contains(c.x, c.y, c.margin), c.inside);
    }
}

}  // namespace
}  // namespace varnholt::view
