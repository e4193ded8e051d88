// GridTableView.cpp - metrics, text export, the mouse and the header of the grid tables.
// Every hit test reads the rectangles of the last paint; rows are hit-tested only within the
// range that paint covered, since a re-listed row keeps the rectangle of its old place.

#include "views/grid/GridTableView.h"

#include "layouts/GroupSortBy.h"
#include "layouts/Layout.h"
#include "views/base/Row.h"
#include "views/core/RowList.h"
#include "views/draw/display_scale.h"
#include "views/grid/GroupIndex.h"
#include "views/grid/RecordRows.h"

#include <algorithm>

namespace varnholt::view {

namespace {

constexpr std::uint32_t kLeftButton = 1;  // the key flag of a held left button

std::int32_t FontSize(float scale) { return static_cast<std::int32_t>(15.0f * scale); }

}  // namespace

GridTableView::GridTableView()
    : m_header_style(TextStyle::New(L"Calibri", 14, Color::Black(), true)),
      m_cell_style(TextStyle::New(L"Calibri", 14, Color::Black(), false)),
      m_group_style(TextStyle::New(L"Calibri", 14, Color::Black(), true)),
      m_header_height(30.0f * DisplayScale()),
      m_row_height(18.0f * DisplayScale()) {
    const std::int32_t size = FontSize(DisplayScale());
    m_header_style->SetSize(size);
    m_cell_style->SetSize(size);
    m_group_style->SetSize(size);
}

// The list refers into the tree: empty it before the tree goes.
GridTableView::~GridTableView() { DropTree(); }

void GridTableView::DropTree() {
    ClearRowList();
    m_root.reset();
}

void GridTableView::SetRoot(std::unique_ptr<Row> root) {
    DropTree();
    m_root = std::move(root);
}

void GridTableView::ClearRowList() {
    GetRowList().Clear();
    m_painted = {};
}

GroupSortBy* GridTableView::Grouping() const {
    Layout* layout = GetLayout();
    return layout != nullptr ? layout->GetGroupSortBy() : nullptr;
}

bool GridTableView::CanPaint() const {
    return GetDocument() != nullptr && GetLayout() != nullptr;
}

float GridTableView::GetWidth() const {
    const Layout* layout = GetLayout();
    if (layout == nullptr) return 0.0f;
    float width = 0.0f;
    for (std::size_t c = 0; c < layout->GetColumnCount(); ++c) width += layout->GetColumn(c)->width * DisplayScale();
    return width;
}

float GridTableView::GetHeight() const {
    return static_cast<float>(GetRowList().Size()) * m_row_height + m_header_height;
}

Row* GridTableView::GetSelectedRow() const {
    const auto& rows = GetRowList().Rows();
    const auto last = std::find_if(rows.rbegin(), rows.rend(), [](const Row* row) { return row->selected; });
    return last != rows.rend() ? *last : nullptr;
}

void GridTableView::SetScale() {
    const float scale = DisplayScale();
    m_header_height = 30.0f * scale;
    m_row_height = 18.0f * scale;
    for (TextStyle* style : {m_header_style.get(), m_cell_style.get(), m_group_style.get()}) style->SetSize(FontSize(scale));
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

bool GridTableView::PaintsSelected(const Row& row) const { return row.selected && !GetDrawContext().IsPrinting(); }

PointF GridTableView::ContentPoint(float x, float y) const {
    const DrawContext& dc = GetDrawContext();
    return {static_cast<float>(dc.GetOriginX()) + x, static_cast<float>(dc.GetOriginY()) + y};
}

bool GridTableView::OnLButtonDown(std::uint32_t /*flags*/, float x, float y) {
    if (GetLayout() == nullptr) return PressAnswerWithoutLayout();
    m_moved_column = -1;
    const PointF p = ContentPoint(x, y);
    bool result = false;
    const auto border = std::find_if(m_column_borders.begin(), m_column_borders.end(),
                                     [&](const RectF& r) { return r.Contains(p.x, p.y); });
    if (border != m_column_borders.end()) {
        m_resize_column = static_cast<std::int32_t>(border - m_column_borders.begin());
        result = true;
    }
    const auto cell = std::find_if(m_header_cells.begin(), m_header_cells.end(),
                                   [&](const RectF& r) { return r.Contains(p.x, p.y); });
    if (cell != m_header_cells.end()) {
        const auto column = static_cast<std::size_t>(cell - m_header_cells.begin());
        m_drag_source = m_moved_column = static_cast<std::int32_t>(column);
        GetDrawContext().RequestCursor(CursorKind::size_all);
        if (HeaderPressSorts()) SortByHeader(column);
        result = true;
    }
    SelectRowsAt(p);
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

void GridTableView::SelectRowsAt(PointF point) {
    const auto& rows = GetRowList().Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool painted = i >= m_painted.first && i < m_painted.last;
        rows[i]->selected = painted && rows[i]->GetRect().Contains(point.x, point.y);
    }
}

float GridTableView::MinimumWidth(std::size_t column) const {
    const float scale = DisplayScale();
    if (column > 0) return 30.0f * scale;
    return 30.0f * scale + 20.0f * scale * static_cast<float>(GetRowList().GetDeepestLevel());
}

bool GridTableView::OnMouseMove(std::uint32_t flags, float x, float y) {
    Layout* layout = GetLayout();
    if (layout == nullptr) return MoveAnswerWithoutLayout();
    const PointF p = ContentPoint(x, y);
    bool result = false;
    if (std::any_of(m_column_borders.begin(), m_column_borders.end(), [&](const RectF& r) { return r.Contains(p.x, p.y); }))
        GetDrawContext().RequestCursor(CursorKind::size_we);
    if ((flags & kLeftButton) != 0) {
        if (GetWidth() < p.x) {
            m_drop_target = static_cast<std::int32_t>(m_header_cells.size());
            result = true;
        } else if (const auto cell = std::find_if(m_header_cells.begin(), m_header_cells.end(),
                                                  [&](const RectF& r) { return r.Contains(p.x, p.y); });
                   cell != m_header_cells.end()) {
            m_drop_target = static_cast<std::int32_t>(cell - m_header_cells.begin());
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
    const auto& rows = GetRowList().Rows();
    const std::size_t last = std::min(m_painted.last, rows.size());
    for (std::size_t i = m_painted.first; i < last; ++i) {
        Row& row = *rows[i];
        if (row.IsGroupRow() && row.GetExpanderRect().Contains(point.x, point.y)) {
            row.expanded = !row.expanded;
            break;
        }
    }
    return true;
}

void GridTableView::DrawHeader() {
    Layout* layout = GetLayout();
    if (layout == nullptr) return;
    DrawContext& dc = GetDrawContext();
    const float scale = DisplayScale();
    const float oy = static_cast<float>(dc.GetOriginY());
    const float view_width = GetWidth();
    const float height = GetHeight();
    const std::size_t count = layout->GetColumnCount();
    const GroupSortBy* grouping = Grouping();
    const SortBy* first_sort =
        grouping != nullptr && !grouping->sort_bys.empty() ? grouping->sort_bys.front().get() : nullptr;

    m_column_borders.clear();
    m_header_cells.clear();
    dc.FillRect(Color::White(), 0.0f, oy, view_width, m_header_height);
    if (m_drop_target == static_cast<std::int32_t>(count)) dc.PenLine(2, Color::DarkBlue(), view_width, oy, view_width, height);

    float x = 0.0f;
    for (std::size_t i = 0; i < count; ++i) {
        const LayoutColumn& column = *layout->GetColumn(i);
        const float w = column.width * scale;
        const auto index = static_cast<std::int32_t>(i);
        const bool sorted = first_sort != nullptr && first_sort->field == column.field;
        if (index == m_drag_source || (index == m_moved_column && !dc.IsPrinting()))
            dc.FillRect(Color::Blue(), x, oy, w, m_header_height);
        if (index == m_resize_column) {
            dc.PenLine(2, Color::DarkBlue(), x + w, oy, x + w, height);
        } else if (index == m_drop_target) {
            dc.PenLine(2, Color::DarkBlue(), x, oy, x, height);
        } else {
            dc.PenLine(1, Color::Gray(), x + w, oy, x + w, oy + m_header_height);
        }
        const float title_width = sorted ? w - 20.0f * scale : w - 7.0f * scale;
        dc.DrawText(*m_header_style, column.GetTitle(), HeaderTitleFlags(),
                    {x + 5.0f * scale, oy + 5.0f * scale, title_width, m_header_height});
        const float right = x + w;
        if (sorted) {
            const float middle = oy + m_header_height * 0.5f;
            const float top = middle - 4.5f * scale;
            const float bottom = middle + 3.5f * scale;
            const bool ascending = first_sort->sort_type == kSortAscending;
            const float base = ascending ? top : bottom;
            const float tip = ascending ? bottom : top;
            dc.FillPolygon(Color::DarkGray(),
                           {{right - 12.0f * scale, base}, {right - 4.0f * scale, base}, {right - 8.0f * scale, tip}});
        }
        m_column_borders.push_back({right - 3.0f * scale, oy, 6.0f * scale, m_header_height});
        m_header_cells.push_back({x + 4.0f * scale, oy, w - 8.0f * scale, m_header_height});
        x = right;
    }
    dc.PenLine(1, Color::LightGray(), 0.0f, oy, x, oy);
    dc.PenLine(1, Color::Gray(), 0.0f, oy + m_header_height, x, oy + m_header_height);
}

}  // namespace varnholt::view
