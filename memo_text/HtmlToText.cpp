// HtmlToText.cpp - the one-pass memo converter: a tag reader, the line assembler and the
// empty-line rules.

#include "memo_text/HtmlToText.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace varnholt {
namespace {

using namespace std::string_view_literals;

constexpr wchar_t kLineFeed = L'\n';
constexpr wchar_t kDelete = 127;
constexpr std::wstring_view kNbsp = L"&nbsp;";

// Tags that stand for text of their own, sorted by name for a binary search: every tag of a
// memo is looked up.
struct TagReplacement {
    std::wstring_view tag;  // lower case
    std::wstring_view text;
};
constexpr std::wstring_view kBreak = L"\n";
constexpr std::array kReplacements = std::to_array<TagReplacement>({
    {L"/h1", kBreak}, {L"/h2", kBreak}, {L"/h3", kBreak}, {L"/h4", kBreak},      {L"/h5", kBreak},
    {L"/h6", kBreak}, {L"/li", kBreak}, {L"/ol", kBreak}, {L"/p", kBreak},       {L"/pre", kBreak},
    {L"/table", kBreak}, {L"/td", L"\t"}, {L"/tr", kBreak}, {L"/ul", kBreak},    {L"address", kBreak},
    {L"blockquote", kBreak}, {L"br", kBreak}, {L"div", kBreak}, {L"dl", kBreak}, {L"fieldset", kBreak},
    {L"form", kBreak}, {L"h1", kBreak}, {L"h2", kBreak}, {L"h3", kBreak},        {L"h4", kBreak},
    {L"h5", kBreak}, {L"h6", kBreak}, {L"ol", kBreak}, {L"p", L" "},             {L"table", kBreak},
    {L"ul", kBreak},
});
static_assert(std::ranges::is_sorted(kReplacements, {}, &TagReplacement::tag), "the search needs the names in order");

// Elements dropped with everything inside them.
constexpr std::array kSkippedElements = {L"noscript"sv, L"object"sv, L"script"sv, L"style"sv};

const TagReplacement* FindReplacement(std::wstring_view tag) {
    const auto* found = std::ranges::lower_bound(kReplacements, tag, {}, &TagReplacement::tag);
    return found != kReplacements.end() && found->tag == tag ? found : nullptr;
}

bool IsSkippedElement(std::wstring_view tag) { return std::ranges::find(kSkippedElements, tag) != kSkippedElements.end(); }

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Tag names compare in ASCII case only: memo HTML names its tags in ASCII, and folding other
// letters would turn text that merely starts like a tag into one.
wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

// The working state of one conversion; it lives as long as the call that converts.
class Conversion {
public:
    explicit Conversion(std::wstring_view source) : m_source(source) {}

    std::wstring Run();

private:
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

