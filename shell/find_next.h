// find_next.h - the find dialog's search: the text test, the test of one row, and the walk
// from the selected row to the next match, through the rows that collapsed groups and
// collapsed tree rows hide. No wrap-around: the walk ends at the first or last row.
#pragma once

#include "columns/column_codes.h"
#include "shell/find_state.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt::view {
class Row;
class View;
}  // namespace varnholt::view

namespace varnholt {

// Whether the row text matches the search text: the whole text or any part of it, with case
// counting or not. Case is folded character by character (fold_case), never by the locale.
[[nodiscard]] bool TextMatches(std::wstring_view search, std::wstring_view text, bool match_case, bool whole_text);

struct FindRequest {
    std::int32_t column_id = 0;
    ColumnValueKind value_kind = ColumnValueKind::text;
    std::wstring value;  // the typed text, or the chosen label of a list kind
    bool match_case = false;
    bool whole_text = false;
    bool search_down = true;
};

// The row's value in the column as the table shows it on one line: resource notes written as
// HTML become their plain text.
[[nodiscard]] std::wstring FindRowText(const view::Row& row, std::int32_t column_id);
// A list kind matches its label exactly; texts go through TextMatches.
[[nodiscard]] bool RowMatches(const view::Row& row, const FindRequest& request);

// Finds the next matching row of the table in the request's direction and selects it
// (SelectRow): a match hidden under collapsed rows first has every collapsed row on its path
// expanded and the visible rows listed again. Answers the selected match, or null when there
// is none, and then nothing has changed.
view::Row* FindNext(view::View& table, SearchKind kind, const FindRequest& request);

}  // namespace varnholt
