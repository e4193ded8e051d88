// TaskMemoTableView.cpp - the rows of the activity notebook table.

#include "views/subtables/TaskMemoTableView.h"

#include "model/records/TaskRecord.h"
#include "rows/RecordRows.h"
#include "views/subtables/WBSMemoTableView.h"

namespace varnholt::view {

void TaskMemoTableView::AddRows(Row& root, const Row& selected) {
    const TaskRecord* activity = SelectedActivity(selected);
    if (activity == nullptr) return;
    for (const MemoRecord* memo : activity->memos) root.AddChild(std::make_unique<TaskMemoRow>(memo));
}

std::span<const FixedColumn> TaskMemoTableView::Columns() const { return WBSMemoTableView::NotebookColumns(); }

bool TaskMemoTableView::ShowsRow(const Row& row) const { return row.IsTaskMemoRow() && row.GetTaskMemo() != nullptr; }

}  // namespace varnholt::view
