// duration_text.cpp - number forms of durations and quantities.

#include "duration_text.h"

#include "CaptionCatalog.h"
#include "number_text.h"

#include <array>
#include <cmath>

namespace varnholt {

namespace {

// From here on six significant digits round to 1e+06 and beyond: %g switches to exponent
// form, whose "." the cut rules below would misread as the decimal point.
constexpr double kExponentFormFrom = 999999.5;

// A whole number (already cut toward zero) in plain digits, however large.
std::wstring whole_number_text(double whole) {
    if (std::fabs(whole) < 9.2e18) return std::to_wstring(static_cast<std::int64_t>(whole));
    return format_fixed(whole, 0);
}

// The text of y cut after `decimals` characters past the ".", as the six-digit form gives it.
std::wstring cut_decimals(double y, int decimals) {
    std::wstring text = std::fabs(y) < kExponentFormFrom ? format_general(y, 6) : format_fixed(y, 6);
    if (const std::size_t point = text.find(L'.'); point != std::wstring::npos)
        text.resize(std::min(text.size(), point + 1 + decimals));
    return text;
}

double half_away(double value, double half) { return value >= 0 ? value + half : value - half; }

}  // namespace

void hour_factors::apply(double day, double week, double month, double year) {
    const auto usable = [](double hours) { return std::isfinite(hours) && hours > 0; };
    const hour_factors defaults;
    hours_per_day = usable(day) ? day : defaults.hours_per_day;
    hours_per_week = usable(week) ? week : defaults.hours_per_week;
    hours_per_month = usable(month) ? month : defaults.hours_per_month;
    hours_per_year = usable(year) ? year : defaults.hours_per_year;
}

double hour_factors::hours_in(std::int32_t unit) const {
    switch (unit) {
    case 0: return 1.0;
    case 1: return hours_per_day;
    case 2: return hours_per_week;
    case 3: return hours_per_month;
    case 4: return hours_per_year;
    default: return 0.0;
    }
}

std::wstring duration_letter(std::int32_t unit) {
    constexpr std::array<const wchar_t*, 5> kLetters = {L"h", L"d", L"w", L"m", L"y"};
    return is_time_unit(unit) ? kLetters[unit] : L"";
}

std::wstring time_unit_label(std::int32_t unit) {
    constexpr std::array<CaptionId, 5> kLabels = {90116, 90117, 90118, 90115, 200026};
    return is_time_unit(unit) ? CaptionCatalog::Instance().Lookup(kLabels[unit]) : L"";
}

std::wstring stored_form(double value) {
    if (!std::isfinite(value)) return {};
    if (std::fabs(value) < kExponentFormFrom && (value == 0 || std::fabs(value) >= 1e-4))
        return format_general(value, 6);  // %g already drops trailing zeros and a bare "."
    std::wstring text = format_fixed(value, 6);
    text.erase(text.find_last_not_of(L'0') + 1);
    if (text.back() == L'.') text.pop_back();
    if (text == L"-0") text = L"0";
    return text;
}

std::wstring number_form(double hours, const hour_factors& factors, std::int32_t unit, std::int32_t decimals) {
    if (!std::isfinite(hours)) return {};
    if (decimals == 0) return stored_form(hours);
    const double per_unit = factors.hours_in(unit);
    const double x = per_unit > 0 ? hours / per_unit : 0.0;
    if (!std::isfinite(x)) return {};  // a calendar of a few seconds a day can overflow it
    // Adding a half before cutting rounds half away from zero.
    switch (decimals) {
    case 1: return whole_number_text(std::trunc(half_away(x, 0.5)));
    case 2: return cut_decimals(half_away(x, 0.05), 1);
    case 3: return cut_decimals(half_away(x, 0.005), 2);
    default: return {};
    }
}

std::wstring per_time_form(double value, std::int32_t decimals) {
    if (!std::isfinite(value)) return {};
    if (decimals == 1) return whole_number_text(std::trunc(half_away(value, 0.5)));
    if (decimals != 2 && decimals != 3) return {};
    const double scale = decimals == 2 ? 10.0 : 100.0;
    const double y = half_away(value, 0.5 / scale);
    const double whole = std::trunc(y);
    const auto fraction = static_cast<int>(std::trunc(std::fabs(y - whole) * scale));
    // Between -1 and 0 the whole part is 0, which has no sign of its own to show.
    std::wstring text = (y < 0 && whole == 0) ? L"-" : L"";
    text += whole_number_text(whole) + L'.';
    if (decimals == 3 && fraction < 10) text += L'0';
    text += std::to_wstring(fraction);
    return text;
}

}  // namespace varnholt
