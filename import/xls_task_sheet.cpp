// xls_task_sheet.cpp - code and user-field types from the TASK headers, activities from the
// TASK rows, relationships from the TASKPRED rows.

#include "import/xls_task_sheet.h"

#include "columns/ColumnCatalog.h"
#include "import/xls/xls_sheet.h"
#include "import/xls_task_cells.h"
#include "import/xls_text.h"
#include "model/Document.h"
#include "model/number_text.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/UdfTypeRecord.h"

#include <string>
#include <unordered_map>

namespace varnholt::document {

namespace {

constexpr std::string_view kUserFieldPrefix = "user_field_";
constexpr std::string_view kCodePrefix = "actv_code_";

void AddUserFieldType(const xls_sheet& sheet, std::uint32_t column, const std::string& header, Document& doc) {
    const std::string_view digits = std::string_view(header).substr(kUserFieldPrefix.size());
    if (!all_digits(digits)) return;
    const std::uint32_t number = digits_value(digits);
    if (number == 0) return;
    UdfTypeRecord* type = doc.NewUdfType();
    if (type == nullptr) return;
    type->udf_type_id = s_unsigned_long(number);
    type->logical_data_type = s_logical_data_type(std::wstring_view(L"FT_TEXT"));
    const std::wstring caption = widen_cell(sheet.caption_text(column));
    const std::wstring field_name = widen_cell(header);
    // A number whose column id would leave the range of user-defined fields, or repeat one,
    // gets no column; its values are still read.
    (void)ColumnCatalog::Instance().AddActivityColumnWithCaption({.kind = LoadTimeKind::udf,
                                                                  .type_id = number,
                                                                  .caption = caption,
                                                                  .field_name = field_name,
                                                                  .xer_field_name = header,
                                                                  .value_kind = ColumnValueKind::text,
                                                                  .group = ColumnGroup::user_defined});
}

void AddCodeType(const xls_sheet& sheet, std::uint32_t column, const std::string& header, Document& doc,
                 XlsImportState& state) {
    ActvTypeRecord* type = doc.NewActvType();
    if (type == nullptr) return;
    const auto type_id = static_cast<std::uint32_t>(doc.ActvTypes().size());
    type->actv_code_type_id = s_unsigned_long(type_id);
    type->actv_code_type = s_string(std::string_view(sheet.caption_text(column)));
    type->proj_id = s_unsigned_long(1);
    type->column_key = s_string(std::string_view(header));
    const std::wstring field_name = widen_cell(header);
    (void)ColumnCatalog::Instance().AddActivityColumnWithCaption({.kind = LoadTimeKind::activity_code,
                                                                  .type_id = type_id,
                                                                  .caption = type->actv_code_type.text,
                                                                  .field_name = field_name,
                                                                  .xer_field_name = header,
                                                                  .value_kind = ColumnValueKind::text,
                                                                  .group = ColumnGroup::activity_codes});
    // An empty cell is a code text like any other.
    for (std::uint32_t r = kFirstDataRow; r < sheet.row_count(); ++r) {
        s_string short_name(std::string_view(sheet.cell_text(r, column)));
        const auto [slot, added] = state.codes.try_emplace({type_id, short_name.text}, nullptr);
        if (!added) continue;
        ActvCodeRecord* code = doc.NewActvCode();
        if (code == nullptr) {
            state.codes.erase(slot);
            return;
        }
        code->actv_code_id = s_unsigned_long(static_cast<std::uint32_t>(doc.ActvCodes().size()));
        code->actv_code_type_id = s_unsigned_long(type_id);
        code->short_name = std::move(short_name);
        code->actv_type = type;
        slot->second = code;
    }
}

// The TASKPRED columns the sheet reader fills; the columns that show the linked activities'
// own values (dates, names, floats) fill nothing, since the relationship reads its activities.
enum class relationship_column : std::uint8_t { other, pred_type, lag };

relationship_column RelationshipColumnOf(std::string_view header) {
    if (header == "pred_type") return relationship_column::pred_type;
    if (header == "lag_hr_cnt") return relationship_column::lag;
    return relationship_column::other;
}

}  // namespace

bool ReadTaskHeader(const xls_sheet* sheet, Document* doc, XlsImportState& state) {
    if (sheet == nullptr || doc == nullptr || sheet->row_count() < kFirstDataRow) return false;
    for (std::uint32_t c = 0; c < sheet->column_count(); ++c) {
        const std::string header = sheet->header_text(c);
        if (header.size() > kUserFieldPrefix.size() && header.starts_with(kUserFieldPrefix)) {
            AddUserFieldType(*sheet, c, header, *doc);
        } else if (header.size() > kCodePrefix.size() && header.starts_with(kCodePrefix)) {
            AddCodeType(*sheet, c, header, *doc, state);
        }
    }
    return true;
}

bool ReadTaskSheet(Document& doc, const xls_sheet& sheet, XlsImportState& state) {
    ProjectRecord* project = doc.FindProject(s_unsigned_long(1));
    if (project == nullptr) return false;
    const std::vector<TaskSheetColumn> columns = ClassifyTaskColumns(state, sheet);
    std::vector<TaskColumnReader> readers;
    readers.reserve(columns.size());
    for (const TaskSheetColumn& column : columns) readers.push_back(ChooseTaskColumnReader(column, doc));
    if (sheet.row_count() > kFirstDataRow) {
        for (std::size_t c = 0; c < columns.size(); ++c) NoteFilledNames(readers[c], columns[c].header, state);
    }

    TaskRowContext row{.doc = doc, .project = project, .state = state, .udf_values = {}, .code_values = {}};
    std::uint32_t running = 0;
    for (std::uint32_t r = kFirstDataRow; r < sheet.row_count(); ++r) {
        TaskRecord* task = doc.NewTask();
        if (task == nullptr) break;
        task->task_id = s_unsigned_long(++running);
        task->proj_id = s_unsigned_long(1);
        task->project = project;
        for (std::uint32_t c = 0; c < readers.size(); ++c) ReadTaskCell(readers[c], sheet.cell_text(r, c), *task, row);
        KeyRowValues(row, *task);
    }
    return true;
}

void ReadRelationshipSheet(Document& doc, const xls_sheet& sheet) {
    const xls_column* predecessor_column = sheet.find_column("pred_task_id");
    const xls_column* successor_column = sheet.find_column("task_id");
    if (predecessor_column == nullptr || successor_column == nullptr) return;

    // The first activity of each activity ID, as a scan in load order finds it.
    std::unordered_map<std::wstring, TaskRecord*> by_code;
    by_code.reserve(doc.Tasks().size());
    for (const auto& task : doc.Tasks()) by_code.try_emplace(task->task_code.text, task.get());
    const auto activity_of = [&](const xls_column* column, std::uint32_t r) -> TaskRecord* {
        const auto found = by_code.find(s_string(std::string_view(sheet.column_text(column, r))).text);
        return found != by_code.end() ? found->second : nullptr;
    };

    std::vector<relationship_column> kinds;
    for (std::uint32_t c = 0; c < sheet.column_count(); ++c) kinds.push_back(RelationshipColumnOf(sheet.header_text(c)));

    std::uint32_t running = 0;
    for (std::uint32_t r = kFirstDataRow; r < sheet.row_count(); ++r) {
        TaskRecord* predecessor = activity_of(predecessor_column, r);
        TaskRecord* successor = activity_of(successor_column, r);
        // Every relationship has both its activities; a row naming one the TASK sheet lacks
        // is dropped alone.
        if (predecessor == nullptr || successor == nullptr) continue;
        TaskPredRecord* relationship = doc.NewTaskPred();
        if (relationship == nullptr) break;
        relationship->task_pred_id = s_unsigned_long(++running);
        relationship->task_id = successor->task_id;
        relationship->pred_task_id = predecessor->task_id;
        if (successor->project != nullptr) {
            relationship->proj_id = successor->project->proj_id;
            relationship->pred_proj_id = successor->project->proj_id;
        }
        LinkRelationship(*relationship, successor, predecessor);
        for (std::uint32_t c = 0; c < kinds.size(); ++c) {
            switch (kinds[c]) {
            case relationship_column::pred_type:
                relationship->pred_type = s_relationship_type(widen_cell(sheet.cell_text(r, c)));
                break;
            case relationship_column::lag:
                relationship->lag_hr_cnt = s_dur(number_from_text(widen_cell(sheet.cell_text(r, c))));
                break;
            case relationship_column::other: break;
            }
        }
    }
}

}  // namespace varnholt::document
