// filter_compare_test.cpp - every operator of both comparison forms: durations and quantities
// as hours against a scaled argument, every other value through its own order and text match.

#include "layouts/filter_compare.h"
#include "layouts/filter_operator.h"
#include "model/records/CalendarRecord.h"
#include "model/s_dur.h"
#include "model/s_integers.h"
#include "model/s_string.h"
#include "model/s_unit.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <span>

namespace varnholt::view {
namespace {

using Op = FilterOperator;
constexpr std::int32_t Code(Op op) { return OperatorCode(op); }

// Hours; nullopt for a blank value or argument.
struct ScaledCase { const char* why; Op op; std::optional<double> value, low, high; bool expected; };

// Every operator on numbers, in both forms: `scaled` for durations and quantities, `typed` for
// every other value (here whole numbers).
struct OperatorCase { const char* why; Op op; double value, low; std::optional<double> high; bool scaled, typed; };
const OperatorCase kOperatorCases[] = {
    {"= equal", Op::equal, 5, 5, {}, true, true}, {"= unequal", Op::equal, 5, 6, {}, false, false},
    {"<> equal", Op::not_equal, 5, 5, {}, false, false}, {"> same", Op::greater, 5, 5, {}, false, false},
    {">= same", Op::greater_equal, 5, 5, {}, true, true}, {">= below", Op::greater_equal, 4, 5, {}, false, false},
    {"< same", Op::less, 5, 5, {}, false, false}, {"<= same", Op::less_equal, 5, 5, {}, true, true},
    {"between at the upper bound", Op::between, 10, 5, 10, true, true},
    {"between just above", Op::between, 11, 5, 10, false, false},
    {"between, lower bound only, at it", Op::between, 5, 5, {}, true, true},
    {"notbetween at the lower bound", Op::notbetween, 5, 5, 10, false, false},
    {"notbetween just above", Op::notbetween, 11, 5, 10, true, true},
    {"notbetween, lower bound only, below it", Op::notbetween, 4, 5, {}, true, true},
    {"contains is for texts", Op::contains, 5, 5, {}, false, false},
    {"notcontains: no hours, but a number's text", Op::notcontains, 5, 5, {}, false, true},
    {"an operator number outside the thirteen", static_cast<Op>(13), 5, 6, {}, false, true},
};

s_dur Duration(std::optional<double> hours) { return hours ? s_dur(*hours) : s_dur(); }
s_unit Quantity(std::optional<double> hours) { return hours ? s_unit(*hours, s_unit::kQuantity) : s_unit(); }

template <class MakeValue>
void ExpectScaled(std::span<const ScaledCase> cases, scaled_form form, MakeValue make) {
    for (const ScaledCase& c : cases) {
        SCOPED_TRACE(c.why);
        const auto argument = c.high ? FilterArgument::MakeRange(make(c.low), make(c.high))
                                     : FilterArgument::MakeSingle(make(c.low));
        EXPECT_EQ(ScaledCompare(Code(c.op), form, make(c.value), *argument, nullptr), c.expected);
    }
}

TEST(FilterComparison, EveryOperatorInBothForms) {
    for (const OperatorCase& c : kOperatorCases) {
        SCOPED_TRACE(c.why);
        const auto make_argument = [&c](auto make) {
            return c.high ? FilterArgument::MakeRange(make(c.low), make(*c.high)) : FilterArgument::MakeSingle(make(c.low));
        };
        const auto duration = [](double hours) { return s_dur(hours); };
        const auto quantity = [](double hours) { return s_unit(hours, s_unit::kQuantity); };
        const auto whole = [](double number) { return s_int(static_cast<std::int32_t>(number)); };
        EXPECT_EQ(ScaledCompare(Code(c.op), scaled_form::duration, s_dur(c.value), *make_argument(duration), nullptr),
                  c.scaled);
        EXPECT_EQ(ScaledCompare(Code(c.op), scaled_form::quantity, quantity(c.value), *make_argument(quantity), nullptr),
                  c.scaled);
        EXPECT_EQ(TypedCompare(Code(c.op), whole(c.value), make_argument(whole).get()), c.typed);
    }
}

TEST(ScaledComparison, BlankDurationsAndQuantities) {
    const ScaledCase blank_cases[] = {
        // A duration only compares with an argument that is blank exactly when it is.
        {"= blank against 0", Op::equal, {}, 0, {}, false},
        {"= blank against blank", Op::equal, {}, {}, {}, true},
        {"<> blank against 0", Op::not_equal, {}, 0, {}, true},
        {"> blank against -1", Op::greater, {}, -1, {}, false},
        {">= blank against 0", Op::greater_equal, {}, 0, {}, false},
        {"< blank against 0 (blank total float is not negative)", Op::less, {}, 0, {}, false},
        {"<= value against blank", Op::less_equal, 0, {}, {}, false},
        {"between ignores blankness", Op::between, {}, 0, 10, true},
    };
    ExpectScaled(blank_cases, scaled_form::duration, Duration);
    const ScaledCase blank_quantities[] = {
        // A quantity compares its number whether or not it is blank (a blank one reads 0).
        {"= blank against 0", Op::equal, {}, 0, {}, true},
        {"<> blank against 0", Op::not_equal, {}, 0, {}, false},
        {"> blank against -1", Op::greater, {}, -1, {}, true},
        {"< blank against 0", Op::less, {}, 0, {}, false},
    };
    ExpectScaled(blank_quantities, scaled_form::quantity, Quantity);
}

TEST(ScaledComparison, ArgumentUnitsScaleByTheCalendar) {
    CalendarRecord calendar;
    calendar.day_hr_cnt = s_double(8);
    calendar.year_hr_cnt = s_double(2000);
    struct Case { const char* why; std::int32_t unit; const CalendarRecord* calendar; double hours_per_unit; };
    const Case cases[] = {
        {"days", 1, &calendar, 8},  {"years", 4, &calendar, 2000}, {"unknown unit code", 5, &calendar, 1},
        {"negative unit code", -1, &calendar, 1}, {"days without a calendar", 1, nullptr, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(HoursPerUnit(c.calendar, c.unit), c.hours_per_unit);
        // 2 units in both bounds: exactly 2 × hours per unit matches "=", and lies inside the range.
        auto argument = FilterArgument::MakeRange(s_dur(2), s_dur(2));
        argument->low_unit = argument->high_unit = c.unit;
        const s_dur value(2 * c.hours_per_unit);
        EXPECT_TRUE(ScaledCompare(Code(Op::equal), scaled_form::duration, value, *argument, c.calendar));
        EXPECT_TRUE(ScaledCompare(Code(Op::between), scaled_form::quantity, value, *argument, c.calendar));
    }
}

TEST(ScaledComparison, BoundsScaleByTheirOwnUnits) {
    CalendarRecord calendar;
    calendar.day_hr_cnt = s_double(8);
    calendar.week_hr_cnt = s_double(40);
    // Between 1 day and 1 week: 8 to 40 hours.
    auto argument = FilterArgument::MakeRange(s_dur(1), s_dur(1));
    argument->low_unit = 1;
    argument->high_unit = 2;
    EXPECT_TRUE(ScaledCompare(Code(Op::between), scaled_form::duration, s_dur(8), *argument, &calendar));
    EXPECT_TRUE(ScaledCompare(Code(Op::between), scaled_form::duration, s_dur(40), *argument, &calendar));
    EXPECT_FALSE(ScaledCompare(Code(Op::between), scaled_form::duration, s_dur(41), *argument, &calendar));
    EXPECT_TRUE(ScaledCompare(Code(Op::notbetween), scaled_form::duration, s_dur(7.5), *argument, &calendar));
}

struct TypedCase { const char* why; Op op; bool expected; };

TEST(TypedComparison, TextOperatorsIgnoreCase) {
    const s_string value(L"ABCD");
    const struct { const char* why; Op op; const wchar_t* argument; bool expected; } text_cases[] = {
        {"contains bc", Op::contains, L"bc", true}, {"startswith bc", Op::startswith, L"bc", false},
        {"under bc is a prefix test", Op::under, L"bc", false}, {"under ab", Op::under, L"ab", true},
        {"= in another case", Op::equal, L"abcd", true}, {"= of another text", Op::equal, L"abc", false},
        {"<> in another case", Op::not_equal, L"abcd", false}, {"endswith cd", Op::endswith, L"cd", true},
        {"> a smaller text", Op::greater, L"ABCC", true}, {"<= a smaller text", Op::less_equal, L"ABCC", false},
    };
    for (const auto& c : text_cases) {
        SCOPED_TRACE(c.why);
        const auto text_argument = FilterArgument::MakeSingle(s_string(c.argument));
        EXPECT_EQ(TypedCompare(Code(c.op), value, text_argument.get()), c.expected);
    }
}

TEST(TypedComparison, MissingValueAndMissingArgument) {
    const s_val& missing = s_val::null_value();
    const auto argument = FilterArgument::MakeRange(s_int(5), s_int(10));
    const TypedCase missing_cases[] = {
        {"= a missing value", Op::equal, false},           {"<> a missing value", Op::not_equal, true},
        {"notcontains in a missing value", Op::notcontains, true},
        {"between a missing value", Op::between, false},    {"notbetween a missing value", Op::notbetween, true},
        {"< a missing value", Op::less, false},
    };
    for (const auto& c : missing_cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(TypedCompare(Code(c.op), missing, argument.get()), c.expected);
    }
    // A typed condition without an argument matches whatever the operator.
    for (std::int32_t op = 0; op <= 12; ++op) {
        SCOPED_TRACE(op);
        EXPECT_TRUE(TypedCompare(op, s_int(1), nullptr));
    }
}

}  // namespace
}  // namespace varnholt::view
