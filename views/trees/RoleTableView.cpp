// RoleTableView.cpp - the role tree: rows from the role records, ID and name per row.

#include "views/trees/RoleTableView.h"

#include "model/CaptionCatalog.h"
#include "model/Document.h"
#include "model/records/RoleRecord.h"
#include "rows/RecordRows.h"
#include "views/trees/record_tree.h"

namespace varnholt::view {

namespace {
constexpr CaptionId kRoleIdCaption = 1470;
constexpr CaptionId kRoleNameCaption = 51570;
constexpr std::uint32_t kEllipsisCell = kCellTextFlags | kTextWordEllipsis;
}  // namespace

RoleTableView::RoleTableView() : m_column_widths{300.0f * Scale(), 300.0f * Scale()} {}

void RoleTableView::BuildRows(Row& root) const { AddRecordTree<RoleRow>(root, GetDocument()->Roles()); }

TreeSortKeys RoleTableView::SortKeys(const Row& row) const {
    const RoleRecord* role = row.IsRoleRow() ? row.GetRole() : nullptr;
    if (role == nullptr) return {};
    return {&role->seq_num, &role->load_order};
}

void RoleTableView::DrawHeader() {
    const CaptionCatalog& captions = CaptionCatalog::Instance();
    DrawColumnHeader({captions.Lookup(kRoleIdCaption), captions.Lookup(kRoleNameCaption)});
}

void RoleTableView::DrawRow(Row& row, float y) {
    DrawContext& dc = GetDrawContext();
    const float s = Scale();
    const float width = GetWidth();
    const float row_height = GetRowHeight();
    const RoleRecord* role = row.GetRole();
    if (row.selected) dc.FillRect(Color::Blue(), 0.0f, y, width, row_height);
    if (role != nullptr && !role->children.empty()) DrawExpander(row, y, 6.0f * s);
    if (role != nullptr) {
        const float indent = 20.0f * s * static_cast<float>(row.level);
        const float w0 = m_column_widths[0];
        const Color color = row.selected ? Color::White() : m_cell_style->GetColor();
        dc.DrawTextWithFont(m_cell_style->font_block, color, role->role_short_name.to_string(), kEllipsisCell,
                            {indent, y, w0 - indent, row_height});
        dc.DrawTextWithFont(m_cell_style->font_block, color, role->role_name.to_string(), kEllipsisCell,
                            {w0 + 5.0f * s, y, m_column_widths[1] - 5.0f * s, row_height});
    }
    dc.PenLine(1, Color::Gray(), width, y, width, y + row_height);
}

}  // namespace varnholt::view
