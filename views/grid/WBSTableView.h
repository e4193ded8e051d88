// WBSTableView.h - the table pane of the WBS category: one row per WBS element of the loaded
// schedule, arranged by the layout's first group-by entry (the WBS path, the responsible
// managers' OBS tree, value groups of another column, or a flat list), sorted, and painted as
// a grid. The layout's filter is never applied. The WBS Gantt chart, the WBS details and the
// WBS notebook table follow its rows and its selection.
#pragma once

#include "views/grid/GridTableView.h"

#include <cstddef>
#include <cstdint>

namespace varnholt {
class ObsRecord;
struct GroupBy;
}

namespace varnholt::view {

class GroupIndex;
class GroupRow;
class WBSRow;

// How the first group-by entry arranges the rows.
enum class WbsArrangement : std::uint8_t {
    flat,                 // no first group-by entry: every element under the root
    wbs_path,             // the WBS code column: each project's element tree
    responsible_manager,  // the responsible-manager column: the OBS tree as groups
    value_groups,         // any other known column: one level of value groups
    unknown_column,       // a column the catalogue lacks: no rows at all
};

class WBSTableView final : public GridTableView {
public:
    WBSTableView() = default;

    [[nodiscard]] bool IsWBSTableView() const override { return true; }

    [[nodiscard]] WbsArrangement Arrangement() const;

    // Whether a row comes first among WBS siblings: by seq_num, ties in file order.
    [[nodiscard]] static bool LessBySequence(const Row& a, const Row& b);
    // Whether a group row comes first among OBS siblings: by the node's seq_num, ties in file
    // order. Record rows never move relative to anything, so they keep their leading places.
    [[nodiscard]] static bool LessByOBS(const Row& a, const Row& b);

protected:
    void BuildTree() override;
    [[nodiscard]] bool HeaderPressSorts() const override;
    void SortAfterHeaderPress() override;
    bool ReleaseExpanders(PointF point, bool moved_column) override;
    [[nodiscard]] bool ReleaseAnswerWithoutLayout() const override { return false; }
    [[nodiscard]] std::uint32_t HeaderTitleFlags() const override {
        return kTextSingleLine | kTextWordEllipsis | kTextVCenter;
    }
    void DrawRows(const RectF& visible) override;

private:
    void AddAllWbs(Row& root);
    void AddWbsPaths(Row& root);
    void AddWbsChildren(WBSRow& row, std::int32_t depth, std::size_t& budget);
    void AddObsGroups(Row& root, const GroupBy& entry);
    void AddObsGroup(Row& parent, const ObsRecord& node, const GroupBy& entry, std::int32_t depth, std::size_t& budget);
    void GroupWbsRows(Row& root, const GroupBy& entry);
    GroupRow& FindOrAddGroupRow(Row& parent, GroupIndex& index, const WBSRow& row, const GroupBy& entry);
    void SortHierarchy(Row& row);
    void SortGroups(Row& row);

    void DrawRow(Row& row, float y, const TablePainter& painter, const ColumnRange* columns);
    void DrawWbsRow(Row& row, float y, const TablePainter& painter, const ColumnRange& columns);
};

}  // namespace varnholt::view
