// Enumerated values: reading codes and texts, the no-value flag, captions in two languages,
// sort orders and the comparisons that keep the base answer.

#include "caption_language.h"
#include "model/s_enums.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using EnumValues = CaptionLanguageTest;

using TextReader = std::int32_t (*)(std::wstring_view);

template <class Enum>
std::int32_t read(std::wstring_view text) {
    return Enum(text).value;
}

template <class Enum>
std::uint8_t flag_after_reading(std::wstring_view text) {
    return Enum(text).null_flag;
}

// The values in the order a table sort by `less` leaves them.
template <class Enum>
std::vector<std::int32_t> sorted_by_less(const std::vector<std::int32_t>& values) {
    std::vector<Enum> items(values.begin(), values.end());
    std::stable_sort(items.begin(), items.end(), [](const Enum& a, const Enum& b) { return a.less(b); });
    std::vector<std::int32_t> order;
    for (const auto& item : items) order.push_back(item.value);
    return order;
}

template <class Enum>
std::vector<std::wstring> texts_sorted_by_less(const std::vector<std::int32_t>& values) {
    std::vector<std::wstring> texts;
    for (const std::int32_t value : sorted_by_less<Enum>(values)) texts.push_back(Enum(value).to_string());
    return texts;
}

TEST_F(EnumValues, ReadCodesAndEnglishTexts) {
    struct Case { const char* why; TextReader read; const wchar_t* text; std::int32_t value; } const cases[] = {
        {"status code", read<s_activity_status>, L"TK_Complete", 0},
        {"status text", read<s_activity_status>, L"Completed", 0},
        {"duration type with ampersand", read<s_duration_type>, L"Fixed Duration & Units", 3},
        {"fifth price text", read<s_rate_type>, L"Price / Unit5", 4},
        {"green code", read<s_custom_indicator>, L"UDF_G3", 1}, {"blue colour", read<s_custom_indicator>, L"Blue", 4},
        {"proficiency by its digit", read<s_proficiency_level>, L"5", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.read(c.text), c.value);
    }
}

TEST_F(EnumValues, UnmatchedTextsGiveTheDefault) {
    struct Case { const char* why; TextReader read; const wchar_t* text; std::int32_t value; } const cases[] = {
        {"lower-case status text", read<s_activity_status>, L"completed", 2},
        {"leading space", read<s_activity_status>, L" TK_Active", 2},
        {"lower-case words", read<s_duration_type>, L"Fixed duration & units", 3},
        {"empty constraint", read<s_constraint_type>, L"", 0},
        {"project code not in the table", read<s_project_status>, L"WS_Template", 5},
        {"sixth price", read<s_rate_type>, L"COST_PER_QTY6", 0},
        {"calendar caption that is the default", read<s_calendar_type>, L"Resource", 0},
        {"lower-case colour", read<s_custom_indicator>, L"green", 0},
        {"proficiency caption", read<s_proficiency_level>, L"1 - Master", 2},
        {"proficiency above the digits", read<s_proficiency_level>, L"6", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.read(c.text), c.value);
    }
}

TEST_F(EnumValues, ShowCaptionsInTheChosenLanguage) {
    struct Case { const char* why; s_val_ptr value; const wchar_t* english; const wchar_t* french; } const cases[] = {
        {"status", s_activity_status(0).clone(), L"Completed", L"Terminé"},
        {"project what-if", s_project_status(4).clone(), L"What-if", L"Simulation"},
        {"project status without caption", s_project_status(5).clone(), L"", L""},
        {"third price appends its digit", s_rate_type(2).clone(), L"Price / Unit3", L"Prix / unité3"},
        {"first price has no digit", s_rate_type(0).clone(), L"Price / Unit", L"Prix / unité"},
        {"indicator shows its code", s_custom_indicator(1).clone(), L"UDF_G3", L"UDF_G3"},
        {"proficiency", s_proficiency_level(4).clone(), L"5 - Inexperienced", L"5 - Inexpérimenté"},
        {"unmatched proficiency", s_proficiency_level(std::wstring_view{L"6"}).clone(), L"3 - Skilled",
         L"3 - Qualifié"},
        {"review status has no text", s_review_status(1).clone(), L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.value->to_string(), c.english);
    }
    // The same values follow a change of language: captions are looked up at each display.
    UseLanguage(L"FRA");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.value->to_string(), c.french);
    }
}

