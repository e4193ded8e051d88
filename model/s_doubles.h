// s_doubles.h - fractional fields: plain numbers (s_double), percentages held as 0 to 100
// (s_percent) and money amounts in the file's currency (s_cost).
#pragma once

#include "s_val.h"

#include <cstdint>
#include <string_view>

namespace varnholt {

class s_double final : public s_val {
public:
    s_double() = default;
    explicit s_double(double v) : value(v) { null_flag = 0; }
    explicit s_double(std::wstring_view file_text);

    [[nodiscard]] std::int32_t as_int() const override;
    [[nodiscard]] double as_double() const override { return value; }
    // Two decimals, "." as the decimal point ("2.50"); empty while blank or not finite.
    [[nodiscard]] std::wstring to_string() const override;
    [[nodiscard]] s_val_ptr clone() const override { return s_val_ptr(new s_double(*this)); }

    std::uint8_t blank = 0;  // first, to share the base's padding
    double value = 0.0;

protected:
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
};

class s_percent final : public s_val {
public:
    s_percent() = default;
    explicit s_percent(double v) : value(v) { null_flag = 0; }
    explicit s_percent(std::wstring_view file_text);

    [[nodiscard]] double as_double() const override { return value; }
    // Rounded to the decimals of the percent setting ("13%", "12.3%").
    [[nodiscard]] std::wstring to_string() const override;
    [[nodiscard]] s_val_ptr clone() const override { return s_val_ptr(new s_percent(*this)); }

    double value = 0.0;

protected:
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
};

class s_cost final : public s_val {
public:
    s_cost() = default;
    explicit s_cost(double v) : value(v) { null_flag = 0; }
    explicit s_cost(std::wstring_view file_text);

    [[nodiscard]] double as_double() const override { return value; }
    // In the cost number format ("$1,234.50", "($3.46)").
    [[nodiscard]] std::wstring to_string() const override;
    [[nodiscard]] s_val_ptr clone() const override { return s_val_ptr(new s_cost(*this)); }

    double value = 0.0;

protected:
    // Equal within 0.009; ordered as plain doubles.
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
};

}  // namespace varnholt
