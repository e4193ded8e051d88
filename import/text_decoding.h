// text_decoding.h - how the bytes of an export become wide text. A file that is valid UTF-8
// throughout reads as UTF-8. Older exports are Windows-1252, but values pasted in from other
// programs may be UTF-8 inside them, so such a file is decoded value by value. The reader
// widens only the tokens it keeps, so no whole-file wide copy is ever made.
#pragma once

#include "model/text_utils.h"

#include <string>
#include <string_view>

namespace varnholt {

enum class text_encoding : unsigned char {
    utf8,          // valid UTF-8; a stray invalid byte (only possible after a byte-order mark)
                   // is taken as Windows-1252 rather than lost
    windows_1252,  // one character per byte; 0x80..0x9F are the code page's punctuation
};

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// True when every byte sequence is well-formed UTF-8 (no overlong forms, surrogates or code
// points past U+10FFFF). Plain ASCII is valid UTF-8.
[[nodiscard]] bool is_valid_utf8(std::string_view bytes) noexcept;

// The text without a leading UTF-8 byte-order mark, and whether one was there.
struct unmarked_text {
    std::string_view text;
    bool had_byte_order_mark = false;
};
[[nodiscard]] unmarked_text skip_byte_order_mark(std::string_view bytes) noexcept;

// The decoding of a whole file, decided once: UTF-8 after a byte-order mark or when the text
// is valid UTF-8, Windows-1252 otherwise. `text` is the file without its byte-order mark.
[[nodiscard]] text_encoding detect_encoding(std::string_view text, bool had_byte_order_mark) noexcept;

// Appends the decoded bytes to `out` (callers reuse one buffer for every token).
void append_decoded(std::string_view bytes, text_encoding encoding, std::wstring& out);

// How the values of an export are decoded: all as UTF-8 when the file is valid UTF-8
// throughout, else each on its own (see append_decoded_value).
enum class value_decoding : unsigned char { utf8_file, per_value };
[[nodiscard]] value_decoding decide_value_decoding(std::string_view text) noexcept;

// Appends one value of an export, without a byte-order mark at its start. Per value, bytes
// that are valid UTF-8 with at least one multi-byte sequence read as UTF-8 and any others as
// Windows-1252; a value that fits both (plain ASCII) reads the same either way.
void append_decoded_value(std::string_view bytes, value_decoding decoding, std::wstring& out);

}  // namespace varnholt
