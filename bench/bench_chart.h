// bench_chart.h - a Gantt chart beside its table, as a pane shows them, for the benchmarks.
#pragma once

#include "views/gantt/GanttView.h"

namespace varnholt::bench {

// The chart reads the table's rows: it takes the same document and layout and the table as its
// companion, then builds its timescale.
inline void BindChart(view::GanttView& chart, document::Document& doc, view::Layout& layout, view::View& table) {
    chart.SetDocument(&doc);
    chart.SetLayout(&layout);
    chart.SetCompanion(&table);
    chart.Update();
}

}  // namespace varnholt::bench
