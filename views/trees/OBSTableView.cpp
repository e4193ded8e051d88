// OBSTableView.cpp - the OBS tree: rows from the OBS records, one clipped name per row.

#include "views/trees/OBSTableView.h"

#include "model/CaptionCatalog.h"
#include "model/Document.h"
#include "model/records/ObsRecord.h"
#include "rows/RecordRows.h"
#include "views/trees/record_tree.h"

namespace varnholt::view {

namespace {
constexpr CaptionId kObsNameCaption = 51114;
}

OBSTableView::OBSTableView() : m_column_width(600.0f * Scale()) {}

void OBSTableView::BuildRows(Row& root) const { AddRecordTree<OBSRow>(root, GetDocument()->Obs()); }

TreeSortKeys OBSTableView::SortKeys(const Row& row) const {
    const ObsRecord* node = row.IsOBSRow() ? row.GetOBS() : nullptr;
    if (node == nullptr) return {};
    return {&node->seq_num, &node->load_order};
}

void OBSTableView::DrawHeader() { DrawColumnHeader({CaptionCatalog::Instance().Lookup(kObsNameCaption)}); }

void OBSTableView::DrawRow(Row& row, float y) {
    DrawContext& dc = GetDrawContext();
    const float s = Scale();
    const float width = m_column_width;
    const float row_height = GetRowHeight();
    const ObsRecord* node = row.GetOBS();
    if (row.selected) dc.FillRect(Color::Blue(), 0.0f, y, width, row_height);
    if (node != nullptr && !node->children.empty()) DrawExpander(row, y, 6.0f * s);
    const float indent = 20.0f * s * static_cast<float>(row.level);
    const Color color = row.selected ? Color::White() : m_cell_style->GetColor();
    if (node != nullptr)
        Painter().CellText(*m_cell_style, color, node->obs_name.to_string(), indent, y, width - indent, 0.0f);
    dc.PenLine(1, Color::Gray(), width, y, width, y + row_height);
}

}  // namespace varnholt::view
