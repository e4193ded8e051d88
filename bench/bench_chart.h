// bench_chart.h - a Gantt chart beside its table, as a pane shows them, for the benchmarks, and
// the bar the chart draws for each activity.
#pragma once

#include "columns/field_ids.h"
#include "layouts/ActivityLayout.h"
#include "layouts/FilterSelection.h"
#include "layouts/GanttBarSet.h"
#include "layouts/layout_records.h"
#include "views/gantt/GanttView.h"
#include "views/grid/ActivityTableView.h"

#include <memory>

namespace varnholt::bench {

// The table lists the document's activities as the layout arranges them.
inline void ListTable(view::ActivityTableView& table, document::Document& doc, ActivityLayout& layout) {
    table.SetDocument(&doc);
    table.SetLayout(&layout);
    table.Update();
}

// The chart reads the table's rows: it takes the same document and layout and the table as its
// companion, then builds its timescale.
inline void BindChart(view::GanttView& chart, document::Document& doc, view::Layout& layout, view::View& table) {
    chart.SetDocument(&doc);
    chart.SetLayout(&layout);
    chart.SetCompanion(&table);
    chart.Update();
}

// The current bar of every activity, start to finish, with the activity's name to its right.
inline GanttBar& AddCurrentBar(GanttBarSet& bars) {
    GanttBar& bar = bars.AddBar(L"current", kStartField, kFinishField, true, false);
    bar.mid_rect = std::make_unique<GanttBarShape>();
    bar.mid_rect->shape = 1;
    bar.filter = std::make_unique<FilterSelection>(0);
    bar.AddLabel(132, kLabelRight);
    return bar;
}

}  // namespace varnholt::bench
