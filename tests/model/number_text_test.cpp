// Number reading and writing: leading numbers, saturation and day numbers, whatever the locale.

#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace varnholt {
namespace {

TEST(NumberText, ReadsTheLeadingNumberOfATextOrZero) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case { const char* why; std::wstring text; double expected; } const cases[] = {
        {"trailing unit ignored", L"12.5h", 12.5}, {"leading space and sign", L"  -3.25", -3.25},
        {"negative exponent", L"25E-1", 2.5}, {"exponent without digits stops before the e", L"3e", 3.0},
        {"fraction only", L".5", 0.5}, {"no number at all", L"abc", 0.0}, {"lone point", L".", 0.0},
        {"space after sign", L"- 5", 0.0}, {"decimal comma is not a decimal point", L"2,75", 2.0},
        {"beyond the largest double reads as infinity, as strtod does", L"1e400", inf},
        {"overflow in digits alone", L"1" + std::wstring(400, L'0'), inf},
        {"a small mantissa with a large exponent", L"0.0001e320", inf}, {"underflow", L"1e-400", 0.0},
        {"underflow in digits alone", L"0." + std::wstring(400, L'0') + L"1", 0.0},
        {"a large mantissa with a tiny exponent", L"12345e-330", 0.0},
        {"infinity is not a number here", L"inf", 0.0}, {"hex is not read", L"0x10", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(number_from_text(c.text), c.expected);
    }
}

TEST(NumberText, IntegersSaturateAtThe32BitLimits) {
    struct Case { const char* why; const wchar_t* text; std::int32_t expected; } const cases[] = {
        {"leading space", L"  -12", -12}, {"no digits", L"abc", 0}, {"fraction cut", L"7.9", 7},
        {"largest", L"2147483647", 2147483647}, {"one past largest", L"2147483648", 2147483647},
        {"smallest", L"-2147483648", -2147483647 - 1}, {"one below smallest", L"-2147483649", -2147483647 - 1},
        {"far below", L"-99999999999999999999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(int_from_text(c.text), c.expected);
    }
}

TEST(NumberText, SpreadsheetDayNumbersBecomeSecondsSince1970) {
    EXPECT_EQ(ole_date_to_seconds(25569.0), 0);
    EXPECT_EQ(ole_date_to_seconds(25570.5), 129600);
    EXPECT_EQ(ole_date_to_seconds(std::nan("")), 0);
    EXPECT_EQ(ole_date_to_seconds(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(ole_date_to_seconds(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int64_t>::max());
}

TEST(NumberText, WritesWithAPointAndNoGrouping) {
    EXPECT_EQ(format_fixed(1234.5, 2), L"1234.50");
    EXPECT_EQ(format_general(1234567.0, 6), L"1.23457e+06");
    EXPECT_EQ(truncate_to_int32(-7.9), -7);
    EXPECT_EQ(truncate_to_int32(1e12), 2147483647);
    EXPECT_EQ(truncate_to_int32(std::nan("")), 0);
}

}  // namespace
}  // namespace varnholt
