// Scalar values: parsing file text, display texts under the formats, comparisons and clones.

#include "caption_language.h"
#include "model/number_formats.h"
#include "model/s_bool.h"
#include "model/s_doubles.h"
#include "model/s_integers.h"
#include "model/s_string.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varnholt {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

using ScalarValues = CaptionLanguageTest;

TEST_F(ScalarValues, FlagsAreYesOnlyForACapitalY) {
    struct Case { const wchar_t* text; bool yes; };
    const Case cases[] = {{L"Y", true}, {L"y", false}, {L"Yes", false}, {L"", false}, {L"N", false}, {L" Y", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        const s_bool value(std::wstring_view{c.text});
        EXPECT_EQ(value.as_bool(), c.yes);
        EXPECT_EQ(value.to_string(), c.yes ? L"Yes" : L"No");
        EXPECT_EQ(value.null_flag, 0);
    }

    UseLanguage(L"FRA");
    EXPECT_EQ(s_bool(true).to_string(), L"Oui");
    EXPECT_TRUE(s_bool(false).less(s_bool(true)));
}

TEST_F(ScalarValues, IntegersParseAndShowWithoutGrouping) {
    struct Case { const wchar_t* text; const wchar_t* shown; };
    const Case cases[] = {{L"1234567", L"1234567"}, {L"2147483648", L"2147483647"}, {L"-2147483649", L"-2147483648"},
                          {L"12abc", L"12"}, {L"", L"0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(s_int(std::wstring_view{c.text}).to_string(), c.shown);
    }
    s_int blank(5);
    blank.blank = 1;
    EXPECT_EQ(blank.to_string(), L"");
    EXPECT_EQ(blank.as_int(), 5);
}

TEST_F(ScalarValues, UnsignedKeysKeepTheSignedBitPattern) {
    struct Case { const char* why; const wchar_t* text; std::uint32_t value; const wchar_t* shown; } const cases[] = {
        {"minus one wraps", L"-1", 4294967295u, L"4294967295"},
        {"above the signed range saturates", L"3000000000", 2147483647u, L"2147483647"},
        {"trailing text", L"12abc", 12u, L"12"}, {"empty", L"", 0u, L"0"},
        {"signed minimum", L"-2147483648", 2147483648u, L"2147483648"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const s_unsigned_long key{std::wstring_view{c.text}};
        EXPECT_EQ(key.value, c.value);
        EXPECT_EQ(key.to_string(), c.shown);
    }
    // Keys order as unsigned numbers: the wrapped -1 is the largest.
    EXPECT_TRUE(s_unsigned_long(7u).less(s_unsigned_long(std::wstring_view{L"-1"})));
}

TEST_F(ScalarValues, DoublesShowTwoDecimals) {
    struct Case { const wchar_t* text; const wchar_t* shown; };
    const Case cases[] = {{L"", L"0.00"}, {L"1e3", L"1000.00"}, {L"3.14159", L"3.14"}, {L"12.5h", L"12.50"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(s_double(std::wstring_view{c.text}).to_string(), c.shown);
    }
    EXPECT_EQ(s_double(kNaN).to_string(), L"");
    s_double blank(1.0);
    blank.blank = 1;
    EXPECT_EQ(blank.to_string(), L"");
    EXPECT_EQ(s_double(-7.9).as_int(), -7);
    EXPECT_EQ(s_double(1e20).as_int(), 2147483647);
}

TEST_F(ScalarValues, PercentagesRoundHalvesUpAtEachSetting) {
    struct Case { std::int32_t decimals; double value; const wchar_t* shown; } const cases[] = {
        {1, 12.5, L"13%"},   {1, 99.5, L"100%"}, {1, -12.5, L"-12%"}, {2, 12.25, L"12.3%"}, {2, 40.0, L"40%"},
        {3, 12.125, L"12.13%"}, {3, 50.5, L"50.5%"}, {0, 12.5, L"13%"}, {9, 12.25, L"12%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "decimals " << c.decimals << ", value " << c.value);
        value_formats().percent_decimals = c.decimals;
        EXPECT_EQ(s_percent(c.value).to_string(), c.shown);
    }
    EXPECT_EQ(s_percent(kNaN).to_string(), L"");
}

TEST_F(ScalarValues, CostsFollowTheCostNumberFormat) {
    struct Case { double value; const wchar_t* shown; } const defaults[] = {
        {-3.456, L"($3.46)"}, {-0.001, L"($0.00)"}, {1234567.891, L"$1,234,567.89"}, {999.996, L"$1,000.00"},
        {1e20, L"$100,000,000,000,000,000,000.00"},
    };
    for (const auto& c : defaults) {
        SCOPED_TRACE(testing::Message() << "value " << c.value);
        EXPECT_EQ(s_cost(c.value).to_string(), c.shown);
    }
    EXPECT_EQ(s_cost(-std::numeric_limits<double>::infinity()).to_string(), L"");

    value_formats().cost_number_format = {L",", L".", L"€ "};
    EXPECT_EQ(s_cost(1234567.891).to_string(), L"€ 1.234.567,89");
    value_formats().cost_number_format = {L".", L"", L""};
    EXPECT_EQ(s_cost(1234567.0).to_string(), L"1234567.00");
}

TEST_F(ScalarValues, CostsAreEqualWithinNineThousandths) {
    EXPECT_TRUE(s_cost(10.000).equal(s_cost(10.005)));
    EXPECT_TRUE(s_cost(10.00).not_equal(s_cost(10.01)));
    // Exactly 0.009 apart: neither equal nor not_equal.
    EXPECT_FALSE(s_cost(0.0).equal(s_cost(0.009)));
    EXPECT_FALSE(s_cost(0.0).not_equal(s_cost(0.009)));
    // Order stays exact.
    EXPECT_TRUE(s_cost(10.000).less(s_cost(10.005)));
}

TEST_F(ScalarValues, NotANumberComparesUnequalToEverything) {
    const s_double nan(kNaN), one(1.0);
    for (const s_double* a : {&nan, &one}) {
        const s_double& b = (a == &nan) ? one : nan;
        EXPECT_FALSE(a->less(b));
        EXPECT_FALSE(a->less_equal(b));
        EXPECT_FALSE(a->greater(b));
        EXPECT_FALSE(a->greater_equal(b));
        EXPECT_FALSE(a->equal(b));
        EXPECT_TRUE(a->not_equal(b));
    }
    EXPECT_TRUE(s_percent(kNaN).not_equal(s_percent(kNaN)));
    EXPECT_FALSE(s_cost(kNaN).equal(s_cost(1.0)));
    EXPECT_FALSE(s_cost(kNaN).not_equal(s_cost(1.0)));
}

TEST_F(ScalarValues, ComparisonsWithAnotherKindOfValueAreFalse) {
    const s_int three(3);
    const s_double three_d(3.0);
    const s_val& null = s_val::null_value();
    for (const s_val* other : {static_cast<const s_val*>(&three_d), &null}) {
        EXPECT_FALSE(three.less(*other));
        EXPECT_FALSE(three.equal(*other));
        EXPECT_FALSE(three.not_equal(*other));
        EXPECT_FALSE(three.greater_equal(*other));
    }
    EXPECT_TRUE(s_int(-1).less(s_int(0)));
}

}  // namespace
}  // namespace varnholt
