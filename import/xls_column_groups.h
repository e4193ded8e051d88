// xls_column_groups.h - how the workbook import ties sheet columns to the column catalogue:
// the maps from workbook field names to columns, the TASK sheet's header list and column
// kinds, the marking of the columns the workbook supplies, the default currency and the
// currency symbol a cost column's caption names.
#pragma once

#include "columns/column_codes.h"
#include "import/xls_import_state.h"

#include <string>
#include <vector>

namespace varnholt {
class xls_sheet;
}

namespace varnholt::document {

class Document;

// One TASK-sheet column: its header and the value kind of the activity column of that name
// (integer when no activity column has it).
struct TaskSheetColumn {
    std::string header;
    ColumnValueKind kind = ColumnValueKind::integer;
};

// Fills the four maps of `state` from the catalogue's activity, project, WBS and resource
// tables: every column with a workbook field name, the first of each name.
void BuildColumnNameMaps(XlsImportState& state);

// Appends the row-0 text of every TASK column to the header list. False when the sheet is
// missing, has fewer than two rows, or has no columns: then its rows are not read.
bool CollectTaskHeaders(XlsImportState& state, const xls_sheet* task_sheet);

// The kind of every column of the sheet, in column order.
[[nodiscard]] std::vector<TaskSheetColumn> ClassifyTaskColumns(const XlsImportState& state,
                                                               const xls_sheet& task_sheet);

// Marks present every activity column that a TASK header names.
void MarkColumnsPresent(const XlsImportState& state);
// Marks present every column whose name a filled-name set holds, table by table.
void MarkDerivedColumnsPresent(const XlsImportState& state);

// Currency 1 with the defaults of a workbook, which carries no currency table.
void AddDefaultCurrency(Document& doc);
// The workbook writes the currency sign only in cost captions ("Actual Cost($)"): the caption
// of the first present cost column gives currency 1 the sign between its last parentheses.
void ReadCurrencySymbol(Document& doc, const xls_sheet& task_sheet);

}  // namespace varnholt::document
