// GridTableView.cpp - sorting, text export, the mouse, the header and the group rows of the
// grid tables. Every hit test reads the rectangles of the last paint.

#include "views/grid/GridTableView.h"

#include "layouts/GroupSortBy.h"
#include "layouts/Layout.h"
#include "rows/RecordRows.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "rows/table_metrics.h"
#include "views/core/HeaderDrag.h"
#include "views/core/RowList.h"
#include "views/grid/GroupIndex.h"
#include "views/grid/GroupRow.h"
#include "views/grid/SortList.h"

#include <algorithm>

namespace varnholt::view {

GridTableView::GridTableView() : RowTreeView(kGridHeaderHeight) {}

bool GridTableView::CanBuild() const { return GetDocument() != nullptr && GetLayout() != nullptr; }

void GridTableView::SortTree(Row& row) {
    bool holds_other = false;
    for (const auto& child : row.children) {
        if (child->IsGroupRow()) {
            SortTree(*child);
        } else {
            holds_other = true;
        }
    }
    GroupSortBy* grouping = Grouping();
    if (!holds_other || grouping == nullptr) return;
    SortList::Sort(row.children, *grouping);
}

GroupSortBy* GridTableView::Grouping() const {
    Layout* layout = GetLayout();
    return layout != nullptr ? layout->GetGroupSortBy() : nullptr;
}

bool GridTableView::CanPaint() const { return CanBuild(); }

std::int32_t GridTableView::FirstColumnDepth() const { return HasTree() ? m_first_column_depth : 0; }

std::int32_t GridTableView::FirstCellDepth(const Row& row, bool steps_in) {
    return steps_in && !row.IsGroupRow() ? row.level + 1 : row.level;
}

// Every row of the tree, listed or not, with an explicit stack: a WBS may nest deep.
void GridTableView::TreeBuilt() {
    const bool steps_in = FirstCellStepsIn();
    std::int32_t deepest = 0;
    std::vector<const Row*> pending{Root()};
    while (!pending.empty()) {
        const Row& row = *pending.back();
        pending.pop_back();
        for (const auto& child : row.children) {
            if (child == nullptr) continue;
            deepest = std::max(deepest, FirstCellDepth(*child, steps_in));
            pending.push_back(child.get());
        }
    }
    m_first_column_depth = deepest;
}

float GridTableView::ShownWidth(std::size_t index) const {
    const Layout* layout = GetLayout();
    const LayoutColumn* column = layout != nullptr ? layout->GetColumn(index) : nullptr;
    if (column == nullptr) return 0.0f;
    return index == 0 ? std::max(column->width, UnscaledMinimumWidth(0)) : column->width;
}

std::vector<float> GridTableView::GetColumnWidths() const {
    const Layout* layout = GetLayout();
    const std::size_t count = layout != nullptr ? layout->GetColumnCount() : 0;
    std::vector<float> widths;
    for (std::size_t c = 0; c < count; ++c) widths.push_back(ShownWidth(c));
    return widths;
}

std::vector<float> GridTableView::DrawnWidths() const {
    std::vector<float> widths = GetColumnWidths();
    for (float& width : widths) width *= DisplayScale();
    return widths;
}

float GridTableView::GetWidth() const {
    const Layout* layout = GetLayout();
    const std::size_t count = layout != nullptr ? layout->GetColumnCount() : 0;
    float width = 0.0f;
    for (std::size_t c = 0; c < count; ++c) width += ShownWidth(c) * DisplayScale();
    return width;
}

std::wstring GridTableView::GetText() const {
    return LayoutText([](const Row& row, std::size_t index, const LayoutColumn& column) {
        if (index == 0 && row.IsGroupRow()) return static_cast<const GroupRow&>(row).GetTitle();
        return row.GetCodeValue(column.field).to_string();
    });
}

GroupRow* GridTableView::FindGroupRow(const GroupIndex& index, const Row& row) { return index.Find(row); }

void GridTableView::Draw(const RectF& visible) {
    if (!CanPaint()) return;
    DrawRows(visible);
    if (GetDocument() != nullptr) DrawHeader();
}

bool GridTableView::OnLButtonDown(std::uint32_t /*flags*/, float x, float y) {
    if (GetLayout() == nullptr) return PressAnswerWithoutLayout();
    const PointF p = ContentPoint(x, y);
    const bool hit = m_header.Press(p, GetDrawContext());
    if (m_header.PickedColumn() >= 0 && HeaderPressSorts()) SortByHeader(static_cast<std::size_t>(m_header.PickedColumn()));
    SelectRowAt(p);
    return hit;
}

void GridTableView::SortByHeader(std::size_t column) {
    const LayoutColumn* clicked = GetLayout()->GetColumn(column);
    GroupSortBy* grouping = Grouping();
    if (clicked == nullptr || grouping == nullptr) return;
    auto& sorts = grouping->sort_bys;
    if (!sorts.empty() && sorts.front() != nullptr && sorts.front()->field == clicked->field) {
        sorts.front()->sort_type = sorts.front()->sort_type == kSortAscending ? kSortDescending : kSortAscending;
    } else {
        grouping->ClearSortBys();
        grouping->AddSortBy(clicked->field, kSortAscending);
    }
    SortAfterHeaderPress();
}

bool GridTableView::OnMouseMove(std::uint32_t flags, float x, float y) {
    Layout* layout = GetLayout();
    if (layout == nullptr) return MoveAnswerWithoutLayout();
    const PointF p = ContentPoint(x, y);
    m_header.Hover(p, GetDrawContext());
    const bool dragged = m_header.Drag(flags, p, GetWidth(), GetDrawContext());
    return ResizeTo(*layout, p) || dragged;
}

bool GridTableView::ResizeTo(Layout& layout, PointF point) {
    if (m_header.ResizingColumn() < 0) return false;
    const auto column = static_cast<std::size_t>(m_header.ResizingColumn());
    LayoutColumn* resized = layout.GetColumn(column);
    if (resized == nullptr) return false;
    float left = 0.0f;
    for (std::size_t c = 0; c < column; ++c) left += ShownWidth(c) * DisplayScale();
    ResizeLayoutColumn(*resized, column, left, point);
    return true;
}

bool GridTableView::OnLButtonUp(std::uint32_t /*flags*/, float x, float y) {
    Layout* layout = GetLayout();
    if (layout == nullptr) return ReleaseAnswerWithoutLayout();
    const PointF p = ContentPoint(x, y);
    if (m_header.ReleaseResizes(p)) (void)ResizeTo(*layout, p);
    const auto move = m_header.Release();
    if (move) layout->MoveColumn(move->from, move->to);
    return ReleaseExpanders(p, move.has_value());
}

bool GridTableView::ReleaseExpanders(PointF point, bool /*moved_column*/) {
    ToggleExpanderAt(point, true);
    return true;
}

GridTableView::RowPaint GridTableView::BeginRowPaint(const RectF& visible) {
    const DrawContext& dc = GetDrawContext();
    RowPaint paint;
    paint.rows = PaintRows(visible.height);
    paint.columns = VisibleColumns(DrawnWidths(), static_cast<float>(dc.GetOriginX()), visible.width);
    return paint;
}

TablePainter GridTableView::RowPainter() {
    return {GetDrawContext(), DisplayScale(), GetRowHeight(), GetWidth(), ShownWidth(0) * DisplayScale()};
}

bool GridTableView::BeginRow(Row& row, float y) {
    const float width = GetWidth();
    const float row_height = GetRowHeight();
    row.rect = {0.0f, y + 1.0f, width, row_height - 1.0f};
    if (GetLayout()->GetColumnCount() == 0) return false;
    if (PaintsSelected(row)) GetDrawContext().FillRect(Color::Blue(), 0.0f, y, width, row_height);
    return true;
}

void GridTableView::DrawHeader() {
    Layout* layout = GetLayout();
    if (layout == nullptr) return;
    DrawContext& dc = GetDrawContext();
    const float scale = DisplayScale();
    const GroupSortBy* grouping = Grouping();
    const SortBy* first_sort = grouping != nullptr && !grouping->sort_bys.empty() && HeaderPressSorts()
                                    ? grouping->sort_bys.front().get()
                                    : nullptr;
    const std::vector<float> widths = DrawnWidths();
    const ColumnHeader::Frame frame{static_cast<float>(dc.GetOriginY()), GetHeaderHeight(), GetWidth(), GetHeight()};
    m_header.Paint(dc, frame, widths, [&](std::size_t i, const RectF& cell) {
        const LayoutColumn& column = *layout->GetColumn(i);
        const bool sorted = first_sort != nullptr && first_sort->field == column.field;
        // A sorted column's title leaves room for the mark.
        const float title_width = cell.width - (sorted ? 20.0f : 7.0f) * scale;
        dc.DrawText(*m_header_style, column.GetTitle(), HeaderTitleFlags(),
                    {cell.x + 5.0f * scale, cell.y + 5.0f * scale, title_width, cell.height});
        if (!sorted) return;
        const float right = cell.Right();
        const float middle = cell.y + cell.height * 0.5f;
        const float top = middle - 4.5f * scale;
        const float bottom = middle + 3.5f * scale;
        const bool ascending = first_sort->sort_type == kSortAscending;
        const float base = ascending ? top : bottom;
        const float tip = ascending ? bottom : top;
        dc.FillPolygon(Color::DarkGray(),
                       {{right - 12.0f * scale, base}, {right - 4.0f * scale, base}, {right - 8.0f * scale, tip}});
    });
}

void GridTableView::DrawGroupRow(Row& row, float y, const TablePainter& painter, const ColumnRange* columns) {
    const GroupSortBy& grouping = *Grouping();
    DrawContext& dc = GetDrawContext();
    const float scale = DisplayScale();
    const float width = GetWidth();
    const bool selected = PaintsSelected(row);
    Color color = m_group_style->GetColor();
    const auto level_item = static_cast<std::size_t>(row.level - 1);
    if (row.level >= 1 && level_item < grouping.levels.size() && grouping.levels[level_item] != nullptr) {
        const GroupLevel& level = *grouping.levels[level_item];
        color = level.GetColor();
        const float x = painter.Indent(row.level);
        if (!selected) dc.FillRect(level.GetBackColor(), x, y, width - x, GetRowHeight());
    }
    const Color text_color = selected ? Color::White() : color;
    painter.GroupTitle(*m_group_style, text_color, static_cast<const GroupRow&>(row).GetTitle(), row.level, y);
    if (!row.children.empty()) {
        row.expander_rect = painter.ExpanderBox(row.level, y);
        painter.Chevron(row.expander_rect, row.expanded, color);
    }
    if (columns != nullptr) {
        const Layout& layout = *GetLayout();
        const ColumnMarks marks = Marks();
        float x = columns->x0;
        for (std::size_t c = columns->first; c <= columns->last; ++c) {
            const LayoutColumn& column = *layout.GetColumn(c);
            const float w = columns->widths[c];
            if (c > 0) {
                painter.CellText(*m_group_style, text_color, row.GetCodeValue(column.field).to_string(), x, y, w,
                                 5.0f * scale);
            }
            painter.ColumnMarker(c, marks, x, w, y);
            x += w;
        }
    }
    dc.PenLine(1, Color::Gray(), width, y, width, y + GetRowHeight());
}

}  // namespace varnholt::view
