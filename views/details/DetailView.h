// DetailView.h - the base of the tabbed detail panes. It owns the vertical tab strip (titles,
// hit rectangles, current tab), the four text styles and the strip's two metrics, and paints
// label/value sheets on the grid of SheetGrid; a concrete detail view adds only its Draw.
//
// The styles and the strip keep the display scale of construction (SetScale does nothing),
// while the sheet grid follows the scale of each paint. The master view is not owned: the
// view reads the master's selected row at every paint.
#pragma once

#include "model/caption_tables.h"
#include "views/core/View.h"
#include "views/details/SheetGrid.h"
#include "views/draw/TextStyle.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::view {

// One label/value pair of a sheet: the grid line and column, the label's caption, the field.
struct SheetField {
    std::int32_t line = 0;
    std::int32_t column = 0;
    CaptionId caption = 0;
    std::int32_t field_id = 0;
};

// A box of a sheet: its title's caption over one grid column; the title cell's height in
// unscaled units (most are one text line high).
struct SheetBox {
    std::int32_t column = 0;
    CaptionId caption = 0;
    float title_height = SheetGrid::kLineHeight;
};

inline constexpr CaptionId kGeneralTabCaption = 51632;

class DetailView : public View {
public:
    DetailView();
    ~DetailView() override;

    [[nodiscard]] bool IsDetailView() const override { return true; }

    // The host's set-up, once after construction: the master, the tab titles in display
    // order, then the current tab (the text of the "General" caption).
    void SetMaster(View* master) noexcept { m_master = master; }
    [[nodiscard]] View* GetMaster() const noexcept { return m_master; }
    void AddTab(std::wstring title) { m_tab_titles.push_back(std::move(title)); }
    void SetCurrentTab(std::wstring title) { m_current_tab = std::move(title); }
    [[nodiscard]] std::wstring GetCurrentTab() const { return m_current_tab; }
    [[nodiscard]] const std::vector<std::wstring>& GetTabTitles() const noexcept { return m_tab_titles; }

    // The tab click: the first tab rectangle of the last paint that holds the point (edges
    // included) becomes current. Always false; the host repaints after every release.
    bool OnLButtonUp(std::uint32_t flags, float x, float y) override;

    [[nodiscard]] static std::wstring LabelText(std::wstring_view caption);

    // Laid out by the last paint, one per tab in title order; empty before the first paint.
    [[nodiscard]] const std::vector<RectF>& GetTabRects() const noexcept { return m_tab_rects; }

protected:
    // Paints the strip and rebuilds the tab rectangles; `area` is the one Draw was given.
    void DrawTabs(const RectF& area);
    // The grid at the current display scale.
    [[nodiscard]] SheetGrid Grid() const;
    void DrawHeaderSeparator(const RectF& area);
    void DrawField(const SheetField& field, std::wstring_view value);
    void DrawBox(const SheetBox& box);
    // A label or box title, right-aligned in its cell. One wider than the cell reaches left by up
    // to `reach`; one wider still is drawn in the largest smaller size of its face that fits, so
    // that no label is ever cut.
    void DrawLabel(const TextStyle& style, std::wstring_view text, const RectF& cell, float reach);
    [[nodiscard]] bool IsCurrentTab(CaptionId caption) const;

    View* m_master = nullptr;  // not owned

private:
    std::wstring m_current_tab;
    std::unique_ptr<TextStyle> m_tab_style;
    std::unique_ptr<TextStyle> m_label_style;
    std::unique_ptr<TextStyle> m_value_style;       // values and box titles
    std::unique_ptr<TextStyle> m_current_tab_style;
    float m_tab_width;
    float m_tab_height;
    std::vector<RectF> m_tab_rects;
    std::vector<std::wstring> m_tab_titles;
};

// What every concrete detail view does alike: no content size (nothing scrolls), an Update
// with nothing to rebuild (the master's selection is read at each paint), the tab click as
// the button release, and a paint of strip and separator before the view's own record.
class RecordDetailView : public DetailView {
public:
    [[nodiscard]] float GetWidth() const override { return 0.0f; }
    [[nodiscard]] float GetHeight() const override { return 0.0f; }
    void Update() override {}
    // Without a master nothing at all is painted.
    void Draw(const RectF& area) final;
    bool OnLButtonUp(std::uint32_t flags, float x, float y) final;

protected:
    // The header pair and the current tab's sheet; `selected` is the master's selected row,
    // null without one, and of any kind.
    virtual void DrawRecord(const Row* selected) = 0;
};

}  // namespace varnholt::view
