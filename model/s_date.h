// s_date.h - a date field: wall-clock time without a time zone, held as seconds since
// 1970-01-01 00:00 counted as if it were UTC. Also the date steps, relative dates and the
// label texts that the timescale and the calendar dialog draw.
#pragma once

#include "s_val.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {

class s_date final : public s_val {
public:
    // Display markers set by the post-load passes over activities.
    enum : std::int32_t { kNoMark = 0, kActualStart = 1, kActualFinish = 2, kConstrainedStart = 3, kConstrainedFinish = 4 };

    s_date() = default;  // no value
    // XER text "yyyy-mm-dd hh:mm", or one of the tokens "CD" (today), "CW" (this week's
    // Sunday), "CM" (the first of this month). Blanks only give a date without value.
    explicit s_date(std::wstring_view xer_text, std::int32_t format = 0);
    // Workbook text "m/d/yyyy h:mm:ss", with "AM"/"PM" at the end for a 12-hour clock.
    // An empty cell gives a zero date that still counts as given.
    [[nodiscard]] static s_date from_xls_text(std::string_view text, std::int32_t format = 1);

    [[nodiscard]] static s_date from_ymd(std::int64_t year, std::int32_t month, std::int32_t day);
    [[nodiscard]] static s_date from_ymdhm(std::int64_t year, std::int32_t month, std::int32_t day,
                                           std::int32_t hour, std::int32_t minute);
    [[nodiscard]] static s_date from_parts(std::int64_t year, std::int32_t month, std::int32_t day,
                                           std::int32_t hour, std::int32_t minute) {
        return from_ymdhm(year, month, day, hour, minute);
    }
    [[nodiscard]] static s_date from_seconds(std::int64_t seconds);

    [[nodiscard]] static s_date today();
    [[nodiscard]] static s_date week_start();
    [[nodiscard]] static s_date month_start();

    // Steps give a fresh date (given, not blank, unmarked) whatever the flags of the source.
    [[nodiscard]] static s_date next_day(const s_date& date) { return from_seconds(date.seconds + 86400); }
    [[nodiscard]] static s_date next_week(const s_date& date) { return from_seconds(date.seconds + 604800); }
    [[nodiscard]] static s_date previous_day(const s_date& date) { return from_seconds(date.seconds - 86400); }
    [[nodiscard]] static s_date next_month_start(const s_date& date);
    [[nodiscard]] static std::int32_t quarter(const s_date& date);

    // The calendar fields by UTC rules.
    [[nodiscard]] std::int64_t year() const;
    [[nodiscard]] std::int32_t month() const;
    [[nodiscard]] std::int32_t day() const;
    [[nodiscard]] std::int32_t weekday() const;  // 1 = Sunday
    [[nodiscard]] std::int32_t hour() const;
    [[nodiscard]] std::int32_t minute() const;

    // The timescale labels by format code (2 to 13); any other code gives the empty text.
    [[nodiscard]] static std::wstring format_scale_label(const s_date& date, std::int32_t code);

    [[nodiscard]] static std::int64_t parse_dash_text(std::wstring_view text);
    [[nodiscard]] static std::int64_t parse_slash_text(std::string_view text);

    // Copies keep everything; assignment keeps the target's blank flag, which belongs to the
    // field (set by the post-load passes), not to the value put into it.
    s_date(const s_date&) = default;
    s_date& operator=(const s_date& other);

    [[nodiscard]] std::int64_t as_int64() const override { return seconds; }
    // "4-Mar-2015", with " A" for actual dates and "*" for constrained ones; empty for dates
    // at or before 1970-01-01 00:00 and while blank.
    [[nodiscard]] std::wstring to_string() const override;
    [[nodiscard]] s_val_ptr clone() const override { return s_val_ptr(new s_date(*this)); }
    [[nodiscard]] bool is_date() const override { return true; }

    // The small members first: they share the base's padding, which keeps a date at 24 bytes.
    bool blank = false;
    std::int32_t mark = kNoMark;
    std::int64_t seconds = 0;

protected:
    // Ordered by seconds with dates without value last; equality reads the seconds only.
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
};

// Caption texts of calendar parts; an argument out of range gives the empty text.
[[nodiscard]] std::wstring month_abbreviation(std::int32_t month);
[[nodiscard]] std::wstring month_name(std::int32_t month);
[[nodiscard]] std::wstring weekday_letter(std::int32_t weekday);
[[nodiscard]] std::wstring weekday_abbreviation(std::int32_t weekday);
[[nodiscard]] std::wstring quarter_short_label(std::int32_t month);  // "Q1"
[[nodiscard]] std::wstring quarter_long_label(std::int32_t month);   // "Qtr 1"

}  // namespace varnholt
