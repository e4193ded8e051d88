// RelationshipTableView.h - the predecessors or the successors of the activity selected in
// the activity table, one row per relationship in the activity's own list order. The columns
// are the layout's predecessor or successor list; the user resizes and moves them with the
// mouse, and the change goes straight into the layout.
#pragma once

#include "views/core/HeaderDrag.h"
#include "views/subtables/FlatTableView.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varnholt::view {

struct LayoutColumn;

class RelationshipTableView final : public FlatTableView {
public:
    enum class Kind : std::uint8_t { predecessors, successors };

    RelationshipTableView(Kind kind, View* master) : FlatTableView(master), m_kind(kind) {}

    [[nodiscard]] bool IsRelationshipTableView() const override { return true; }
    [[nodiscard]] Kind GetKind() const noexcept { return m_kind; }
    [[nodiscard]] std::int32_t GetMovedColumn() const override { return m_header.MovedColumn(); }
    // The column widths times the display scale, read at each call.
    [[nodiscard]] float GetWidth() const override;
    // Nothing at all without a layout.
    void Draw(const RectF& visible) override;
    bool OnLButtonDown(std::uint32_t flags, float x, float y) override;
    bool OnMouseMove(std::uint32_t flags, float x, float y) override;
    bool OnLButtonUp(std::uint32_t flags, float x, float y) override;

private:
    [[nodiscard]] bool CanBuild() const override;
    void AddRows(Row& root, const Row& selected) override;
    void DrawRows() override;
    void DrawHeader() override;

    // The columns of this table's kind: none without a layout.
    [[nodiscard]] std::size_t ColumnCount() const;
    [[nodiscard]] LayoutColumn* Column(std::size_t index) const;
    void MoveColumn(std::size_t from, std::size_t to);
    [[nodiscard]] float ColumnLeft(std::size_t index) const;
    // Calls visit(index, column, left, drawn width) for each column, left to right.
    template <class Visit>
    void ForEachColumn(Visit visit) const;
    void ResizeColumn(PointF point);

    Kind m_kind;
    ColumnHeader m_header{{.zone_half_width = 2.0f, .cell_inset = 3.0f, .movable = true}};
};

}  // namespace varnholt::view
