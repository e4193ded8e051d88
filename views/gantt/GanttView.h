// GanttView.h - the bar chart beside a table view. It owns no rows: it paints one band per
// visible row of its companion table, with the companion's header and row heights, and draws
// the layout's bars and labels, relationship lines, non-working shading, grid lines, the data
// date and, last, the two-tier timescale header. The timescale itself is GanttTimescale.
#pragma once

#include "views/core/View.h"
#include "views/draw/device_coords.h"
#include "views/draw/TextStyle.h"
#include "views/gantt/GanttTimescale.h"

#include <cstdint>
#include <memory>

namespace varnholt { class GanttBar; struct GanttBarShape; struct TimescaleSettings; }

namespace varnholt::view {

class GanttView final : public View {
public:
    GanttView();
    ~GanttView() override;

    [[nodiscard]] bool IsGanttView() const override { return true; }
    // Lower-tier entries x cell width; 0 unless document, layout, timescale and companion exist.
    [[nodiscard]] float GetWidth() const override;
    // The companion's height; 0 without one.
    [[nodiscard]] float GetHeight() const override;
    // Rebuilds the tiers, the grid dates and the data date.
    void Update() override;
    void Draw(const RectF& visible) override;
    void SetScale() override;

    void SetCompanion(View* companion) noexcept { m_companion = companion; }
    [[nodiscard]] View* GetCompanion() const noexcept { return m_companion; }
    void SetShowRelationships(bool on) noexcept { m_show_relationships = on; }
    [[nodiscard]] bool GetShowRelationships() const noexcept { return m_show_relationships; }
    // The options sheet changed the grid settings.
    void MarkGridDatesStale() noexcept { m_timescale.MarkGridDatesStale(); }

    // Timescale services, public for printing and the go-to commands.
    void BuildTimescale();
    void BuildGridDates();
    void UpdateDataDate();
    [[nodiscard]] float DateToX(const s_date& date) const;
    [[nodiscard]] s_date GetStartDate() const { return m_timescale.GetStartDate(); }
    [[nodiscard]] s_date GetEndDate() const { return m_timescale.GetEndDate(); }
    [[nodiscard]] const GanttTimescale& Timescale() const noexcept { return m_timescale; }

    void DrawTimescaleHeader(const RectF& visible);

private:
    // What one paint reads again and again, taken once at its start.
    struct Frame {
        float scale = 1.0f;   // DisplayScale
        float cell = 0.0f;    // one lower cell on screen
        float hh = 0.0f;      // companion header height
        float rh = 0.0f;      // companion row height
        float width = 0.0f;   // W
        float height = 0.0f;  // H
        float ox = 0.0f, oy = 0.0f;
        std::int32_t unit = 0;
    };

    // A position on a whole pixel, through the drawing layer's clamped conversion.
    [[nodiscard]] static float WholePixel(float x) { return static_cast<float>(device::Truncate(x).value_or(0)); }
    [[nodiscard]] TimescaleSettings* Settings() const;
    [[nodiscard]] float CellWidth() const;
    [[nodiscard]] Frame MakeFrame() const;
    [[nodiscard]] float ValueToX(const s_val& value, float cell) const;
    // XER files always; workbooks when their columns allow it.
    [[nodiscard]] bool DrawsRelationshipLines() const;
    // Two lower entries at least: with fewer every date maps to 0 and nothing is placed.
    [[nodiscard]] bool CanPlaceDates() const noexcept { return m_timescale.LowerTierDates().size() >= 2; }

    void DrawHeaderCells(const Frame& f, const CellWindow& window);
    // Painters, in the order Draw calls them.
    void DrawNonWorkingTime(const Frame& f, const RectF& visible);
    void DrawGrid(const Frame& f, const RectF& visible);
    void DrawDashedLine(const Frame& f, const RectF& visible, const s_date& date);
    void DrawRows(const Frame& f, const RectF& visible);
    void DrawDataDateLine(const Frame& f, const RectF& visible);

    void DrawRelationships(const Frame& f, const Row& row);
    void DrawRelationshipLine(const Frame& f, const Row& predecessor, const Row& successor, std::int32_t type);
    void DrawActivityRow(const Frame& f, const Row& row, float y);
    void DrawBar(const Frame& f, const RectF& r, const GanttBarShape* shape);
    void DrawBarEndShapes(const Frame& f, PointF at, const GanttBarShape* shape);
    void DrawBarLabels(const Frame& f, const GanttBar& bar, const Row& row, const RectF& extent);

    std::unique_ptr<TextStyle> m_header_style;  // timescale labels, bold
    std::unique_ptr<TextStyle> m_label_style;   // bar labels, regular
    bool m_show_relationships = true;
    View* m_companion = nullptr;  // not owned: the table whose rows are drawn
    GanttTimescale m_timescale;
};

}  // namespace varnholt::view
