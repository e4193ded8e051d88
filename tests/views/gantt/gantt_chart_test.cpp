// gantt_chart_test.cpp - the chart as the recording backend sees it: bars and their shapes,
// labels, relationship lines, shading, grid, data date and the header, and the damaged input
// that must paint nothing.

#include "gantt_chart_support.h"

#include "model/records/ProjectRecord.h"

#include <cstdio>
#include <limits>

namespace varnholt::view::gantt_test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::SizeIs;

// Unit 5 at cell 50: the lower tier starts five days before the earliest start, so Day(0)
// lies at x 250 and every day is 50 pixels on.

TEST_F(GanttChartTest, BarBodiesByKindAtTwoScales) {
    struct Case {
        float scale;
        std::int32_t kind;
        const char* box;  // the body, device pixels
    };
    const Case cases[] = {
        {1.0f, 1, "250,35 350,43"}, {1.0f, 3, "250,39 350,43"}, {1.0f, 5, "250,37 350,41"},
        {1.5f, 1, "375,52 525,64"}, {1.5f, 5, "375,55 525,61"},
    };
    ListActivity(AddActivity(Day(0), Day(2)));
    GanttBar& bar = AddBar(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale << ", kind " << c.kind);
        host.ChangeDisplayScale(c.scale);
        bar.mid_rect->shape = c.kind;
        EXPECT_THAT(Paint("fill " + std::string(kFill)), ElementsAre("fill ff0000ff " + std::string(c.box)));
        EXPECT_THAT(Paint("frame " + std::string(kBorder)), ElementsAre("frame ff00ff00 " + std::string(c.box)));
    }
    bar.mid_rect->shape = 7;
    EXPECT_THAT(Paint("", kFill), IsEmpty()) << "no body of kind 7";
}

TEST_F(GanttChartTest, EndShapesSitOnTheBarCorners) {
    ListActivity(AddActivity(Day(0), Day(2)));
    GanttBar& bar = AddBar(0);
    bar.end_point = Shape(2);
    EXPECT_THAT(Paint("polyline " + std::string(kBorder)), ElementsAre("polyline ff00ff00 346,35 350,43 354,35 346,35"));
    EXPECT_THAT(Paint("polygon " + std::string(kFill)), SizeIs(1)) << "filled in the shape's colour";
    for (const std::int32_t kind : {1, 3, 6, 11, 16}) {
        bar.end_point->shape = kind;
        EXPECT_THAT(Paint("poly"), IsEmpty()) << "kind " << kind << " has no points";
    }
}

