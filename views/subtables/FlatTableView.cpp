// FlatTableView.cpp - rows, metrics and selection of the flat sub-tables.

#include "views/subtables/FlatTableView.h"

#include "rows/RecordRows.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"
#include "views/subtables/FlattenAll.h"

#include <algorithm>

namespace varnholt::view {

// Fonts and heights follow the scale at construction and never again: a printed page keeps
// the sub-tables' screen metrics.
FlatTableView::FlatTableView(View* master)
    : m_header_style(TextStyle::New(L"Calibri", 14, Color::Black(), true)),
      m_cell_style(TextStyle::New(L"Calibri", 14, Color::Black())),
      m_master(master),
      m_header_height(18.0f * DisplayScale()),
      m_row_height(18.0f * DisplayScale()) {
    const auto size = static_cast<std::int32_t>(DisplayScale() * 15.0f);
    m_header_style->SetSize(size);
    m_cell_style->SetSize(size);
}

FlatTableView::~FlatTableView() { DropRows(); }

void FlatTableView::DropRows() {
    ForgetSelection();
    GetRowList().Clear();
    m_root.reset();
}

void FlatTableView::Update() {
    DropRows();
    Rebuild();
}

void FlatTableView::Rebuild() {
    if (!CanRebuild()) return;
    m_root = std::make_unique<RootRow>();
    if (const Row* selected = m_master->GetSelectedRow(); selected != nullptr) AddRows(*m_root, *selected);
    FlattenAll(GetRowList(), *m_root);
}

const TaskRecord* FlatTableView::SelectedActivity(const Row& selected) {
    return selected.IsActivityRow() ? selected.GetActivity() : nullptr;
}

float FlatTableView::GetHeight() const {
    return static_cast<float>(GetRowList().Size()) * m_row_height + m_header_height;
}

void FlatTableView::Draw(const RectF& /*visible*/) {
    DrawRows();
    DrawHeader();
}

PointF FlatTableView::ContentPoint(float x, float y) const {
    const DrawContext& dc = GetDrawContext();
    return {x + static_cast<float>(dc.GetOriginX()), y + static_cast<float>(dc.GetOriginY())};
}

bool FlatTableView::OnLButtonDown(std::uint32_t /*flags*/, float x, float y) {
    m_moved_column = -1;
    const PointF p = ContentPoint(x, y);
    // A row not painted yet has an empty rectangle and cannot be under the point.
    const auto& rows = GetRowList().Rows();
    const auto hit = std::find_if(rows.rbegin(), rows.rend(), [p](const Row* row) {
        const RectF rect = row->GetRect();
        return rect.height > 0.0f && rect.Contains(p.x, p.y);
    });
    SelectRow(hit != rows.rend() ? *hit : nullptr);
    return false;
}

bool FlatTableView::OnLButtonUp(std::uint32_t /*flags*/, float /*x*/, float /*y*/) { return true; }

bool FlatTableView::PaintsSelected(const Row& row) const { return row.selected && !GetDrawContext().IsPrinting(); }

Color FlatTableView::CellColor(const Row& row) const {
    return PaintsSelected(row) ? Color::White() : m_cell_style->GetColor();
}

void FlatTableView::DrawClosingLines(float width, float bottom) {
    DrawContext& dc = GetDrawContext();
    dc.PenLine(1, Color::Gray(), 0.0f, m_header_height, width, m_header_height);
    dc.PenLine(1, Color::Gray(), 0.0f, bottom, width, bottom);
}

}  // namespace varnholt::view
