// ViewPrintMeasure.h - pagination's view of a category: its table view, its Gantt chart (Activities,
// WBS and Projects only) and the table pane's last client width, measured at the drawing scale
// in force.
#pragma once

#include "shell/print/pagination.h"

namespace varnholt::view { class GanttView; class View; }

namespace varnholt::print {

class ViewPrintMeasure final : public PrintMeasure {
public:
    // Views not owned; either may be null.
    ViewPrintMeasure(view::View* table, view::GanttView* chart, std::int32_t pane_width) noexcept
        : m_table(table), m_chart(chart), m_pane_width(pane_width) {}

    void ApplyScale(float scale) override;
    [[nodiscard]] float CurrentScale() const override;
    [[nodiscard]] bool HasMainWindow() const override { return true; }
    [[nodiscard]] bool TableHasDocument() const override;
    [[nodiscard]] bool ChartHasDocument() const override;
    [[nodiscard]] std::vector<float> ColumnWidths() const override;
    [[nodiscard]] std::int32_t PaneWidth() const override { return m_pane_width; }
    [[nodiscard]] float HeaderHeight() const override;
    [[nodiscard]] float RowHeight() const override;
    [[nodiscard]] std::int64_t RowCount() const override;
    [[nodiscard]] ChartSpan MeasureChart(const s_date& start, const s_date& end) const override;

    [[nodiscard]] view::View* Table() const noexcept { return m_table; }
    [[nodiscard]] view::GanttView* Chart() const noexcept { return m_chart; }

private:
    view::View* m_table;
    view::GanttView* m_chart;
    std::int32_t m_pane_width;
};

}  // namespace varnholt::print
