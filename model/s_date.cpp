// s_date.cpp - date values: the XER and workbook text forms, relative dates, steps, display
// and order.

#include "s_date.h"

#include "civil_date.h"
#include "text_scan.h"
#include "text_utils.h"
#include "value_compare.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace varnholt {

namespace {

constexpr std::int64_t kSecondsPerHour = 3600;

std::int64_t current_day() {
    const auto now = std::chrono::system_clock::now();
    return std::chrono::floor<std::chrono::days>(now).time_since_epoch().count();
}

civil_date civil_of(const s_date& date) { return civil_from_days(days_of_seconds(date.seconds)); }

std::int64_t second_of_day(const s_date& date) {
    return date.seconds - days_of_seconds(date.seconds) * kSecondsPerDay;
}

}  // namespace

s_date::s_date(std::wstring_view xer_text, std::int32_t format) {
    null_flag = 0;
    if (xer_text == L"CD") { seconds = today().seconds; return; }
    if (xer_text == L"CW") { seconds = week_start().seconds; return; }
    if (xer_text == L"CM") { seconds = month_start().seconds; return; }
    if (format != 0) return;
    const std::size_t first = xer_text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) {
        null_flag = 1;
        return;
    }
    const std::size_t last = xer_text.find_last_not_of(L' ');
    seconds = parse_dash_text(xer_text.substr(first, last - first + 1));
}

s_date s_date::from_xls_text(std::string_view text, std::int32_t format) {
    if (text == "CD") return today();
    if (text == "CW") return week_start();
    if (text == "CM") return month_start();
    if (format == 1 && !text.empty()) return from_seconds(parse_slash_text(text));
    return from_seconds(0);
}

// "yyyy-mm-dd hh:mm" exactly as the exports write it: no normalisation, so day 0 is the last
// day of the month before and hour 30 runs into the next day. A year outside 1970..2100 counts
// from 1970 while its month lengths still follow the given year.
std::int64_t s_date::parse_dash_text(std::wstring_view text) {
    std::array<std::int32_t, 5> f{};  // year, month, day, hour, minute
    scan_fields(text, L"%-%-% %:%", f);
    const auto [year, month, day, hour, minute] = f;
    std::int64_t days_before_month = 0;
    // Month numbers above 12 count 31 days each; computed, not looped, so a huge month
    // number in a damaged file costs nothing.
    for (std::int32_t m = 1; m < std::min(month, 13); ++m) days_before_month += days_in_month(m, year);
    if (month > 13) days_before_month += (static_cast<std::int64_t>(month) - 13) * 31;
    return year_start_seconds(year) + kSecondsPerDay * days_before_month +
           kSecondsPerHour * ((static_cast<std::int64_t>(day) - 1) * 24 + hour) +
           60 * static_cast<std::int64_t>(minute);
}

// "m/d/yyyy h:mm:ss", on a 12-hour clock only when the text ends in "AM" or "PM".
std::int64_t s_date::parse_slash_text(std::string_view text) {
    std::array<std::int32_t, 6> f{};  // month, day, year, hour, minute, second
    scan_fields(widen_string(text), L"%/%/% %:%:%", f);
    auto [month, day, year, hour, minute, second] = f;
    if (text.ends_with("AM")) hour %= 12;
    if (text.ends_with("PM")) hour = hour % 12 + 12;
    return days_from_civil(year, month, day) * kSecondsPerDay + kSecondsPerHour * hour +
           60 * static_cast<std::int64_t>(minute) + second;
}

s_date s_date::from_seconds(std::int64_t seconds) {
    s_date date;
    date.null_flag = 0;
    date.seconds = seconds;
    return date;
}

s_date s_date::from_ymd(std::int64_t year, std::int32_t month, std::int32_t day) {
    return from_ymdhm(year, month, day, 0, 0);
}

s_date s_date::from_ymdhm(std::int64_t year, std::int32_t month, std::int32_t day,
                          std::int32_t hour, std::int32_t minute) {
    return from_seconds(days_from_civil(year, month, day) * kSecondsPerDay + kSecondsPerHour * hour +
                        60 * static_cast<std::int64_t>(minute));
}

s_date s_date::today() { return from_seconds(current_day() * kSecondsPerDay); }

s_date s_date::week_start() {
    s_date date = today();
    while (date.weekday() != 1) date = previous_day(date);
    return date;
}

s_date s_date::month_start() {
    const civil_date now = civil_from_days(current_day());
    return from_ymd(now.year, now.month, 1);
}

s_date s_date::next_month_start(const s_date& date) {
    const civil_date civil = civil_of(date);
    return civil.month == 12 ? from_ymd(civil.year + 1, 1, 1) : from_ymd(civil.year, civil.month + 1, 1);
}

std::int32_t s_date::quarter(const s_date& date) { return (date.month() - 1) / 3 + 1; }

std::int64_t s_date::year() const { return civil_of(*this).year; }
std::int32_t s_date::month() const { return civil_of(*this).month; }
std::int32_t s_date::day() const { return civil_of(*this).day; }
std::int32_t s_date::weekday() const { return weekday_of_days(days_of_seconds(seconds)); }
std::int32_t s_date::hour() const { return static_cast<std::int32_t>(second_of_day(*this) / kSecondsPerHour); }
std::int32_t s_date::minute() const { return static_cast<std::int32_t>(second_of_day(*this) % kSecondsPerHour / 60); }

s_date& s_date::operator=(const s_date& other) {
    null_flag = other.null_flag;
    seconds = other.seconds;
    mark = other.mark;
    return *this;
}

std::wstring s_date::to_string() const {
    if (seconds <= 0 || blank) return {};
    const civil_date civil = civil_of(*this);
    std::wstring text = std::to_wstring(civil.day) + L'-' + month_abbreviation(civil.month) + L'-' +
                        std::to_wstring(civil.year);
    if (mark == kActualStart || mark == kActualFinish) text += L" A";
    if (mark == kConstrainedStart || mark == kConstrainedFinish) text += L'*';
    return text;
}

bool s_date::compare(compare_op op, const s_val& other) const {
    const s_date* peer = same_class<s_date>(other);
    if (peer == nullptr) return false;
    const bool own_missing = null_flag == 1, other_missing = peer->null_flag == 1;
    if (op == compare_op::equal || op == compare_op::not_equal || own_missing == other_missing)
        return compare_numbers(op, seconds, peer->seconds);
    // Exactly one side has no value: it sorts after the other.
    const bool ascending = op == compare_op::less || op == compare_op::less_equal;
    return ascending ? other_missing : own_missing;
}

}  // namespace varnholt
