// DrawContext.cpp - conversion of the views' float calls into device calls.

#include "views/draw/DrawContext.h"

#include "rows/display_scale.h"
#include "rows/table_metrics.h"
#include "views/draw/device_coords.h"
#include "views/draw/text_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace varnholt::view {
namespace {

// Dash and gap lengths in pixels, whatever the pen width. Static: a device may keep a pointer.
constexpr std::array<std::int32_t, 2> kLongDash{18, 6};
constexpr std::array<std::int32_t, 2> kDot{3, 3};
constexpr std::array<std::int32_t, 4> kDashDot{9, 6, 3, 6};
constexpr std::array<std::int32_t, 6> kDashDotDot{9, 3, 3, 3, 3, 3};

std::span<const std::int32_t> DashesOf(std::int32_t style) {
    switch (style) {
    case kPenLongDash: return kLongDash;
    case kPenDot: return kDot;
    case kPenDashDot: return kDashDot;
    case kPenDashDotDot: return kDashDotDot;
    default: return {};
    }
}

// Converts every vertex; nullopt when one of them is NaN.
std::optional<std::vector<DevicePoint>> ConvertPoints(const std::vector<PointF>& points, std::int32_t origin_x,
                                                      std::int32_t origin_y) {
    std::vector<DevicePoint> out;
    out.reserve(points.size());
    for (const auto& point : points) {
        const auto converted = device::Point(point.x, point.y, origin_x, origin_y);
        if (!converted) return std::nullopt;
        out.push_back(*converted);
    }
    return out;
}

}  // namespace

void DrawContext::DrawLine(std::int32_t style, float width, Color color, float x1, float y1, float x2, float y2) {
    if (m_device == nullptr || !(width > 0.0f)) return;  // also refuses a NaN width
    const auto from = device::Point(x1, y1, m_origin_x, m_origin_y);
    const auto to = device::Point(x2, y2, m_origin_x, m_origin_y);
    if (!from || !to) return;
    if (style < kPenSolid || style > kPenDashDotDot) {
        // No pen of its own: the device's standing pen, which is black and 1 px here.
        m_device->Line(1, {}, Color::Black(), *from, *to);
        return;
    }
    const std::int32_t px = std::max<std::int32_t>(1, device::Narrow(*device::Truncate(width)));
    m_device->Line(px, DashesOf(style), color.Opaque(), *from, *to);
}

void DrawContext::PenLine(std::int32_t px, Color color, float x1, float y1, float x2, float y2) {
    if (m_device == nullptr) return;
    const auto from = device::Point(x1, y1, m_origin_x, m_origin_y);
    const auto to = device::Point(x2, y2, m_origin_x, m_origin_y);
    if (!from || !to) return;
    m_device->Line(std::max<std::int32_t>(1, px), {}, color.Opaque(), *from, *to);
}

void DrawContext::FrameRect(float width, Color color, float x, float y, float w, float h) {
    if (m_device == nullptr || !(width > 0.0f)) return;
    const auto rect = device::Rect(x, y, w, h, m_origin_x, m_origin_y);
    if (!rect || rect->IsEmpty()) return;
    m_device->FrameRect(color.Opaque(), *rect);
}

void DrawContext::FillRect(Color color, float x, float y, float w, float h) {
    if (m_device == nullptr) return;
    const auto rect = device::Rect(x, y, w, h, m_origin_x, m_origin_y);
    if (!rect || rect->IsEmpty()) return;
    m_device->FillRect(color.Opaque(), *rect);
}

SizeF DrawContext::MeasureText(const TextStyle& style, std::wstring_view text) const {
    return MeasureTextWithFont(style.font_block, text);
}

SizeF DrawContext::MeasureTextWithFont(const FontBlock& font, std::wstring_view text) const {
    if (m_device == nullptr) return {};
    // The whole text as one line, as it would be drawn with kTextSingleLine.
    std::wstring line(text);
    for (auto& c : line) {
        if (c == L'\r' || c == L'\n') c = L' ';
    }
    const DeviceSize size = m_device->Measure(line, font);
    return {static_cast<float>(size.width), static_cast<float>(size.height)};
}

void DrawContext::DrawText(const TextStyle& style, std::wstring_view text, std::uint32_t format, const RectF& rect) {
    DrawTextWithFont(style.font_block, style.GetColor(), text, format, rect);
}

