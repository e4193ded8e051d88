// xls_text.cpp - splitting, trimming and widening workbook cell text.

#include "import/xls_text.h"

#include "model/text_utils.h"

#include <cstdint>

namespace varnholt::document {

namespace {

std::string_view trim_blanks_and_returns(std::string_view token) {
    // Blanks and carriage returns are trimmed together, so a line "x \r" compares like "x".
    constexpr std::string_view kTrimmed = " \r";
    const std::size_t first = token.find_first_not_of(kTrimmed);
    if (first == std::string_view::npos) return {};
    return token.substr(first, token.find_last_not_of(kTrimmed) - first + 1);
}

}  // namespace

std::vector<std::string> SplitText(std::string_view text, std::string_view delimiters) {
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t begin = text.find_first_not_of(delimiters, pos);
        if (begin == std::string_view::npos) break;
        std::size_t end = text.find_first_of(delimiters, begin);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view token = trim_blanks_and_returns(text.substr(begin, end - begin));
        if (!token.empty()) tokens.emplace_back(token);
        pos = end;
    }
    return tokens;
}

bool all_digits(std::string_view text) noexcept {
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::wstring widen_cell(std::string_view cell) { return widen_string(cell); }

std::uint32_t digits_value(std::string_view digits) noexcept {
    constexpr std::uint32_t kLargest = 2147483647;
    std::uint32_t value = 0;
    for (const char c : digits) {
        const auto digit = static_cast<std::uint32_t>(c - '0');
        if (digit > 9) break;
        if (value > (kLargest - digit) / 10) return kLargest;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace varnholt::document
