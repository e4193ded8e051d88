// HtmlToText.h - turns the HTML of a memo (notebook topics, step descriptions, resource notes,
// OBS descriptions) into plain text in one pass, without building a document tree.
//
// Block tags become line breaks, a few tags a space or a tab, script-like elements are
// dropped whole, white space collapses outside preformatted blocks and runs of empty lines
// shrink to one. Any text converts; there are no errors. Each conversion keeps its working
// state to itself and the tag tables are constant, so conversions never affect each other.
#pragma once

#include <string>
#include <string_view>

namespace varnholt {

class HtmlToText {
public:
    // keep_line_breaks false turns each line feed of the result into a space, for callers
    // that show one line (table cells, headers, find).
    [[nodiscard]] static std::wstring Convert(std::wstring_view text, bool keep_line_breaks);

    // A stored note or description marked "<HTML>" as one line of plain text; any other text is
    // handed back as it stands.
    [[nodiscard]] static std::wstring MarkedHtmlAsLine(std::wstring text);

    HtmlToText() = delete;
};

// Replaces every occurrence of pattern in text, going on after each inserted replacement (a
// replacement never joins with what follows into a new match). Linear in the text's length.
void ReplaceAll(std::wstring& text, std::wstring_view pattern, std::wstring_view replacement);

}  // namespace varnholt
