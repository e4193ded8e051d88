// gantt_timescale_test.cpp - the timescale as plain values: both tiers per unit, labels,
// widths and the x mapping, grid dates, the data date, and the guards against damaged dates.

#include "views/gantt/GanttTimescale.h"

#include "../../model/hand_built_document.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace varnholt::view {
namespace {

using testing_support::HandBuiltDocument;

std::int64_t At(std::int64_t year, std::int32_t month, std::int32_t day, std::int32_t hour = 0) {
    return s_date::from_ymdhm(year, month, day, hour, 0).seconds;
}
s_date Date(std::int64_t seconds) { return s_date::from_seconds(seconds); }

// -1: the field keeps no value.
void AddDated(HandBuiltDocument& doc, std::int64_t start, std::int64_t finish) {
    TaskRecord* task = doc.NewTask();
    if (start >= 0) task->start_date = Date(start);
    if (finish >= 0) task->end_date = Date(finish);
}

class GanttTimescaleTest : public testing_support::HandBuiltDocumentTest {
protected:
    // The schedule of the examples: Wed 10-Jan-2024 08:00 to Tue 20-Feb-2024 17:00.
    void AddExampleSchedule() {
        AddDated(doc, At(2024, 1, 10, 8), At(2024, 1, 20, 17));
        AddDated(doc, At(2024, 2, 1, 8), At(2024, 2, 20, 17));
    }
    GanttTimescale Built(std::int32_t unit) {
        GanttTimescale scale;
        scale.BuildTimescale(doc, unit);
        return scale;
    }
};

TEST_F(GanttTimescaleTest, BothTiersAndTheirLabelsPerUnit) {
    AddExampleSchedule();
    const std::int64_t sunday = At(2024, 1, 7);
    struct Case {
        std::int32_t unit;
        std::int64_t lower_first, lower_last;
        std::size_t lower_count;
        std::int64_t upper_first, upper_last;
        std::size_t upper_count;
        std::int64_t labelled;  // the upper and lower labels of the cells from this date
        std::wstring upper;
        std::vector<std::wstring> lower;
    };
    const Case cases[] = {
        {1, At(2022, 10, 1), At(2025, 4, 1), 11, At(2022, 1, 1), At(2026, 1, 1), 5, At(2024, 1, 1), L"2024", {L"Q1", L"Q2"}},
        {2, At(2023, 8, 1), At(2024, 7, 1), 12, At(2023, 1, 1), At(2025, 1, 1), 3, At(2024, 1, 1), L"2024", {L"Jan", L"Feb"}},
        {3, At(2023, 8, 1), At(2024, 7, 1), 12, At(2023, 7, 1), At(2024, 10, 1), 6, At(2024, 1, 1), L"Qtr 1, 2024", {L"Jan"}},
        {4, At(2023, 12, 3), At(2024, 3, 31), 18, At(2023, 12, 1), At(2024, 4, 1), 5, At(2024, 1, 1), L"January 2024",
         {L"07", L"14"}},
        {5, At(2024, 1, 5), At(2024, 2, 26), 53, At(2023, 12, 31), At(2024, 3, 3), 10, sunday, L"Jan 07",
         {L"S", L"M", L"T", L"W", L"T", L"F", L"S"}},
        {6, At(2024, 1, 5), At(2024, 2, 26), 53, At(2023, 12, 31), At(2024, 3, 3), 10, sunday, L"Jan 07",
         {L"Sun", L"Mon", L"Tue", L"Wed", L"Thr", L"Fri", L"Sat"}},
        {8, At(2024, 1, 10, 3), At(2024, 2, 20, 23), 1005, At(2024, 1, 10), At(2024, 2, 21), 43, At(2024, 1, 11),
         L"Thr Jan 11", {L"0", L"1", L"2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        const GanttTimescale scale = Built(c.unit);
        const auto& lower = scale.LowerTierDates();
        const auto& upper = scale.UpperTierDates();
        ASSERT_EQ(lower.size(), c.lower_count);
        ASSERT_EQ(upper.size(), c.upper_count);
        EXPECT_EQ(scale.GetStartDate().seconds, c.lower_first);
        EXPECT_EQ(scale.GetEndDate().seconds, c.lower_last);
        EXPECT_EQ(upper.front().seconds, c.upper_first);
        EXPECT_EQ(upper.back().seconds, c.upper_last);
        EXPECT_FALSE(lower.front().blank);
        EXPECT_EQ(FormatCellLabel(Date(c.labelled), c.unit, false), c.upper);
        std::vector<std::wstring> labels;
        for (const s_date& d : lower)
            if (d.seconds >= c.labelled && labels.size() < c.lower.size()) labels.push_back(FormatCellLabel(d, c.unit, true));
        EXPECT_EQ(labels, c.lower);
    }
}

TEST_F(GanttTimescaleTest, WidthCountsTheClosingEntryAndTheMappingIsLinear) {
    AddDated(doc, At(2024, 3, 4, 8), At(2024, 3, 13, 17));  // days d to d + 9
    const GanttTimescale days = Built(5);
    ASSERT_EQ(days.LowerTierDates().size(), 21u);
    EXPECT_FLOAT_EQ(days.GetWidth(50.0f), 1050.0f);
    EXPECT_FLOAT_EQ(days.DateToX(days.GetStartDate(), 50.0f), 0.0f);
    EXPECT_FLOAT_EQ(days.DateToX(days.GetEndDate(), 50.0f), 1000.0f);
    EXPECT_FLOAT_EQ(days.DateToX(Date(At(2024, 3, 4, 12)), 50.0f), 275.0f);
}

// Dates that display empty say nothing about the span; with no usable date it is today.
TEST_F(GanttTimescaleTest, EmptyDatesLeaveTheSpanOfTheDatedActivities) {
    struct Case {
        std::int64_t start, finish;  // -1: no value; 0: a zero date that counts as given
        const char* why;
    };
    const Case cases[] = {
        {At(2024, 1, 15), -1, "an activity without a finish"},
        {0, At(2024, 2, 1), "a workbook activity whose empty start is a 0-second date"},
        {-1, -1, "an activity without any date"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        HandBuiltDocument one;
        AddDated(one, At(2024, 1, 10, 8), At(2024, 2, 20, 17));
        AddDated(one, c.start, c.finish);
        EXPECT_EQ(GetEarliestDate(one).seconds, At(2024, 1, 10, 8));
        EXPECT_EQ(GetLatestDate(one).seconds, At(2024, 2, 20, 17));
    }
    HandBuiltDocument starts_only, finishes_only;
    AddDated(starts_only, At(2024, 3, 1), -1);
    AddDated(finishes_only, -1, At(2024, 5, 1));
    EXPECT_EQ(GetLatestDate(starts_only).seconds, At(2024, 3, 1)) << "the latest start stands in";
    EXPECT_EQ(GetEarliestDate(finishes_only).seconds, At(2024, 5, 1)) << "the earliest finish stands in";
    finishes_only.Tasks().front()->end_date.blank = true;  // a milestone's copied date still counts
    EXPECT_EQ(GetEarliestDate(finishes_only).seconds, At(2024, 5, 1));

    AddDated(doc, -1, 0);
    const std::int64_t today = s_date::today().seconds;
    const GanttTimescale days = Built(5), hours = Built(8);
    ASSERT_EQ(days.LowerTierDates().size(), 12u) << "today with five margin cells on each side";
    EXPECT_EQ(days.GetStartDate().seconds, today - 5 * 86400);
    EXPECT_EQ(days.GetEndDate().seconds, today + 6 * 86400);
    EXPECT_EQ(hours.GetStartDate().seconds, today - 5 * 3600);
}

TEST_F(GanttTimescaleTest, UnitsWithoutCellsGiveEmptyTiers) {
    AddExampleSchedule();
    for (const std::int32_t unit : {0, 7, 9, -1}) {
        SCOPED_TRACE(unit);
        GanttTimescale scale = Built(unit);
        scale.BuildGridDates(unit, 2);
        EXPECT_TRUE(scale.LowerTierDates().empty() && scale.UpperTierDates().empty() && scale.GridDates().empty());
        EXPECT_EQ(scale.GetWidth(50.0f), 0.0f);
        EXPECT_EQ(scale.DateToX(Date(At(2024, 2, 1)), 50.0f), 0.0f);
        EXPECT_TRUE(scale.GetStartDate().blank);
    }
}

TEST_F(GanttTimescaleTest, LongSpansMapInIncreasingOrder) {
    AddDated(doc, At(2030, 1, 1), At(2100, 12, 31));
    const GanttTimescale quarters = Built(1);
    float previous = -1.0f;
    for (std::int64_t year = 2030; year <= 2100; year += 10) {
        const float x = quarters.DateToX(Date(At(year, 6, 1)), 50.0f);
        EXPECT_GT(x, previous) << year;
        previous = x;
    }
    HandBuiltDocument later;
    AddDated(later, At(2045, 1, 1), At(2045, 3, 1));
    GanttTimescale in_2045;
    in_2045.BuildTimescale(later, 5);
    EXPECT_LT(in_2045.DateToX(Date(0), 50.0f), 0.0f) << "a blank data date lies left of the chart";
}

TEST_F(GanttTimescaleTest, UnusableCellWidthsAndWindows) {
    AddExampleSchedule();
    const GanttTimescale scale = Built(5);  // 53 lower entries
    for (const float cell : {0.0f, -50.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(scale.GetWidth(cell), 0.0f);
        EXPECT_EQ(scale.DateToX(Date(At(2024, 2, 1)), cell), 0.0f);
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
        {2650.0f, 500.0f, 53, 53, "a window past the last cell shows none"},
        {1e30f, 1e30f, 53, 53, "huge positions clamp"},
    };
    for (const Case& w : windows) {
        const CellWindow window = scale.VisibleCells(w.origin, w.width, 50.0f);
        EXPECT_EQ(std::pair(window.first, window.end), std::pair(w.first, w.end)) << w.why;
    }
}

TEST_F(GanttTimescaleTest, AYear99999DateStopsAtTheCellLimit) {
    AddDated(doc, At(2024, 1, 10), At(99999, 1, 1));
    GanttTimescale hours = Built(8);
    EXPECT_EQ(hours.LowerTierDates().size(), kMaxTimescaleCells + 1);
    hours.BuildGridDates(8, 2);
    EXPECT_LE(hours.GridDates().size(), kMaxTimescaleCells);
    EXPECT_GT(hours.DateToX(Date(At(99999, 1, 1)), 50.0f), hours.GetWidth(50.0f)) << "right of the chart";
}

TEST_F(GanttTimescaleTest, GridDatesPerSpacing) {
    AddExampleSchedule();
    GanttTimescale weeks = Built(4);  // Sun 3-Dec-2023 .. Sun 31-Mar-2024, limit a week later
    struct Case {
        std::int32_t spacing;
        std::size_t count;
        std::int64_t first, last;
    };
    const Case cases[] = {
        {2, 4, At(2024, 1, 1), At(2024, 4, 1)},   // first days of months
        {4, 19, At(2023, 12, 3), At(2024, 4, 7)},  // Sundays
        {5, 127, At(2023, 12, 3), At(2024, 4, 7)}, // days
        {3, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spacing);
        weeks.MarkGridDatesStale();
        weeks.BuildGridDates(4, c.spacing);
        EXPECT_FALSE(weeks.GridDatesStale());
        ASSERT_EQ(weeks.GridDates().size(), c.count);
        if (c.count == 0) continue;
        EXPECT_EQ(weeks.GridDates().front().seconds, c.first);
        EXPECT_EQ(weeks.GridDates().back().seconds, c.last);
    }
    // Day lines step whole days from the first cell: hour cells from 03:00 never meet midnight.
    GanttTimescale hours = Built(8);
    hours.BuildGridDates(8, 5);
    EXPECT_TRUE(hours.GridDates().empty());
}

TEST_F(GanttTimescaleTest, DataDateIsTheEarliestOverTheProjects) {
    GanttTimescale scale;
    scale.UpdateDataDate(&doc);
    EXPECT_TRUE(scale.DataDate().blank) << "no projects";
    for (const std::int64_t date : {At(2024, 3, 1), At(2024, 2, 1), At(2024, 4, 1)})
        doc.NewProject()->last_recalc_date = Date(date);
    doc.NewProject();  // no data date: sorts after every date
    scale.UpdateDataDate(&doc);
    EXPECT_EQ(scale.DataDate().seconds, At(2024, 2, 1));

    doc.NewProject()->last_recalc_date = Date(0);  // a blank cell of a workbook: 1970, as the rule says
    scale.UpdateDataDate(&doc);
    EXPECT_EQ(scale.DataDate().seconds, 0);

    ColumnCatalog::Instance().ClearPresent();
    scale.UpdateDataDate(&doc);
    EXPECT_TRUE(scale.DataDate().blank) << "the file has no data-date column";
}

}  // namespace
}  // namespace varnholt::view
