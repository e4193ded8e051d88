// Decoding of file text: UTF-8 when the whole file is UTF-8; otherwise value by value, UTF-8
// where a value's bytes are, Windows-1252 for the rest.

#include "import/text_decoding.h"
#include "tests/import/xer_test_support.h"

#include "model/records/TaskRecord.h"
#include "model/text_utils.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

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

// The task names of a file whose rows carry these name bytes, after an optional prefix.
std::vector<std::wstring> NamesReadFrom(std::string_view prefix, std::initializer_list<std::string_view> names) {
    std::string text = std::string(prefix) + WithHeader({"%T\tTASK", "%F\ttask_name"});
    for (const std::string_view name : names) text += "%R\t" + std::string(name) + "\n";
    ReaderDocument doc;
    if (!ReadXer(doc, text).doc) return {L"<refused>"};
    std::vector<std::wstring> read;
    for (const auto& task : doc.Tasks()) read.push_back(task->task_name.text);
    return read;
}

TEST(TextDecoding, FilesDecodeWholeOrValueByValue) {
    using Names = std::vector<std::wstring>;
    struct Case { const char* why; std::string_view prefix; std::initializer_list<std::string_view> bytes; Names expected; };
    const Case cases[] = {
        {"UTF-8 file", "", {"Caf\xC3\xA9 \xE2\x82\xAC"}, {L"Caf\u00E9 \u20AC"}},
        {"UTF-8 file with byte-order mark", kUtf8ByteOrderMark, {"Caf\xC3\xA9"}, {L"Caf\u00E9"}},
        {"Windows-1252 file", "", {"Caf\xE9 \x80 \x93q\x94"}, {L"Caf\u00E9 \u20AC \u201Cq\u201D"}},
        {"a UTF-8 value and a Windows-1252 value in one file", "", {"Caf\xC3\xA9", "Caf\xE9"},
         {L"Caf\u00E9", L"Caf\u00E9"}},
        {"a value with one stray byte is Windows-1252 throughout", "", {"\xC3\xA9 and \xE9"},
         {L"\u00C3\u00A9 and \u00E9"}},
        {"so is such a value after the file's byte-order mark", kUtf8ByteOrderMark, {"\xC3\xA9 and \xE9"},
         {L"\u00C3\u00A9 and \u00E9"}},
        {"bytes valid as UTF-8 by chance in Windows-1252 text read as UTF-8", "", {"a\xC2\xA0" "b", "\xE9"},
         {L"a\u00A0b", L"\u00E9"}},
        {"a value that is only a byte-order mark is empty, in a UTF-8 file", "", {"\xEF\xBB\xBF", "x"}, {L"", L"x"}},
        {"and in a Windows-1252 file", "", {"\xEF\xBB\xBF", "\xE9"}, {L"", L"\u00E9"}},
        {"a byte-order mark before a UTF-8 value", "", {"\xEF\xBB\xBF" "Caf\xC3\xA9", "\xE9"},
         {L"Caf\u00E9", L"\u00E9"}},
        {"a byte-order mark before a Windows-1252 value", "", {"\xEF\xBB\xBF" "Caf\xE9"}, {L"Caf\u00E9"}},
        {"only a leading mark is dropped", "", {"a\xEF\xBB\xBF"}, {L"a\uFEFF"}},
        {"ASCII reads the same either way", "", {"Plain", "\xE9"}, {L"Plain", L"\u00E9"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(NamesReadFrom(c.prefix, c.bytes), c.expected);
    }
}

// Table and field names are values too: a mark pasted before one does not hide the table.
TEST(TextDecoding, MarkedTableAndFieldNamesStillMatch) {
    ReaderDocument doc;
    ASSERT_TRUE(ReadXer(doc, WithHeader({"%T\t\xEF\xBB\xBFTASK", "%F\t\xEF\xBB\xBFtask_name", "%R\tCaf\xE9"})).doc);
    ASSERT_EQ(doc.Tasks().size(), 1u);
    EXPECT_EQ(doc.Tasks()[0]->task_name.text, L"Caf\u00E9");
}

TEST(TextDecoding, TheHeaderDecodesLikeTheRest) {
    ReaderDocument doc;
    ASSERT_TRUE(ReadXer(doc, "\xEF\xBB\xBF" "ERMHDR\t8.0\t2020-01-01 00:00\tx\ty\tz\ta\tb\t\xE2\x82\xAC\n").doc);
    EXPECT_EQ(doc.GetXerVersion().text, L"8.0") << "the byte-order mark is not part of the header";
    EXPECT_EQ(doc.GetHeaderField7().text, L"\u20AC");
}

}  // namespace
}  // namespace varnholt
