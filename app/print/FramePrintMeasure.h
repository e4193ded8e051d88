// FramePrintMeasure.h - pagination's view of the main frame: the current table view, the
// category's Gantt chart and the table pane's width, measured at the drawing scale in force.
#pragma once

#include "shell/print/pagination.h"

namespace varnholt {

class CMainFrame;

namespace view { class GanttView; class View; }

class FramePrintMeasure final : public print::PrintMeasure {
public:
    explicit FramePrintMeasure(CMainFrame& frame);

    void ApplyScale(float scale) override;
    [[nodiscard]] float CurrentScale() const override;
    [[nodiscard]] bool HasMainWindow() const override { return true; }
    [[nodiscard]] bool TableHasDocument() const override;
    [[nodiscard]] bool ChartHasDocument() const override;
    [[nodiscard]] std::vector<float> ColumnWidths() const override;
    [[nodiscard]] std::int32_t PaneWidth() const override;
    [[nodiscard]] float HeaderHeight() const override;
    [[nodiscard]] float RowHeight() const override;
    [[nodiscard]] std::int64_t RowCount() const override;
    [[nodiscard]] print::ChartSpan MeasureChart(const s_date& start, const s_date& end) const override;

    [[nodiscard]] view::View* Table() const noexcept { return m_table; }
    // The category's chart: Activities, WBS and Projects only.
    [[nodiscard]] view::GanttView* Chart() const noexcept { return m_chart; }

private:
    CMainFrame& m_frame;
    view::View* m_table;
    view::GanttView* m_chart;
};

}  // namespace varnholt
