// Text utilities: file bytes to wide text and back, case folding and leading names.

#include "model/leading_name.h"
#include "model/text_utils.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

TEST(TextUtils, NarrowsToUtf8) {
    EXPECT_EQ(narrow_string(L"café €5 \U0001F600"), "caf\xc3\xa9 \xe2\x82\xac" "5 \xf0\x9f\x98\x80");
    EXPECT_EQ(narrow_string(std::wstring(1, static_cast<wchar_t>(0xD800))), "?");
    EXPECT_EQ(widen_string(narrow_string(L"Ünïcödé ✓")), L"Ünïcödé ✓");
}

TEST(TextUtils, FoldsCaseTheSameWayEverywhere) {
    EXPECT_EQ(fold_case(std::wstring_view{L"AbZ-ÀÉÞ×ß"}), L"abz-àéþ×ß");
    EXPECT_TRUE(equals_no_case(L"TASK_CODE", L"task_code"));
    EXPECT_FALSE(equals_no_case(L"task", L"tasks"));
    EXPECT_EQ(fold_case(static_cast<wchar_t>(-5)), static_cast<wchar_t>(-5));
    EXPECT_EQ(fold_case(L'\U0001F600'), L'\U0001F600');
}

TEST(TextUtils, InsertsTextAtAClampedPosition) {
    std::wstring digits = L"1234";
    insert_text_at(digits, 1, L",");
    EXPECT_EQ(digits, L"1,234");
    insert_text_at(digits, 99, L".00");
    EXPECT_EQ(digits, L"1,234.00");
}

struct NamedBar {
    std::wstring name;
    int color = 0;
    const std::wstring& leading_name() const { return name; }
};

TEST(TextUtils, CopiesTheLeadingNameOfANameFirstRecord) {
    NamedBar bar{L"Critical", 3};
    std::wstring copy = CopyLeadingName(bar);
    copy += L"!";
    EXPECT_EQ(bar.name, L"Critical");
    EXPECT_EQ(copy, L"Critical!");
}

}  // namespace
}  // namespace varnholt
