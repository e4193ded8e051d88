// text_utils.h - conversions between file bytes and wide text, and the one case-folding rule
// used wherever names and texts are matched without regard to case.
//
// Nothing here consults the process locale: the GUI toolkit installs the user's locale at
// start-up, and a schedule must read and show the same on every machine.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnholt {

// Bytes to wide text: valid UTF-8 sequences decode to their code points; any other byte is
// taken as Windows-1252, the encoding older exports use.
[[nodiscard]] std::wstring widen_string(std::string_view bytes);

// One Windows-1252 byte as its character; the five bytes the code page leaves undefined keep
// their own code.
[[nodiscard]] wchar_t windows_1252_char(unsigned char byte) noexcept;

// The length of the well-formed UTF-8 sequence of two or more bytes at bytes[pos], with its
// code point in `out`; 0 when the bytes there are not one (overlong forms, surrogates and
// values past U+10FFFF included). ASCII bytes are the caller's to handle.
[[nodiscard]] std::size_t decode_utf8_sequence(std::string_view bytes, std::size_t pos, char32_t& out) noexcept;

// Wide text to UTF-8 (what file names and our own text files use on this system). Code points
// that have no UTF-8 form (lone surrogates, values past U+10FFFF) become '?'.
[[nodiscard]] std::string narrow_string(std::wstring_view text);

// Widens text known to be plain ASCII, such as the output of std::to_chars.
[[nodiscard]] std::wstring ascii_to_wide(std::string_view ascii);

// Inserts text into target at position (clamped to the target's length).
void insert_text_at(std::wstring& target, std::size_t position, std::wstring_view text);

// Lower-cases A-Z and the Latin-1 capitals (U+00C0..U+00DE except U+00D7); every other code
// unit is returned unchanged. Defined for every wchar_t, whatever the locale.
[[nodiscard]] constexpr wchar_t fold_case(wchar_t c) noexcept {
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
    return c;
}
[[nodiscard]] std::wstring fold_case(std::wstring_view text);
[[nodiscard]] bool equals_no_case(std::wstring_view a, std::wstring_view b) noexcept;

// Orders texts as UTF-16 code units would (wchar_t holds whole code points here): negative,
// zero or positive like std::wstring::compare. A text that is a prefix of the other is smaller.
[[nodiscard]] int compare_code_units(std::wstring_view a, std::wstring_view b) noexcept;

}  // namespace varnholt
