// WBSMemoTableView.cpp - the rows of the WBS notebook table and the notebook column.

#include "views/subtables/WBSMemoTableView.h"

#include "model/records/MemoRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "rows/RecordRows.h"

namespace varnholt::view {

namespace {

// Activity and WBS memos share the record class; a row holds one or the other.
const s_val& TopicName(const Row& row) {
    const MemoRecord* memo = row.GetTaskMemo() != nullptr ? row.GetTaskMemo() : row.GetWBSMemo();
    if (memo == nullptr || memo->memo_type == nullptr) return s_val::null_value();
    return memo->memo_type->memo_type;
}

constexpr FixedColumn kNotebookColumns[] = {
    {200029, 400.0f, TopicName},  // "Notebook Topic"
};

}  // namespace

std::span<const FixedColumn> WBSMemoTableView::NotebookColumns() { return kNotebookColumns; }

void WBSMemoTableView::AddRows(Row& root, const Row& selected) {
    const ProjWbsRecord* wbs = selected.IsWBSRow() ? selected.GetWBS() : nullptr;
    if (wbs == nullptr) return;
    for (const MemoRecord* memo : wbs->memos) root.AddChild(std::make_unique<WBSMemoRow>(memo));
}

bool WBSMemoTableView::ShowsRow(const Row& row) const { return row.IsWBSMemoRow() && row.GetWBSMemo() != nullptr; }

}  // namespace varnholt::view
