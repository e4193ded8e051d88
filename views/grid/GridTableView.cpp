// GridTableView.cpp - sorting, text export, the mouse, the header and the group rows of the
// grid tables. Every hit test reads the rectangles of the last paint.

#include "views/grid/GridTableView.h"

#include "layouts/GroupSortBy.h"
#include "layouts/Layout.h"
#include "rows/RecordRows.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/HeaderDrag.h"
#include "views/core/RowList.h"
#include "views/grid/GroupIndex.h"
#include "views/grid/GroupRow.h"
#include "views/grid/SortList.h"

#include <algorithm>

namespace varnholt::view {

GridTableView::GridTableView() : RowTreeView(30.0f) {}

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

float GridTableView::GetWidth() const {
    const Layout* layout = GetLayout();
    if (layout == nullptr) return 0.0f;
    float width = 0.0f;
    for (std::size_t c = 0; c < layout->GetColumnCount(); ++c) width += layout->GetColumn(c)->width * DisplayScale();
    return width;
}

std::wstring GridTableView::GetText() const {
    const Layout* layout = GetLayout();
    if (layout == nullptr) return {};
    const std::size_t columns = layout->GetColumnCount();
    const auto& rows = GetRowList().Rows();
    std::wstring text;
    text.reserve((rows.size() + 1) * columns * 12);
    for (std::size_t c = 0; c < columns; ++c) {
        text += layout->GetColumn(c)->GetTitle();
        text += L'\t';
    }
    text += L'\n';
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) text += L'\n';
        const Row& row = *rows[r];
        for (std::size_t c = 0; c < columns; ++c) {
            if (c > 0) text += L'\t';
            if (c == 0 && row.IsGroupRow()) {
                text += static_cast<const GroupRow&>(row).GetTitle();
            } else {
                text += row.GetCodeValue(layout->GetColumn(c)->field).to_string();
            }
        }
    }
    return text;
}

GroupRow* GridTableView::FindGroupRow(const GroupIndex& index, const Row& row) { return index.Find(row); }

void GridTableView::Draw(const RectF& visible) {
    if (!CanPaint()) return;
    DrawRows(visible);
    if (GetDocument() != nullptr) DrawHeader();
}

bool GridTableView::OnLButtonDown(std::uint32_t /*flags*/, float x, float y) {
    if (GetLayout() == nullptr) return PressAnswerWithoutLayout();
    m_moved_column = -1;
    const PointF p = ContentPoint(x, y);
    bool result = false;
    if (const std::int32_t border = FirstHit(m_column_borders, p); border >= 0) {
        m_resize_column = border;
        result = true;
    }
    if (const std::int32_t cell = FirstHit(m_header_cells, p); cell >= 0) {
        const auto column = static_cast<std::size_t>(cell);
        m_drag_source = m_moved_column = static_cast<std::int32_t>(column);
        GetDrawContext().RequestCursor(CursorKind::size_all);
        if (HeaderPressSorts()) SortByHeader(column);
        result = true;
    }
    SelectRowAt(p);
    return result;
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
    bool result = false;
    if (FirstHit(m_column_borders, p) >= 0) GetDrawContext().RequestCursor(CursorKind::size_we);
    if ((flags & kLeftButtonDown) != 0) {
        if (const std::int32_t target = DropTargetAt(m_header_cells, GetWidth(), p); target >= 0) {
            m_drop_target = target;
            if (static_cast<std::size_t>(target) < m_header_cells.size())
                GetDrawContext().RequestCursor(CursorKind::size_all);
            result = true;
        }
    }
    if (m_resize_column >= 0) {
        const auto column = static_cast<std::size_t>(m_resize_column);
        LayoutColumn* resized = layout->GetColumn(column);
        if (resized == nullptr) return result;
        const float scale = DisplayScale();
        float left = 0.0f;
        for (std::size_t c = 0; c < column; ++c) left += layout->GetColumn(c)->width * scale;
        const float width = std::max(p.x - left, MinimumWidth(column));
        resized->width = width / UsableDisplayScale();
        return true;
    }
    return result;
}

