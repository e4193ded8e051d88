// pagination.cpp - column pages, row pages, the page count and the fit-to-pages search.

#include "shell/print/pagination.h"

#include "model/number_text.h"

#include <algorithm>
#include <cmath>

namespace varnholt::print {
namespace {

// Below this the row height rounds to nothing and the quotients stop fitting an int.
constexpr float kSmallestFitPercent = 1.0f;

std::int32_t CeilToInt(double value) { return truncate_to_int32(std::ceil(value)); }

// Rows on one page under the header; 0 when not one fits or there are no rows to cut.
std::int32_t RowsPerPage(float header, float row_height, std::int64_t rows, std::int32_t height) {
    if (!(row_height > 0.0f) || rows <= 0) return 0;
    return std::max(truncate_to_int32((static_cast<double>(height) - header) / row_height), 0);
}

std::int64_t RowPageCount(std::int64_t rows, std::int32_t per_page) {
    return per_page > 0 ? (rows + per_page - 1) / per_page : 0;
}

}  // namespace

std::int32_t Pagination::PageCount() const noexcept {
    const std::int64_t pages = static_cast<std::int64_t>(pages_across) * pages_down;
    if (pages < 1) return 1;
    return static_cast<std::int32_t>(std::min<std::int64_t>(pages, INT32_MAX));
}

bool ComputeColumnPageBreaks(std::span<const float> widths, float scale, std::int32_t width, bool all_columns,
                             std::int32_t pane_width, ColumnPages& pages) {
    std::int32_t page = 0, first = 0, end = 0, x_offset = 0, used = 0;
    std::int64_t total = 0;
    const double pane_limit = static_cast<double>(pane_width) * scale;
    for (std::size_t index = 0; index < widths.size(); ++index) {
        const std::int32_t w = truncate_to_int32(static_cast<double>(widths[index]) * scale);
        total += w;
        if (w > width) return false;
        if (!all_columns && static_cast<double>(total) > pane_limit) {
            pages[page] = {first, end, x_offset, used};
            return true;
        }
        if (static_cast<std::int64_t>(used) + w < width) {
            ++end;
            used += w;
        } else {
            pages[page] = {first, end, x_offset, used};
            ++page;
            x_offset += used;
            first = static_cast<std::int32_t>(index);
            end = first + 1;
            used = w;
        }
    }
    if (!widths.empty()) pages[page] = {first, end, x_offset, used};
    return true;
}

void ComputeRowPages(float header, float row_height, std::int64_t rows, std::int32_t height, RowPages& pages) {
    const std::int32_t per_page = RowsPerPage(header, row_height, rows, height);
    if (per_page <= 0) return;
    const std::int64_t count = RowPageCount(rows, per_page);
    const std::int32_t rows_height = truncate_to_int32(static_cast<double>(row_height) * per_page);
    const std::int32_t full_height = truncate_to_int32(header) + rows_height;
    const std::int64_t last_rows = rows - (count - 1) * per_page;
    for (std::int64_t page = 0; page < count; ++page) {
        RowPage& entry = pages[static_cast<std::int32_t>(page)];
        entry.first = truncate_to_int32(static_cast<double>(page) * per_page);
        entry.end = truncate_to_int32(static_cast<double>(entry.first) + per_page);
        entry.y_offset = truncate_to_int32(static_cast<double>(page) * rows_height);
        entry.height = page + 1 < count ? full_height
                                        : truncate_to_int32(static_cast<double>(row_height) *
                                                                static_cast<double>(last_rows) + header);
    }
}

namespace {

// The fit search needs only the counts: listing each row page at each scale it tries would make
// it quadratic in the rows.
bool CountPages(const PrintSettings& settings, PrintMeasure& measure, std::int32_t width, std::int32_t height,
                bool list_row_pages, Pagination& pagination) {
    if (!measure.HasMainWindow()) return false;
    pagination.column_pages.clear();
    pagination.row_pages.clear();
    if (width <= 0 || height <= 0) return false;
    const bool table = settings.printTable && measure.TableHasDocument();
    const bool chart = settings.printGantt && measure.ChartHasDocument();
    std::int64_t row_pages = 0;
    if (table || chart) {
        const float header = measure.HeaderHeight();
        const float row_height = measure.RowHeight();
        const std::int64_t rows = measure.RowCount();
        if (list_row_pages) {
            ComputeRowPages(header, row_height, rows, height, pagination.row_pages);
            row_pages = static_cast<std::int64_t>(pagination.row_pages.size());
        } else {
            row_pages = RowPageCount(rows, RowsPerPage(header, row_height, rows, height));
        }
    }
    if (table) {
        const std::vector<float> widths = measure.ColumnWidths();
        pagination.column_pagination_ok =
            ComputeColumnPageBreaks(widths, measure.CurrentScale(), width, settings.printAllColumns,
                                    measure.PaneWidth(), pagination.column_pages);
        if (!pagination.column_pagination_ok) return false;
        pagination.table_pages_across = static_cast<std::int32_t>(pagination.column_pages.size());
        pagination.table_pages_down = static_cast<std::int32_t>(row_pages);
        pagination.pages_across = pagination.table_pages_across;
        pagination.pages_down = pagination.table_pages_down;
    }
    if (chart) {
        pagination.column_pagination_ok = true;
        const ChartSpan span = measure.MeasureChart(settings.startDate, settings.endDate);
        const double chart_width = static_cast<double>(span.end_x) - span.start_x;
        if (table && pagination.table_pages_across > 0) {
            const auto last = pagination.column_pages.find(pagination.table_pages_across - 1);
            const std::int32_t room = width - (last != pagination.column_pages.end() ? last->second.used_width : 0);
            pagination.pages_across = truncate_to_int32(static_cast<double>(pagination.table_pages_across) +
                                                        CeilToInt((chart_width - room) / width));
            pagination.pages_down = pagination.table_pages_down;
        } else {
            pagination.pages_across = CeilToInt(chart_width / width);
            pagination.pages_down = static_cast<std::int32_t>(row_pages);
        }
    }
    return true;
}

}  // namespace

bool CountPrintPages(const PrintSettings& settings, PrintMeasure& measure, std::int32_t width, std::int32_t height,
                     Pagination& pagination) {
    return CountPages(settings, measure, width, height, true, pagination);
}

float FitScaleToPages(const PrintSettings& settings, PrintMeasure& measure, std::int32_t width, std::int32_t height,
                      std::int32_t wide, std::int32_t tall) {
    if (!measure.HasMainWindow()) return 0.0f;
    // No scale gives fewer than one page across or down.
    if (wide <= 0 || tall <= 0) return 0.0f;
    const float kept = measure.CurrentScale();
    const auto count = [&](float scale, Pagination& pagination) {
        measure.ApplyScale(scale);
        pagination = Pagination{};
        pagination.pages_across = pagination.pages_down = 0;
        return CountPages(settings, measure, width, height, false, pagination);
    };

    // The step is a fifth of the share of one page at 100 %; a table that cannot be cut at
    // 100 % gets a fifth of the whole.
    Pagination at_full;
    const bool full_ok = count(1.0f, at_full);
    const float step = full_ok ? std::min(100.0f / static_cast<float>(at_full.pages_across),
                                          100.0f / static_cast<float>(at_full.pages_down)) / 5.0f
                               : 20.0f;
    const auto fits = [&](const Pagination& pages) { return pages.pages_across <= wide && pages.pages_down <= tall; };

    float found = 0.0f;
    if (full_ok && fits(at_full)) {
        found = 1.0f;
    } else if (step > 0.0f && std::isfinite(step)) {
        for (std::int32_t k = 1;; ++k) {
            const float percent = 100.0f - static_cast<float>(k) * step;
            if (!(percent >= kSmallestFitPercent)) break;
            Pagination pagination;
            if (count(percent / 100.0f, pagination) && fits(pagination)) {
                found = percent / 100.0f;
                break;
            }
        }
    }
    measure.ApplyScale(kept);
    return found;
}

Tile TileOfPage(std::int32_t page, std::int32_t pages_across) {
    if (pages_across <= 0) return {};
    const std::int32_t index = page - 1;
    return {index % pages_across, index / pages_across};
}

}  // namespace varnholt::print
