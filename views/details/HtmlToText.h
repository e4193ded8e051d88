// HtmlToText.h - turns the HTML of a memo (notebook topics, step descriptions, resource notes,
// OBS descriptions) into plain text in one pass, without building a document tree.
//
// Block tags become line breaks, a few tags a space or a tab, script-like elements are
// dropped whole, white space collapses outside preformatted blocks and runs of empty lines
// shrink to one. Any text converts; there are no errors. The converter is one shared object
// whose working state lives in its members, so it serves the user-interface thread only.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace varnholt::view {

// Orders tag names inline: the library's wide compare is a call per step, and every tag of a
// memo is looked up in both tables.
struct TagNameLess {
    using is_transparent = void;
    [[nodiscard]] bool operator()(std::wstring_view a, std::wstring_view b) const noexcept {
        const std::size_t common = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < common; ++i)
            if (a[i] != b[i]) return a[i] < b[i];
        return a.size() < b.size();
    }
};

class HtmlToText {
public:
    // The entry every caller uses. keep_line_breaks false turns each line feed of the result
    // into a space, for callers that show one line (table cells, headers, find).
    [[nodiscard]] static std::wstring Convert(std::wstring_view text, bool keep_line_breaks);

    [[nodiscard]] std::wstring ConvertText(std::wstring_view text, bool keep_line_breaks);

    HtmlToText(const HtmlToText&) = delete;
    HtmlToText& operator=(const HtmlToText&) = delete;

private:
    HtmlToText();
    static HtmlToText& Instance();
    void InitTagTables();

    [[nodiscard]] wchar_t Peek() const;
    std::wstring_view ReadTag();  // the lower-case name, valid until the next tag is read
    void SkipToTagEnd();
    void SkipElement(std::wstring_view name);
    void SkipBlanks();
    void SkipQuoted();
    void AppendRun();
    void AppendText(std::wstring_view text);
    void AppendChar(wchar_t c);
    void EndLine();
    [[nodiscard]] std::wstring Finish();

    std::map<std::wstring, std::wstring, TagNameLess> m_replacements;  // lower-case tag -> text
    std::set<std::wstring, TagNameLess> m_skipped_elements;
    std::wstring m_output;         // finished lines, each ending in a line feed
    std::wstring m_line;           // the line being assembled
    int m_empty_lines = 0;         // empty lines ended since the last non-empty one
    bool m_preformatted = false;
    std::wstring m_source;
    std::size_t m_position = 0;    // never beyond m_source.size()
    std::wstring m_tag_name;       // buffers reused from tag to tag and line to line
    std::wstring m_finished_line;
};

// Replaces every occurrence of pattern in text, going on after each inserted replacement (a
// replacement never joins with what follows into a new match). Linear in the text's length.
void ReplaceAll(std::wstring& text, std::wstring_view pattern, std::wstring_view replacement);

}  // namespace varnholt::view