bool GridTableView::OnLButtonUp(std::uint32_t /*flags*/, float x, float y) {
    Layout* layout = GetLayout();
    if (layout == nullptr) return ReleaseAnswerWithoutLayout();
    bool moved = false;
    if (m_drag_source >= 0 && m_drop_target >= 0) {
        layout->MoveColumn(static_cast<std::size_t>(m_drag_source), static_cast<std::size_t>(m_drop_target));
        m_moved_column = m_drop_target > m_drag_source ? m_drop_target - 1 : m_drop_target;
        moved = true;
    }
    m_resize_column = m_drag_source = m_drop_target = -1;
    return ReleaseExpanders(ContentPoint(x, y), moved);
}

bool GridTableView::ReleaseExpanders(PointF point, bool /*moved_column*/) {
    ToggleExpanderAt(point, true);
    return true;
}

GridTableView::RowPaint GridTableView::BeginRowPaint(const RectF& visible) {
    const DrawContext& dc = GetDrawContext();
    RowPaint paint;
    paint.rows = PaintRows(visible.height);
    paint.columns = VisibleColumns(*GetLayout(), static_cast<float>(dc.GetOriginX()), visible.width, DisplayScale());
    return paint;
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
    const float oy = static_cast<float>(dc.GetOriginY());
    const float header_height = GetHeaderHeight();
    const float view_width = GetWidth();
    const float height = GetHeight();
    const std::size_t count = layout->GetColumnCount();
    const GroupSortBy* grouping = Grouping();
    const SortBy* first_sort = grouping != nullptr && !grouping->sort_bys.empty() && HeaderPressSorts()
                                    ? grouping->sort_bys.front().get()
                                    : nullptr;

    m_column_borders.clear();
    m_header_cells.clear();
    dc.FillRect(Color::White(), 0.0f, oy, view_width, header_height);
    if (m_drop_target == static_cast<std::int32_t>(count)) dc.PenLine(2, Color::DarkBlue(), view_width, oy, view_width, height);

    float x = 0.0f;
    for (std::size_t i = 0; i < count; ++i) {
        const LayoutColumn& column = *layout->GetColumn(i);
        const float w = column.width * scale;
        const auto index = static_cast<std::int32_t>(i);
        const bool sorted = first_sort != nullptr && first_sort->field == column.field;
        if (index == m_drag_source || (index == m_moved_column && !dc.IsPrinting()))
            dc.FillRect(Color::Blue(), x, oy, w, header_height);
        if (index == m_resize_column) {
            dc.PenLine(2, Color::DarkBlue(), x + w, oy, x + w, height);
        } else if (index == m_drop_target) {
            dc.PenLine(2, Color::DarkBlue(), x, oy, x, height);
        } else {
            dc.PenLine(1, Color::Gray(), x + w, oy, x + w, oy + header_height);
        }
        const float title_width = sorted ? w - 20.0f * scale : w - 7.0f * scale;
        dc.DrawText(*m_header_style, column.GetTitle(), HeaderTitleFlags(),
                    {x + 5.0f * scale, oy + 5.0f * scale, title_width, header_height});
        const float right = x + w;
        if (sorted) {
            const float middle = oy + header_height * 0.5f;
            const float top = middle - 4.5f * scale;
            const float bottom = middle + 3.5f * scale;
            const bool ascending = first_sort->sort_type == kSortAscending;
            const float base = ascending ? top : bottom;
            const float tip = ascending ? bottom : top;
            dc.FillPolygon(Color::DarkGray(),
                           {{right - 12.0f * scale, base}, {right - 4.0f * scale, base}, {right - 8.0f * scale, tip}});
        }
        m_column_borders.push_back({right - 3.0f * scale, oy, 6.0f * scale, header_height});
        m_header_cells.push_back({x + 4.0f * scale, oy, w - 8.0f * scale, header_height});
        x = right;
    }
    dc.PenLine(1, Color::LightGray(), 0.0f, oy, x, oy);
    dc.PenLine(1, Color::Gray(), 0.0f, oy + header_height, x, oy + header_height);
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
            const float w = column.width * scale;
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
