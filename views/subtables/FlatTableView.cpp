// FlatTableView.cpp - rows and selection of the flat sub-tables.

#include "views/subtables/FlatTableView.h"

#include "rows/RecordRows.h"
#include "rows/Row.h"
#include "rows/table_metrics.h"
#include "views/core/RowList.h"

namespace varnholt::view {

// The header is one row high.
FlatTableView::FlatTableView(View* master) : RowTreeView(kRowHeight), m_master(master) {}

void FlatTableView::Update() {
    DropTree();
    Rebuild();
}

void FlatTableView::BuildTree() {
    SetRoot(std::make_unique<RootRow>());
    if (const Row* selected = m_master->GetSelectedRow(); selected != nullptr) AddRows(*Root(), *selected);
}

const TaskRecord* FlatTableView::SelectedActivity(const Row& selected) {
    return selected.IsActivityRow() ? selected.GetActivity() : nullptr;
}

// Every row is painted, so every row is hit-tested.
void FlatTableView::Draw(const RectF& /*visible*/) {
    SetPaintedRows({0, GetRowList().Size()});
    DrawRows();
    DrawHeader();
}

bool FlatTableView::OnLButtonDown(std::uint32_t /*flags*/, float x, float y) {
    SelectRowAt(ContentPoint(x, y));
    return false;
}

bool FlatTableView::OnLButtonUp(std::uint32_t /*flags*/, float /*x*/, float /*y*/) { return true; }

Color FlatTableView::CellColor(const Row& row) const {
    return PaintsSelected(row) ? Color::White() : m_cell_style->GetColor();
}

void FlatTableView::DrawClosingLines(float width, float bottom) {
    DrawContext& dc = GetDrawContext();
    const float header_height = GetHeaderHeight();
    dc.PenLine(1, Color::Gray(), 0.0f, header_height, width, header_height);
    dc.PenLine(1, Color::Gray(), 0.0f, bottom, width, bottom);
}

}  // namespace varnholt::view
