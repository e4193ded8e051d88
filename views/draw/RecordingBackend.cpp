// RecordingBackend.cpp - drawing primitives written as text lines.

#include "views/draw/RecordingBackend.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace varnholt::view {
namespace {

std::string Hex(Color color) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out(8, '0');
    std::uint32_t word = color.Word();
    for (int i = 7; i >= 0; --i, word >>= 4) out[static_cast<std::size_t>(i)] = kDigits[word & 0xF];
    return out;
}

// Joins are spelled out with append: g++ 12 misreads `"literal" + std::string` in optimised
// builds (-Wrestrict).
std::string At(DevicePoint point) {
    std::string out = std::to_string(point.x);
    out.append(",").append(std::to_string(point.y));
    return out;
}

std::string Box(DeviceRect rect) {
    std::string out = At({rect.left, rect.top});
    out.append(" ").append(At({rect.right, rect.bottom}));
    return out;
}

std::string Points(std::span<const DevicePoint> points) {
    std::string out;
    for (const auto& point : points) out.append(" ").append(At(point));
    return out;
}

// Code points to UTF-8 (wchar_t holds whole code points here); invalid ones become U+FFFD.
std::string Utf8(std::wstring_view text) {
    static constexpr unsigned char kLeadBits[] = {0x00, 0xC0, 0xE0, 0xF0};
    std::string out;
    for (const wchar_t wide : text) {
        auto c = static_cast<std::uint32_t>(wide);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        const int trailing = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        out += static_cast<char>(kLeadBits[trailing] | (c >> (6 * trailing)));
        for (int shift = 6 * (trailing - 1); shift >= 0; shift -= 6)
            out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
    }
    return out;
}

std::string Font(const FontBlock& font) {
    std::string out = Utf8(font.Face());
    out.append("/").append(std::to_string(font.height)).append("/").append(std::to_string(font.weight));
    if (font.italic != 0) out += "/i";
    if (font.underline != 0) out += "/u";
    if (font.strike_out != 0) out += "/s";
    return out;
}

}  // namespace

void RecordingBackend::Line(std::int32_t width, std::span<const std::int32_t> dashes, Color color, DevicePoint from,
                            DevicePoint to) {
    std::string pattern;
    for (const auto length : dashes) pattern.append(pattern.empty() ? "" : "-").append(std::to_string(length));
    if (pattern.empty()) pattern = "solid";
    Record({"line", std::to_string(width), pattern, Hex(color), At(from), At(to)});
}

void RecordingBackend::FillRect(Color color, DeviceRect rect) {
    Record({"fill", Hex(color), Box(rect)});
}

void RecordingBackend::FrameRect(Color color, DeviceRect rect) {
    Record({"frame", Hex(color), Box(rect)});
}

void RecordingBackend::Polygon(Color fill, Color outline, std::span<const DevicePoint> points) {
    Record({"polygon", Hex(fill), Hex(outline) + Points(points)});
}

void RecordingBackend::Polyline(Color color, std::span<const DevicePoint> points) {
    Record({"polyline", Hex(color) + Points(points)});
}

void RecordingBackend::Text(DevicePoint origin, std::wstring_view text, const FontBlock& font, Color color,
                            DeviceRect clip) {
    std::string quoted = "\"";
    quoted.append(Utf8(text)).append("\"");
    Record({"text", At(origin), "clip", Box(clip), Hex(color), Font(font), quoted});
}

DeviceSize RecordingBackend::Measure(std::wstring_view text, const FontBlock& font) {
    const std::int64_t height = std::abs(static_cast<std::int64_t>(font.height));
    const std::int64_t width = static_cast<std::int64_t>(text.size()) * (height / 2);
    return {static_cast<std::int32_t>(std::min<std::int64_t>(width, INT32_MAX)),
            static_cast<std::int32_t>(std::min<std::int64_t>(height, INT32_MAX))};
}

void RecordingBackend::Bitmap(std::uint16_t id, DeviceRect rect) {
    Record({"bitmap", std::to_string(id), Box(rect)});
}

std::string RecordingBackend::Joined() const {
    std::string out;
    for (const auto& line : m_lines) out.append(line).append("\n");
    return out;
}

void RecordingBackend::Record(std::initializer_list<std::string> words) {
    std::string line;
    for (const auto& word : words) line.append(line.empty() ? "" : " ").append(word);
    m_lines.push_back(std::move(line));
}

}  // namespace varnholt::view
