// GridTableView.h - what the grouped grid tables (activities, WBS elements, projects) share:
// the row tree's root, the header and row metrics, the three text styles, the hot zones the
// header paint lays out, column resizing and moving, header-click sorting, row selection, the
// text export and the header painter. Each table builds its own tree and paints its own rows;
// the virtual hooks below carry what the tables do differently.
#pragma once

#include "views/core/View.h"
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

class GridTableView : public View {
public:
    ~GridTableView() override;

    [[nodiscard]] float GetWidth() const override;
    [[nodiscard]] float GetHeight() const override;
    [[nodiscard]] float GetHeaderHeight() const override { return m_header_height; }
    [[nodiscard]] float GetRowHeight() const override { return m_row_height; }
    [[nodiscard]] std::int32_t GetMovedColumn() const override { return m_moved_column; }
    [[nodiscard]] std::wstring GetText() const override;
    void Update() override { Rebuild(); }
    // A new tree, all rows expanded and unselected, ordered afresh by the layout.
    void ExpandAll() override;
    // Collapses and deselects the listed rows; hidden rows keep their flags.
    void CollapseAll() override;
    void SetScale() override;
    void Draw(const RectF& visible) override;
    bool OnMouseMove(std::uint32_t flags, float x, float y) override;
    bool OnLButtonUp(std::uint32_t flags, float x, float y) override;
    bool OnLButtonDown(std::uint32_t flags, float x, float y) override;

    // Deletes the row tree and empties the row list in one step, so that no listed row outlives
    // its tree. Every path that throws a tree away comes through here.
    void DropTree();
    [[nodiscard]] bool HasTree() const noexcept { return m_root != nullptr; }
    // Builds the tree when there is none, then lists the visible rows again.
    void Rebuild();

    // The first group row under the parent whose group takes the row, through the parent's
    // index of group keys; null when none does.
    [[nodiscard]] static GroupRow* FindGroupRow(const GroupIndex& index, const Row& row);

protected:
    GridTableView();

    // The tree, once built.
    [[nodiscard]] Row* Root() const noexcept { return m_root.get(); }
    void SetRoot(std::unique_ptr<Row> root);

    // Empties the row list before a table lists its rows again. The rows of the last paint may
    // have moved, so hit tests wait for the next paint.
    void ClearRowList();
    // The layout's grouping, or null.
    [[nodiscard]] GroupSortBy* Grouping() const;

    // Lists the expanded part of the tree again.
    void ListRows();
    // Sorts every level that holds record rows by the layout's sort list, group rows first
    // inside; a level of group rows alone keeps its order.
    void SortTree(Row& row);

    // Hooks for the tables that differ from the activity table.
    // Makes the row tree from the document and the layout (SetRoot).
    virtual void BuildTree() = 0;
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
    // Lays out the row's rectangle and fills it when painted as selected; false when the layout
    // has no columns, and nothing more of the row is painted.
    bool BeginRow(Row& row, float y);
    // A group row: level colours, the title across the row, the chevron, the summaries.
    void DrawGroupRow(Row& row, float y, const TablePainter& painter, const ColumnRange* columns);
    // The first row of the last paint whose expander box holds the point, among the group rows
    // or among all rows; null when none.
    [[nodiscard]] Row* ExpanderAt(PointF point, bool group_rows_only) const;
    [[nodiscard]] ColumnMarks Marks() const noexcept { return {m_resize_column, m_drop_target}; }
    // Whether a row shows as selected: printed pages show no selection.
    [[nodiscard]] bool PaintsSelected(const Row& row) const;

    std::unique_ptr<TextStyle> m_header_style;
    std::unique_ptr<TextStyle> m_cell_style;
    std::unique_ptr<TextStyle> m_group_style;

private:
    // The point in content coordinates.
    [[nodiscard]] PointF ContentPoint(float x, float y) const;
    void SortByHeader(std::size_t column);
    // Selects the painted row under the point, or none.
    void SelectRowAt(PointF point);
    [[nodiscard]] float MinimumWidth(std::size_t column) const;

    std::unique_ptr<Row> m_root;  // null until the next update builds it
    float m_header_height;
    float m_row_height;
    std::vector<RectF> m_column_borders;  // one per column, from the last header paint
    std::int32_t m_resize_column = -1;
    std::vector<RectF> m_header_cells;    // one per column, from the last header paint
    std::int32_t m_drag_source = -1;
    std::int32_t m_drop_target = -1;      // the column count when right of the last column
    std::int32_t m_moved_column = -1;
    RowRange m_painted;                   // the rows of the last paint, empty after a re-list
};

}  // namespace varnholt::view
