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
    [[nodiscard]] Row* GetSelectedRow() const override;
    [[nodiscard]] std::int32_t GetMovedColumn() const override { return m_moved_column; }
    [[nodiscard]] std::wstring GetText() const override;
    void SetScale() override;
    void Draw(const RectF& visible) override;
    bool OnMouseMove(std::uint32_t flags, float x, float y) override;
    bool OnLButtonUp(std::uint32_t flags, float x, float y) override;
    bool OnLButtonDown(std::uint32_t flags, float x, float y) override;

    // Deletes the row tree and empties the row list in one step, so that no listed row outlives
    // its tree. Every path that throws a tree away comes through here.
    void DropTree();
    [[nodiscard]] bool HasTree() const noexcept { return m_root != nullptr; }

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

    // Hooks for the tables that differ from the activity table.
    // Whether the table has what its painters need (a document, a layout and its columns).
    [[nodiscard]] virtual bool CanPaint() const;
    // Whether a header press changes the sort list and sorts.
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
    // Records the rows a paint covered: only they are hit-tested until the next paint.
    void SetPaintedRows(RowRange range) noexcept { m_painted = range; }
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
    void SelectRowsAt(PointF point);
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
