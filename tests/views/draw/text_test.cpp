// text_test.cpp - text through the drawing context: layout by format flags, ellipsis, wrapping,
// clipping, and font blocks. The recording backend advances size / 2 per character (7 px at
// size 14) and makes a line 14 px high.

#include "draw_support.h"

#include <gtest/gtest.h>

namespace varnholt::view {
namespace {

using Lines = std::vector<std::string>;

std::string TextLine(int x, int y, const char* clip, const char* text) {
    return "text " + std::to_string(x) + "," + std::to_string(y) + " clip " + clip + " ff000000 Calibri/14/400 \"" +
           text + "\"";
}

TEST(DrawContext, LaysTextOutByFormatFlags) {
    struct Case { const char* why; const wchar_t* text; std::uint32_t format; RectF rect; Lines expected; };
    const char* box = "0,0 100,20";
    const RectF rect{0, 0, 100, 20};
    const Case cases[] = {
        {"an ampersand is drawn as itself", L"&x", kTextSingleLine, rect, {TextLine(0, 0, box, "&x")}},
        {"centred", L"abcd", kTextCenter | kTextSingleLine, rect, {TextLine(36, 0, box, "abcd")}},
        {"vertically centred", L"abcd", kTextVCenter | kTextSingleLine, rect, {TextLine(0, 3, box, "abcd")}},
        {"bottom", L"abcd", kTextBottom | kTextSingleLine, rect, {TextLine(0, 6, box, "abcd")}},
        {"a single line turns line feeds into blanks", L"ab\ncd", kTextSingleLine, rect,
         {TextLine(0, 0, box, "ab cd")}},
        {"the ellipsis keeps the text inside: 4 letters and the dots are 49 of 50 px", L"abcdefghij",
         kTextSingleLine | kTextWordEllipsis, RectF{0, 0, 50, 20}, {TextLine(0, 0, "0,0 50,20", "abcd...")}},
        {"blanks before the ellipsis go", L"abc defghij", kTextSingleLine | kTextWordEllipsis,
         RectF{0, 0, 50, 20}, {TextLine(0, 0, "0,0 50,20", "abc...")}},
        {"only dots when no letter fits", L"abcdef", kTextSingleLine | kTextWordEllipsis, RectF{0, 0, 22, 20},
         {TextLine(0, 0, "0,0 22,20", "...")}},
        {"fewer dots in a narrower rectangle", L"abcdef", kTextSingleLine | kTextWordEllipsis,
         RectF{0, 0, 15, 20}, {TextLine(0, 0, "0,0 15,20", "..")}},
        {"word wrap at blanks", L"one two three", kTextWordBreak, RectF{0, 0, 60, 100},
         {TextLine(0, 0, "0,0 60,100", "one two"), TextLine(0, 14, "0,0 60,100", "three")}},
        {"an empty paragraph still takes its line", L"one\n\nthree", kTextWordBreak, RectF{0, 0, 100, 100},
         {TextLine(0, 0, "0,0 100,100", "one"), TextLine(0, 28, "0,0 100,100", "three")}},
        {"a word wider than the rectangle stands alone", L"a abcdefghij b", kTextWordBreak,
         RectF{0, 0, 30, 100},
         {TextLine(0, 0, "0,0 30,100", "a"), TextLine(0, 14, "0,0 30,100", "abcdefghij"),
          TextLine(0, 28, "0,0 30,100", "b")}},
        {"cut at the bottom: the partly visible second line stays, the third goes", L"a\nb\nc", kTextWordBreak,
         RectF{0, 0, 100, 20}, {TextLine(0, 0, box, "a"), TextLine(0, 14, box, "b")}},
        {"each wrapped line is centred on its own", L"ab abcdef", kTextWordBreak | kTextCenter,
         RectF{0, 0, 50, 100}, {TextLine(18, 0, "0,0 50,100", "ab"), TextLine(4, 14, "0,0 50,100", "abcdef")}},
        {"text is recorded in UTF-8", L"\u00e9\u20ac\U0001F600", kTextSingleLine, rect,
         {TextLine(0, 0, box, "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80")}},
        {"an empty rectangle draws nothing", L"abc", kTextSingleLine, RectF{0, 0, 0.5f, 20}, {}},
    };
    const auto style = TextStyle::New(L"Calibri", 14, Color::Black());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Recorded recorded;
        recorded.context.DrawText(*style, c.text, c.format, c.rect);
        EXPECT_EQ(recorded.Lines(), c.expected);
    }
}

TEST(TextStyle, FontBlockCutsLongFacesAndFollowsSizeAndBold) {
    auto style = TextStyle::New(std::wstring(40, L'x'), 14, Color::Black(), false, true, true, true);
    EXPECT_EQ(style->font_block.Face(), std::wstring(31, L'x')) << "the block holds 31 characters";
    style->SetSize(22);
    style->SetBold(true);
    EXPECT_EQ(style->font_block.weight, 700);
    Recorded recorded;
    recorded.context.DrawText(*style, L"a", 0, RectF{0, 0, 50, 30});
    EXPECT_EQ(recorded.Lines(), Lines{"text 0,0 clip 0,0 50,30 ff000000 " + std::string(31, 'x') + "/22/700/i/u/s \"a\""});
}

}  // namespace
}  // namespace varnholt::view
