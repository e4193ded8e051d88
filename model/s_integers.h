// s_integers.h - whole-number fields: signed counts (s_int) and the unsigned record keys and
// foreign keys (s_unsigned_long).
#pragma once

#include "s_val.h"

#include <cstdint>
#include <string_view>

namespace varnholt {

class s_int final : public s_val {
public:
    s_int() = default;
    explicit s_int(std::int32_t v) : value(v) { null_flag = 0; }
    // The leading base-10 integer of the text, saturating at the 32-bit limits ("12abc" is 12).
    explicit s_int(std::wstring_view file_text);

    [[nodiscard]] std::int32_t as_int() const override { return value; }
    // Signed digits without grouping; empty while the blank flag is set.
    [[nodiscard]] std::wstring to_string() const override;
    [[nodiscard]] s_val_ptr clone() const override { return s_val_ptr(new s_int(*this)); }

    // The flag first: it then shares the base's padding, which keeps the value small.
    std::uint8_t blank = 0;
    std::int32_t value = 0;

protected:
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
};

class s_unsigned_long final : public s_val {
public:
    s_unsigned_long() = default;
    explicit s_unsigned_long(std::uint32_t v) : value(v) { null_flag = 0; }
    // Read as for s_int and kept as the 32-bit pattern of the signed result, so "-1" becomes
    // 4294967295 and anything above 2147483647 becomes 2147483647.
    explicit s_unsigned_long(std::wstring_view file_text);

    // as_int keeps the base answer (0): keys are compared and shown, never read as counts.
    [[nodiscard]] std::wstring to_string() const override;
    [[nodiscard]] s_val_ptr clone() const override { return s_val_ptr(new s_unsigned_long(*this)); }

    std::uint32_t value = 0;

protected:
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
};

}  // namespace varnholt
