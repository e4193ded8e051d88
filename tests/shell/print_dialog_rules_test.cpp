// print_dialog_rules_test.cpp - typed numbers, margin steps, the scale shown, the page sample,
// the date clamp and the date checks of the print-settings dialog.

#include "shell/print/print_dialog_rules.h"

#include <gtest/gtest.h>

namespace varnholt::print {
namespace {

TEST(PrintDialogRules, TypedNumbersReadTheirLeadingNumber) {
    struct Case { const wchar_t* text; double expected; const char* why; };
    const Case cases[] = {
        {L"12abc", 12.0, "digits up to the first letter"},
        {L"abc", 0.0, "no number"},
        {L"1.5", 1.5, "a decimal point, never the locale's comma"},
        {L"1,5", 1.0, "a comma ends the number"},
        {L"nan", 0.0, "not a number"},
        {L"inf", 0.0, "not a number either"},
        {L"  -0.3in", -0.3, "blanks and a sign"},
        {L"2e", 2.0, "an exponent needs digits"},
        {L"1e2", 100.0, "with them it counts"},
        {L".", 0.0, "a point alone"},
        {L"", 0.0, "empty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_DOUBLE_EQ(ParseLeadingNumber(c.text), c.expected);
    }
    EXPECT_EQ(ParseLeadingInteger(L"3 pages"), 3);
    EXPECT_EQ(ParseLeadingInteger(L"99999999999"), 2147483647);
    EXPECT_EQ(ParseLeadingInteger(L"x"), 0);
}

TEST(PrintDialogRules, TypedScaleAndMarginsNeverGoNegative) {
    EXPECT_FLOAT_EQ(ScaleFromPercentText(L"85"), 0.85f);
    EXPECT_EQ(ScaleFromPercentText(L"-40"), 0.0f);
    EXPECT_EQ(ScaleFromPercentText(L"1e999"), 0.0f) << "not a finite scale";
    EXPECT_EQ(MarginFromText(L"-2"), 0.0f);
    EXPECT_FLOAT_EQ(MarginFromText(L"0.5"), 0.5f);
}

TEST(PrintDialogRules, MarginStepsStayWithinTheirBound) {
    EXPECT_FALSE(StepMargin(L"0.0", -1, 3.0f)) << "0.0 down";
    EXPECT_FALSE(StepMargin(L"2.95", 1, 3.0f)) << "past the bound";
    EXPECT_EQ(StepMargin(L"0.2", 1, 3.0f), L"0.3");
    std::wstring text = L"0.0";
    for (int click = 0; click < 30; ++click) {
        const auto next = StepMargin(text, 1, 3.0f);
        ASSERT_TRUE(next) << "click " << click;
        text = *next;
    }
    EXPECT_EQ(text, L"3.0");
    EXPECT_FALSE(StepMargin(text, 1, 3.0f)) << "a 31st click";
    EXPECT_EQ(FormatMargin(0.2f), L"0.2");
}

TEST(PrintDialogRules, ShownScaleRoundsHalfUp) {
    EXPECT_EQ(ShownScalePercent(0.125f), 13);
    EXPECT_EQ(ShownScalePercent(1.0f), 100);
    EXPECT_EQ(ShownScalePercent(0.0f), 0);
}

TEST(PrintDialogRules, SampleIsCentredAndShowsMarginsOnceThePageIsKnown) {
    const ControlEdges edges{100, 347, 50, 250};  // 247 free across, 200 down
    const PixelRect landscape = PlaceSample(edges, 11.0f, 8.5f);
    EXPECT_EQ(landscape, (PixelRect{150, 98, 147, 104}));
    const PixelRect portrait = PlaceSample(edges, 0.0f, 0.0f);
    EXPECT_EQ(portrait.width, 101) << "odd free space keeps the truncated inset on both sides";
    EXPECT_EQ(portrait.height, 112);

    EXPECT_FALSE(PlaceMarginLines(portrait, {}, 0.0f, 0.0f)) << "before the first print: outline only";
    const auto lines = PlaceMarginLines({0, 0, 100, 110}, {1.0, 1.0, 1.1, 0.0}, 10.0f, 11.0f);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->left_x, 10);
    EXPECT_EQ(lines->right_x, 89);
    EXPECT_EQ(lines->top_y, 11);
    EXPECT_EQ(lines->bottom_y, 109);
}

TEST(PrintDialogRules, DateRangeIsClampedToTheChart) {
    const s_date first = s_date::from_ymdhm(2024, 3, 1, 0, 0);
    const s_date last = s_date::from_ymdhm(2024, 9, 30, 0, 0);
    struct Case { s_date start; s_date end; s_date expected_start; s_date expected_end; const char* why; };
    const s_date inside_start = s_date::from_ymdhm(2024, 4, 1, 8, 0);
    const s_date inside_end = s_date::from_ymdhm(2024, 5, 1, 0, 0);
    const Case cases[] = {
        {s_date::from_seconds(0), s_date::from_seconds(0), first, last, "empty dates"},
        {s_date::from_ymd(2023, 1, 1), s_date::from_ymd(2030, 1, 1), first, last, "outside the chart"},
        {inside_start, inside_end, inside_start, inside_end, "inside stays"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        PrintSettings settings;
        settings.startDate = c.start;
        settings.endDate = c.end;
        settings.startDate.blank = true;
        ClampDateRange(settings, first, last);
        EXPECT_EQ(settings.startDate.seconds, c.expected_start.seconds);
        EXPECT_EQ(settings.endDate.seconds, c.expected_end.seconds);
        EXPECT_TRUE(settings.startDate.blank) << "the blank flag stays";
    }
}

TEST(PrintDialogRules, DateChecksAnswerTheirMessage) {
    const s_date first = s_date::from_ymdhm(2024, 3, 1, 0, 0);
    const s_date last = s_date::from_ymdhm(2024, 9, 30, 0, 0);
    const s_date early = s_date::from_ymdhm(2024, 2, 29, 23, 0);
    EXPECT_EQ(CheckStartBeforeChart(early, first), IDS_START_BEFORE_CHART);
    EXPECT_FALSE(CheckStartBeforeChart(first, first)) << "the chart's own first date";
    EXPECT_EQ(CheckStartAfterEnd(last, first), IDS_START_AFTER_END);
    EXPECT_FALSE(CheckStartAfterEnd(first, first));
    EXPECT_EQ(CheckEndAfterChart(s_date::from_ymd(2024, 10, 1), last), IDS_END_AFTER_CHART);
    EXPECT_FALSE(CheckEndAfterChart(last, last)) << "the chart's own last date";
    EXPECT_EQ(CheckEndBeforeStart(first, last), IDS_END_BEFORE_START);
    EXPECT_FALSE(CheckEndBeforeStart(last, first));
}

}  // namespace
}  // namespace varnholt::print
