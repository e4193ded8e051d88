// xer_test_support.h - a Document that only holds what the reader puts into it, and helpers
// that build small export texts line by line.
#pragma once

#include "import/xer_parser.h"
#include "model/Document.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace varnholt::testing_support {

class ReaderDocument final : public document::Document {
public:
    [[nodiscard]] bool Open(std::wstring_view) override { return false; }
    void Build() override {}
};

// The lines, each ended by `line_end`.
inline std::string XerText(std::initializer_list<std::string_view> lines, std::string_view line_end = "\n") {
    std::string text;
    for (const std::string_view line : lines) {
        text += line;
        text += line_end;
    }
    return text;
}

inline constexpr std::string_view kHeaderLine = "ERMHDR\t8.0\t2016-06-22 10:30\tProject\tadmin\tAdmin\tdb\tPM\tUSD";

// A header line and the lines after it.
inline std::string WithHeader(std::initializer_list<std::string_view> lines, std::string_view line_end = "\n") {
    std::string text(kHeaderLine);
    text += line_end;
    return text + XerText(lines, line_end);
}

// Parses the text into the document.
inline document::xer_result ReadXer(document::Document& doc, std::string_view text) {
    return document::xer_parser::parse_bytes(doc, text);
}

}  // namespace varnholt::testing_support
