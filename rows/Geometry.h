// Geometry.h - float points, sizes and rectangles in content coordinates (the unscrolled
// surface of a view). They stay floats until a drawing call converts them to device pixels.
#pragma once

namespace varnholt::view {

struct PointF {
    float x = 0.0f;
    float y = 0.0f;
    friend constexpr bool operator==(const PointF&, const PointF&) = default;
};

struct SizeF {
    float width = 0.0f;
    float height = 0.0f;
    friend constexpr bool operator==(const SizeF&, const SizeF&) = default;
};

// x and y are the top-left corner.
struct RectF {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;

    [[nodiscard]] constexpr PointF TopLeft() const noexcept { return {x, y}; }
    [[nodiscard]] constexpr PointF TopRight() const noexcept { return {x + width, y}; }
    [[nodiscard]] constexpr PointF Center() const noexcept { return {x + width * 0.5f, y + height * 0.5f}; }
    [[nodiscard]] constexpr float Right() const noexcept { return x + width; }
    [[nodiscard]] constexpr float Bottom() const noexcept { return y + height; }

    // Hit test with every edge inclusive; a margin widens the rectangle on all four sides
    // (column borders are grabbed a few pixels either side).
    [[nodiscard]] constexpr bool Contains(float px, float py, float margin = 0.0f) const noexcept {
        return x - margin <= px && px <= x + width + margin && y - margin <= py && py <= y + height + margin;
    }

    friend constexpr bool operator==(const RectF&, const RectF&) = default;
};

}  // namespace varnholt::view
