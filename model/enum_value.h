// enum_value.h - the shared body of the enumerated fields: a field that the file writes as a
// short code ("TK_Active", "PR_FS") and that holds one small integer. Each class supplies a
// constant descriptor (accepted texts, default, display, sort ranks, which comparisons it has)
// and this template does the rest.
#pragma once

#include "caption_tables.h"
#include "s_val.h"
#include "value_compare.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace varnholt {

// One text that the text constructor accepts, and the value it gives.
struct enum_text {
    std::wstring_view text;
    std::int32_t value;
};

// How a value is shown and sorted; a class's table of these is indexed by the value.
inline constexpr CaptionId kNoCaption = 0;
struct enum_shown {
    CaptionId caption = kNoCaption;  // looked up in the caption language at each display
    std::wstring_view fixed_text{};  // shown after the caption, the same in every language
    std::int32_t rank = 0;           // sort position, for classes that sort by rank
};

// What one comparison of a class reads. `base` means the class has no such comparison of its
// own and keeps the answer of s_val (false).
enum class enum_order : std::uint8_t { base, value, rank };

struct enum_orders {
    enum_order less = enum_order::base;
    enum_order less_equal = enum_order::base;
    enum_order greater = enum_order::base;
    enum_order greater_equal = enum_order::base;
    enum_order equal = enum_order::base;
    enum_order not_equal = enum_order::base;
};

struct enum_descriptor {
    std::span<const enum_text> texts{};  // tested in this order; the first whole-text match wins
    std::int32_t default_value = 0;    // for the default constructor and for unmatched text
    std::span<const enum_shown> shown{};
    enum_orders orders{};
    bool text_clears_null_flag = true;
};

// The value of a file text: the first accepted text equal to it code unit by code unit (so
// case and spaces count), else the default.
[[nodiscard]] std::int32_t enum_value_from_text(const enum_descriptor& descriptor,
                                                std::wstring_view file_text) noexcept;

// The caption followed by the fixed text; empty for a value outside the table.
[[nodiscard]] std::wstring enum_display_text(const enum_descriptor& descriptor, std::int32_t value);

// Sorts call this for every pair of rows, so it reads the tables and allocates nothing.
[[nodiscard]] bool compare_enum_values(const enum_descriptor& descriptor, compare_op op,
                                       std::int32_t own, std::int32_t other) noexcept;

// Derived names its descriptor `kDescriptor`. as_int and the other readings keep the base
// answers: the integer is reached only through the class itself.
template <class Derived>
class enum_value : public s_val {
public:
    enum_value() : value(Derived::kDescriptor.default_value) {}
    explicit enum_value(std::int32_t v) : value(v) { null_flag = 0; }
    explicit enum_value(std::wstring_view file_text)
        : value(enum_value_from_text(Derived::kDescriptor, file_text)) {
        if (Derived::kDescriptor.text_clears_null_flag) null_flag = 0;
    }

    [[nodiscard]] std::wstring to_string() const override {
        return enum_display_text(Derived::kDescriptor, value);
    }
    [[nodiscard]] s_val_ptr clone() const override {
        return s_val_ptr(new Derived(static_cast<const Derived&>(*this)));
    }

    std::int32_t value;

protected:
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override {
        const Derived* peer = same_class<Derived>(other);
        return peer != nullptr && compare_enum_values(Derived::kDescriptor, op, value, peer->value);
    }
};

}  // namespace varnholt
