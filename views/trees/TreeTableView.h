// TreeTableView.h - what the resource, OBS and role trees share: the row tree built from the
// records' parent links and sorted by sequence number then file order, the visible list, the
// metrics and text styles, collapsing and expanding, row selection, the expander toggle, column
// resizing, and the row loop of the painter. The OBS and role views are this base with fixed
// columns; the resource view adds its layout columns, header cells and column moving.
//
// Rows are hit-tested only within the range of the last paint: a row moved out of view by an
// expand or collapse keeps the rectangle of its old place, and must not answer a click there.
#pragma once

#include "views/core/View.h"
#include "views/draw/TextStyle.h"
#include "views/grid/TablePainter.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
class s_int;
}

namespace varnholt::view {

class Row;

// A record's two sort keys: its sequence number and its place in the file.
struct TreeSortKeys {
    const s_int* sequence = nullptr;
    const s_int* load_order = nullptr;
};

class TreeTableView : public View {
public:
    ~TreeTableView() override;

    [[nodiscard]] float GetHeight() const override;
    [[nodiscard]] float GetHeaderHeight() const override { return m_header_height; }
    [[nodiscard]] float GetRowHeight() const override { return m_row_height; }
    void Update() override { Rebuild(); }
    void Draw(const RectF& visible) override;
    void ExpandAll() override;
    void CollapseAll() override;
    void SetScale() override;
    bool OnMouseMove(std::uint32_t flags, float x, float y) override;
    bool OnLButtonUp(std::uint32_t flags, float x, float y) override;
    bool OnLButtonDown(std::uint32_t flags, float x, float y) override;

    // Builds the tree when there is none, then lists the expanded part of it.
    void Rebuild();
    // Deletes the tree and empties the visible list in one step: no listed row outlives it.
    void DropTree();
    [[nodiscard]] bool HasTree() const noexcept { return m_root != nullptr; }

    // The sort order of sibling rows: rows of the view's own kind by sequence number, equal
    // numbers by file order; any other pair is not ordered.
    [[nodiscard]] bool LessRow(const Row& a, const Row& b) const;

protected:
    TreeTableView();

    // What the tree and the painter need (a document; the resource view also a layout).
    [[nodiscard]] virtual bool CanBuild() const { return GetDocument() != nullptr; }
    // Adds the top rows of the view's records under the root, each with its subtree.
    virtual void BuildRows(Row& root) const = 0;
    // The sort keys of a row of the view's own kind; both null for any other row.
    [[nodiscard]] virtual TreeSortKeys SortKeys(const Row& row) const = 0;

    // Columns: their number, drawn width (scale applied) and a new drawn width from a resize.
    [[nodiscard]] virtual std::size_t ColumnCount() const = 0;
    [[nodiscard]] virtual float ColumnWidth(std::size_t column) const = 0;
    virtual void SetColumnWidth(std::size_t column, float width) = 0;
    [[nodiscard]] float ColumnsLeftOf(std::size_t column) const;
    // The narrowest a column may get: the first one also makes room for the deepest indentation.
    [[nodiscard]] float MinimumWidth(std::size_t column) const;

    // The header, painted after the rows at the scroll origin's y.
    virtual void DrawHeader() = 0;
    // One painted row at content y; the base has set the row rectangle already.
    virtual void DrawRow(Row& row, float y) = 0;
    // The header of fixed columns with the given titles (OBS and role views).
    void DrawFixedHeader(const std::vector<std::wstring>& titles);
    // The expander of a row whose record has children, `top` below the row's top; stored in
    // the row for the release to hit-test.
    void DrawExpander(Row& row, float y, float top);

    // The point in content coordinates.
    [[nodiscard]] PointF ContentPoint(float x, float y) const;
    // Selects the painted rows under the point and deselects every other row.
    // Selects the painted row under the point, or none.
    void SelectRowAt(PointF point);
    // Toggles the first painted row whose expander holds the point; true when one was toggled.
    bool ToggleExpanderAt(PointF point);
    // The column whose border zone holds the point, or -1.
    [[nodiscard]] std::int32_t BorderAt(PointF point) const;
    // Resizes the column being resized to end at the point; false when none is.
    bool ResizeTo(PointF point);

    [[nodiscard]] TablePainter Painter() { return {GetDrawContext(), Scale(), m_row_height, GetWidth()}; }
    [[nodiscard]] static float Scale();

    std::unique_ptr<TextStyle> m_title_style;  // bold, header titles
    std::unique_ptr<TextStyle> m_cell_style;   // regular, cells
    std::vector<RectF> m_border_zones;         // one per column, from the last header paint
    std::int32_t m_resizing_column = -1;

private:
    void BuildTree();
    void SortTree(Row& root) const;

    std::unique_ptr<Row> m_root;  // null until the next update builds it
    float m_header_height;
    float m_row_height;
    RowRange m_painted;           // the rows of the last paint, empty after a re-list
};

}  // namespace varnholt::view
