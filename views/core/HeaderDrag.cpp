// HeaderDrag.cpp - hit tests of header cells and the drop gap of a header drag.

#include "views/core/HeaderDrag.h"

#include <algorithm>

namespace varnholt::view {

std::int32_t FirstHit(std::span<const RectF> rects, PointF point) {
    const auto hit = std::find_if(rects.begin(), rects.end(), [&](const RectF& r) { return r.Contains(point.x, point.y); });
    return hit != rects.end() ? static_cast<std::int32_t>(hit - rects.begin()) : -1;
}

std::int32_t DropTargetAt(std::span<const RectF> header_cells, float table_width, PointF point) {
    if (table_width < point.x) return static_cast<std::int32_t>(header_cells.size());
    return FirstHit(header_cells, point);
}

}  // namespace varnholt::view
