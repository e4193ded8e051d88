// WxCursor.h - the toolkit's cursor for a view's cursor request: the east-west arrows over a
// column border, the four-way arrows while a column is moved.
#pragma once

#include "views/draw/DrawContext.h"

#include <wx/cursor.h>

namespace varnholt {

[[nodiscard]] wxStockCursor ToWxStockCursor(view::CursorKind kind);

}  // namespace varnholt
