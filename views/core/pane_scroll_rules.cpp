// pane_scroll_rules.cpp - the scroll steps, the wheel, the column step and the key moves.

#include "views/core/pane_scroll_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varnholt::view {
namespace {

constexpr double kLargest = 1e9;  // beyond any content a pane can scroll through

// Truncates toward zero; a value that is no number counts as 0 and a huge one is capped.
std::int64_t Whole(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<std::int64_t>(std::clamp(std::trunc(value), -kLargest, kLargest));
}

std::int32_t ToPosition(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t ScrollRange(float content, std::int32_t client) {
    return ToPosition(std::clamp<std::int64_t>(Whole(content) - client + 10, 0, static_cast<std::int64_t>(kLargest)));
}

std::int32_t ScrollBarPosition(ScrollCode code, std::int32_t line_step, std::int32_t position, std::int32_t max,
                               std::int32_t track) {
    const std::int64_t pos = position;
    std::int64_t result = pos;
    switch (code) {
    case ScrollCode::line_up: result = pos > 0 ? std::max<std::int64_t>(pos - line_step, 0) : pos; break;
    case ScrollCode::line_down: result = pos < max ? std::min<std::int64_t>(pos + line_step, max) : pos; break;
    case ScrollCode::page_up: result = pos > 0 ? std::max<std::int64_t>(pos - kPageStep, 0) : pos; break;
    case ScrollCode::page_down: result = pos < max ? std::min<std::int64_t>(pos + kPageStep, max) : pos; break;
    case ScrollCode::top: result = 0; break;
    case ScrollCode::bottom: result = max; break;
    case ScrollCode::thumb: result = track; break;
    case ScrollCode::other: break;
    }
    return ToPosition(std::clamp<std::int64_t>(result, 0, std::max(max, 0)));
}

std::int32_t WheelPosition(std::int32_t position, std::int32_t max, std::int32_t delta) {
    if (position < 0 || position > max) return position;
    return ToPosition(static_cast<std::int64_t>(position) - delta / 6);  // C++ division truncates toward zero
}

std::optional<std::int32_t> ColumnStep(std::span<const float> widths, float scale, std::int32_t position,
                                       bool right) {
    std::int64_t edge = 0;
    for (const float column_width : widths) {
        const std::int64_t width = Whole(static_cast<double>(column_width) * scale);
        edge += width;
        if (right && edge > position) return ToPosition(edge);
        if (!right && edge >= position) return ToPosition(edge - width);
    }
    return std::nullopt;
}

std::int32_t RowsPerPage(std::int32_t client_height, float header_height, float row_height) {
    const std::int64_t row = Whole(row_height);
    if (row < 1) return 1;
    const std::int64_t rows = (static_cast<std::int64_t>(client_height) - Whole(header_height)) / row;
    return ToPosition(std::max<std::int64_t>(rows, 1));
}

std::size_t MovedRowIndex(PaneKey key, std::size_t index, std::size_t count, std::int32_t rows_per_page) {
    const std::size_t last = count > 0 ? count - 1 : 0;
    const auto page = static_cast<std::size_t>(std::max(rows_per_page, 1));
    switch (key) {
    case PaneKey::up: return index > 0 ? index - 1 : 0;
    case PaneKey::down: return std::min(index + 1, last);
    case PaneKey::page_up: return index + 1 >= page ? index + 1 - page : 0;
    case PaneKey::page_down: return std::min(index + page - 1, last);
    default: return index;
    }
}

std::optional<std::int32_t> KeepRowVisible(std::int32_t position, std::int32_t client_height, float header_height,
                                           float row_height, std::size_t index) {
    const std::int64_t row = Whole(row_height);
    const std::int64_t top = row * static_cast<std::int64_t>(std::min<std::size_t>(index, 1u << 30)) + Whole(header_height);
    const std::int64_t margin = kKeepVisibleRows * row;
    if (top - margin < position) return ToPosition(top - margin);
    if (top + margin > static_cast<std::int64_t>(position) + client_height) return ToPosition(top + margin - client_height);
    return std::nullopt;
}

std::int32_t KeyScrollPosition(PaneKey key, std::int32_t position, std::int32_t client_height, float header_height,
                               float row_height) {
    const std::int64_t row = Whole(row_height);
    std::int64_t page = static_cast<std::int64_t>(client_height) - Whole(header_height);
    if (page < 1) page = row;
    switch (key) {
    case PaneKey::up: return ToPosition(static_cast<std::int64_t>(position) - row);
    case PaneKey::down: return ToPosition(static_cast<std::int64_t>(position) + row);
    case PaneKey::page_up: return ToPosition(static_cast<std::int64_t>(position) - page);
    case PaneKey::page_down: return ToPosition(static_cast<std::int64_t>(position) + page);
    default: return position;
    }
}

}  // namespace varnholt::view