TEST_F(GanttChartTest, ZeroWidthBarsKeepBothShapesAtOneX) {
    struct Case {
        std::int32_t end_field;
        s_date start, finish;
        const char* why;
    };
    const Case cases[] = {
        {82, Day(1), Day(3), "a milestone: start field equal to end field"},
        {70, Day(3), Day(1), "an end before its start"},
        {70, Day(3), s_date(), "an end without value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        layout.bars.bars.clear();
        TaskRecord* task = AddActivity(c.start, c.finish);
        table.GetRowList().Clear();
        ListActivity(task);
        GanttBar& bar = AddBar(1, 82, c.end_field);
        bar.start_point = Shape(4);
        bar.end_point = Shape(4);
        const auto shapes = Paint("polyline " + std::string(kBorder));
        ASSERT_THAT(shapes, SizeIs(2));
        EXPECT_EQ(shapes[0], shapes[1]);
        // The diamond's top point stands on the bar's start.
        const std::string top = " " + std::to_string(static_cast<int>(chart.DateToX(c.start))) + ",35 ";
        EXPECT_NE(shapes[0].find(top), std::string::npos) << shapes[0];
    }
}

TEST_F(GanttChartTest, BarsChooseTheirRows) {
    ListActivity(AddActivity(Day(0), Day(2)));                           // row 0, body top 35
    ListGroup({AddActivity(Day(1), Day(2)), AddActivity(Day(3), Day(6))});  // row 1, body top 53
    GanttBar& plain = AddBar(1);
    plain.filter = nullptr;
    EXPECT_THAT(Paint("fill " + std::string(kFill)), IsEmpty()) << "a non-summary bar without a filter list";
    plain.filter = std::make_unique<FilterSelection>(0);
    plain.summary = true;
    EXPECT_THAT(Paint("fill " + std::string(kFill)), ElementsAre("fill ff0000ff 300,53 550,61"))
        << "a summary bar draws on group rows only, over their members' dates";
    plain.visible = false;
    EXPECT_THAT(Paint("fill " + std::string(kFill)), IsEmpty()) << "a hidden bar";
}

TEST_F(GanttChartTest, LabelsStackOutwardsFromTheBars) {
    TaskRecord* task = AddActivity(Day(0), Day(2), L"A1");
    task->task_name = s_string(L"Alpha");
    ListActivity(task);
    GanttBar& first = AddBar(1);
    first.AddLabel(130, kLabelRight);  // "A1": 2 characters of 7 pixels
    first.AddLabel(132, kLabelRight);  // "Alpha": 35 pixels
    first.AddLabel(130, kLabelLeft);
    const auto texts = Paint("text");
    struct Case {
        const char* text;
        const char* clip;
        const char* why;
    };
    const Case cases[] = {
        {"\"A1\"", "clip 360,30 374,48", "R = the bar's end + 10"},
        {"\"Alpha\"", "clip 384,30 419,48", "R + w1 + 10"},
        {"\"A1\"", "clip 226,30 240,48", "left: L - w, L = the bar's start - 10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_THAT(texts, testing::Contains(testing::AllOf(testing::HasSubstr(c.clip), testing::HasSubstr(c.text))));
    }

    // A second bar to the late finish (Day 4): its labels stand outside the union of both.
    first.labels.clear();
    task->late_end_date = Day(4);
    GanttBar& later = AddBar(1, 82, 71);
    later.AddLabel(130, kLabelRight);
    later.AddLabel(130, kLabelLeft);
    const auto union_texts = Paint("text");
    EXPECT_THAT(union_texts, testing::Contains(testing::HasSubstr("clip 460,30 474,48")));
    EXPECT_THAT(union_texts, testing::Contains(testing::HasSubstr("clip 226,30 240,48")));
}

TEST_F(GanttChartTest, AFinishToStartLineFromALowerRowToAnUpperOne) {
    TaskRecord* successor = AddActivity(Day(3), Day(5), L"S");
    TaskRecord* other = AddActivity(Day(0), Day(1), L"X");
    TaskRecord* predecessor = AddActivity(Day(0), Day(1), L"P");
    for (TaskRecord* task : {successor, other, predecessor}) ListActivity(task);
    Link(predecessor, successor, kFinishToStart);
    // The predecessor's finish (x 300) in the middle of row 2 (y 30 + 36 + 9), to the
    // successor's start (x 400) in the middle of row 0 (y 39).
    // Drawn from each end, both ends being visible; the arrowhead's tip 2 px short of the start.
    EXPECT_THAT(Paint("poly", kConnector),
                ElementsAre("polyline ff323232 300,75 388,75 388,39 400,39",
                            "polygon ff323232 ff323232 398,39 393,36 393,42",
                            "polyline ff323232 300,75 388,75 388,39 400,39",
                            "polygon ff323232 ff323232 398,39 393,36 393,42"));
}

TEST_F(GanttChartTest, RelationshipLinesNeedBothRowsAndTheFileKind) {
    TaskRecord* predecessor = AddActivity(Day(0), Day(1), L"P");
    TaskRecord* successor = AddActivity(Day(2), Day(3), L"S");
    TaskRecord* hidden = AddActivity(Day(2), Day(3), L"H");
    ListActivity(predecessor);
    ListActivity(successor);
    Link(predecessor, successor, kFinishToStart);
    const auto connectors = [&] { return Paint("polyline " + std::string(kConnector)).size(); };
    EXPECT_EQ(connectors(), 2u) << "both ends listed";

    Link(predecessor, hidden, kStartToStart);
    EXPECT_EQ(connectors(), 2u) << "an end that is not listed (collapsed) draws nothing";

    table.GetRowList().Clear();
    ListActivity(predecessor);
    EXPECT_EQ(connectors(), 0u) << "neither successor listed";
    for (int i = 0; i < 25; ++i) ListActivity(AddActivity(Day(0), Day(1)));
    ListActivity(successor);  // row 26, below the 400 pixels shown
    EXPECT_EQ(connectors(), 1u) << "the other end scrolled away: drawn from the visible end only";
    table.GetRowList().Clear();
    ListActivity(predecessor);
    ListActivity(successor);

    struct Case {
        FileKind kind;
        bool shown;
        std::size_t count;
        const char* why;
    };
    const Case cases[] = {
        {FileKind::xer, false, 0, "lines switched off"},
        {FileKind::workbook_without_lines, true, 0, "a workbook whose flag is false"},
        {FileKind::workbook_with_lines, true, 2, "a workbook whose flag allows them"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        doc.kind = c.kind;
        chart.SetShowRelationships(c.shown);
        EXPECT_EQ(connectors(), c.count);
    }
}

TEST_F(GanttChartTest, WeekendShadingOnlyOnVisibleDayCells) {
    AddWeekdayCalendar();
    ListActivity(AddActivity(Day(0), Day(20)));  // lower tier from Wed 28 Feb over four weeks
    // 600 pixels show cells 0 to 13 (12 that fit, two more): Sat 2, Sun 3, Sat 9 and Sun 10 March.
    EXPECT_THAT(Paint("fill fff0f0f0"),
                ElementsAre("fill fff0f0f0 150,30 200,48", "fill fff0f0f0 200,30 250,48",
                            "fill fff0f0f0 500,30 550,48", "fill fff0f0f0 550,30 600,48"));
}

TEST_F(GanttChartTest, HorizontalGridEveryFifthRowInsideTheWindow) {
    for (int i = 0; i < 40; ++i) ListActivity(AddActivity(Day(0), Day(1)));  // H = 30 + 40 x 18 = 750
    // The y of every horizontal dotted line.
    const auto rows_lines = [&] {
        std::vector<int> ys;
        for (const std::string& line : Paint("line 1 3-3 ffc8c8c8")) {
            int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            if (std::sscanf(line.c_str(), "line 1 3-3 ffc8c8c8 %d,%d %d,%d", &x1, &y1, &x2, &y2) == 4 && y1 == y2 && x1 != x2)
                ys.push_back(y1);
        }
        return ys;
    };
    EXPECT_THAT(rows_lines(), ElementsAre(120, 210, 300, 390));
    table.row_height = 0.0f;
    EXPECT_THAT(rows_lines(), IsEmpty()) << "a row height of 0 steps nowhere";
}

TEST_F(GanttChartTest, DataDateLineAndHeaderCells) {
    ListActivity(AddActivity(Day(0), Day(2)));
    doc.NewProject()->last_recalc_date = Day(1);
    EXPECT_THAT(Paint("line 1 solid ffff9933"), ElementsAre("line 1 solid ffff9933 300,30 300,48"));

    const auto texts = Paint("text");
    // Lower cells from Wed 28 Feb: 14 visible; the upper cells over them start Sun 25 Feb
    // (left of the chart), 3 March (x 200) and 10 March, labels 2 pixels right of their line.
    EXPECT_THAT(texts, testing::Contains(testing::AllOf(testing::HasSubstr("\"W\""), testing::HasSubstr("clip 0,15 50,30"))));
    EXPECT_THAT(texts, testing::Contains(testing::AllOf(testing::HasSubstr("\"Mar 03\""), testing::HasSubstr("clip 202,0 550,15"))));
}

TEST_F(GanttChartTest, DamagedInputPaintsNothingOrLess) {
    TaskRecord* dated = AddActivity(Day(0), Day(2), L"D");
    TaskRecord* undated = AddActivity(s_date(), Day(2), L"U");
    TaskRecord* zero = AddActivity(s_date::from_seconds(0), Day(2), L"Z");
    for (TaskRecord* task : {dated, undated, zero}) ListActivity(task);
    AddBar(1);
    Link(dated, undated, kFinishToStart);
    Link(dated, zero, kFinishToStart);
    EXPECT_THAT(Paint("fill " + std::string(kFill)), ElementsAre("fill ff0000ff 250,35 350,43"))
        << "bars with an empty start are skipped";
    EXPECT_THAT(Paint("poly", kConnector), IsEmpty()) << "a line to an activity without a start";

    layout.timescale.unit = 9;  // a unit without cells
    EXPECT_THAT(Paint("", kFill), IsEmpty());
    EXPECT_THAT(Paint("line 1 solid ffff9933"), IsEmpty()) << "no data-date line";
    layout.timescale.unit = 5;
    for (const float scale : {0.0f, std::numeric_limits<float>::quiet_NaN()}) {
        SCOPED_TRACE(scale);
        host.ChangeDisplayScale(scale);
        EXPECT_THAT(Paint(), IsEmpty());
        EXPECT_EQ(chart.GetWidth(), 0.0f);
    }
}

TEST_F(GanttChartTest, MissingPartsPaintNothing) {
    ListActivity(AddActivity(Day(0), Day(2)));
    AddBar(1);
    EXPECT_THAT(Paint(), testing::Not(IsEmpty()));
    chart.SetCompanion(nullptr);
    EXPECT_THAT(Paint(), IsEmpty());
    EXPECT_EQ(chart.GetHeight(), 0.0f);
    chart.SetCompanion(&table);
    chart.SetLayout(nullptr);
    EXPECT_THAT(Paint(), IsEmpty());
    EXPECT_EQ(chart.GetWidth(), 0.0f);
}

}  // namespace
}  // namespace varnholt::view::gantt_test