void DrawContext::DrawTextWithFont(const FontBlock& font, Color color, std::wstring_view text, std::uint32_t format,
                                   const RectF& rect) {
    if (m_device == nullptr || text.empty()) return;
    const auto clip = device::TextRect(rect.x, rect.y, rect.width, rect.height, m_origin_x, m_origin_y);
    if (!clip || clip->IsEmpty()) return;
    DrawBackend& device = *m_device;
    const auto measure = [&device, &font](std::wstring_view line) { return device.Measure(line, font); };
    for (const auto& line : LayOutText(text, format | kTextNoPrefix, *clip, measure))
        device.Text(line.origin, line.text, font, color.Opaque(), *clip);
}

void DrawContext::FillPolygon(Color color, const std::vector<PointF>& points) {
    if (m_device == nullptr || points.size() < 2) return;
    const auto converted = ConvertPoints(points, m_origin_x, m_origin_y);
    if (!converted) return;
    m_device->Polygon(color.Opaque(), Color::Black(), *converted);
}

void DrawContext::DrawPolyline(Color color, const std::vector<PointF>& points) {
    if (m_device == nullptr || points.size() < 2) return;
    const auto converted = ConvertPoints(points, m_origin_x, m_origin_y);
    if (!converted) return;
    m_device->Polyline(color.Opaque(), *converted);
}

void DrawContext::DrawPolygon(std::int32_t type, Color color, float x1, float y1, float x2, float y2) {
    if (m_device == nullptr || type < kFinishToFinish || type > kStartToStart) return;
    const float s = UsableDisplayScale();
    // Clearance and half-row step are whole pixels before they enter any coordinate.
    const auto m = static_cast<float>(static_cast<std::int32_t>(12.0f * s));
    const auto h = static_cast<float>(static_cast<std::int32_t>(kRowHeight * s * 0.5f));
    const float step = y2 >= y1 ? h : -h;

    std::vector<PointF> route;
    switch (type) {
    case kFinishToFinish:
        if (x2 + m < x1) route = {{x1, y1}, {x1, y2}, {x2, y2}};
        else route = {{x1, y1}, {x2 + m, y1}, {x2 + m, y2}, {x2, y2}};
        break;
    case kFinishToStart:
        if (x2 - m > x1) route = {{x1, y1}, {x2 - m, y1}, {x2 - m, y2}, {x2, y2}};
        else route = {{x1, y1}, {x1, y1 + step}, {x2 - m, y1 + step}, {x2 - m, y2}, {x2, y2}};
        break;
    case kStartToFinish:
        route = {{x1, y1}, {x1, y1 + step}, {x2 + m, y1 + step}, {x2 + m, y2}, {x2, y2}};
        break;
    default:  // kStartToStart
        if (x2 - m > x1) route = {{x1, y1}, {x1, y2}, {x2, y2}};
        else route = {{x1, y1}, {x2 - m, y1}, {x2 - m, y2}, {x2, y2}};
        break;
    }
    const auto line = ConvertPoints(route, m_origin_x, m_origin_y);
    if (!line) return;

    // The arrowhead in floats relative to the origin, truncated last. Types 1 and 3 enter a
    // bar's start heading right, 0 and 2 a bar's finish heading left.
    const float ax = x2 - static_cast<float>(m_origin_x);
    const float ay = y2 - static_cast<float>(m_origin_y);
    const float sign = (type == kFinishToStart || type == kStartToStart) ? -1.0f : 1.0f;
    const PointF head[] = {{ax + sign * 2.0f * s, ay}, {ax + sign * 7.0f * s, ay - 3.0f * s},
                           {ax + sign * 7.0f * s, ay + 3.0f * s}};
    std::vector<DevicePoint> arrow;
    for (const auto& corner : head) {
        const auto px = device::Relative(corner.x);
        const auto py = device::Relative(corner.y);
        if (!px || !py) return;
        arrow.push_back({*px, *py});
    }
    const Color opaque = color.Opaque();
    m_device->Polyline(opaque, *line);
    m_device->Polygon(opaque, opaque, arrow);
}

void DrawContext::DrawBitmap(std::uint16_t id, float x, float y, float w, float h) {
    if (m_device == nullptr) return;
    const auto rect = device::Rect(x, y, w, h, m_origin_x, m_origin_y);
    if (!rect || rect->IsEmpty()) return;
    m_device->Bitmap(id, *rect);
}

void DrawContext::RequestCursor(CursorKind kind) const {
    if (m_cursor_handler) m_cursor_handler(kind);
}

}  // namespace varnholt::view
