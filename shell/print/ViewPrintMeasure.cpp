// ViewPrintMeasure.cpp - a category's views measured for pagination.

#include "shell/print/ViewPrintMeasure.h"

#include "layouts/Layout.h"
#include "layouts/layout_records.h"
#include "rows/display_scale.h"
#include "views/core/PaneHost.h"
#include "views/core/RowList.h"
#include "views/core/View.h"
#include "views/gantt/GanttView.h"

#include <array>

namespace varnholt::print {

void ViewPrintMeasure::ApplyScale(float scale) {
    const std::array<view::View*, 2> views = {m_table, m_chart};
    view::ChangeDisplayScale(scale, views);
}

float ViewPrintMeasure::CurrentScale() const { return view::DisplayScale(); }

bool ViewPrintMeasure::TableHasDocument() const { return m_table != nullptr && m_table->GetDocument() != nullptr; }

bool ViewPrintMeasure::ChartHasDocument() const { return m_chart != nullptr && m_chart->GetDocument() != nullptr; }

std::vector<float> ViewPrintMeasure::ColumnWidths() const {
    return m_table != nullptr ? m_table->GetColumnWidths() : std::vector<float>{};
}

float ViewPrintMeasure::HeaderHeight() const { return m_table != nullptr ? m_table->GetHeaderHeight() : 0.0f; }

float ViewPrintMeasure::RowHeight() const { return m_table != nullptr ? m_table->GetRowHeight() : 0.0f; }

std::int64_t ViewPrintMeasure::RowCount() const {
    return m_table != nullptr ? static_cast<std::int64_t>(m_table->GetRowList().Size()) : 0;
}

ChartSpan ViewPrintMeasure::MeasureChart(const s_date& start, const s_date& end) const {
    if (m_chart == nullptr) return {};
    // The printed range reaches one timescale cell past its end, aligned to the cells.
    s_date from = start;
    s_date to = end;
    view::Layout* layout = m_chart->GetLayout();
    const TimescaleSettings* timescale = layout != nullptr ? layout->GetTimescale() : nullptr;
    if (timescale != nullptr && timescale->unit >= 1 && timescale->unit <= 8) {
        s_date upper_from = from, upper_to = to;
        view::AlignToUnit(timescale->unit - 1, from, to, 1, upper_from, upper_to);
    }
    return {m_chart->DateToX(start), m_chart->DateToX(to)};
}

}  // namespace varnholt::print
