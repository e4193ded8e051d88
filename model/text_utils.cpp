// text_utils.cpp - byte/wide conversions, case folding and code-unit order.

#include "text_utils.h"

#include <algorithm>
#include <array>

namespace varnholt {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes it leaves undefined keep their own value.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 puts U+E000..U+FFFF after the surrogate pairs of U+10000 and above; lifting that
// range past U+10FFFF gives code points the same order.
constexpr char32_t code_unit_rank(wchar_t c) noexcept {
    const auto u = static_cast<char32_t>(c);
    return (u >= 0xE000 && u <= 0xFFFF) ? u + 0x200000 : u;
}

}  // namespace

wchar_t windows_1252_char(unsigned char byte) noexcept {
    if (byte >= 0x80 && byte <= 0x9F) return static_cast<wchar_t>(kCp1252High[byte - 0x80]);
    return static_cast<wchar_t>(byte);
}

std::size_t decode_utf8_sequence(std::string_view bytes, std::size_t pos, char32_t& out) noexcept {
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

std::wstring widen_string(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (byte < 0x80) {
            out += static_cast<wchar_t>(byte);
            ++pos;
            continue;
        }
        char32_t decoded = 0;
        if (const std::size_t length = decode_utf8_sequence(bytes, pos, decoded)) {
            out += static_cast<wchar_t>(decoded);
            pos += length;
        } else {
            out += windows_1252_char(byte);
            ++pos;
        }
    }
    return out;
}

std::string narrow_string(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        const auto u = static_cast<char32_t>(c);
        const bool encodable = u <= 0x10FFFF && !(u >= 0xD800 && u <= 0xDFFF);
        append_utf8(out, encodable ? u : U'?');
    }
    return out;
}

std::wstring ascii_to_wide(std::string_view ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

void insert_text_at(std::wstring& target, std::size_t position, std::wstring_view text) {
    target.insert(std::min(position, target.size()), text);
}

std::wstring fold_case(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) c = fold_case(c);
    return out;
}

bool equals_no_case(std::wstring_view a, std::wstring_view b) noexcept {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return fold_case(x) == fold_case(y); });
}

int compare_code_units(std::wstring_view a, std::wstring_view b) noexcept {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char32_t x = code_unit_rank(a[i]);
        const char32_t y = code_unit_rank(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace varnholt
