// GridTableView.h - what the grouped grid tables (activities, WBS elements, projects) share
// beyond the row-tree base: the hot zones the header paint lays out, column resizing and
// moving, header-click sorting, the text export and the header painter. Each table builds its own tree and paints its own rows;
// the virtual hooks below carry what the tables do differently.
#pragma once

#include "views/core/HeaderDrag.h"
#include "views/core/RowTreeView.h"
#include "views/draw/DrawContext.h"
#include "views/grid/TablePainter.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnholt {
class GroupSortBy;
}

namespace varnholt::view {

class GroupIndex;
class GroupRow;
class Row;

class GridTableView : public RowTreeView {
public:
    [[nodiscard]] float GetWidth() const override;
    [[nodiscard]] std::vector<float> GetColumnWidths() const override;
    [[nodiscard]] std::int32_t GetMovedColumn() const override { return m_header.MovedColumn(); }
    [[nodiscard]] std::wstring GetText() const override;
    void Draw(const RectF& visible) override;
    bool OnMouseMove(std::uint32_t flags, float x, float y) override;
    bool OnLButtonUp(std::uint32_t flags, float x, float y) override;
    bool OnLButtonDown(std::uint32_t flags, float x, float y) override;

    // The first group row under the parent whose group takes the row, through the parent's
    // index of group keys; null when none does.
    [[nodiscard]] static GroupRow* FindGroupRow(const GroupIndex& index, const Row& row);

protected:
    GridTableView();

    // The layout and its document.
    [[nodiscard]] bool CanBuild() const override;
    // The layout's grouping, or null.
    [[nodiscard]] GroupSortBy* Grouping() const;

    // Column 0 is drawn at least as wide as its minimum for the deepest first cell of the whole
    // tree, so that a short ID shows whole at any depth and the column keeps its width as
    // groups open and close. The layout keeps the width the user gave it.
    [[nodiscard]] std::int32_t FirstColumnDepth() const override;
    void TreeBuilt() override;
    // Whether a record row's first cell starts one indentation step past the row's level (the
    // grouped activity and project tables); a group row's title starts at its level.
    [[nodiscard]] virtual bool FirstCellStepsIn() const { return false; }
    // The indentation steps of the row's first cell.
    [[nodiscard]] static std::int32_t FirstCellDepth(const Row& row, bool steps_in);
    // The width a column is drawn at, at scale 1, and every column's drawn width with the scale
    // applied: what the header, the rows, the hit tests and the table's width all go by.
    [[nodiscard]] float ShownWidth(std::size_t index) const;
    [[nodiscard]] std::vector<float> DrawnWidths() const;

    // Sorts every level that holds record rows by the layout's sort list, group rows first
    // inside; a level of group rows alone keeps its order.
    void SortTree(Row& row);

    // Hooks for the tables that differ from the activity table.
    // Whether the table has what its painters need (a document, a layout and its columns).
    [[nodiscard]] virtual bool CanPaint() const;
    // Whether a header press changes the sort list and sorts, and the header shows its mark.
    [[nodiscard]] virtual bool HeaderPressSorts() const { return true; }
    // Sorts the tree after the sort list changed.
    virtual void SortAfterHeaderPress() = 0;
    // Toggles what a release over an expander toggles; the release's answer.
    virtual bool ReleaseExpanders(PointF point, bool moved_column);
    // The three handlers' answers without a layout.
    [[nodiscard]] virtual bool PressAnswerWithoutLayout() const { return false; }
    [[nodiscard]] virtual bool MoveAnswerWithoutLayout() const { return false; }
    [[nodiscard]] virtual bool ReleaseAnswerWithoutLayout() const { return true; }
    // The text flags of the header titles.
    [[nodiscard]] virtual std::uint32_t HeaderTitleFlags() const { return kTextSingleLine | kTextWordEllipsis; }
    // Paints the visible rows and lays out their rectangles.
    virtual void DrawRows(const RectF& visible) = 0;

    // Painting helpers for the row painters.
    void DrawHeader();
    // The rows and columns a row paint covers. Only those rows are hit-tested until the next
    // paint.
    struct RowPaint {
        RowRange rows;
        std::optional<ColumnRange> columns;  // none when the table is scrolled out of view
    };
    [[nodiscard]] RowPaint BeginRowPaint(const RectF& visible);
    // The painter of this paint's rows; the layout has at least one column.
    [[nodiscard]] TablePainter RowPainter();
    // Lays out the row's rectangle and fills it when painted as selected; false when the layout
    // has no columns, and nothing more of the row is painted.
    bool BeginRow(Row& row, float y);
    // A group row: level colours, the title across the row, the chevron, the summaries.
    void DrawGroupRow(Row& row, float y, const TablePainter& painter, const ColumnRange* columns);
    [[nodiscard]] ColumnMarks Marks() const noexcept { return {m_header.ResizingColumn(), m_header.DropTarget()}; }

private:
    void SortByHeader(std::size_t column);
    // The column being resized takes the point as its right border; false when none is.
    bool ResizeTo(Layout& layout, PointF point);

    ColumnHeader m_header{{.zone_half_width = 3.0f, .cell_inset = 4.0f, .movable = true}};
    std::int32_t m_first_column_depth = 0;  // of the tree built last
};

}  // namespace varnholt::view
