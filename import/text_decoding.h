// text_decoding.h - how the bytes of an export become wide text. A file is decoded one way
// throughout: as UTF-8 when it is valid UTF-8 (or says so with a byte-order mark), else as
// Windows-1252, the code page of older exports. The reader decides once per file and then
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

}  // namespace varnholt
