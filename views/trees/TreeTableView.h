// TreeTableView.h - what the resource, OBS and role trees share: the row tree built from the
// records' parent links and sorted by sequence number then file order, column resizing, and
// the row loop of the painter. The OBS and role views are this base with fixed
// columns; the resource view adds its layout columns, header cells and column moving.
#pragma once

#include "views/core/HeaderDrag.h"
#include "views/core/RowTreeView.h"
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

class TreeTableView : public RowTreeView {
public:
    void Draw(const RectF& visible) override;
    bool OnMouseMove(std::uint32_t flags, float x, float y) override;
    bool OnLButtonUp(std::uint32_t flags, float x, float y) override;
    bool OnLButtonDown(std::uint32_t flags, float x, float y) override;

    // The sort order of sibling rows: rows of the view's own kind by sequence number, equal
    // numbers by file order; any other pair is not ordered.
    [[nodiscard]] bool LessRow(const Row& a, const Row& b) const;

protected:
    // The resource view's columns can also be picked up and moved.
    explicit TreeTableView(bool movable_columns = false);

    // Adds the top rows of the view's records under the root, each with its subtree.
    virtual void BuildRows(Row& root) const = 0;
    // The sort keys of a row of the view's own kind; both null for any other row.
    [[nodiscard]] virtual TreeSortKeys SortKeys(const Row& row) const = 0;

    // Columns: their number, drawn width (scale applied) and a resize to new drawn borders.
    [[nodiscard]] virtual std::size_t ColumnCount() const = 0;
    [[nodiscard]] virtual float ColumnWidth(std::size_t column) const = 0;
    virtual void SetColumnBorders(std::size_t column, float left, float right) = 0;
    // Puts a picked-up column down in the gap before column `to`.
    virtual void MoveColumn(std::size_t /*from*/, std::size_t /*to*/) {}
    [[nodiscard]] float ColumnsLeftOf(std::size_t column) const;
    // Every column's drawn width, left to right.
    [[nodiscard]] std::vector<float> DrawnColumnWidths() const;

    // The header, painted after the rows at the scroll origin's y.
    virtual void DrawHeader() = 0;
    // One painted row at content y; the base has set the row rectangle already.
    virtual void DrawRow(Row& row, float y) = 0;
    // The header of the columns with the given titles.
    void DrawColumnHeader(const std::vector<std::wstring>& titles);
    // The expander of a row whose record has children, `top` below the row's top, kept inside
    // the first column however deep the row; stored in the row for the release to hit-test.
    void DrawExpander(Row& row, float y, float top);

    // Resizes the column being resized to end at the point; false when none is.
    bool ResizeTo(PointF point);

    [[nodiscard]] TablePainter Painter() {
        return {GetDrawContext(), Scale(), GetRowHeight(), GetWidth(), ColumnCount() > 0 ? ColumnWidth(0) : 0.0f};
    }
    [[nodiscard]] static float Scale();

    ColumnHeader m_header;

private:
    void BuildTree() override;
    void SortTree(Row& root) const;
};

}  // namespace varnholt::view
