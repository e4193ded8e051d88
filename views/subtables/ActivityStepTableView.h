// ActivityStepTableView.h - the steps of the activity selected in the activity table, in the
// activity's step order: name, completion, percent complete, weight and share of the weights.
#pragma once

#include "views/subtables/FixedTableView.h"

namespace varnholt::view {

class ActivityStepTableView final : public FixedTableView {
public:
    explicit ActivityStepTableView(View* master) : FixedTableView(master) {}

    [[nodiscard]] bool IsActivityStepTableView() const override { return true; }

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override;
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

}  // namespace varnholt::view
