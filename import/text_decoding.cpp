// text_decoding.cpp - UTF-8 validation and decoding, and the Windows-1252 code page.

#include "import/text_decoding.h"

#include <array>

namespace varnholt {

namespace {

// Windows-1252 bytes 0x80..0x9F.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The length of the well-formed UTF-8 sequence at bytes[pos] and its code point, or 0 when
// the bytes there are not one. Callers handle ASCII themselves.
std::size_t decode_sequence(std::string_view bytes, std::size_t pos, char32_t& out) noexcept {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) { length = 2; out = lead & 0x1F; min = 0x80; }
    else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; out = lead & 0x0F; min = 0x800; }
    else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; out = lead & 0x07; min = 0x10000; }
    else return 0;
    if (length > bytes.size() - pos) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[pos + i]);
        if ((next & 0xC0) != 0x80) return 0;
        out = (out << 6) | (next & 0x3F);
    }
    if (out < min || out > 0x10FFFF || (out >= 0xD800 && out <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

wchar_t windows_1252_char(unsigned char byte) noexcept {
    if (byte >= 0x80 && byte <= 0x9F) return static_cast<wchar_t>(kWindows1252High[byte - 0x80]);
    return static_cast<wchar_t>(byte);
}

bool is_valid_utf8(std::string_view bytes) noexcept {
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        char32_t ignored = 0;
        const std::size_t length = decode_sequence(bytes, pos, ignored);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

unmarked_text skip_byte_order_mark(std::string_view bytes) noexcept {
    if (bytes.starts_with(kUtf8ByteOrderMark)) return {bytes.substr(kUtf8ByteOrderMark.size()), true};
    return {bytes, false};
}

text_encoding detect_encoding(std::string_view text, bool had_byte_order_mark) noexcept {
    return had_byte_order_mark || is_valid_utf8(text) ? text_encoding::utf8 : text_encoding::windows_1252;
}

void append_decoded(std::string_view bytes, text_encoding encoding, std::wstring& out) {
    out.reserve(out.size() + bytes.size());  // never more characters than bytes
    if (encoding == text_encoding::windows_1252) {
        for (const char c : bytes) out += windows_1252_char(static_cast<unsigned char>(c));
        return;
    }
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        char32_t decoded = 0;
        const std::size_t length = byte < 0x80 ? 0 : decode_sequence(bytes, pos, decoded);
        if (length == 0) {
            out += byte < 0x80 ? static_cast<wchar_t>(byte) : windows_1252_char(byte);
            ++pos;
        } else {
            out += static_cast<wchar_t>(decoded);
            pos += length;
        }
    }
}

}  // namespace varnholt
