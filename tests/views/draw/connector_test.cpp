// connector_test.cpp - relationship connectors: the route of each type and branch, the
// arrowhead, at display scales 1 and 1.5.

#include "draw_support.h"

#include <gtest/gtest.h>

namespace varnholt::view {
namespace {

TEST(DrawContext, ConnectorsRouteByTypeAndBranch) {
    struct Case {
        const char* why;
        float scale;
        std::int32_t type;
        float x1, y1, x2, y2;
        std::string line;   // the recorded polyline, or "" when nothing is drawn
        std::string arrow;  // the recorded polygon
    };
    // At scale 1 the clearance m is 12 and the half-row step h is 9; at 1.5 they are 18 and
    // 13 (13.5 truncated), while the arrowhead keeps its fractions until the end.
    const Case cases[] = {
        {"finish to start, successor m or more to the right: 4 points", 1, kFinishToStart, 100, 20, 150, 40,
         "100,20 138,20 138,40 150,40", "148,40 143,37 143,43"},
        {"finish to start, successor earlier: 5 points, h down first", 1, kFinishToStart, 100, 20, 105, 40,
         "100,20 100,29 93,29 93,40 105,40", "103,40 98,37 98,43"},
        {"finish to start exactly m to the right takes the 5-point branch", 1, kFinishToStart, 100, 20, 112, 40,
         "100,20 100,29 100,29 100,40 112,40", "110,40 105,37 105,43"},
        {"finish to finish, successor ends m before: 3 points", 1, kFinishToFinish, 200, 20, 150, 40,
         "200,20 200,40 150,40", "152,40 157,37 157,43"},
        {"finish to finish otherwise: around the successor's end", 1, kFinishToFinish, 100, 20, 150, 40,
         "100,20 162,20 162,40 150,40", "152,40 157,37 157,43"},
        {"start to finish always has 5 points", 1, kStartToFinish, 100, 20, 150, 40,
         "100,20 100,29 162,29 162,40 150,40", "152,40 157,37 157,43"},
        {"start to start, successor m or more to the right: 3 points", 1, kStartToStart, 100, 20, 150, 40,
         "100,20 100,40 150,40", "148,40 143,37 143,43"},
        {"start to start otherwise: in front of the successor", 1, kStartToStart, 100, 20, 105, 40,
         "100,20 93,20 93,40 105,40", "103,40 98,37 98,43"},
        {"scale 1.5, finish to start forward", 1.5f, kFinishToStart, 100.7f, 20.2f, 150.6f, 40.6f,
         "100,20 132,20 132,40 150,40", "147,40 140,36 140,45"},
        {"scale 1.5, finish to start backward", 1.5f, kFinishToStart, 100, 20, 110, 40,
         "100,20 100,33 92,33 92,40 110,40", "107,40 99,35 99,44"},
        {"scale 1.5, start to start otherwise", 1.5f, kStartToStart, 100, 20, 110, 40,
         "100,20 92,20 92,40 110,40", "107,40 99,35 99,44"},
        {"type 4 draws nothing", 1, 4, 100, 20, 150, 40, "", ""},
    };
    const ScaleGuard guard;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        DisplayScale() = c.scale;
        Recorded recorded;
        recorded.context.DrawPolygon(c.type, Color::Blue(), c.x1, c.y1, c.x2, c.y2);
        if (c.line.empty()) {
            EXPECT_TRUE(recorded.Lines().empty());
            continue;
        }
        const std::vector<std::string> expected = {"polyline ffff9933 " + c.line,
                                                   "polygon ffff9933 ffff9933 " + c.arrow};
        EXPECT_EQ(recorded.Lines(), expected);
    }
}

TEST(DrawContext, ArrowheadTruncatesAfterTheOrigin) {
    // The route truncates before subtracting the origin, the arrowhead after: at scale 1.5
    // with origin (10, 5), x2 = 150.6 puts the tip at trunc(140.6 - 3) = 137.
    const ScaleGuard guard;
    DisplayScale() = 1.5f;
    Recorded recorded(10, 5);
    recorded.context.DrawPolygon(kFinishToStart, Color::Black(), 100.7f, 20.2f, 150.6f, 40.6f);
    const std::vector<std::string> expected = {"polyline ff000000 90,15 122,15 122,35 140,35",
                                               "polygon ff000000 ff000000 137,35 130,31 130,40"};
    EXPECT_EQ(recorded.Lines(), expected);
}

}  // namespace
}  // namespace varnholt::view
