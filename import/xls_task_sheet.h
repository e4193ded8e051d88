// xls_task_sheet.h - the TASK and TASKPRED sheets of a workbook: the user-defined field and
// activity code types its headers declare, one activity per TASK row, one relationship per
// TASKPRED row.
#pragma once

#include "import/xls_import_state.h"

namespace varnholt {
class xls_sheet;
}

namespace varnholt::document {

class Document;

// Row 0 holds the field names, row 1 the captions; data starts here.
inline constexpr std::uint32_t kFirstDataRow = 2;

// Makes what the TASK headers declare: for "user_field_<n>" (n not 0) a text field type n and
// its activity column; for "actv_code_..." a code type (numbered 1, 2, ... in column order,
// named by the column's caption, its column key the header), its activity column, and one
// code value per distinct text of the column. False when the sheet or the document is
// missing or the sheet has fewer than two rows.
bool ReadTaskHeader(const xls_sheet* sheet, Document* doc, XlsImportState& state);

// One activity per data row, task_id 1, 2, ... in row order unless a "task_id" column gives
// another, each in project 1. False without project 1.
bool ReadTaskSheet(Document& doc, const xls_sheet& sheet, XlsImportState& state);

// One relationship per TASKPRED row. Its "pred_task_id" and "task_id" cells name the two
// activities by activity ID (task_code), the first in load order of each; a row that names an
// activity the TASK sheet lacks is skipped and the rows after it are still read.
void ReadRelationshipSheet(Document& doc, const xls_sheet& sheet);

}  // namespace varnholt::document
