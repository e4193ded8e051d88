// layout_file_parts.h - the pieces of a layout file that the readers of the four view kinds
// share: properties, the column lists, sort keys, group levels, Gantt bars and the time scale.
// Every reader skips what it cannot use and goes on with the next node.
#pragma once

#include "columns/ColumnCatalog.h"
#include "import/data_node.h"
#include "layouts/GanttBarSet.h"
#include "layouts/NamedFilter.h"
#include "layouts/layout_records.h"
#include "layouts/Layout.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace varnholt::layout_file {

// The value of the node's first property with the key; nullopt when it has none.
[[nodiscard]] std::optional<std::wstring_view> Property(const data_node& node, std::wstring_view key);
// The first child of that name, or null (also for a null node).
[[nodiscard]] const data_node* Child(const data_node* node, std::wstring_view name);
// Flags are on exactly when the text is "Y".
[[nodiscard]] bool IsYes(std::optional<std::wstring_view> text);

// How a reader finds a column by field name: one of the catalogue's lookups by name.
using NameLookup = const ColumnDef* (ColumnCatalog::*)(std::wstring_view) const;
[[nodiscard]] const ColumnDef* FindColumn(NameLookup lookup, std::wstring_view field_name);

// The layout's main columns: from the user's columns file when remembering changes is on and
// that file can be read (the node is then not read at all), else from the Columns node.
void ReadMainColumns(view::Layout& layout, const data_node* columns, NameLookup lookup);
// The Columns node alone: a present column with a width is appended; an unknown or absent one
// is remembered in the layout's column-width map under its place among the named children,
// with its width or 100.
void ReadColumnsNode(view::Layout& layout, const data_node* columns, NameLookup lookup);

// One of the activity layout's extra lists: every child whose name the lookup finds and that
// has a width is appended with `add` (by field id).
using AddListColumn = view::LayoutColumn* (view::Layout::*)(std::int32_t, float);
void ReadListColumns(view::Layout& layout, const data_node* list, NameLookup lookup, AddListColumn add);

// The sort keys (field and "ASC" or not) and the group levels (back and text colours).
void ReadSortBys(GroupSortBy& target, const data_node* sort_bys, NameLookup lookup);
void ReadLevels(GroupSortBy& target, const data_node* levels);
// "include_all" and, for activity layouts, "date_unit" of a group-by child.
void ReadGroupByOptions(GroupBy& group_by, const data_node& child, bool with_date_unit);

// Which bar names a reader accepts: activity layouts know eight, the others take any.
enum class BarNames : std::uint8_t { activity, any };
using FilterLookup = std::function<const NamedFilter*(std::int32_t)>;
// The bars under GanttSettings/GanttBars, with their filter lists, shapes and labels.
void ReadGanttBars(GanttBarSet& target, const data_node* gantt_settings, NameLookup lookup, BarNames names,
                   const FilterLookup& find_filter);

// The time-scale unit from the root's DateRange node, when it gives one.
void ReadTimescale(TimescaleSettings* timescale, const data_node& root);

}  // namespace varnholt::layout_file