    std::wstring_view m_source;
    std::size_t m_position = 0;    // never beyond m_source.size()
    std::wstring m_output;         // finished lines, each ending in a line feed
    std::wstring m_line;           // the line being assembled
    int m_empty_lines = 0;         // empty lines ended since the last non-empty one
    bool m_preformatted = false;
    std::wstring m_tag_name;       // buffers reused from tag to tag and line to line
    std::wstring m_finished_line;
};

std::wstring Conversion::Run() {
    while (m_position < m_source.size()) {
        if (Peek() != L'<') {
            AppendRun();
            continue;
        }
        const std::wstring_view name = ReadTag();
        if (name == L"body"sv) {
            m_output.clear();
            m_line.clear();
            m_empty_lines = 0;
        }
        if (name == L"/body"sv) m_position = m_source.size();
        if (name == L"pre"sv) {
            if (!m_line.empty()) EndLine();
            m_empty_lines = 0;
            m_preformatted = true;
            SkipBlanks();
        }
        if (name == L"/pre"sv) m_preformatted = false;
        if (const TagReplacement* replacement = FindReplacement(name)) AppendText(replacement->text);
        if (IsSkippedElement(name)) SkipElement(name);
    }
    if (!m_line.empty()) EndLine();
    return std::move(m_output);
}

wchar_t Conversion::Peek() const { return m_position < m_source.size() ? m_source[m_position] : L'\0'; }

// The name lands in a buffer kept for the whole conversion: a memo is mostly tags, and a fresh
// string per tag would be the conversion's main cost.
std::wstring_view Conversion::ReadTag() {
    ++m_position;  // the '<'
    SkipBlanks();
    m_tag_name.clear();
    if (Peek() == L'/') {
        m_tag_name.push_back(L'/');
        ++m_position;
    }
    for (; m_position < m_source.size(); ++m_position) {
        const wchar_t c = m_source[m_position];
        if (IsBlank(c) || c == L'/' || c == L'>') break;
        m_tag_name.push_back(AsciiLower(c));
    }
    SkipToTagEnd();
    return m_tag_name;
}

// Attributes are stepped over unread; a quoted value may hold a '>'.
void Conversion::SkipToTagEnd() {
    while (m_position < m_source.size() && m_source[m_position] != L'>') {
        if (const wchar_t c = m_source[m_position]; c == L'"' || c == L'\'')
            SkipQuoted();
        else
            ++m_position;
    }
    if (m_position < m_source.size()) ++m_position;  // the '>'
}

void Conversion::SkipQuoted() {
    const wchar_t quote = m_source[m_position++];
    for (; m_position < m_source.size(); ++m_position) {
        const wchar_t c = m_source[m_position];
        if (c == L'\r' || c == L'\n' || c == quote) {
            ++m_position;
            return;
        }
    }
}

// The element ends at the first closing tag of its own name, looked for in the raw text: the
// inner tags of a script or an object are never read, so neither a '<' in script code nor an
// unclosed <param> can make the skip run past that closing tag. Without one the rest is dropped.
void Conversion::SkipElement(std::wstring_view name) {
    for (std::size_t at = m_source.find(L"</", m_position); at != std::wstring_view::npos;
         at = m_source.find(L"</", at + 1)) {
        const std::size_t name_start = at + 2;
        if (m_source.size() - name_start < name.size()) break;
        bool same_name = true;
        for (std::size_t i = 0; i < name.size() && same_name; ++i)
            same_name = AsciiLower(m_source[name_start + i]) == name[i];
        if (!same_name) continue;
        const std::size_t after = name_start + name.size();
        const wchar_t next = after < m_source.size() ? m_source[after] : L'>';
        if (!IsBlank(next) && next != L'\r' && next != L'\n' && next != L'/' && next != L'>') continue;
        m_position = after;
        SkipToTagEnd();
        return;
    }
    m_position = m_source.size();
}

void Conversion::SkipBlanks() {
    while (m_position < m_source.size() && IsBlank(m_source[m_position])) ++m_position;
}

// Copies the characters up to the next one that needs a rule of its own in one go: a memo is
// mostly words, and a call per character would dominate the conversion.
void Conversion::AppendRun() {
    const auto needs_rule = [this](wchar_t c) {
        return c == L'<' || (!m_preformatted && (c == L' ' || c == L'\t' || c == L'\r' || c == kLineFeed));
    };
    std::size_t end = m_position;
    while (end < m_source.size() && !needs_rule(m_source[end])) ++end;
    if (end == m_position) {
        AppendChar(m_source[m_position++]);
        return;
    }
    (m_preformatted ? m_output : m_line).append(m_source.substr(m_position, end - m_position));
    m_position = end;
}

void Conversion::AppendText(std::wstring_view text) {
    for (const wchar_t c : text) AppendChar(c);
}

void Conversion::AppendChar(wchar_t c) {
    if (m_preformatted) {
        m_output.push_back(c);
        return;
    }
    if (c == L'\r') return;
    if (c == kLineFeed) {
        EndLine();
        return;
    }
    if (IsBlank(c)) {
        if (!m_line.empty() && !IsBlank(m_line.back())) m_line.push_back(L' ');
        return;
    }
    m_line.push_back(c);
}

void Conversion::EndLine() {
    std::wstring_view rest = m_line;
    rest.remove_prefix(std::min(rest.find_first_not_of(L' '), rest.size()));
    std::wstring& line = m_finished_line;
    // Most lines hold neither character: copy them whole and search nothing.
    if (rest.find(kDelete) == std::wstring_view::npos) {
        line.assign(rest);
    } else {
        line.clear();
        for (const wchar_t c : rest)
            if (c != kDelete) line.push_back(c);
    }
    if (line.find(L'&') != std::wstring::npos) ReplaceAll(line, kNbsp, {});
    m_line.clear();

    if (line.empty()) {
        // One empty line between paragraphs at most, and none before the first text.
        if (++m_empty_lines == 1 && !m_output.empty()) m_output.push_back(kLineFeed);
        return;
    }
    m_empty_lines = 0;
    m_output += line;
    m_output.push_back(kLineFeed);
}

}  // namespace

std::wstring HtmlToText::Convert(std::wstring_view text, bool keep_line_breaks) {
    std::wstring result = Conversion(text).Run();
    if (!keep_line_breaks) std::ranges::replace(result, kLineFeed, L' ');
    return result;
}

void ReplaceAll(std::wstring& text, std::wstring_view pattern, std::wstring_view replacement) {
    if (pattern.empty()) return;
    std::size_t found = text.find(pattern);
    if (found == std::wstring::npos) return;
    // Built anew rather than edited in place: erasing one match at a time moves the tail each
    // time, quadratic for a line of many entities.
    std::wstring result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (; found != std::wstring::npos; found = text.find(pattern, from)) {
        result.append(text, from, found - from);
        result += replacement;
        from = found + pattern.size();
    }
    result.append(text, from);
    text.swap(result);
}

std::wstring HtmlToText::MarkedHtmlAsLine(std::wstring text) {
    return text.starts_with(L"<HTML>") ? Convert(text, false) : text;
}

}  // namespace varnholt
