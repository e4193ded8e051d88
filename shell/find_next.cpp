// find_next.cpp - matching rows and walking the table for the next match.

#include "shell/find_next.h"

#include "columns/field_ids.h"
#include "memo_text/HtmlToText.h"
#include "model/s_val.h"
#include "model/text_utils.h"
#include "rows/Row.h"
#include "shell/find_fields.h"
#include "views/core/RowList.h"
#include "views/core/View.h"

#include <cstddef>
#include <vector>

namespace varnholt {
namespace {

// Rows whose children the table hides while they are collapsed, and which are themselves
// searched: the WBS rows of the WBS table and the resource rows of the resource table.
bool IsTreeRow(const view::Row& row, SearchKind kind) {
    return (kind == SearchKind::wbs && row.IsWBSRow()) || (kind == SearchKind::resources && row.IsResourceRow());
}

bool HidesRows(const view::Row& row, SearchKind kind) {
    return !row.expanded && (row.IsGroupRow() || IsTreeRow(row, kind));
}

// One step of the hidden-row search: a row and how far its visit has got.
struct Visit {
    view::Row* row;
    std::size_t next_child = 0;  // children visited so far, in the walk's direction
    bool self_tested = false;
};

// Searches the subtree of `top` in the walk's order, with an explicit stack: a WBS chain read
// from a file may nest deeper than the call stack allows. A tree row is tested before its
// children going down and after them going up; a group row only through its children; any
// other row on its own. On a match every row on the path to it is expanded, and a matching
// tree row itself too, so that finding it opens it.
view::Row* SearchHiddenRows(view::Row& top, SearchKind kind, const FindRequest& request) {
    const bool down = request.search_down;
    std::vector<Visit> path{{&top}};
    view::Row* match = nullptr;
    while (!path.empty() && match == nullptr) {
        Visit& visit = path.back();
        view::Row& row = *visit.row;
        const bool tree = IsTreeRow(row, kind);
        const bool descends = tree || row.IsGroupRow();
        const bool tests_self = !row.IsGroupRow();
        if (tests_self && (!descends || down) && !visit.self_tested) {
            visit.self_tested = true;
            if (RowMatches(row, request)) match = &row;
            continue;
        }
        if (descends && visit.next_child < row.children.size()) {
            const std::size_t i = visit.next_child++;
            view::Row* child = row.children[down ? i : row.children.size() - 1 - i].get();
            path.push_back({child});
            continue;
        }
        if (tests_self && !visit.self_tested) {
            visit.self_tested = true;
            if (RowMatches(row, request)) match = &row;
            continue;
        }
        path.pop_back();
    }
    if (match == nullptr) return nullptr;
    path.pop_back();  // the match: only a tree row opens
    for (const Visit& visit : path) visit.row->expanded = true;
    if (IsTreeRow(*match, kind)) match->expanded = true;
    return match;
}

}  // namespace

bool TextMatches(std::wstring_view search, std::wstring_view text, bool match_case, bool whole_text) {
    if (match_case) return whole_text ? text == search : text.find(search) != std::wstring_view::npos;
    if (whole_text) return equals_no_case(text, search);
    return fold_case(text).find(fold_case(search)) != std::wstring::npos;
}

std::wstring FindRowText(const view::Row& row, std::int32_t column_id) {
    std::wstring text = row.GetCodeValue(column_id).to_string();
    return column_id == kResourceNotesField ? HtmlToText::MarkedHtmlAsLine(std::move(text)) : text;
}

bool RowMatches(const view::Row& row, const FindRequest& request) {
    const std::wstring text = FindRowText(row, request.column_id);
    if (IsListValueKind(request.value_kind)) return text == request.value;
    return TextMatches(request.value, text, request.match_case, request.whole_text);
}

view::Row* FindNext(view::View& table, SearchKind kind, const FindRequest& request) {
    const view::RowList& list = table.GetRowList();
    const auto count = static_cast<std::ptrdiff_t>(list.Size());
    const std::ptrdiff_t step = request.search_down ? 1 : -1;
    std::ptrdiff_t position = request.search_down ? 0 : count - 1;
    if (const view::Row* selected = table.GetSelectedRow()) position = selected->index + step;

    for (; position >= 0 && position < count; position += step) {
        view::Row* row = list.At(static_cast<std::size_t>(position));
        if (HidesRows(*row, kind)) {
            if (view::Row* hidden = SearchHiddenRows(*row, kind, request)) {
                table.Update();  // lists the opened rows; the tree stays
                table.SelectRow(hidden);
                return hidden;
            }
        }
        if (RowMatches(*row, request)) {
            table.SelectRow(row);
            return row;
        }
    }
    return nullptr;
}

}  // namespace varnholt
