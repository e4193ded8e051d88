// forwarding_backend.h - a drawing backend for tests that passes every call on to another one,
// the toolkit's as a rule: a test overrides what it looks at, and the paint still draws with
// the real text measures.
#pragma once

#include "views/draw/DrawBackend.h"

namespace varnholt::testing_gui {

class ForwardingBackend : public view::DrawBackend {
public:
    explicit ForwardingBackend(view::DrawBackend& inner) : m_inner(inner) {}

    void Line(std::int32_t width, std::span<const std::int32_t> dashes, view::Color color, view::DevicePoint from,
              view::DevicePoint to) override {
        m_inner.Line(width, dashes, color, from, to);
    }
    void FillRect(view::Color color, view::DeviceRect rect) override { m_inner.FillRect(color, rect); }
    void FrameRect(view::Color color, view::DeviceRect rect) override { m_inner.FrameRect(color, rect); }
    void Polygon(view::Color fill, view::Color outline, std::span<const view::DevicePoint> points) override {
        m_inner.Polygon(fill, outline, points);
    }
    void Polyline(view::Color color, std::span<const view::DevicePoint> points) override { m_inner.Polyline(color, points); }
    void Text(view::DevicePoint origin, std::wstring_view text, const view::FontBlock& font, view::Color color,
              view::DeviceRect clip) override {
        m_inner.Text(origin, text, font, color, clip);
    }
    [[nodiscard]] view::DeviceSize Measure(std::wstring_view text, const view::FontBlock& font) override {
        return m_inner.Measure(text, font);
    }
    void Bitmap(std::uint16_t id, view::DeviceRect rect) override { m_inner.Bitmap(id, rect); }
    [[nodiscard]] bool IsPrinting() const override { return m_inner.IsPrinting(); }

private:
    view::DrawBackend& m_inner;
};

}  // namespace varnholt::testing_gui
