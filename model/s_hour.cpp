// s_hour.cpp - times of day: text form, display and order.

#include "s_hour.h"

#include "value_compare.h"

#include <algorithm>
#include <limits>

namespace varnholt {

namespace {

constexpr std::uint64_t kMaxMinutes = std::numeric_limits<std::uint32_t>::max();

// An unsigned base-10 number: white space, an optional sign, digits up to the first other
// character. No digits give 0; a negative number or one beyond 32 bits gives the largest.
std::uint64_t unsigned_from_text(std::wstring_view text) {
    std::size_t pos = text.find_first_not_of(L" \t\n\v\f\r");
    if (pos == std::wstring_view::npos) return 0;
    bool negative = false;
    if (text[pos] == L'+' || text[pos] == L'-') negative = text[pos++] == L'-';
    std::uint64_t number = 0;
    for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos) {
        number = std::min<std::uint64_t>(number * 10 + static_cast<std::uint64_t>(text[pos] - L'0'), kMaxMinutes + 1);
    }
    if (number > kMaxMinutes || (negative && number != 0)) return kMaxMinutes;
    return number;
}

std::wstring two_digits(std::uint32_t number) {
    return (number < 10 ? L"0" : L"") + std::to_wstring(number);
}

}  // namespace

s_hour::s_hour(std::wstring_view file_text) {
    null_flag = 0;
    const std::size_t colon = file_text.find(L':');
    if (colon == 0) return;
    const std::uint64_t hours = unsigned_from_text(file_text.substr(0, colon));
    const std::uint64_t rest = colon == std::wstring_view::npos ? 0 : unsigned_from_text(file_text.substr(colon + 1));
    minutes = static_cast<std::uint32_t>(std::min(hours * 60 + rest, kMaxMinutes));
}

std::wstring s_hour::to_string() const {
    return two_digits(minutes / 60) + L':' + two_digits(minutes % 60);
}

bool s_hour::compare(compare_op op, const s_val& other) const {
    const s_hour* peer = same_class<s_hour>(other);
    return peer != nullptr && compare_numbers(op, minutes, peer->minutes);
}

}  // namespace varnholt
