// HeaderDrag.cpp - the drop gap of a header drag.

#include "views/core/HeaderDrag.h"

#include <algorithm>

namespace varnholt::view {

std::int32_t DropTargetAt(std::span<const RectF> header_cells, float table_width, PointF point) {
    if (table_width < point.x) return static_cast<std::int32_t>(header_cells.size());
    const auto cell = std::find_if(header_cells.begin(), header_cells.end(),
                                   [&](const RectF& r) { return r.Contains(point.x, point.y); });
    return cell != header_cells.end() ? static_cast<std::int32_t>(cell - header_cells.begin()) : -1;
}

}  // namespace varnholt::view
