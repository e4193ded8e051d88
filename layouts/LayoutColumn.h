// LayoutColumn.h - one column of a layout's column lists, the lists themselves, the map of
// remembered column widths, and the one move rule every column list follows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnholt::view {

struct LayoutColumn {
    // The column id of the catalogue for the main lists; the field id for the resource,
    // predecessor and successor lists.
    std::int32_t field = 0;
    float width = 0.0f;  // unscaled pixels
    std::wstring title;  // empty: show the catalogue's caption

    // The column's own title, else the caption of the catalogue column with this id, else empty.
    [[nodiscard]] std::wstring GetTitle() const;
};

using LayoutColumnList = std::vector<std::unique_ptr<LayoutColumn>>;

// A column a layout names but the open file does not provide, kept so that it returns to its
// place when a later file has it.
struct ColumnWidthEntry {
    std::wstring field_name;
    float width = 0.0f;
};

// By the position the column should take in the layout's column list.
using ColumnWidthMap = std::map<std::int32_t, ColumnWidthEntry>;

// The column at the index, or null when the index is not below the count.
[[nodiscard]] LayoutColumn* ColumnAt(const LayoutColumnList& columns, std::size_t index);
// The first column whose field equals the argument, or null.
[[nodiscard]] LayoutColumn* FindColumnIn(const LayoutColumnList& columns, std::int32_t field);
// Appends a column with an empty title and returns it.
LayoutColumn* AppendColumn(LayoutColumnList& columns, std::int32_t field, float width);

// Moves the item at `from` into the gap `to` (0 before the first item, count after the last).
// Nothing happens when the item would stay where it is (to == from or to == from + 1), when
// `from` names no item, or when `to` names no gap.
void MoveListItem(LayoutColumnList& columns, std::size_t from, std::size_t to);
// Removes and frees the item at the index; nothing happens when the index names no item.
void RemoveListItem(LayoutColumnList& columns, std::size_t index);

}  // namespace varnholt::view
