// xls_task_cells.h - one TASK-sheet cell into one activity value. Each column is given its
// reader once, from its header and the value kind of the activity column of that name; the
// rows then go through the chosen readers without comparing a header again.
//
// Readers by kind: flags (0), costs (4), dates (6), quantities (5), durations (7), percents
// (8); every other kind tries the identifier and enumeration fields, then the user-defined
// fields, then the activity codes, then the project's short name. A header that its reader
// does not list fills nothing.
#pragma once

#include "import/xls_column_groups.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace varnholt {
class ActvTypeRecord;
class ProjectRecord;
class TaskActvRecord;
class TaskRecord;
class UdfTypeRecord;
class UdfValueRecord;
}  // namespace varnholt

namespace varnholt::document {

class Document;

enum class task_cell_kind : std::uint8_t {
    none,                // no reader takes the header
    key,                 // ids, names and enumerations
    flag,
    cost,
    date,
    percent,
    duration,
    quantity,
    user_field,          // "user_field_<n>": a value of user-defined field n
    code,                // "actv_code_...": a value of the code type made from the header
    project_short_name,  // "project__proj_short_name"
};

struct TaskColumnReader {
    task_cell_kind kind = task_cell_kind::none;
    std::uint8_t slot = 0;                // the field within its group
    UdfTypeRecord* udf_type = nullptr;    // user_field
    ActvTypeRecord* code_type = nullptr;  // code
};

// The reader of one column. User-defined field and code types must exist already (the TASK
// header pass makes them).
[[nodiscard]] TaskColumnReader ChooseTaskColumnReader(const TaskSheetColumn& column, const Document& doc);

// Adds to the filled-name sets the summary columns that a column's values feed: activity
// counts by status, summary dates and summary quantities of WBS elements and projects, and
// the project's short name.
void NoteFilledNames(const TaskColumnReader& reader, std::string_view header, XlsImportState& state);

// One row under way: what its readers create besides the activity's own values.
struct TaskRowContext {
    Document& doc;
    ProjectRecord* project = nullptr;
    const XlsImportState& state;
    std::vector<UdfValueRecord*> udf_values;
    std::vector<TaskActvRecord*> code_values;
};

void ReadTaskCell(const TaskColumnReader& reader, std::string_view cell, TaskRecord& task, TaskRowContext& row);

// Once the whole row is read: the row's user-defined values and code assignments take the
// activity's id, which a "task_id" column may have set after them. Then starts the next row.
void KeyRowValues(TaskRowContext& row, const TaskRecord& task);

}  // namespace varnholt::document
