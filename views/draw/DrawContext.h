// DrawContext.h - the views' drawing front end. Every call takes float content coordinates,
// converts them to device pixels and subtracts the scroll origin at the last moment, so the
// views never deal with scrolling or with a device. Without a backend attached every call
// does nothing (MeasureText answers (0, 0)).
//
// Conversion: each coordinate is truncated toward zero and clamped to +-1e8 (far dates at wide
// timescale cells produce larger values, and a float beyond the int range has no defined
// conversion). A rectangle (x, y, w, h) becomes left = trunc(x) - origin x,
// right = trunc(x) + trunc(w) - origin x (the sum taken before clamping); a text rectangle subtracts the origin first: left = trunc(x - origin x),
// right = trunc(x - origin x + w). A call with a NaN coordinate draws nothing.
#pragma once

#include "rows/Geometry.h"
#include "views/draw/Color.h"
#include "views/draw/DrawBackend.h"
#include "views/draw/FontBlock.h"
#include "views/draw/TextStyle.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace varnholt::view {

// Text format flags the views pass to DrawText. Ampersands are always drawn as themselves.
inline constexpr std::uint32_t kTextCenter = 0x1;
inline constexpr std::uint32_t kTextRight = 0x2;
inline constexpr std::uint32_t kTextVCenter = 0x4;      // single-line text only
inline constexpr std::uint32_t kTextBottom = 0x8;       // single-line text only
inline constexpr std::uint32_t kTextWordBreak = 0x10;   // wrap at blanks; line feeds break too
inline constexpr std::uint32_t kTextSingleLine = 0x20;  // line feeds do not break
inline constexpr std::uint32_t kTextNoPrefix = 0x800;
inline constexpr std::uint32_t kTextWordEllipsis = 0x40000;

// Line styles of DrawLine.
inline constexpr std::int32_t kPenSolid = 0;
inline constexpr std::int32_t kPenLongDash = 1;   // 18 on, 6 off
inline constexpr std::int32_t kPenDot = 2;        // 3 on, 3 off
inline constexpr std::int32_t kPenDashDot = 3;    // 9, 6, 3, 6
inline constexpr std::int32_t kPenDashDotDot = 4; // 9, 3, 3, 3, 3, 3

// Relationship types of DrawPolygon's connectors.
inline constexpr std::int32_t kFinishToFinish = 0;
inline constexpr std::int32_t kFinishToStart = 1;
inline constexpr std::int32_t kStartToFinish = 2;
inline constexpr std::int32_t kStartToStart = 3;

// Mouse cursors a view may ask its host for while the pointer moves.
enum class CursorKind { arrow, size_we, size_all };

class DrawContext {
public:
    DrawContext() = default;
    DrawContext(const DrawContext&) = delete;
    DrawContext& operator=(const DrawContext&) = delete;

    // The host attaches its device for one paint and detaches it (null) afterwards.
    void SetDevice(DrawBackend* device) noexcept { m_device = device; }
    [[nodiscard]] DrawBackend* GetDevice() const noexcept { return m_device; }
    [[nodiscard]] bool HasDevice() const noexcept { return m_device != nullptr; }
    [[nodiscard]] bool IsPrinting() const { return m_device != nullptr && m_device->IsPrinting(); }

    // The scroll position; views add it to mouse points to get content coordinates.
    void SetOrigin(std::int32_t x, std::int32_t y) noexcept { m_origin_x = x; m_origin_y = y; }
    [[nodiscard]] std::int32_t GetOriginX() const noexcept { return m_origin_x; }
    [[nodiscard]] std::int32_t GetOriginY() const noexcept { return m_origin_y; }

    // style 0 solid, 1-4 dashed (see kPen*), any other value black 1 px. Nothing when
    // width <= 0; a width that truncates to 0 draws 1 px.
    void DrawLine(std::int32_t style, float width, Color color, float x1, float y1, float x2, float y2);
    // A solid line of px pixels (at least 1); the host's fixed "pen-1" and "pen-2" lines.
    void PenLine(std::int32_t px, Color color, float x1, float y1, float x2, float y2);
    // Always a 1-pixel frame inside the rectangle; nothing when width <= 0.
    void FrameRect(float width, Color color, float x, float y, float w, float h);
    void FillRect(Color color, float x, float y, float w, float h);
    void FillRect(Color color, const RectF& rect) { FillRect(color, rect.x, rect.y, rect.width, rect.height); }

    [[nodiscard]] SizeF MeasureText(const TextStyle& style, std::wstring_view text) const;
    [[nodiscard]] SizeF MeasureTextWithFont(const FontBlock& font, std::wstring_view text) const;
    // The text laid out in the rectangle by the kText* flags and clipped to it.
    void DrawText(const TextStyle& style, std::wstring_view text, std::uint32_t format, const RectF& rect);
    void DrawTextWithFont(const FontBlock& font, Color color, std::wstring_view text, std::uint32_t format,
                          const RectF& rect);

    // Filled in the colour, outlined in black 1 px.
    void FillPolygon(Color color, const std::vector<PointF>& points);
    void DrawPolyline(Color color, const std::vector<PointF>& points);
    // A relationship connector from the predecessor's point (x1, y1) to the successor's point
    // (x2, y2) with its arrowhead; type kFinishToFinish .. kStartToStart, anything else nothing.
    void DrawPolygon(std::int32_t type, Color color, float x1, float y1, float x2, float y2);
    void DrawBitmap(std::uint16_t id, float x, float y, float w, float h);

    // Cursor requests go to the host, which may set a handler; without one they are dropped.
    void SetCursorHandler(std::function<void(CursorKind)> handler) { m_cursor_handler = std::move(handler); }
    void RequestCursor(CursorKind kind) const;

private:
    DrawBackend* m_device = nullptr;  // valid during one paint only
    std::int32_t m_origin_x = 0;
    std::int32_t m_origin_y = 0;
    std::function<void(CursorKind)> m_cursor_handler;
};

}  // namespace varnholt::view
