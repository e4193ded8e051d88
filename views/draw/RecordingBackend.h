// RecordingBackend.h - a drawing backend that paints nothing and writes one text line per
// primitive, so tests assert on drawings as text. Metrics are fixed: every character advances
// height / 2 pixels (integer division) and a line is `height` pixels high, where height is the
// font block's height (its magnitude).
//
// Line format (device integers; COLOR is the colour word as 8 lowercase hex digits, alpha
// first, e.g. ffff9933 for Color::Blue; FONT is face/height/weight with /i, /u, /s appended
// for italic, underline and strike-out, e.g. Calibri/15/700):
//   line WIDTH DASHES COLOR X1,Y1 X2,Y2       DASHES "solid" or the lengths joined by '-': 18-6
//   fill COLOR L,T R,B                        right and bottom exclusive
//   frame COLOR L,T R,B
//   polygon FILL OUTLINE X,Y X,Y ...
//   polyline COLOR X,Y X,Y ...
//   text X,Y clip L,T R,B COLOR FONT "TEXT"   TEXT in UTF-8, as drawn
//   bitmap ID L,T R,B
// Measuring records nothing.
#pragma once

#include "views/draw/DrawBackend.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace varnholt::view {

class RecordingBackend final : public DrawBackend {
public:
    void Line(std::int32_t width, std::span<const std::int32_t> dashes, Color color, DevicePoint from,
              DevicePoint to) override;
    void FillRect(Color color, DeviceRect rect) override;
    void FrameRect(Color color, DeviceRect rect) override;
    void Polygon(Color fill, Color outline, std::span<const DevicePoint> points) override;
    void Polyline(Color color, std::span<const DevicePoint> points) override;
    void Text(DevicePoint origin, std::wstring_view text, const FontBlock& font, Color color,
              DeviceRect clip) override;
    [[nodiscard]] DeviceSize Measure(std::wstring_view text, const FontBlock& font) override;
    void Bitmap(std::uint16_t id, DeviceRect rect) override;
    [[nodiscard]] bool IsPrinting() const override { return m_printing; }

    void SetPrinting(bool printing) noexcept { m_printing = printing; }
    [[nodiscard]] const std::vector<std::string>& Lines() const noexcept { return m_lines; }
    // Every line, each followed by a line feed.
    [[nodiscard]] std::string Joined() const;
    void Clear() noexcept { m_lines.clear(); }

private:
    void Record(std::initializer_list<std::string> words);  // joined by blanks

    std::vector<std::string> m_lines;
    bool m_printing = false;
};

}  // namespace varnholt::view
