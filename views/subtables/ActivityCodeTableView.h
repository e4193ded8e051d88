// ActivityCodeTableView.h - the code values of the activity selected in the activity table:
// one row per code assignment of the activity that has a value, in the document's assignment
// order, each showing its code's type, short name and description.
#pragma once

#include "views/subtables/FixedTableView.h"

#include <cstdint>
#include <optional>

namespace varnholt {
class TaskActvRecord;
}

namespace varnholt::view {

class ActivityCodeTableView final : public FixedTableView {
public:
    explicit ActivityCodeTableView(View* master) : FixedTableView(master) {}

    [[nodiscard]] bool IsActivityCodeTableView() const override { return true; }

    // The activity column id of the assignment's code type; none when the type id puts it
    // beyond the int range (a damaged file).
    [[nodiscard]] static std::optional<std::int32_t> CodeColumnId(const TaskActvRecord& assignment);

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override;
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

}  // namespace varnholt::view
