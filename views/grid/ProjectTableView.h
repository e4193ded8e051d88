// ProjectTableView.h - the table pane of the Projects category: one row per project of the
// loaded schedule, flat or under one level of group rows by the layout's first group-by entry,
// sorted by its sort list and painted as a grid. The layout's filter is never applied. The
// project Gantt chart and the project details follow its rows and its selection.
#pragma once

#include "views/grid/GridTableView.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace varnholt {
struct ColumnDef;
struct GroupBy;
}

namespace varnholt::view {

class GroupRow;

class ProjectTableView final : public GridTableView {
public:
    ProjectTableView() = default;

    [[nodiscard]] bool IsProjectTableView() const override { return true; }

    // The first group-by entry when it names a column the catalogue holds; null when the
    // projects are listed ungrouped.
    [[nodiscard]] const GroupBy* GroupingEntry() const;

    // Whether a comes first among group rows: by title, in UTF-16 code units as unsigned
    // numbers, a text before a longer one it begins. Project rows never come first.
    [[nodiscard]] static bool LessByGroupTitle(const Row& a, const Row& b);
    // The title of the group a project's row belongs to: the display text of its value of the
    // column, or "No " and the column's caption for no text. Groups go by equal titles.
    [[nodiscard]] static std::wstring GroupTitleFor(const Row& row, const ColumnDef& column);

protected:
    void BuildTree() override;
    void SortAfterHeaderPress() override;
    [[nodiscard]] bool FirstCellStepsIn() const override { return GroupingEntry() != nullptr; }
    [[nodiscard]] std::uint32_t HeaderTitleFlags() const override {
        return kTextSingleLine | kTextWordEllipsis | kTextVCenter;
    }
    void DrawRows(const RectF& visible) override;

private:
    // Group rows by title, so that finding a project's group does not walk them all.
    using GroupsByTitle = std::unordered_map<std::wstring, GroupRow*>;

    void AddProjectRows(Row& root);
    void GroupProjectRows(Row& root, const GroupBy& entry, const ColumnDef& column);
    GroupRow& FindOrAddGroupRow(Row& parent, GroupsByTitle& groups, const Row& row, const GroupBy& entry,
                                const ColumnDef& column);
    void SortLevel(Row& row);

    void DrawRow(Row& row, float y, const TablePainter& painter, const ColumnRange* columns, bool grouped);
    void DrawProjectRow(const Row& row, float y, const TablePainter& painter, const ColumnRange& columns,
                        bool grouped);
};

}  // namespace varnholt::view
