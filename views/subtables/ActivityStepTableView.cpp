// ActivityStepTableView.cpp - the rows and columns of the step table.

#include "views/subtables/ActivityStepTableView.h"

#include "model/records/TaskProcRecord.h"
#include "model/records/TaskRecord.h"
#include "rows/RecordRows.h"

namespace varnholt::view {

namespace {

// A step's value for one column, through the row's step record.
template <auto Member>
const s_val& StepValue(const Row& row) {
    return row.GetActivityStep()->*Member;
}

constexpr FixedColumn kStepColumns[] = {
    {57305, 400.0f, StepValue<&TaskProcRecord::proc_name>},      // "Step Name"
    {3140, 200.0f, StepValue<&TaskProcRecord::complete_flag>},   // "Completed"
    {57069, 200.0f, StepValue<&TaskProcRecord::complete_pct>},   // "Step % Complete"
    {57308, 200.0f, StepValue<&TaskProcRecord::proc_wt>},        // "Step Weight"
    {1832, 200.0f, StepValue<&TaskProcRecord::proc_wt_pct>},     // "Step Weight Percent"
};

}  // namespace

void ActivityStepTableView::AddRows(Row& root, const Row& selected) {
    const TaskRecord* activity = SelectedActivity(selected);
    if (activity == nullptr) return;
    for (const TaskProcRecord* step : activity->steps) root.AddChild(std::make_unique<ActivityStepRow>(step));
}

std::span<const FixedColumn> ActivityStepTableView::Columns() const { return kStepColumns; }

bool ActivityStepTableView::ShowsRow(const Row& row) const {
    return row.IsActivityStepRow() && row.GetActivityStep() != nullptr;
}

}  // namespace varnholt::view
