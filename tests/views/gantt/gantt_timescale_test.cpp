// gantt_timescale_test.cpp - the timescale as plain values: spans, both tiers per unit, labels,
// widths, the x mapping, grid dates, the data date, and the guards against damaged dates.

#include "views/gantt/GanttTimescale.h"

#include "../../model/hand_built_document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace varnholt::view {
namespace {

using testing_support::HandBuiltDocument;

std::int64_t At(std::int64_t year, std::int32_t month, std::int32_t day, std::int32_t hour = 0) {
    return s_date::from_ymdhm(year, month, day, hour, 0).seconds;
}

class GanttTimescaleTest : public testing_support::HandBuiltDocumentTest {
protected:
    TaskRecord* AddDated(std::int64_t start, std::int64_t finish) {
        TaskRecord* task = doc.NewTask();
        task->start_date = s_date::from_seconds(start);
        task->end_date = s_date::from_seconds(finish);
        return task;
    }
    // The schedule of the examples: Wed 10-Jan-2024 08:00 to Tue 20-Feb-2024 17:00.
    void AddExampleSchedule() {
        AddDated(At(2024, 1, 10, 8), At(2024, 1, 20, 17));
        AddDated(At(2024, 2, 1, 8), At(2024, 2, 20, 17));
    }
    GanttTimescale Built(std::int32_t unit) {
        GanttTimescale scale;
        scale.BuildTimescale(doc, unit);
        return scale;
    }
    // The labels of `count` lower entries from the one at `from`.
    static std::vector<std::wstring> LowerLabels(const GanttTimescale& scale, std::int32_t unit, std::int64_t from,
                                                 std::size_t count) {
        std::vector<std::wstring> labels;
        const auto& tier = scale.LowerTierDates();
        for (std::size_t i = 0; i < tier.size() && labels.size() < count; ++i)
            if (tier[i].seconds >= from) labels.push_back(FormatCellLabel(tier[i], unit, true));
        return labels;
    }
};

TEST_F(GanttTimescaleTest, BothTiersPerUnit) {
    AddExampleSchedule();
    struct Case {
        std::int32_t unit;
        std::int64_t lower_first, lower_last;
        std::size_t lower_count;
        std::int64_t upper_first, upper_last;
        std::size_t upper_count;
        const char* why;
    };
    const Case cases[] = {
        {1, At(2022, 10, 1), At(2025, 4, 1), 11, At(2022, 1, 1), At(2026, 1, 1), 5, "quarters under years"},
        {2, At(2023, 8, 1), At(2024, 7, 1), 12, At(2023, 1, 1), At(2025, 1, 1), 3, "months under years"},
        {3, At(2023, 8, 1), At(2024, 7, 1), 12, At(2023, 7, 1), At(2024, 10, 1), 6, "months under quarters"},
        {4, At(2023, 12, 3), At(2024, 3, 31), 18, At(2023, 12, 1), At(2024, 4, 1), 5,
         "Sunday weeks from five weeks before the start, under months"},
        {5, At(2024, 1, 5), At(2024, 2, 26), 53, At(2023, 12, 31), At(2024, 3, 3), 10, "days under Sunday weeks"},
        {6, At(2024, 1, 5), At(2024, 2, 26), 53, At(2023, 12, 31), At(2024, 3, 3), 10, "as unit 5"},
        {8, At(2024, 1, 10, 3), At(2024, 2, 20, 23), 1005, At(2024, 1, 10), At(2024, 2, 21), 43, "hours under days"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const GanttTimescale scale = Built(c.unit);
        ASSERT_EQ(scale.LowerTierDates().size(), c.lower_count);
        EXPECT_EQ(scale.LowerTierDates().front().seconds, c.lower_first);
        EXPECT_EQ(scale.LowerTierDates().back().seconds, c.lower_last);
        ASSERT_EQ(scale.UpperTierDates().size(), c.upper_count);
        EXPECT_EQ(scale.UpperTierDates().front().seconds, c.upper_first);
        EXPECT_EQ(scale.UpperTierDates().back().seconds, c.upper_last);
        EXPECT_EQ(scale.GetStartDate().seconds, c.lower_first);
        EXPECT_EQ(scale.GetEndDate().seconds, c.lower_last);
        EXPECT_FALSE(scale.LowerTierDates().front().blank);
    }
}

TEST_F(GanttTimescaleTest, CellLabelsPerUnitAndTier) {
    AddExampleSchedule();
    const std::int64_t sunday = At(2024, 1, 7);
    struct Case {
        std::int32_t unit;
        std::int64_t upper_date;
        std::wstring upper;
        std::int64_t lower_from;
        std::vector<std::wstring> lower;
    };
    const Case cases[] = {
        {1, At(2024, 1, 1), L"2024", At(2024, 1, 1), {L"Q1", L"Q2"}},
        {2, At(2024, 1, 1), L"2024", At(2024, 1, 1), {L"Jan", L"Feb"}},
        {3, At(2024, 1, 1), L"Qtr 1, 2024", At(2024, 1, 1), {L"Jan"}},
        {4, At(2024, 1, 1), L"January 2024", sunday, {L"07", L"14"}},
        {5, sunday, L"Jan 07", sunday, {L"S", L"M", L"T", L"W", L"T", L"F", L"S"}},
        {6, sunday, L"Jan 07", sunday, {L"Sun", L"Mon", L"Tue", L"Wed", L"Thr", L"Fri", L"Sat"}},
        {8, sunday, L"Sun Jan 07", At(2024, 1, 11), {L"0", L"1", L"2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        const GanttTimescale scale = Built(c.unit);
        EXPECT_EQ(FormatCellLabel(s_date::from_seconds(c.upper_date), c.unit, false), c.upper);
        EXPECT_EQ(LowerLabels(scale, c.unit, c.lower_from, c.lower.size()), c.lower);
    }
    const GanttTimescale hours = Built(8);
    EXPECT_EQ(LowerLabels(hours, 8, At(2024, 1, 11, 23), 1), std::vector<std::wstring>{L"23"});
    EXPECT_EQ(FormatCellLabel(s_date::from_seconds(At(2023, 12, 1)), 4, false), L"December 2023");
    EXPECT_EQ(FormatCellLabel(s_date::from_seconds(sunday), 7, true), L"");
}

TEST_F(GanttTimescaleTest, WidthCountsTheClosingEntryAndTheMappingIsLinear) {
    AddDated(At(2024, 3, 4, 8), At(2024, 3, 13, 17));  // days d to d + 9
    const GanttTimescale scale = Built(5);
    ASSERT_EQ(scale.LowerTierDates().size(), 21u);
    EXPECT_FLOAT_EQ(scale.GetWidth(50.0f), 1050.0f);
    EXPECT_FLOAT_EQ(scale.DateToX(scale.LowerTierDates().front(), 50.0f), 0.0f);
    EXPECT_FLOAT_EQ(scale.DateToX(scale.LowerTierDates().back(), 50.0f), 1000.0f);
    EXPECT_FLOAT_EQ(scale.DateToX(s_date::from_seconds(At(2024, 3, 4, 12)), 50.0f), 5 * 50.0f + 25.0f);

    const GanttTimescale months = [&] { AddExampleSchedule(); return Built(2); }();
    const auto x = [&](std::int32_t month) { return months.DateToX(s_date::from_seconds(At(2024, month, 1)), 50.0f); };
    EXPECT_NEAR((x(2) - x(1)) / (x(5) - x(4)), 31.0 / 30.0, 1e-4) << "January against April";
}

TEST_F(GanttTimescaleTest, ASpanWithoutDatesIsTodayWithItsMargins) {
    doc.NewTask();
    doc.NewTask()->end_date = s_date::from_seconds(0);  // a workbook's empty cell
    const std::int64_t today = s_date::today().seconds;
    const GanttTimescale days = Built(5);
    ASSERT_EQ(days.LowerTierDates().size(), 12u);
    EXPECT_EQ(days.LowerTierDates().front().seconds, today - 5 * 86400);
    EXPECT_EQ(days.LowerTierDates().back().seconds, today + 6 * 86400);
    const GanttTimescale hours = Built(8);
    EXPECT_EQ(hours.LowerTierDates().front().seconds, today - 5 * 3600);
    EXPECT_EQ(hours.LowerTierDates().size(), 12u);
}

TEST_F(GanttTimescaleTest, EmptyDatesLeaveTheSpanOfTheDatedActivities) {
    struct Case {
        std::int64_t start, finish;  // -1: no value; 0: a zero date that counts as given
        const char* why;
    };
    const Case cases[] = {
        {At(2024, 1, 15), -1, "an activity without a finish"},
        {0, At(2024, 2, 1), "a workbook activity whose empty start is a 0-second date"},
        {-1, -1, "an activity without any date"},
        {0, 0, "zero dates at both ends"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        HandBuiltDocument one;
        for (const auto& [start, finish] : {std::pair(At(2024, 1, 10, 8), At(2024, 2, 20, 17)), std::pair(c.start, c.finish)}) {
            TaskRecord* task = one.NewTask();
            if (start >= 0) task->start_date = s_date::from_seconds(start);
            if (finish >= 0) task->end_date = s_date::from_seconds(finish);
        }
        EXPECT_EQ(GetEarliestDate(one).seconds, At(2024, 1, 10, 8));
        EXPECT_EQ(GetLatestDate(one).seconds, At(2024, 2, 20, 17));
    }
    // One end missing everywhere: the other end's dates stand in.
    doc.NewTask()->start_date = s_date::from_seconds(At(2024, 1, 10));
    doc.NewTask()->start_date = s_date::from_seconds(At(2024, 3, 1));
    EXPECT_EQ(GetLatestDate(doc).seconds, At(2024, 3, 1));
    HandBuiltDocument finishes_only;
    finishes_only.NewTask()->end_date = s_date::from_seconds(At(2024, 5, 1));
    EXPECT_EQ(GetEarliestDate(finishes_only).seconds, At(2024, 5, 1));
    // A blank-flagged date with real seconds (a milestone's copied date) still counts.
    HandBuiltDocument milestone;
    TaskRecord* task = milestone.NewTask();
    task->start_date = s_date::from_seconds(At(2024, 6, 1));
    task->start_date.blank = true;
    EXPECT_EQ(GetEarliestDate(milestone).seconds, At(2024, 6, 1));
}

TEST_F(GanttTimescaleTest, UnitsWithoutCellsGiveEmptyTiers) {
    AddExampleSchedule();
    for (const std::int32_t unit : {0, 7, 9, -1}) {
        SCOPED_TRACE(unit);
        GanttTimescale scale = Built(unit);
        scale.BuildGridDates(unit, 2);
        EXPECT_TRUE(scale.LowerTierDates().empty());
        EXPECT_TRUE(scale.UpperTierDates().empty());
        EXPECT_TRUE(scale.GridDates().empty());
        EXPECT_EQ(scale.GetWidth(50.0f), 0.0f);
        EXPECT_EQ(scale.DateToX(s_date::from_seconds(At(2024, 2, 1)), 50.0f), 0.0f);
        EXPECT_TRUE(scale.GetStartDate().blank);
        EXPECT_TRUE(scale.VisibleCells(0.0f, 1000.0f, 50.0f).empty());
    }
    s_date date = s_date::from_seconds(At(2024, 2, 1));
    NextCellStart(date, true, 6);
    EXPECT_EQ(date.seconds, At(2024, 2, 1)) << "unit 7 has no step";
}

TEST_F(GanttTimescaleTest, LongSpansMapInIncreasingOrder) {
    AddDated(At(2030, 1, 1), At(2100, 12, 31));
    const GanttTimescale scale = Built(1);
    float previous = -1.0f;
    for (std::int64_t year = 2030; year <= 2100; year += 10) {
        SCOPED_TRACE(year);
        const float x = scale.DateToX(s_date::from_seconds(At(year, 6, 1)), 50.0f);
        EXPECT_GT(x, previous);
        previous = x;
    }
    EXPECT_LT(previous, scale.GetWidth(50.0f));

    HandBuiltDocument later;
    TaskRecord* task = later.NewTask();
    task->start_date = s_date::from_seconds(At(2045, 1, 1));
    task->end_date = s_date::from_seconds(At(2045, 3, 1));
    GanttTimescale in_2045;
    in_2045.BuildTimescale(later, 5);
    EXPECT_LT(in_2045.DateToX(s_date::from_seconds(0), 50.0f), 0.0f) << "a blank data date lies left of the chart";
}

TEST_F(GanttTimescaleTest, UnusableCellWidthsAndWindowsPaintNothing) {
    AddExampleSchedule();
    const GanttTimescale scale = Built(5);
    const s_date date = s_date::from_seconds(At(2024, 2, 1));
    for (const float cell : {0.0f, -50.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(scale.GetWidth(cell), 0.0f);
        EXPECT_EQ(scale.DateToX(date, cell), 0.0f);
        EXPECT_TRUE(scale.VisibleCells(100.0f, 800.0f, cell).empty());
    }
    struct Case {
        float origin, width;
        std::size_t first, end;
        const char* why;
    };
    const Case windows[] = {
        {0.0f, 500.0f, 0, 12, "ten cells fit, two more"},
        {-80.0f, 120.0f, 0, 4, "a negative origin counts from 0"},
        {2600.0f, 500.0f, 52, 53, "the window stops at the closing entry"},
        {2650.0f, 500.0f, 53, 53, "a window past the last cell shows none"},
        {1e30f, 1e30f, 53, 53, "huge positions clamp"},
    };
    for (const Case& w : windows) {
        SCOPED_TRACE(w.why);
        const CellWindow window = scale.VisibleCells(w.origin, w.width, 50.0f);
        EXPECT_EQ(window.first, w.first);
        EXPECT_EQ(window.end, w.end);
    }
}

TEST_F(GanttTimescaleTest, AYear99999DateStopsAtTheCellLimit) {
    AddDated(At(2024, 1, 10), At(99999, 1, 1));
    GanttTimescale scale = Built(8);
    EXPECT_EQ(scale.LowerTierDates().size(), kMaxTimescaleCells + 1);
    EXPECT_LE(scale.UpperTierDates().size(), kMaxTimescaleCells + 1);
    scale.BuildGridDates(8, 2);
    EXPECT_LE(scale.GridDates().size(), kMaxTimescaleCells);
    EXPECT_GT(scale.DateToX(s_date::from_seconds(At(99999, 1, 1)), 50.0f), scale.GetWidth(50.0f));
}

TEST_F(GanttTimescaleTest, GridDatesPerSpacing) {
    AddExampleSchedule();
    GanttTimescale scale = Built(4);  // lower tier Sun 3-Dec-2023 .. Sun 31-Mar-2024, limit a week on
    struct Case {
        std::int32_t spacing;
        std::size_t count;
        std::int64_t first, last;
        const char* why;
    };
    const Case cases[] = {
        {2, 4, At(2024, 1, 1), At(2024, 4, 1), "first days of months"},
        {4, 19, At(2023, 12, 3), At(2024, 4, 7), "Sundays"},
        {5, 127, At(2023, 12, 3), At(2024, 4, 7), "days"},
        {3, 0, 0, 0, "no such spacing"},
        {6, 0, 0, 0, "no such spacing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        scale.MarkGridDatesStale();
        scale.BuildGridDates(4, c.spacing);
        EXPECT_FALSE(scale.GridDatesStale());
        ASSERT_EQ(scale.GridDates().size(), c.count);
        if (c.count == 0) continue;
        EXPECT_EQ(scale.GridDates().front().seconds, c.first);
        EXPECT_EQ(scale.GridDates().back().seconds, c.last);
    }
    // Day lines step by whole days from the first cell: hour cells that start at 03:00 never
    // meet midnight, and the search gives up after one step.
    GanttTimescale hours = Built(8);
    hours.BuildGridDates(8, 5);
    EXPECT_TRUE(hours.GridDates().empty());
}

TEST_F(GanttTimescaleTest, DataDateIsTheEarliestOverTheProjects) {
    GanttTimescale scale;
    scale.UpdateDataDate(&doc);
    EXPECT_TRUE(scale.DataDate().blank) << "no projects";
    for (const std::int64_t date : {At(2024, 3, 1), At(2024, 2, 1), At(2024, 4, 1)})
        doc.NewProject()->last_recalc_date = s_date::from_seconds(date);
    doc.NewProject();  // no data date: sorts after every date
    scale.UpdateDataDate(&doc);
    EXPECT_EQ(scale.DataDate().seconds, At(2024, 2, 1));
    EXPECT_FALSE(scale.DataDate().blank);

    doc.NewProject()->last_recalc_date = s_date::from_seconds(0);  // a blank cell of a workbook
    scale.UpdateDataDate(&doc);
    EXPECT_EQ(scale.DataDate().seconds, 0) << "the Part keeps 1970, which lies left of the chart";

    ColumnCatalog::Instance().ClearPresent();
    scale.UpdateDataDate(&doc);
    EXPECT_TRUE(scale.DataDate().blank) << "the file has no data-date column";
    scale.UpdateDataDate(nullptr);
    EXPECT_TRUE(scale.DataDate().blank);
}

}  // namespace
}  // namespace varnholt::view
