// HeaderDrag.h - where a dragged column header would land, for the tables whose columns the
// user moves with the mouse. Hit-tests the header cells of the last paint.
#pragma once

#include "rows/Geometry.h"

#include <cstdint>
#include <span>

namespace varnholt::view {

// The index of the first rectangle holding the point (edges included), or -1.
[[nodiscard]] std::int32_t FirstHit(std::span<const RectF> rects, PointF point);

// The gap a header drag points at: the column count when the point lies right of the table
// (drop after the last column), the index of the header cell under the point, or -1 over
// neither.
[[nodiscard]] std::int32_t DropTargetAt(std::span<const RectF> header_cells, float table_width, PointF point);

}  // namespace varnholt::view
