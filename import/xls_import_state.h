// xls_import_state.h - what one workbook import carries from pass to pass: for each of the
// four column tables, the catalogue's columns by workbook field name and the names of the
// columns the import filled indirectly; the TASK sheet's header list; and the activity code
// values by type and text. A document empties it when its import starts.
//
// Columns are kept by id, not by pointer: the resource sheet appends columns for its
// user-defined fields, which would leave pointers into the catalogue dangling.
#pragma once

#include "columns/column_codes.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace varnholt {
class ActvCodeRecord;
}

namespace varnholt::document {

struct XlsColumnRef {
    std::uint32_t column_id = 0;
    ColumnValueKind value_kind = ColumnValueKind::text;
};

struct XlsTableNames {
    // Workbook field name to the first catalogue column of that name, in table order.
    std::map<std::string, XlsColumnRef, std::less<>> columns;
    // Names of computed or related columns that the import filled; each marks its column
    // present at the end of the import.
    std::set<std::string, std::less<>> filled;
};

struct XlsImportState {
    XlsTableNames activity, project, wbs, resource;
    std::vector<std::string> task_headers;  // row-0 texts of the TASK sheet, in column order
    // The first code value of each (code type id, short name), as the TASK header made them.
    std::map<std::pair<std::uint32_t, std::wstring>, ActvCodeRecord*> codes;

    void Clear() { *this = XlsImportState{}; }
};

}  // namespace varnholt::document
