// The memo converter: each case in both modes, the state a conversion must not leave behind,
// and the fuzzers' seeds replayed.

#include "memo_text/HtmlToText.h"

#include "model/text_utils.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>

namespace varnholt {
namespace {

struct ConvertCase {
    const char* reason;
    std::wstring_view html;
    std::wstring_view kept;     // keep_line_breaks true
    std::wstring_view joined;   // keep_line_breaks false
};

void ExpectConversions(std::span<const ConvertCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        EXPECT_EQ(HtmlToText::Convert(c.html, true), c.kept);
        EXPECT_EQ(HtmlToText::Convert(c.html, false), c.joined);
    }
}

TEST(HtmlToText, ConvertsInBothModes) {
    const ConvertCase cases[] = {
        {"a paragraph ends its line", L"<p>word</p>", L"word\n", L"word "},
        {"three breaks leave one empty line", L"a<br><br><br>b", L"a\n\nb\n", L"a  b "},
        {"&nbsp; is deleted", L"a&nbsp;b", L"ab\n", L"ab "},
        {"only the opening div breaks", L"<div>a</div>b", L"ab\n", L"ab "},
        {"a stray < starts a tag", L"a<b c>d", L"ad\n", L"ad "},
        {"pre passes blanks and breaks", L"<pre>  a  b\r\n c</pre>", L"a  b\r\n c\n", L"a  b\r  c "},
        {"pre ends the line before it", L"x<pre>a</pre>", L"x\na\n", L"x a "},
        {"a break right after pre stays", L"<pre>\nx</pre>", L"\nx\n", L" x "},
        {"upper-case tags", L"A<BR>B<SCRIPT>x</SCRIPT>", L"A\nB\n", L"A B "},
        {"only the body is kept", L"head<BODY>in</Body>out", L"in\n", L"in "},
        {"blanks collapse, leading ones go", L"  a \t b", L"a b\n", L"a b "},
        {"DEL is removed", L"a\x7f" L"b", L"ab\n", L"ab "},
        {"a quoted value may hold >", L"<a href=\"x>y\">t</a>", L"t\n", L"t "},
        {"an open quote ends at a line break", L"<a title='x\ny>z", L"z\n", L"z "},
        {"an unclosed tag runs to the end", L"a<b", L"a\n", L"a "},
        {"&nbsp; removal does not rescan its joins", L"&nb&nbsp;sp;", L"&nbsp;\n", L"&nbsp; "},
    };
    ExpectConversions(cases);
}

TEST(HtmlToText, SkippedElementsEndAtTheirOwnClosingTag) {
    const ConvertCase cases[] = {
        {"inner tags are ignored", L"<object><param name=\"m\"></object>tail", L"tail\n", L"tail "},
        {"a < in script code", L"<script>if (a<b) f();</SCRIPT>after", L"after\n", L"after "},
        {"an unclosed element drops the rest", L"<style>x", L"", L""},
        {"a longer name is not the closing tag", L"<script>a</scripts>b</script >c", L"c\n", L"c "},
        {"the closing tag's attributes are read", L"<noscript>a</noscript x='>'>b", L"b\n", L"b "},
    };
    ExpectConversions(cases);
}

TEST(HtmlToText, AnUnclosedPreDoesNotReachTheNextConversion) {
    EXPECT_EQ(HtmlToText::Convert(L"<pre>a", true), L"a");
    EXPECT_EQ(HtmlToText::Convert(L"a  b", true), L"a b\n");
    EXPECT_EQ(HtmlToText::Convert(L"x&nbsp;y", false), L"xy ");
}

TEST(HtmlToText, AConversionLeftInsideABlockDoesNotChangeTheNext) {
    const std::wstring_view unfinished[] = {L"<pre>a", L"<PRE>  a\n<p>", L"<pre><body>x", L"<script>a"};
    const std::wstring_view next[] = {L"a  b\n\n\nc", L"<p>x</p>  y", L"</pre>a  b", L"  \r\n"};
    for (const std::wstring_view memo : next) {
        const std::wstring kept = HtmlToText::Convert(memo, true);
        const std::wstring joined = HtmlToText::Convert(memo, false);
        for (const std::wstring_view before : unfinished) {
            SCOPED_TRACE(narrow_string(std::wstring(before) + L" then " + std::wstring(memo)));
            (void)HtmlToText::Convert(before, true);
            EXPECT_EQ(HtmlToText::Convert(memo, true), kept);
            (void)HtmlToText::Convert(before, false);
            EXPECT_EQ(HtmlToText::Convert(memo, false), joined);
        }
    }
}

TEST(HtmlToText, ReplaceAllGoesOnAfterEachReplacement) {
    std::wstring text = L"aaa";
    ReplaceAll(text, L"a", L"aa");
    EXPECT_EQ(text, L"aaaaaa");
    ReplaceAll(text, L"", L"x");
    EXPECT_EQ(text, L"aaaaaa");
}

TEST(HtmlToText, SeedMemosConvert) {
    const auto folder = std::filesystem::path(VARNHOLT_TEST_DATA_DIR) / "fuzz" / "html";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const std::wstring html = widen_string(bytes);
        const std::wstring kept = HtmlToText::Convert(html, true);
        EXPECT_FALSE(kept.empty());
        EXPECT_EQ(HtmlToText::Convert(html, false).find(L'\n'), std::wstring::npos);
        ++count;
    }
    EXPECT_GE(count, 3);
}

}  // namespace
}  // namespace varnholt
