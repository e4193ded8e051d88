// Decoding of file text: UTF-8 when the whole file is UTF-8 (or carries a byte-order mark),
// Windows-1252 otherwise, decided once per file.

#include "import/text_decoding.h"
#include "tests/import/xer_test_support.h"

#include "model/records/TaskRecord.h"
#include "model/text_utils.h"

#include <gtest/gtest.h>

#include <string>

namespace varnholt {
namespace {

using testing_support::ReadXer;
using testing_support::ReaderDocument;
using testing_support::WithHeader;

// Byte by byte: whether the bytes are valid UTF-8, and what widen_string makes of them (UTF-8
// where valid, else each byte as Windows-1252).
TEST(TextDecoding, ByteLevelTable) {
    struct Case { const char* why; std::string_view bytes; bool utf8; std::wstring_view text; } const cases[] = {
        {"empty", "", true, L""}, {"ASCII", "plain text\t%R", true, L"plain text\t%R"},
        {"two-byte e acute", "Caf\xC3\xA9", true, L"Caf\u00E9"},
        {"three-byte euro sign", "\xE2\x82\xAC" "5", true, L"\u20AC" "5"},
        {"four-byte emoji", "\xF0\x9F\x98\x80", true, L"\U0001F600"},
        {"embedded NUL kept", std::string_view("a\0b", 3), true, std::wstring_view(L"a\0b", 3)},
        {"lone Windows-1252 e acute", "Caf\xE9", false, L"Caf\u00E9"},
        {"Windows-1252 euro and quotes", "\x80\x93q\x94", false, L"\u20AC\u201Cq\u201D"},
        {"undefined Windows-1252 byte keeps its code", "\x81", false, L"\x81"},
        {"sequence cut at the end", "\xE2\x82", false, L"\u00E2\u201A"},
        {"overlong slash", "\xC0\xAF", false, L"\u00C0\u00AF"},
        {"surrogate half", "\xED\xA0\x80", false, L"\u00ED\u00A0\u20AC"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", false, L"\u00F4\u0090\u20AC\u20AC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(is_valid_utf8(c.bytes), c.utf8);
        EXPECT_EQ(widen_string(c.bytes), c.text);
    }
}

// What a task name written as these bytes reads as, within a file of these bytes only.
std::wstring NameReadFrom(std::string_view prefix, std::string_view name_bytes) {
    ReaderDocument doc;
    const std::string text =
        std::string(prefix) + WithHeader({"%T\tTASK", "%F\ttask_name", "%R\t" + std::string(name_bytes)});
    const auto result = ReadXer(doc, text);
    if (!result.doc || doc.Tasks().empty()) return L"<refused>";
    return doc.Tasks()[0]->task_name.text;
}

TEST(TextDecoding, DecidesOncePerFile) {
    struct Case { const char* why; std::string_view prefix; std::string_view bytes; std::wstring expected; };
    const Case cases[] = {
        {"UTF-8 file", "", "Caf\xC3\xA9 \xE2\x82\xAC", L"Caf\u00E9 \u20AC"},
        {"UTF-8 file with byte-order mark", kUtf8ByteOrderMark, "Caf\xC3\xA9", L"Caf\u00E9"},
        {"Windows-1252 file", "", "Caf\xE9 \x80 \x93q\x94", L"Caf\u00E9 \u20AC \u201Cq\u201D"},
        {"one stray byte makes the whole file Windows-1252", "", "\xC3\xA9 and \xE9",
         L"\u00C3\u00A9 and \u00E9"},
        {"after a byte-order mark a stray byte alone is Windows-1252", kUtf8ByteOrderMark,
         "\xC3\xA9 and \xE9", L"\u00E9 and \u00E9"},
        {"ASCII reads the same either way", "", "Plain", L"Plain"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(NameReadFrom(c.prefix, c.bytes), c.expected);
    }
}

TEST(TextDecoding, TheHeaderDecodesLikeTheRest) {
    ReaderDocument doc;
    ASSERT_TRUE(ReadXer(doc, "\xEF\xBB\xBF" "ERMHDR\t8.0\t2020-01-01 00:00\tx\ty\tz\ta\tb\t\xE2\x82\xAC\n").doc);
    EXPECT_EQ(doc.GetXerVersion().text, L"8.0") << "the byte-order mark is not part of the header";
    EXPECT_EQ(doc.GetHeaderField7().text, L"\u20AC");
}

}  // namespace
}  // namespace varnholt
