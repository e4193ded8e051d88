// Text values: quotation marks from file text, assignment, order and case-free matching.

#include "model/s_integers.h"
#include "model/s_string.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace varnholt {
namespace {

TEST(StringValues, FileTextLosesOneOfEachPairOfQuotationMarks) {
    struct Case { const char* why; const wchar_t* file_text; const wchar_t* held; } const cases[] = {
        {"doubled mark", L"12\"\" pipe", L"12\" pipe"}, {"lone mark kept", L"say \"hi", L"say \"hi"},
        {"three marks become two", L"\"\"\"", L"\"\""}, {"empty", L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const s_string value{std::wstring_view{c.file_text}};
        EXPECT_EQ(value.text, c.held);
        EXPECT_EQ(value.null_flag, 0);
    }
    EXPECT_EQ(s_string(std::string_view("6\"\" caf\xc3\xa9")).text, L"6\" café");
}

TEST(StringValues, ReplaceAllContinuesAfterEachReplacement) {
    s_string value{std::wstring_view{L"a.b.c"}};
    value.replace_all(L".", L"..");
    EXPECT_EQ(value.text, L"a..b..c");
    value.replace_all(L"", L"x");
    EXPECT_EQ(value.text, L"a..b..c");
    value.replace_all(L"..", L"");
    EXPECT_EQ(value.text, L"abc");
}

TEST(StringValues, SortAscendingPutsUpperCaseFirstAndEmptyTextLast) {
    std::vector<s_string> values;
    for (const wchar_t* text : {L"b", L"", L"a", L"B", L"ab", L""}) values.emplace_back(std::wstring_view{text});
    std::stable_sort(values.begin(), values.end(),
                     [](const s_string& x, const s_string& y) { return x.less(y); });
    std::vector<std::wstring> order;
    for (const auto& v : values) order.push_back(v.text);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"B", L"a", L"ab", L"b", L"", L""}));

    const s_string empty, a{std::wstring_view{L"a"}};
    EXPECT_TRUE(empty.greater(a));
    EXPECT_FALSE(empty.less(empty));
}

TEST(StringValues, CodeUnitOrderPlacesSupplementaryCharactersBeforePrivateUse) {
    // In UTF-16 U+1F600 is D83D DE00 and sorts before U+E000.
    const s_string emoji{std::wstring_view{L"\U0001F600"}}, private_use{std::wstring_view{L"\uE000"}};
    EXPECT_TRUE(emoji.less(private_use));
}

TEST(StringValues, TextMatchMatrix) {
    const s_string review{std::wstring_view{L"Design Review"}};
    struct Case { const wchar_t* other; bool contains, equals, starts, ends; } const cases[] = {
        {L"REVIEW", true, false, false, true}, {L"design", true, false, true, false},
        {L"design review", true, true, true, true}, {L"", true, false, false, false},
        {L"Design Review and more", false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.other)));
        const s_string other{std::wstring_view{c.other}};
        EXPECT_EQ(review.contains(other), c.contains);
        EXPECT_EQ(review.equals_no_case(other), c.equals);
        EXPECT_EQ(review.starts_with(other), c.starts);
        EXPECT_EQ(review.ends_with(other), c.ends);
    }

    const s_val& null = s_val::null_value();
    EXPECT_FALSE(review.contains(null));
    // The null value's display text is empty, yet it matches nothing, not even an empty text.
    EXPECT_FALSE(s_string().equals_no_case(null));

    // Any value matches through its display text.
    EXPECT_TRUE(s_string(std::wstring_view{L"A1200"}).ends_with(s_int(200)));
    // Case folding covers Latin-1 letters and is the same under every locale.
    EXPECT_TRUE(s_string(std::wstring_view{L"ÉCOLE"}).equals_no_case(s_string(std::wstring_view{L"école"})));
    // Values that are not text keep the base answers.
    EXPECT_FALSE(s_int(200).contains(s_string(std::wstring_view{L"200"})));
}

}  // namespace
}  // namespace varnholt
