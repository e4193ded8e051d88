// FixedTableView.cpp - painting the fixed-column sub-tables: vertical lines between the
// columns, a line above the first and below the last row, texts cut at a word with "...".

#include "views/subtables/FixedTableView.h"

#include "model/CaptionCatalog.h"
#include "model/s_val.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"

namespace varnholt::view {

namespace {

constexpr std::uint32_t kCellFormat = kTextSingleLine | kTextVCenter | kTextWordEllipsis;

}  // namespace

float FixedTableView::GetWidth() const {
    float width = 0.0f;
    for (const FixedColumn& column : Columns()) width += column.width;
    return width;
}

void FixedTableView::DrawRows() {
    DrawContext& dc = GetDrawContext();
    const float width = GetWidth();
    const float h = GetRowHeight();
    const float inset = DisplayScale() * 5.0f;
    float y = GetHeaderHeight();
    for (Row* row : GetRowList().Rows()) {
        if (!ShowsRow(*row)) continue;
        row->rect = {0.0f, y + 1.0f, width, h - 1.0f};
        if (PaintsSelected(*row)) dc.FillRect(Color::Blue(), 0.0f, y, width, h);
        const Color color = CellColor(*row);
        float x = 0.0f;
        for (const FixedColumn& column : Columns()) {
            dc.DrawTextWithFont(m_cell_style->font_block, color, column.cell(*row).to_string(), kCellFormat,
                                {x + inset, y, column.width - inset, h});
            dc.PenLine(1, Color::Gray(), x + column.width, y, x + column.width, y + h);
            x += column.width;
        }
        y += h;
    }
    DrawClosingLines(width, y);
}

void FixedTableView::DrawHeader() {
    DrawContext& dc = GetDrawContext();
    const float top = static_cast<float>(dc.GetOriginY());
    const float hh = GetHeaderHeight();
    const float inset = DisplayScale() * 5.0f;
    const CaptionCatalog& captions = CaptionCatalog::Instance();
    dc.FillRect(Color::White(), 0.0f, top, GetWidth(), hh);
    float x = 0.0f;
    for (const FixedColumn& column : Columns()) {
        dc.PenLine(1, Color::Gray(), x + column.width, top, x + column.width, top + hh);
        dc.DrawText(*m_header_style, captions.Lookup(column.caption), kCellFormat,
                    {x + inset, top, column.width - inset, hh});
        x += column.width;
    }
    dc.PenLine(1, Color::LightGray(), 0.0f, top, x, top);
    dc.PenLine(1, Color::Gray(), 0.0f, top + hh, x, top + hh);
}

}  // namespace varnholt::view
