// data_parser.cpp - parsing a data tree in one linear pass, without recursion.
//
// Each node's text is cut in place: outer characters, an id prefix, the name up to the first
// "(", the property group up to the first ")", then the children, each running from its
// first character until the parenthesis depth is back where it began. Cutting children by
// scanning would visit a character once for every ancestor, which is quadratic for deeply
// nested text; a table of "next position at the same depth", built once for the whole
// text, cuts each child in one step instead.

#include "import/data_parser.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace varnholt {

namespace {

constexpr wchar_t kSpace = L' ';
constexpr wchar_t kDelete = 0x7F;
constexpr std::wstring_view kIdPrefixes[] = {L"0||", L"50000000||"};

std::wstring_view trim_spaces(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

int depth_step(wchar_t c) { return c == L'(' ? 1 : c == L')' ? -1 : 0; }

// For each position p of the text (0..size), the next position m > p at which the depth
// (open minus closed parentheses before it) is the same as at p. A child that starts at p
// therefore ends just before m.
class same_depth_index {
public:
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

    explicit same_depth_index(std::wstring_view text) : m_next(text.size() + 1, kNone) {
        std::int64_t depth = 0, lowest = 0, highest = 0;
        for (const wchar_t c : text) {
            depth += depth_step(c);
            lowest = std::min(lowest, depth);
            highest = std::max(highest, depth);
        }
        // Walk back from the end, remembering the last position seen at each depth.
        std::vector<std::uint32_t> seen(static_cast<std::size_t>(highest - lowest + 1), kNone);
        for (std::size_t p = text.size() + 1; p-- > 0;) {
            if (p < text.size()) depth -= depth_step(text[p]);
            std::uint32_t& last = seen[static_cast<std::size_t>(depth - lowest)];
            m_next[p] = last;
            last = static_cast<std::uint32_t>(p);
        }
    }

    [[nodiscard]] std::size_t next_at_same_depth(std::size_t p) const {
        return m_next[p] == kNone ? std::wstring_view::npos : m_next[p];
    }

private:
    std::vector<std::uint32_t> m_next;
};

// Splits the inside of a property group ("k|v|k2|v2)") at "|" and ")", keeping empty
// tokens, and pairs the tokens as key and value. A last key without a value is dropped.
void read_properties(std::wstring_view group, data_node& node) {
    std::wstring_view key;
    bool have_key = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (group[i] != L'|' && group[i] != L')') continue;
        const std::wstring_view token = group.substr(start, i - start);
        start = i + 1;
        if (!have_key) {
            key = token;
            have_key = true;
        } else {
            node.properties.push_back(data_props::create(std::wstring(key), std::wstring(token)));
            have_key = false;
        }
    }
}

struct pending_node {
    data_node* node;
    std::wstring_view text;  // a view into the root's parse buffer
    std::size_t depth;
};

class tree_parser {
public:
    explicit tree_parser(std::wstring_view buffer) : m_buffer(buffer), m_index(buffer) {}

    void parse(data_node& root) {
        m_pending.push_back({&root, m_buffer, 0});
        while (!m_pending.empty()) {
            const pending_node next = m_pending.back();
            m_pending.pop_back();
            parse_node(next);
        }
    }

private:
    void parse_node(const pending_node& pending) {
        data_node& node = *pending.node;
        // Already trimmed: the root before its DEL characters went, a child by its cut.
        std::wstring_view text = pending.text;
        // The enclosing characters, unlooked at: normally "(" and ")".
        text = text.size() > 2 ? text.substr(1, text.size() - 2) : std::wstring_view{};
        for (const std::wstring_view prefix : kIdPrefixes) {
            if (text.starts_with(prefix)) {
                text.remove_prefix(prefix.size());
                break;
            }
        }
        text = parse_name(node, text);
        text = parse_props(node, text);
        if (pending.depth < data_node::kMaxDepth) parse_children(node, text, pending.depth + 1);
    }

    // The name is everything before the first "("; without one, there is no name.
    static std::wstring_view parse_name(data_node& node, std::wstring_view text) {
        const std::size_t open = text.find(L'(');
        if (open == std::wstring_view::npos || open == 0) return text;
        node.name.assign(text.substr(0, open));
        return text.substr(open);
    }

    // The property group runs to the first ")"; the "(" that opens the children follows it.
    static std::wstring_view parse_props(data_node& node, std::wstring_view text) {
        if (!text.starts_with(L'(')) return text;
        const std::size_t close = text.find(L')');
        if (close == std::wstring_view::npos) return text;
        if (close > 1) read_properties(text.substr(1, close), node);
        text.remove_prefix(close + 1);
        if (!text.empty()) text.remove_prefix(1);
        return text;
    }

    // Children follow one another, separated by spaces at most; whatever is left when the
    // depth no longer returns (the children group's own ")") is ignored.
    void parse_children(data_node& node, std::wstring_view text, std::size_t depth) {
        for (text = trim_spaces(text); !text.empty(); text = trim_spaces(text)) {
            const auto start = static_cast<std::size_t>(text.data() - m_buffer.data());
            const std::size_t end = m_index.next_at_same_depth(start);
            if (end == std::wstring_view::npos || end - start > text.size()) break;
            auto& child = node.children.emplace_back(std::make_unique<data_node>(std::wstring()));
            m_pending.push_back({child.get(), text.substr(0, end - start), depth});
            text.remove_prefix(end - start);
        }
    }

    std::wstring_view m_buffer;
    same_depth_index m_index;
    std::vector<pending_node> m_pending;
};

}  // namespace

void data_node::parse() {
    const std::wstring_view trimmed = trim_spaces(text);
    if (trimmed.empty() || trimmed.size() > kMaxTextLength) return;
    std::wstring buffer(trimmed);
    std::erase(buffer, kDelete);
    tree_parser(buffer).parse(*this);
}

const data_node* data_node::find_child(std::span<const std::unique_ptr<data_node>> nodes, std::wstring_view name) {
    for (const auto& node : nodes)
        if (node->name == name) return node.get();
    return nullptr;
}

}  // namespace varnholt
