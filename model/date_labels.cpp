// date_labels.cpp - month, weekday and quarter names from the caption catalogue, and the
// labels of the Gantt timescale.

#include "s_date.h"

#include "CaptionCatalog.h"

namespace varnholt {

namespace {

constexpr CaptionId kMonthAbbreviations = 4251;  // January first
constexpr CaptionId kMonthNames = 4263;
constexpr CaptionId kWeekdayAbbreviations = 4275;  // Sunday first
constexpr CaptionId kWeekdayLetters = 200017;
constexpr CaptionId kQuarterLong = 3883;   // "Qtr"
constexpr CaptionId kQuarterShort = 3884;  // "Q"

std::wstring caption_in_range(CaptionId first, std::int32_t index, std::int32_t count) {
    if (index < 1 || index > count) return {};
    return CaptionCatalog::Instance().Lookup(first + index - 1);
}

std::wstring two_digits(std::int64_t number) {
    return (number >= 0 && number < 10 ? L"0" : L"") + std::to_wstring(number);
}

}  // namespace

std::wstring month_abbreviation(std::int32_t month) { return caption_in_range(kMonthAbbreviations, month, 12); }
std::wstring month_name(std::int32_t month) { return caption_in_range(kMonthNames, month, 12); }
std::wstring weekday_letter(std::int32_t weekday) { return caption_in_range(kWeekdayLetters, weekday, 7); }
std::wstring weekday_abbreviation(std::int32_t weekday) { return caption_in_range(kWeekdayAbbreviations, weekday, 7); }

std::wstring quarter_short_label(std::int32_t month) {
    if (month < 1 || month > 12) return {};
    return CaptionCatalog::Instance().Lookup(kQuarterShort) + std::to_wstring((month - 1) / 3 + 1);
}

std::wstring quarter_long_label(std::int32_t month) {
    if (month < 1 || month > 12) return {};
    return CaptionCatalog::Instance().Lookup(kQuarterLong) + L' ' + std::to_wstring((month - 1) / 3 + 1);
}

std::wstring s_date::format_scale_label(const s_date& date, std::int32_t code) {
    const std::wstring year = std::to_wstring(date.year());
    const std::int32_t month = date.month();
    switch (code) {
    case 2:
        return year + L'/' + std::to_wstring(month) + L'/' + two_digits(date.day()) + L' ' +
               two_digits(date.hour()) + L':' + two_digits(date.minute());
    case 3: return two_digits(date.day());
    case 4: return month_name(month) + L' ' + year;
    case 5: return weekday_letter(date.weekday());
    case 6: return weekday_abbreviation(date.weekday());
    case 7: return month_abbreviation(month) + L' ' + two_digits(date.day());
    case 8: return std::to_wstring(date.hour());
    case 9:
        return weekday_abbreviation(date.weekday()) + L' ' + month_abbreviation(month) + L' ' +
               two_digits(date.day());
    case 10: return month_abbreviation(month);
    case 11: return year;
    case 12: return quarter_short_label(month);
    case 13: return quarter_long_label(month) + L", " + year;
    default: return {};
    }
}

}  // namespace varnholt
