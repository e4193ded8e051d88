// ActivityTableView.h - the table pane of the Activities category: the loaded schedule's
// activities, filtered by the layout's filter, grouped under group rows by the layout's group-by
// entries (or under the WBS tree), sorted by its sort list, flattened into the visible rows and
// painted as a grid. The Gantt chart, the activity details and the activity sub-tables follow
// its rows and its selection.
#pragma once

#include "views/grid/GridTableView.h"

#include <cstdint>
#include <memory>

namespace varnholt {
class ProjWbsRecord;
struct GroupBy;
}

namespace varnholt::view {

class ActivityRow;
class GroupIndex;
class GroupRow;

class ActivityTableView final : public GridTableView {
public:
    ActivityTableView() = default;

    [[nodiscard]] bool IsActivityTableView() const override { return true; }

    // The group-by entry of a level, or null when the layout has none there or names a column
    // the catalogue does not hold (the table is then ungrouped from that level on).
    [[nodiscard]] const GroupBy* GetGroupBy(std::int32_t level) const;

protected:
    void BuildTree() override;
    [[nodiscard]] bool CanPaint() const override;
    [[nodiscard]] bool FirstCellStepsIn() const override { return GetGroupBy(0) != nullptr; }
    void SortAfterHeaderPress() override;
    void DrawRows(const RectF& visible) override;

private:
    [[nodiscard]] bool Passes(const Row& row) const;
    void AddActivities(Row& parent);
    void GroupActivities(Row& root);
    void RegroupLevel(Row& row);
    GroupRow& FindOrAddGroupRow(Row& parent, GroupIndex& index, const ActivityRow& row, const GroupBy& entry);
    void OrderGroups(Row& parent, const GroupBy& entry);
    void AddWbsGroups(Row& parent, const ProjWbsRecord* node, const GroupBy& entry, std::int32_t depth);
    void AddWbsGroup(Row& parent, const ProjWbsRecord& node, const GroupBy& entry, std::int32_t depth);
    void SortGroups(Row& row);
    void SortLevel(Row& row);

    void DrawRow(Row& row, std::size_t index, float y, const TablePainter& painter, const ColumnRange* columns,
                 bool grouped);
    void DrawActivityCells(const Row& row, float y, const TablePainter& painter, const ColumnRange& columns,
                           bool grouped);
};

}  // namespace varnholt::view
