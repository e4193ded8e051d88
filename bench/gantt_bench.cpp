// gantt_bench.cpp - opens XER files and prints, at timescale units 5 and 8, the time of a Gantt
// chart's Update and of one paint through the recording backend, scrolled to the middle of the
// chart, and of the same paint into a wx memory bitmap when a display is present. The companion lists every activity in file order, one row each, as an ungrouped
// activity table would; one bar per activity with a label, relationship lines on.
//
// Usage: gantt_bench FILE.xer [FILE.xer ...]   (files from xer_generator, for example)

#include "app/draw/OffscreenPaint.h"
#include "bench/bench_timing.h"
#include "columns/ColumnCatalog.h"
#include "import/Document_xer.h"
#include "layouts/GanttBarSet.h"
#include "layouts/Layout.h"
#include "layouts/layout_records.h"
#include "model/CaptionCatalog.h"
#include "rows/ActivityRow.h"
#include "views/core/RowList.h"
#include "views/draw/RecordingBackend.h"
#include "views/gantt/GanttView.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace varnholt;
using namespace varnholt::view;

class BenchLayout final : public Layout {
public:
    BenchLayout() : Layout(LayoutKind::activity) {
        GanttBar& bar = bars.AddBar(L"current", 82, 70, true, false);
        bar.mid_rect = std::make_unique<GanttBarShape>();
        bar.mid_rect->shape = 1;
        bar.end_point = std::make_unique<GanttBarShape>();
        bar.end_point->shape = 4;
        bar.filter = std::make_unique<FilterSelection>(0);
        bar.AddLabel(132, kLabelRight);
    }
    GanttBarSet* GetGanttBars() override { return &bars; }
    TimescaleSettings* GetTimescale() override { return &timescale; }
    GanttBarSet bars;
    TimescaleSettings timescale;
};

class FlatTable final : public View {
public:
    explicit FlatTable(const document::Document& doc) {
        for (const auto& task : doc.Tasks()) {
            Row& row = *m_rows.emplace_back(std::make_unique<ActivityRow>(task.get()));
            GetRowList().Append(row);
            GetRowList().MapActivity(*task, row);
        }
    }
    float GetWidth() const override { return 720.0f; }
    float GetHeight() const override { return 30.0f + 18.0f * static_cast<float>(GetRowList().Size()); }
    float GetHeaderHeight() const override { return 30.0f; }
    float GetRowHeight() const override { return 18.0f; }
    void Update() override {}
    void Draw(const RectF&) override {}

private:
    std::vector<std::unique_ptr<Row>> m_rows;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: gantt_bench FILE.xer [FILE.xer ...]\n");
        return 2;
    }
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    OffscreenPainter painter;  // no display: the wx column shows "-"
    std::printf("%-28s %10s %5s %10s %10s %10s %8s %10s\n", "file", "activities", "unit", "cells", "update ms",
                "paint ms", "prims", "wx ms");
    for (int i = 1; i < argc; ++i) {
        ColumnCatalog::Instance().BuildAllColumns();
        document::Document_xer doc;
        const std::string name = argv[i];
        if (!doc.Open(std::wstring(name.begin(), name.end()))) {
            std::fprintf(stderr, "cannot open %s\n", argv[i]);
            return 1;
        }
        FlatTable table(doc);
        BenchLayout layout;
        for (const std::int32_t unit : {5, 8}) {
            layout.timescale.unit = unit;
            GanttView chart;
            chart.SetDocument(&doc);
            chart.SetLayout(&layout);
            chart.SetCompanion(&table);
            const double update = bench::BestOf(5, [&] { chart.Update(); });

            // The chart's pane of a 1920 x 1080 window beside the table, scrolled to the middle.
            const RectF pane{0.0f, 0.0f, 1200.0f, 1000.0f};
            RecordingBackend backend;
            DrawContext& dc = chart.GetDrawContext();
            const auto ox = static_cast<std::int32_t>(std::max(0.0f, chart.GetWidth() / 2 - pane.width / 2));
            const auto oy = static_cast<std::int32_t>(std::max(0.0f, chart.GetHeight() / 2 - pane.height / 2));
            dc.SetOrigin(ox, oy);
            dc.SetDevice(&backend);
            const double paint = bench::BestOf(5, [&] {
                backend.Clear();
                chart.Draw(pane);
            });
            dc.SetDevice(nullptr);
            std::string wx = "-";
            if (painter.Ready()) {
                double best = 1e300;
                for (int run = 0; run < 5; ++run)
                    best = std::min(best, painter.Paint(chart, static_cast<int>(pane.width),
                                                        static_cast<int>(pane.height), ox, oy));
                char text[32];
                std::snprintf(text, sizeof text, "%.2f", best);
                wx = text;
            }
            std::printf("%-28s %10zu %5d %10zu %10.2f %10.2f %8zu %10s\n", argv[i], doc.Tasks().size(), unit,
                        chart.Timescale().LowerTierDates().size(), update, paint, backend.Lines().size(), wx.c_str());
        }
    }
    return 0;
}
