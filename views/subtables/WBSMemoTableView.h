// WBSMemoTableView.h - the notebook topics of the WBS element selected in the WBS table, one
// row per notebook entry in the element's list order. Its single "Notebook Topic" column
// (and so its header) is the one the activity notebook table shows too.
#pragma once

#include "views/subtables/FixedTableView.h"

namespace varnholt::view {

class WBSMemoTableView final : public FixedTableView {
public:
    explicit WBSMemoTableView(View* master) : FixedTableView(master) {}

    [[nodiscard]] bool IsWBSMemoTableView() const override { return true; }

    // The notebook tables' column: the topic's name, empty for a memo without a topic.
    [[nodiscard]] static std::span<const FixedColumn> NotebookColumns();

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override { return NotebookColumns(); }
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

}  // namespace varnholt::view
