// duration_text.h - the number forms of durations and quantities: hours converted into the
// chosen unit of time and cut to the chosen decimals, and the time-unit labels.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace varnholt {

// Hours in a day, week, month and year: the defaults until a calendar's own counts are put in.
struct hour_factors {
    double hours_per_day = 8;
    double hours_per_week = 40;
    double hours_per_month = 172;
    double hours_per_year = 2000;

    // Takes a calendar's hour counts; a count that is not a positive number keeps the default,
    // so no conversion ever divides by zero.
    void apply(double day, double week, double month, double year);
    // Hours in one unit of the time-unit code (1 for hours); 0 for an unknown code.
    [[nodiscard]] double hours_in(std::int32_t unit) const;

    friend auto operator<=>(const hour_factors&, const hour_factors&) = default;
};

inline constexpr hour_factors kDefaultHourFactors{};

// What a duration or quantity holds of its factors: a pointer to a set that its calendar owns
// (so a value stays small and copying it copies a pointer), or to the defaults. A value that
// refers to a calendar's set is good while the calendar's document lives.
class hour_factors_ref {
public:
    void refer_to(const hour_factors& set) { m_set = &set; }
    [[nodiscard]] double hours_in(std::int32_t unit) const { return m_set->hours_in(unit); }
    [[nodiscard]] const hour_factors& get() const { return *m_set; }
    [[nodiscard]] const hour_factors* operator->() const { return m_set; }

private:
    const hour_factors* m_set = &kDefaultHourFactors;
};

[[nodiscard]] constexpr bool is_time_unit(std::int32_t unit) { return unit >= 0 && unit <= 4; }

// "h", "d", "w", "m", "y": fixed letters of durations, the same in every language.
[[nodiscard]] std::wstring duration_letter(std::int32_t unit);
// The quantity label of a time unit in the caption language; empty for an unknown code.
[[nodiscard]] std::wstring time_unit_label(std::int32_t unit);

// The number as stored: at most six significant digits without trailing zeros ("2.5",
// "123457"); numbers of a million or more are written out whole instead of in exponent form.
[[nodiscard]] std::wstring stored_form(double value);

// A value in hours shown in a unit of time at a decimals code (0 stored form, 1 whole,
// 2 one decimal, 3 two decimals; halves round away from zero). Any other code gives no number.
[[nodiscard]] std::wstring number_form(double hours, const hour_factors& factors, std::int32_t unit,
                                       std::int32_t decimals);

// A value already converted into "per unit" terms, cut to the decimals code (1, 2 or 3).
[[nodiscard]] std::wstring per_time_form(double value, std::int32_t decimals);

}  // namespace varnholt
