// page_tiles.h - what one printed page shows: the table tile (its clip and the content origin
// the table draws from) and the chart tile (where the chart starts after the table's last
// column page, its origin, clip, separator, the white fills and the frame). All in screen
// pixels with (0, 0) at the top-left corner of the printable area. Missing page entries read as
// empty pages.
#pragma once

#include "shell/print/pagination.h"

#include <cstdint>
#include <optional>

namespace varnholt::print {

struct PixelRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct TableTile {
    PixelRect clip;            // (0, 0, used width, row page height)
    PixelPoint origin;         // the content point drawn at (0, 0)
    PixelPoint frame_corner;   // (used width, row page height)
};

// The table's part of tile (a, d); none past the table's column pages.
[[nodiscard]] std::optional<TableTile> TableTileOf(const Pagination& pagination, Tile tile);

struct ChartTile {
    PixelRect clip;
    PixelPoint origin;                       // (gx, row page's y offset)
    std::optional<std::int32_t> separator_x; // the grey line on the chart's first tile beside the table
    std::optional<PixelRect> fill_right;     // white right of the printed date range
    std::optional<PixelRect> fill_below;     // white below the tile's rows (table printed too)
    PixelPoint frame_corner;                 // on the tile where the range ends, at its end
};

// Where the chart starts beside the table: on the table's last column page at its used width
// when that is below W, else on the next tile at 0.
struct ChartStart {
    std::int32_t tile = 0;
    std::int32_t offset = 0;
};
[[nodiscard]] ChartStart ChartStartOf(const Pagination& pagination, std::int32_t width);

// The chart's part of tile (a, d) on a printable area W × H; none on tiles before the chart.
// `beside_table` when the table is printed with column pages.
[[nodiscard]] std::optional<ChartTile> ChartTileOf(const Pagination& pagination, Tile tile, std::int32_t width,
                                                   std::int32_t height, ChartSpan span, bool beside_table);

}  // namespace varnholt::print
