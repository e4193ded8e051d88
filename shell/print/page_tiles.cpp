// page_tiles.cpp - the geometry of the table and chart tiles of one page.

#include "shell/print/page_tiles.h"

#include "model/number_text.h"

#include <algorithm>

namespace varnholt::print {
namespace {

RowPage RowPageOf(const Pagination& pagination, std::int32_t down) {
    const auto found = pagination.row_pages.find(down);
    return found != pagination.row_pages.end() ? found->second : RowPage{};
}

}  // namespace

std::optional<TableTile> TableTileOf(const Pagination& pagination, Tile tile) {
    const auto column = pagination.column_pages.find(tile.across);
    if (column == pagination.column_pages.end()) return std::nullopt;
    const RowPage row = RowPageOf(pagination, tile.down);
    const ColumnPage& page = column->second;
    return TableTile{{0, 0, page.used_width, row.height}, {page.x_offset, row.y_offset}, {page.used_width, row.height}};
}

ChartStart ChartStartOf(const Pagination& pagination, std::int32_t width) {
    const std::int32_t last = pagination.table_pages_across - 1;
    const auto found = pagination.column_pages.find(last);
    const std::int32_t used = found != pagination.column_pages.end() ? found->second.used_width : 0;
    if (used < width) return {last, used};
    return {last + 1, 0};
}

std::optional<ChartTile> ChartTileOf(const Pagination& pagination, Tile tile, std::int32_t width, std::int32_t height,
                                     ChartSpan span, bool beside_table) {
    const RowPage row = RowPageOf(pagination, tile.down);
    const std::int32_t xs = truncate_to_int32(span.start_x);
    const std::int32_t xe = truncate_to_int32(span.end_x);
    ChartTile chart;
    if (beside_table) {
        const ChartStart start = ChartStartOf(pagination, width);
        if (tile.across < start.tile) return std::nullopt;
        const std::int32_t gx =
            truncate_to_int32(static_cast<double>(tile.across - start.tile) * width - start.offset + xs);
        chart.origin = {gx, row.y_offset};
        chart.clip = {0, 0, width, height};
        if (tile.across == start.tile) {
            chart.clip = {start.offset, 0, width - start.offset, height};
            chart.separator_x = start.offset;
        }
        chart.frame_corner = {width - 2, row.height - 1};
        if (static_cast<std::int64_t>(gx) + width > xe) {
            const std::int32_t from = std::max(truncate_to_int32(static_cast<double>(xe) - gx), 0);
            if (from < width) {
                chart.fill_right = PixelRect{from, 0, width - from, height};
                // The frame closes the chart where its range ends, as on a page of the chart
                // alone, rather than enclosing the white beside it.
                chart.frame_corner.x = from;
            }
        }
        chart.fill_below = PixelRect{-3, row.height + 1, width + 5, height - row.height + 3};
        return chart;
    }
    const std::int32_t gx = truncate_to_int32(static_cast<double>(tile.across) * width + xs);
    chart.origin = {gx, row.y_offset};
    chart.clip = {0, 0, width, row.height};
    chart.frame_corner = {width - 2, row.height - 2};
    if (static_cast<std::int64_t>(gx) + width > xe) {
        const std::int32_t visible = truncate_to_int32(static_cast<double>(xe) - gx);
        chart.clip.width = std::clamp(visible, 0, width);
        chart.frame_corner = {visible, row.height - 2};
    }
    return chart;
}

}  // namespace varnholt::print
