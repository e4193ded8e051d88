// find_fields.h - what the find dialog offers: the table a view is, the columns of that table
// that can be searched, and the labels a list-valued field is searched by.
#pragma once

#include "columns/ColumnCatalog.h"
#include "shell/find_state.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace varnholt {
class LayoutStore;
}
namespace varnholt::view {
class View;
}

namespace varnholt {

// The kind of table a view is, by its type queries; none for the OBS and role tables and every
// other view.
[[nodiscard]] std::optional<SearchKind> SearchKindOfView(const view::View* view);

// The catalogue table of the kind, and its column with the id while the open file supplies
// it: a dialog opened over an earlier file may still list a field this one lacks.
[[nodiscard]] ColumnCatalog::Run SearchColumns(SearchKind kind);
[[nodiscard]] const ColumnDef* FindSearchColumn(SearchKind kind, std::uint32_t column_id);

// Whether values of the kind are chosen from a list of labels (flags and enumerations)
// rather than typed.
[[nodiscard]] bool IsListValueKind(ColumnValueKind kind) noexcept;
// Whether a column of the kind can be searched: flags, texts and the list kinds.
[[nodiscard]] bool IsSearchableValueKind(ColumnValueKind kind) noexcept;

// Every present, searchable column of the kind's whole table in table order; empty when the
// store has no current layout of the kind. The pointers live as long as the table.
[[nodiscard]] std::vector<const ColumnDef*> SearchableColumns(SearchKind kind, const LayoutStore& store);

// The labels of a list kind in the order the value list shows them: each the display text of
// a value of the field's type, so in the caption language. Empty for other kinds.
[[nodiscard]] std::vector<std::wstring> ValueLabels(ColumnValueKind kind);

// What the dialog shows when it is closed: the field by its column id (none when no field is
// chosen), the two options and the direction.
struct FindChoices {
    std::optional<std::uint32_t> column_id;
    bool whole_text = false;
    bool match_case = false;
    bool search_down = true;
};

// Into the kind's record; a dialog without a chosen field keeps the column id stored before.
void SaveFindChoices(std::array<FindState, 4>& states, SearchKind kind, const FindChoices& choices);

// The kind's record, and the place in the field list of the column it names (none when no
// field has that id).
struct RestoredFind {
    FindState state;
    std::optional<std::size_t> field_index;
};
[[nodiscard]] RestoredFind RestoreFindChoices(const std::array<FindState, 4>& states, SearchKind kind,
                                              std::span<const ColumnDef* const> fields);

}  // namespace varnholt
