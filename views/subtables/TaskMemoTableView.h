// TaskMemoTableView.h - the notebook topics of the activity selected in the activity table,
// one row per notebook entry in the activity's list order, under the notebook column of the
// WBS notebook table. The memo view beside it shows the selected entry's text.
#pragma once

#include "views/subtables/FixedTableView.h"

namespace varnholt::view {

class TaskMemoTableView final : public FixedTableView {
public:
    explicit TaskMemoTableView(View* master) : FixedTableView(master) {}

    [[nodiscard]] bool IsTaskMemoTableView() const override { return true; }

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override;
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

}  // namespace varnholt::view
