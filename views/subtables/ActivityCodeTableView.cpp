// ActivityCodeTableView.cpp - the rows and columns of the activity code table.

#include "views/subtables/ActivityCodeTableView.h"

#include "model/Document.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/load_time_values.h"
#include "rows/RecordRows.h"

#include <limits>

namespace varnholt::view {

namespace {

// A code whose type the file lacks has no type link: its type shows as an empty cell.
const s_val& CodeType(const Row& row) {
    const ActvTypeRecord* type = row.GetActivityCode()->actv_type;
    return type != nullptr ? static_cast<const s_val&>(type->actv_code_type) : s_val::null_value();
}
const s_val& CodeValue(const Row& row) { return row.GetActivityCode()->short_name; }
const s_val& CodeDescription(const Row& row) { return row.GetActivityCode()->actv_code_name; }

constexpr FixedColumn kCodeColumns[] = {
    {50836, 200.0f, CodeType},         // "Activity Code"
    {50835, 200.0f, CodeValue},        // "Code Value"
    {50832, 200.0f, CodeDescription},  // "Description"
};

}  // namespace

std::optional<std::int32_t> ActivityCodeTableView::CodeColumnId(const TaskActvRecord& assignment) {
    const std::int64_t id = std::int64_t{kActivityCodeColumnBase} + assignment.actv_code_type_id.value;
    if (id > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(id);
}

// A linear walk over every assignment of the document: cheap next to a paint even for large
// schedules, and it keeps the document's order.
void ActivityCodeTableView::AddRows(Row& root, const Row& selected) {
    const TaskRecord* activity = SelectedActivity(selected);
    if (activity == nullptr || activity->doc == nullptr) return;
    for (const auto& assignment : activity->doc->TaskActvs()) {
        if (assignment == nullptr || assignment->task != activity) continue;
        const std::optional<std::int32_t> column = CodeColumnId(*assignment);
        if (!column || s_val::is_null_value(activity->GetColumnValue(*column))) continue;
        root.AddChild(std::make_unique<ActivityCodeRow>(assignment->actv_code));
    }
}

std::span<const FixedColumn> ActivityCodeTableView::Columns() const { return kCodeColumns; }

bool ActivityCodeTableView::ShowsRow(const Row& row) const {
    return row.IsActivityCodeRow() && row.GetActivityCode() != nullptr;
}

}  // namespace varnholt::view