TEST_F(EnumValues, WithoutCaptionsOnlyCodesAndDigitsShow) {
    CaptionCatalog::Instance().Reset();  // no language loaded
    EXPECT_EQ(s_activity_status(1).to_string(), L"");
    EXPECT_EQ(s_custom_indicator(2).to_string(), L"UDF_G1");
    EXPECT_EQ(s_rate_type(3).to_string(), L"4");
}

TEST_F(EnumValues, SortAscendingByRankOrValue) {
    struct Case { const char* why; std::vector<std::int32_t> sorted; std::vector<std::int32_t> expected; };
    const Case cases[] = {
        {"activity types: Finish Milestone first, WBS Summary last",
         sorted_by_less<s_activity_type>({5, 4, 3, 2, 1, 0}), {4, 2, 1, 3, 0, 5}},
        {"duration types: ampersand before 'and'", sorted_by_less<s_duration_type>({3, 2, 1, 0}), {3, 1, 2, 0}},
        {"constraints: none last", sorted_by_less<s_constraint_type>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
         {1, 6, 8, 7, 9, 5, 2, 4, 3, 0}},
        {"indicators: Blue, Green, Red, Yellow, none", sorted_by_less<s_custom_indicator>({0, 1, 2, 3, 4}),
         {4, 1, 2, 3, 0}},
        {"relationships by value", sorted_by_less<s_relationship_type>({3, 1, 2, 0}), {0, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.sorted, c.expected);
    }
}

TEST_F(EnumValues, ValuesOutsideTheListShowEmptyAndSortAsRankZero) {
    EXPECT_EQ(s_activity_type(9).to_string(), L"");
    EXPECT_EQ(s_rate_type(5).to_string(), L"");
    EXPECT_EQ(s_custom_indicator(-1).to_string(), L"");
    // Rank 0 of activity types is Finish Milestone (4).
    EXPECT_TRUE(s_activity_type(9).less(s_activity_type(2)));
    EXPECT_FALSE(s_activity_type(9).less(s_activity_type(4)));
    EXPECT_FALSE(s_activity_type(4).less(s_activity_type(9)));
    EXPECT_TRUE(s_activity_type(9).less_equal(s_activity_type(4)));
    EXPECT_FALSE(s_activity_type(9).equal(s_activity_type(4))) << "equality reads the values";
    // Rank 0 of indicators is Blue (4).
    EXPECT_TRUE(s_custom_indicator(7).less(s_custom_indicator(1)));
}

TEST_F(EnumValues, ComparisonsWithoutTheirOwnBodyAnswerFalse) {
    struct Case { const char* why; bool got; bool expected; } const cases[] = {
        {"status has no less_equal", s_activity_status(0).less_equal(s_activity_status(1)), false},
        {"duration type has no less_equal", s_duration_type(3).less_equal(s_duration_type(0)), false},
        {"indicator has no greater_equal", s_custom_indicator(1).greater_equal(s_custom_indicator(4)), false},
        {"resource type has no not_equal", s_resource_type(0).not_equal(s_resource_type(1)), false},
        {"relationship has no not_equal", s_relationship_type(0).not_equal(s_relationship_type(3)), false},
        // Their sister cells do answer.
        {"status not_equal", s_activity_status(0).not_equal(s_activity_status(1)), true},
        {"review status less", s_review_status(1).less(s_review_status(2)), true},
        {"Task Dependent is not <= Finish Milestone", s_activity_type(0).less_equal(s_activity_type(4)), false},
        {"Finish Milestone <= Task Dependent", s_activity_type(4).less_equal(s_activity_type(0)), true},
        {"activity type greater_equal by rank", s_activity_type(5).greater_equal(s_activity_type(0)), true},
        {"scope not_equal", s_activity_code_type_scope(0).not_equal(s_activity_code_type_scope(2)), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.got, c.expected);
    }
}

TEST_F(EnumValues, OtherClassesAndTheNullValueCompareFalse) {
    const auto any_true = [](const s_val& a, const s_val& b) {
        return a.less(b) || a.less_equal(b) || a.greater(b) || a.greater_equal(b) || a.equal(b) ||
               a.not_equal(b);
    };
    struct Case { const char* why; bool any; } const cases[] = {
        {"status against the null value", any_true(s_activity_status(1), s_val::null_value())},
        {"same integer, another class", any_true(s_activity_status(1), s_leveling_priority(1))},
        {"two fully compared classes", any_true(s_calendar_type(0), s_activity_code_type_scope(0))},
        {"ranked class against the null value", any_true(s_activity_type(0), s_val::null_value())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_FALSE(c.any);
    }
}

}  // namespace
}  // namespace varnholt
