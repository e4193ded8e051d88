// column_files.h - the text of the per-user column files ("_columns.cfg" and the predecessor
// and successor twins) and of the filter file ("_filters.cfg") of a layout.
//
// Both are lines of TAB-separated tokens (LF or CR LF; the writers put one token on a line and
// end lines with CR LF). A columns token is "<field name>:<width>"; a filters file is
// "bool_and" or "bool_or" followed by filter ids. Field names are written as UTF-8 and read
// with the decoding of file_access.h, so names with accents survive the round trip.
#pragma once

#include "columns/ColumnDef.h"
#include "layouts/FilterSelection.h"
#include "layouts/store_helpers.h"
#include "layouts/Layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// Column widths are unscaled pixels; a width from a file is kept only when it is a finite
// number in [kMinColumnWidth, kMaxColumnWidth], so that a damaged file can neither hide a
// column nor make it wider than any screen.
inline constexpr float kDefaultColumnWidth = 100.0f;
inline constexpr float kMinColumnWidth = 1.0f;
inline constexpr float kMaxColumnWidth = 4000.0f;
[[nodiscard]] float SaneColumnWidth(double width, float fallback = kDefaultColumnWidth) noexcept;

// A catalogue column id as the signed id that layout columns and group-bys keep; nullopt for
// ids past the signed range, which no layout can hold.
[[nodiscard]] std::optional<std::int32_t> LayoutColumnId(const ColumnDef& column) noexcept;

// Applies a columns file to a layout, token by token; the token index counts the tokens that
// have a field name before their first ":".
// - A field the layout's kind does not know, or that the open file does not provide, is
//   remembered in the layout's column-width map under the token index (an entry already there
//   stays).
// - A provided field the layout lacks is appended with the file's width and, when the map
//   remembers a column of that exact name, moved to the remembered place (the entry goes).
// - A column the layout already shows keeps its width.
void ApplyColumnsText(view::Layout& layout, std::string_view file_bytes);

// The layout's main columns as a columns file. Columns the catalogue does not know are left
// out (but still take their place); remembered columns are written at their positions, the
// rest after the last column in key order. The layout itself is not changed.
[[nodiscard]] std::string ColumnsFileText(view::Layout& layout);

// One list of the relationship tables (predecessor or successor columns) as a columns file;
// empty for no list.
[[nodiscard]] std::string RelationshipColumnsFileText(const view::LayoutColumnList* columns);

// The first remembered column whose field name equals the text exactly.
[[nodiscard]] view::ColumnWidthMap::iterator FindColumnWidthEntry(view::ColumnWidthMap& widths,
                                                                 std::wstring_view field_name);
// Appends every remembered column in key order, its width in the short single-precision form.
void WriteColumnWidths(const view::ColumnWidthMap& widths, std::string& out);

// Applies a filters file to an activity layout (other kinds are left alone): the first
// "bool_and" or "bool_or" token gives the layout a new, empty selection of that mode; every
// later token is a filter id whose first filter in `filters` joins it. Unknown ids and tokens
// before the mode are ignored; a file without a mode leaves the selection as it was.
void ApplyFiltersText(view::Layout& layout, const NamedFilterList& filters, std::string_view file_bytes);

// The selection as a filters file: its mode, then one filter id a line.
[[nodiscard]] std::string FiltersFileText(const FilterSelection& selection);
// Appends each filter's id and a line break; null entries are skipped.
void WriteFilterIds(const std::vector<const NamedFilter*>& filters, std::string& out);

}  // namespace varnholt
