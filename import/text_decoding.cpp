// text_decoding.cpp - UTF-8 validation and decoding, and the Windows-1252 code page.

#include "import/text_decoding.h"

#include "model/text_utils.h"

namespace varnholt {

namespace {

enum class utf8_shape : unsigned char { invalid, ascii, multibyte };

utf8_shape shape_of(std::string_view bytes) noexcept {
    utf8_shape shape = utf8_shape::ascii;
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        char32_t ignored = 0;
        const std::size_t length = decode_utf8_sequence(bytes, pos, ignored);
        if (length == 0) return utf8_shape::invalid;
        shape = utf8_shape::multibyte;
        pos += length;
    }
    return shape;
}

}  // namespace

bool is_valid_utf8(std::string_view bytes) noexcept { return shape_of(bytes) != utf8_shape::invalid; }

unmarked_text skip_byte_order_mark(std::string_view bytes) noexcept {
    if (bytes.starts_with(kUtf8ByteOrderMark)) return {bytes.substr(kUtf8ByteOrderMark.size()), true};
    return {bytes, false};
}

text_encoding detect_encoding(std::string_view text, bool had_byte_order_mark) noexcept {
    return had_byte_order_mark || is_valid_utf8(text) ? text_encoding::utf8 : text_encoding::windows_1252;
}

value_decoding decide_value_decoding(std::string_view text) noexcept {
    return is_valid_utf8(text) ? value_decoding::utf8_file : value_decoding::per_value;
}

void append_decoded_value(std::string_view bytes, value_decoding decoding, std::wstring& out) {
    bytes = skip_byte_order_mark(bytes).text;
    const bool utf8 = decoding == value_decoding::utf8_file || shape_of(bytes) == utf8_shape::multibyte;
    append_decoded(bytes, utf8 ? text_encoding::utf8 : text_encoding::windows_1252, out);
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
        const std::size_t length = byte < 0x80 ? 0 : decode_utf8_sequence(bytes, pos, decoded);
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
