// Decoding of file text: UTF-8 when the whole file is UTF-8 (or carries a byte-order mark),
// Windows-1252 otherwise, decided once per file.

#include "import/text_decoding.h"
#include "tests/import/xer_test_support.h"

#include "model/records/TaskRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace varnholt {
namespace {

using testing_support::ReadXer;
using testing_support::ReaderDocument;
using testing_support::WithHeader;

TEST(TextDecoding, RecognisesValidUtf8) {
    struct Case { const char* why; std::string_view bytes; bool valid; };
    const Case cases[] = {
        {"empty", "", true},
        {"ASCII", "plain text\t%R", true},
        {"two-byte e acute", "Caf\xC3\xA9", true},
        {"three-byte euro sign", "\xE2\x82\xAC", true},
        {"four-byte emoji", "\xF0\x9F\x99\x82", true},
        {"lone Windows-1252 e acute", "Caf\xE9", false},
        {"Windows-1252 quotes", "\x93quoted\x94", false},
        {"continuation byte alone", "\x80", false},
        {"sequence cut at the end", "\xE2\x82", false},
        {"overlong slash", "\xC0\xAF", false},
        {"surrogate half", "\xED\xA0\x80", false},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(is_valid_utf8(c.bytes), c.valid);
    }
}

TEST(TextDecoding, WindowsCodePageMapsEveryByte) {
    struct Case { const char* why; unsigned char byte; wchar_t expected; };
    const Case cases[] = {
        {"ASCII stays", 'A', L'A'},
        {"euro sign", 0x80, 0x20AC},
        {"left double quotation mark", 0x93, 0x201C},
        {"right double quotation mark", 0x94, 0x201D},
        {"en dash", 0x96, 0x2013},
        {"undefined byte keeps its code", 0x81, 0x0081},
        {"non-breaking space", 0xA0, 0x00A0},
        {"e acute as in ISO 8859-1", 0xE9, 0x00E9},
        {"last byte", 0xFF, 0x00FF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(windows_1252_char(c.byte), c.expected);
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

TEST(TextDecoding, DecodesTheHeaderLikeTheRest) {
    ReaderDocument doc;
    ASSERT_TRUE(ReadXer(doc, "\xEF\xBB\xBF" "ERMHDR\t8.0\t2020-01-01 00:00\tx\ty\tz\ta\tb\t\xE2\x82\xAC\n").doc);
    EXPECT_EQ(doc.GetXerVersion().text, L"8.0") << "the byte-order mark is not part of the header";
    EXPECT_EQ(doc.GetHeaderField7().text, L"\u20AC");
}

}  // namespace
}  // namespace varnholt
