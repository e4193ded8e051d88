// pagination.h - cutting the current category into printed pages: column pages of the table,
// row pages, the Gantt chart's tiles after the table's last column page, the page count and
// the search for a scale that fits a wanted number of pages. The views are reached through
// PrintMeasure, so the rules run (and are tested) without a device.
#pragma once

#include "model/s_date.h"
#include "shell/print/PrintSettings.h"

#include <cstdint>
#include <map>
#include <span>
#include <vector>

namespace varnholt::print {

// Columns [first, end) of one page; the x offset counts the columns of earlier pages. Screen
// pixels at the print scale.
struct ColumnPage {
    std::int32_t first = 0;
    std::int32_t end = 0;
    std::int32_t x_offset = 0;
    std::int32_t used_width = 0;
    friend bool operator==(const ColumnPage&, const ColumnPage&) = default;
};

// Rows [first, end) of one page; the height includes the table header.
struct RowPage {
    std::int32_t first = 0;
    std::int32_t end = 0;
    std::int32_t y_offset = 0;
    std::int32_t height = 0;
    friend bool operator==(const RowPage&, const RowPage&) = default;
};

using ColumnPages = std::map<std::int32_t, ColumnPage>;  // by page index from 0
using RowPages = std::map<std::int32_t, RowPage>;

// The pages of one job, counted at the print scale.
struct Pagination {
    bool column_pagination_ok = true;  // false: a column is wider than the page; pages stay empty
    std::int32_t pages_across = 1;     // table and chart together
    std::int32_t pages_down = 1;
    std::int32_t table_pages_across = 0;
    std::int32_t table_pages_down = 0;
    ColumnPages column_pages;
    RowPages row_pages;

    // pages across × pages down, 1 when that is 0 or below (a job has a page at least).
    [[nodiscard]] std::int32_t PageCount() const noexcept;
};

// The chart's x positions of the printed date range.
struct ChartSpan {
    float start_x = 0.0f;  // xs
    float end_x = 0.0f;    // xe
};

// What pagination needs of the current category's views, at the scale last applied.
class PrintMeasure {
public:
    virtual ~PrintMeasure() = default;
    // Sets the drawing scale and lets the table and the chart re-derive their sizes.
    virtual void ApplyScale(float scale) = 0;
    [[nodiscard]] virtual float CurrentScale() const = 0;
    [[nodiscard]] virtual bool HasMainWindow() const = 0;
    [[nodiscard]] virtual bool TableHasDocument() const = 0;
    [[nodiscard]] virtual bool ChartHasDocument() const = 0;
    // The widths the table draws its columns at, unscaled, in order.
    [[nodiscard]] virtual std::vector<float> ColumnWidths() const = 0;
    // The table pane's last client width.
    [[nodiscard]] virtual std::int32_t PaneWidth() const = 0;
    [[nodiscard]] virtual float HeaderHeight() const = 0;
    [[nodiscard]] virtual float RowHeight() const = 0;
    [[nodiscard]] virtual std::int64_t RowCount() const = 0;
    // The x of `start` and of `end` widened by one timescale cell; (0, 0) without a chart.
    [[nodiscard]] virtual ChartSpan MeasureChart(const s_date& start, const s_date& end) const = 0;
};

// The column pages over `widths` (unscaled) at `scale`. False when one column is wider than
// `width`. Without `all_columns` the columns end where the running total passes the pane's
// width at the scale.
[[nodiscard]] bool ComputeColumnPageBreaks(std::span<const float> widths, float scale, std::int32_t width,
                                           bool all_columns, std::int32_t pane_width, ColumnPages& pages);

// The row pages of `rows` rows under a header of `header` pixels; none when a page cannot
// hold one row or there are no rows.
void ComputeRowPages(float header, float row_height, std::int64_t rows, std::int32_t height, RowPages& pages);

// Counts the pages of the printable area W × H at the scale in force. False (and no count)
// without a main window or when a column is wider than W or the area has no pixels.
[[nodiscard]] bool CountPrintPages(const PrintSettings& settings, PrintMeasure& measure, std::int32_t width,
                                   std::int32_t height, Pagination& pagination);

// The largest scale, in steps of a fifth of the 100 % page share, at which the pages fit
// `wide` × `tall`; never below 1 %. 0.0 when nothing fits (also for counts of 0 or below).
// The scale in force before is restored.
[[nodiscard]] float FitScaleToPages(const PrintSettings& settings, PrintMeasure& measure, std::int32_t width,
                                    std::int32_t height, std::int32_t wide, std::int32_t tall);

// The tile of page n (from 1): across first.
struct Tile {
    std::int32_t across = 0;
    std::int32_t down = 0;
    friend bool operator==(const Tile&, const Tile&) = default;
};
[[nodiscard]] Tile TileOfPage(std::int32_t page, std::int32_t pages_across);

}  // namespace varnholt::print
