// WxCursor.cpp - cursor requests to stock cursors.

#include "app/draw/WxCursor.h"

namespace varnholt {

wxStockCursor ToWxStockCursor(view::CursorKind kind) {
    switch (kind) {
    case view::CursorKind::size_we: return wxCURSOR_SIZEWE;
    case view::CursorKind::size_all: return wxCURSOR_SIZING;
    case view::CursorKind::arrow: break;
    }
    return wxCURSOR_ARROW;
}

}  // namespace varnholt
