// DetailView.cpp - the tab strip, its click, and the sheet painter of the detail panes.

#include "views/details/DetailView.h"

#include "model/CaptionCatalog.h"
#include "rows/display_scale.h"

#include <algorithm>
#include <cmath>

namespace varnholt::view {
namespace {

constexpr float kTabWidth = 250.0f;
constexpr float kTabHeight = 24.0f;
constexpr float kTabTextIndent = 10.0f;  // not scaled
constexpr std::uint32_t kLeftAligned = kTextVCenter | kTextSingleLine;
constexpr std::uint32_t kRightAligned = kTextRight | kTextVCenter | kTextSingleLine;

std::unique_ptr<TextStyle> NewStyle(Color color, bool bold) {
    auto style = TextStyle::New(L"Calibri", 14, color, bold);
    style->SetSize(static_cast<std::int32_t>(15.0f * DisplayScale()));
    return style;
}

}  // namespace

DetailView::DetailView()
    : m_tab_style(NewStyle(Color::Black(), false)),
      m_label_style(NewStyle(Color::Black(), false)),
      m_value_style(NewStyle(Color::Black(), true)),
      m_current_tab_style(NewStyle(Color::White(), true)),
      m_tab_width(kTabWidth * DisplayScale()),
      m_tab_height(kTabHeight * DisplayScale()) {}

DetailView::~DetailView() = default;

std::wstring DetailView::LabelText(std::wstring_view caption) {
    std::wstring label(caption);
    label += L':';
    return label;
}

void DetailView::DrawTabs(const RectF& area) {
    DrawContext& dc = GetDrawContext();
    m_tab_rects.clear();
    // The strip runs from the pane's top-left corner whatever the area.
    dc.FillRect(Color::PaleGray(), 0.0f, 0.0f, m_tab_width, area.height);
    dc.PenLine(1, Color::Gray(), m_tab_width, 0.0f, m_tab_width, area.height);
    float y = 0.0f;
    for (const std::wstring& title : m_tab_titles) {
        m_tab_rects.push_back({0.0f, y, m_tab_width, m_tab_height});
        const bool current = title == m_current_tab;
        if (current) dc.FillRect(Color::Blue(), 0.0f, y + 1.0f, m_tab_width, m_tab_height - 1.0f);
        dc.DrawText(current ? *m_current_tab_style : *m_tab_style, title, kLeftAligned,
                    {kTabTextIndent, y, m_tab_width - kTabTextIndent, m_tab_height});
        dc.PenLine(1, Color::Gray(), 0.0f, y + m_tab_height, m_tab_width, y + m_tab_height);
        y += m_tab_height;
    }
}

bool DetailView::OnLButtonUp(std::uint32_t /*flags*/, float x, float y) {
    const DrawContext& dc = GetDrawContext();
    const float content_x = x + static_cast<float>(dc.GetOriginX());
    const float content_y = y + static_cast<float>(dc.GetOriginY());
    for (std::size_t i = 0; i < m_tab_rects.size() && i < m_tab_titles.size(); ++i) {
        if (m_tab_rects[i].Contains(content_x, content_y, 0.0f)) {
            m_current_tab = m_tab_titles[i];
            break;
        }
    }
    return false;
}

SheetGrid DetailView::Grid() const { return {DisplayScale(), m_tab_width}; }

bool DetailView::IsCurrentTab(CaptionId caption) const {
    return m_current_tab == CaptionCatalog::Instance().Lookup(caption);
}

void DetailView::DrawHeaderSeparator(const RectF& area) {
    const SheetGrid grid = Grid();
    const float y = grid.SeparatorY();
    // Drawn as computed, leftwards in a pane narrower than the first label.
    GetDrawContext().PenLine(1, Color::LightGray(), grid.LabelX(0), y, area.x + area.width - 30.0f * grid.scale, y);
}

void DetailView::DrawField(const SheetField& field, std::wstring_view value) {
    const SheetGrid grid = Grid();
    DrawContext& dc = GetDrawContext();
    DrawLabel(*m_label_style, LabelText(CaptionCatalog::Instance().Lookup(field.caption)),
              grid.LabelCell(field.column, field.line), grid.LabelReach(field.column));
    dc.DrawText(*m_value_style, value, kLeftAligned, grid.ValueCell(field.column, field.line));
}

void DetailView::DrawBox(const SheetBox& box) {
    const SheetGrid grid = Grid();
    DrawContext& dc = GetDrawContext();
    DrawLabel(*m_value_style, CaptionCatalog::Instance().Lookup(box.caption),
              grid.BoxTitleCell(box.column, box.title_height), grid.LabelReach(box.column));
    const float x = grid.LabelX(box.column);
    dc.DrawLine(kPenSolid, 1.0f, Color::LightGray(), x, grid.UnderlineY(), x + grid.UnderlineLength(),
                grid.UnderlineY());
}

void DetailView::DrawLabel(const TextStyle& style, std::wstring_view text, const RectF& cell, float reach) {
    DrawContext& dc = GetDrawContext();
    const float width = dc.MeasureText(style, text).width;
    // The device rectangle of a text is at least the whole part of its width wide.
    if (width <= std::floor(cell.width)) {
        dc.DrawText(style, text, kRightAligned, cell);
        return;
    }
    const RectF space{cell.x - reach, cell.y, cell.width + reach, cell.height};
    const float room = std::floor(space.width);
    FontBlock font = style.font_block;
    if (width > room) {
        // Widths grow about in step with the size: start from the proportional guess, then step
        // to the largest size that fits.
        const std::int32_t full = font.height;
        const auto fits = [&](std::int32_t height) {
            FontBlock sized = font;
            sized.height = height;
            return dc.MeasureTextWithFont(sized, text).width <= room;
        };
        font.height = std::clamp(static_cast<std::int32_t>(static_cast<float>(full) * room / width), 1,
                                 std::max(1, full - 1));
        while (font.height > 1 && !fits(font.height)) --font.height;
        while (font.height + 1 < full && fits(font.height + 1)) ++font.height;
    }
    dc.DrawTextWithFont(font, style.GetColor(), text, kRightAligned, space);
}

void RecordDetailView::Draw(const RectF& area) {
    if (m_master == nullptr) return;
    DrawTabs(area);
    DrawHeaderSeparator(area);
    DrawRecord(m_master->GetSelectedRow());
}

bool RecordDetailView::OnLButtonUp(std::uint32_t flags, float x, float y) {
    DetailView::OnLButtonUp(flags, x, y);
    return false;
}

}  // namespace varnholt::view
