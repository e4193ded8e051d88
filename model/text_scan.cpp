// text_scan.cpp - the pattern scanner behind the date and time texts.

#include "text_scan.h"

#include "number_text.h"

namespace varnholt {

namespace {

constexpr bool is_space(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}
constexpr bool is_digit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

std::size_t scan_fields(std::wstring_view text, std::wstring_view pattern, std::span<std::int32_t> fields) {
    std::size_t pos = 0;
    std::size_t read = 0;
    for (const wchar_t directive : pattern) {
        if (directive == L'%') {
            if (read == fields.size()) break;
            std::size_t start = pos;
            while (start < text.size() && is_space(text[start])) ++start;
            std::size_t end = start;
            if (end < text.size() && (text[end] == L'+' || text[end] == L'-')) ++end;
            const std::size_t digits = end;
            while (end < text.size() && is_digit(text[end])) ++end;
            if (end == digits) break;
            fields[read++] = int_from_text(text.substr(start, end - start));
            pos = end;
        } else if (is_space(directive)) {
            while (pos < text.size() && is_space(text[pos])) ++pos;
        } else {
            if (pos >= text.size() || text[pos] != directive) break;
            ++pos;
        }
    }
    return read;
}

}  // namespace varnholt
