// column_chooser.h - the model behind the column choosers: one column list of a layout (its
// main list, or its predecessor or successor list) beside the catalogue table it draws from,
// the two lists the chooser shows, and the add, remove, up and down operations, each applied
// to the layout at once.
//
// Items are known by column id, never by caption: user fields and code types bring their
// captions from the file, and two columns may share one.
#pragma once

#include "columns/ColumnCatalog.h"
#include "layouts/LayoutColumn.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace varnholt::view {
class Layout;
}

namespace varnholt {

// One column list of a layout and its catalogue table. Without a layout (or for a layout that
// lacks the list) the list is absent and every operation does nothing.
class ColumnList {
public:
    virtual ~ColumnList() = default;

    // The catalogue table whose columns the list may hold.
    [[nodiscard]] virtual ColumnCatalog::Run Table() const = 0;
    // The layout's list; null when absent.
    [[nodiscard]] virtual view::LayoutColumnList* Columns() const = 0;
    // The definition a list entry stands for when the chooser shows it; null for an entry
    // the catalogue does not know or does not show.
    [[nodiscard]] virtual const ColumnDef* Shown(std::int32_t field) const = 0;
    // Whether a column of the table can be chosen at all.
    [[nodiscard]] virtual bool Offers(const ColumnDef& column) const = 0;
    virtual void Add(const ColumnDef& column) = 0;
    virtual void Remove(std::size_t position) = 0;
    virtual void Move(std::size_t from, std::size_t to) = 0;
};

// The layout's main list, over the table of its kind; field 212 is never offered.
[[nodiscard]] std::unique_ptr<ColumnList> MainColumnList(view::Layout* layout);
// The relationship tables' lists of an activity layout.
[[nodiscard]] std::unique_ptr<ColumnList> PredecessorColumnList(view::Layout* layout);
[[nodiscard]] std::unique_ptr<ColumnList> SuccessorColumnList(view::Layout* layout);

// The width a chosen column is added with, in unscaled pixels.
inline constexpr float kAddedColumnWidth = 120.0f;

struct ChooserItem {
    std::uint32_t column_id = 0;
    std::wstring caption;
    ColumnGroup group = ColumnGroup::none;
    std::size_t position = 0;  // selected items: the entry's place in the layout's list
    bool named_by_file = false;  // a user field's or code type's caption, of any length
};

struct ChooserGroup {
    ColumnGroup group = ColumnGroup::none;
    std::wstring caption;  // in the caption language of the moment; empty for `none`
};

struct ChooserLists {
    std::vector<ChooserItem> selected;   // the shown entries, in layout order
    std::vector<ChooserItem> available;  // sorted by caption, code unit by code unit
    std::vector<ChooserGroup> groups;    // those with items, sorted the same way: empty first
};

// Both lists as the layout stands now.
[[nodiscard]] ChooserLists FillChooserLists(const ColumnList& list);

// Adds the available items at these indexes, in the available list's order, at
// kAddedColumnWidth.
void AddColumns(ColumnList& list, const ChooserLists& lists, std::span<const std::size_t> available);
// Removes the columns of the selected items at these indexes.
void RemoveColumns(ColumnList& list, const ChooserLists& lists, std::span<const std::size_t> selected);
// Moves the column of selected item i before the one above it, or behind the one below it;
// answers the item's new index, or none when it cannot move.
std::optional<std::size_t> MoveColumnUp(ColumnList& list, const ChooserLists& lists, std::size_t i);
std::optional<std::size_t> MoveColumnDown(ColumnList& list, const ChooserLists& lists, std::size_t i);

// Which buttons the selected list's selection enables, with `count` items listed.
struct SelectedButtons {
    bool remove = false;
    bool up = false;
    bool down = false;
    friend bool operator==(const SelectedButtons&, const SelectedButtons&) = default;
};
[[nodiscard]] SelectedButtons SelectedButtonStates(std::size_t count, std::span<const std::size_t> selected);

}  // namespace varnholt
