// RowTreeView.h - the base of the table views over a row tree: the grouped grid tables, the
// resource, OBS and role trees and the flat sub-tables. It owns the tree's root and drops it
// together with the row list, keeps the header, cell and group text styles and the header and
// row heights in step with the display scale, remembers which rows the last paint covered, and
// answers the selection, expander and column-width rules those tables share.
//
// Rows are hit-tested only within the range of the last paint: a row moved out of view by an
// expand or collapse keeps the rectangle of its old place, and must not answer a click there.
#pragma once

#include "views/core/View.h"
#include "views/draw/TextStyle.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace varnholt::view {

struct LayoutColumn;

// The rows a paint covers: [first, last) of the row list.
struct RowRange {
    std::size_t first = 0;
    std::size_t last = 0;
    friend bool operator==(const RowRange&, const RowRange&) = default;
};

class RowTreeView : public View {
public:
    // The list refers into the tree: it is emptied before the tree goes.
    ~RowTreeView() override;

    [[nodiscard]] float GetHeight() const override;
    [[nodiscard]] float GetHeaderHeight() const override { return m_header_height; }
    [[nodiscard]] float GetRowHeight() const override { return m_row_height; }
    void Update() override { Rebuild(); }
    // A new tree, all rows expanded and unselected.
    void ExpandAll() override;
    // Collapses and deselects the listed rows; hidden rows keep their flags.
    void CollapseAll() override;
    // Heights and font sizes follow the display scale anew.
    void SetScale() override;

    // Builds the tree when there is none, then lists the expanded part of it.
    void Rebuild();
    // Deletes the row tree and empties the row list in one step, so that no listed row outlives
    // its tree. Every path that throws a tree away comes through here.
    void DropTree();
    [[nodiscard]] bool HasTree() const noexcept { return m_root != nullptr; }

protected:
    // `header_height` is the header's height at scale 1; rows are kRowHeight high at scale 1.
    explicit RowTreeView(float header_height);

    // Whether the view has what its tree and its painters need: a document at least.
    [[nodiscard]] virtual bool CanBuild() const { return GetDocument() != nullptr; }
    // Makes the row tree from the document (SetRoot).
    virtual void BuildTree() = 0;
    // Called once after each BuildTree, before the rows are listed.
    virtual void TreeBuilt() {}

    // The tree, once built.
    [[nodiscard]] Row* Root() const noexcept { return m_root.get(); }
    void SetRoot(std::unique_ptr<Row> root);
    // Empties the row list before the view lists its rows again. The rows of the last paint may
    // have moved, so hit tests wait for the next paint.
    void ClearRowList();
    // Lists the expanded part of the tree again.
    void ListRows();

    // The rows from the scroll position down the pane's height, kept as the rows of this paint.
    RowRange PaintRows(float pane_height);
    // Keeps the given rows as the rows of this paint (tables that paint every row).
    void SetPaintedRows(RowRange rows) noexcept { m_painted = rows; }

    // The point of a mouse call in content coordinates.
    [[nodiscard]] PointF ContentPoint(float x, float y) const;
    // Whether a row shows as selected: printed pages show no selection.
    [[nodiscard]] bool PaintsSelected(const Row& row) const;
    // Selects the last painted row under the point, or none.
    void SelectRowAt(PointF point);
    // The first painted row whose expander box holds the point, among the group rows or among
    // all rows; null when none.
    [[nodiscard]] Row* ExpanderAt(PointF point, bool group_rows_only = false) const;
    // Toggles that row; true when there was one.
    bool ToggleExpanderAt(PointF point, bool group_rows_only = false);
    // The narrowest a column may get, at scale 1 and drawn: 30 pixels of text, and the first
    // column also the indentation of FirstColumnDepth steps.
    [[nodiscard]] float UnscaledMinimumWidth(std::size_t column) const;
    [[nodiscard]] float MinimumWidth(std::size_t column) const;
    // How many indentation steps the first column makes room for: the deepest listed level.
    [[nodiscard]] virtual std::int32_t FirstColumnDepth() const;
    // A listed row's text in the layout column at `index`.
    using CellText = std::function<std::wstring(const Row& row, std::size_t index, const LayoutColumn& column)>;
    // The layout's column titles and then the listed rows, tab-separated, a line each: what the
    // tables with layout columns copy. Empty without a layout.
    [[nodiscard]] std::wstring LayoutText(const CellText& cell) const;
    // Resizes the layout column at `index`, whose drawn left edge is at `left`, to end at the
    // point, no narrower than its minimum. Layouts keep widths at scale 1.
    void ResizeLayoutColumn(LayoutColumn& column, std::size_t index, float left, PointF point) const;

    std::unique_ptr<TextStyle> m_header_style;  // bold, header titles
    std::unique_ptr<TextStyle> m_cell_style;    // regular, cells
    std::unique_ptr<TextStyle> m_group_style;   // bold, group titles and summaries

private:
    std::unique_ptr<Row> m_root;  // null until the next update builds it
    float m_unscaled_header_height;
    float m_header_height;
    float m_row_height;
    RowRange m_painted;           // the rows of the last paint, empty after a re-list
};

}  // namespace varnholt::view
