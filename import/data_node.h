// data_node.h - one node of a data tree: the parenthesised text form that calendar data and
// layout files are written in, e.g. (0||CalendarData()( (0||DaysOfWeek()( ... )) )).
// A node is a name, a list of key/value properties and a list of child nodes.
#pragma once

#include "import/data_props.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

class data_node {
public:
    // Deeper nodes are not built, so every reader of a tree may walk it recursively.
    static constexpr std::size_t kMaxDepth = 100;
    // A longer text is not read at all: calendar data and layout files are a few kilobytes.
    static constexpr std::size_t kMaxTextLength = std::size_t{1} << 22;

    explicit data_node(std::wstring node_text) : text(std::move(node_text)) {}
    data_node(const data_node&) = delete;
    data_node& operator=(const data_node&) = delete;
    virtual ~data_node() = default;

    // Parses `text` into the name, properties and children of this node and of every node
    // below it. Never fails: what does not read as a tree gives unnamed or missing nodes.
    void parse();

    // The first node whose name equals `name` exactly (letter case included), or null.
    [[nodiscard]] static const data_node* find_child(std::span<const std::unique_ptr<data_node>> nodes,
                                                     std::wstring_view name);
    [[nodiscard]] const data_node* find_child(std::wstring_view name) const { return find_child(children, name); }

    std::wstring name;
    // The text the node was made from. Children are cut from their root's text while it is
    // parsed and keep none, so a tree holds its text once, however deep it is.
    std::wstring text;
    std::vector<std::unique_ptr<data_node>> children;         // in text order
    std::vector<std::unique_ptr<data_props>> properties;      // in text order
};

}  // namespace varnholt
