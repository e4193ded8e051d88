// s_val.h - the value protocol. Every field of every schedule record holds an s_val subclass;
// tables, sorts, group summaries, filters and find work only through this interface.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace varnholt {

class s_val;

// The six comparisons of the protocol, for value classes that implement them in one place.
enum class compare_op : std::uint8_t { less, less_equal, greater, greater_equal, equal, not_equal };

// The four text matches of the protocol.
enum class text_match : std::uint8_t { contains, equals_no_case, ends_with, starts_with };

// Deletes a cloned value, but never the shared null value that s_val::clone hands out.
struct s_val_deleter {
    void operator()(const s_val* value) const noexcept;
};
using s_val_ptr = std::unique_ptr<const s_val, s_val_deleter>;

class s_val {
public:
    s_val() = default;
    s_val(const s_val&) = default;
    s_val(s_val&&) = default;
    s_val& operator=(const s_val&) = default;
    s_val& operator=(s_val&&) = default;
    virtual ~s_val() = default;

    [[nodiscard]] virtual std::int32_t as_int() const { return 0; }
    [[nodiscard]] virtual double as_double() const { return 0.0; }
    [[nodiscard]] virtual std::int64_t as_int64() const { return 0; }
    [[nodiscard]] virtual bool as_bool() const { return false; }
    [[nodiscard]] virtual std::wstring to_string() const { return {}; }
    // A copy owned by the caller; a plain s_val answers with the shared null value, which the
    // pointer's deleter leaves alone.
    [[nodiscard]] virtual s_val_ptr clone() const;

    // Comparisons with another value of the same field, so of the same class. A value of
    // another class (the shared null value among them) answers false to every comparison.
    [[nodiscard]] bool less(const s_val& other) const { return compare(compare_op::less, other); }
    [[nodiscard]] bool less_equal(const s_val& other) const { return compare(compare_op::less_equal, other); }
    [[nodiscard]] bool greater(const s_val& other) const { return compare(compare_op::greater, other); }
    [[nodiscard]] bool greater_equal(const s_val& other) const { return compare(compare_op::greater_equal, other); }
    [[nodiscard]] bool equal(const s_val& other) const { return compare(compare_op::equal, other); }
    [[nodiscard]] bool not_equal(const s_val& other) const { return compare(compare_op::not_equal, other); }

    // Text matches against any value's display text.
    [[nodiscard]] bool contains(const s_val& other) const { return match(text_match::contains, other); }
    [[nodiscard]] bool equals_no_case(const s_val& other) const { return match(text_match::equals_no_case, other); }
    [[nodiscard]] bool ends_with(const s_val& other) const { return match(text_match::ends_with, other); }
    [[nodiscard]] bool starts_with(const s_val& other) const { return match(text_match::starts_with, other); }

    // Type queries in place of run-time type tests: each class answers its own with true.
    [[nodiscard]] virtual bool is_dur() const { return false; }
    [[nodiscard]] virtual bool is_date() const { return false; }
    [[nodiscard]] virtual bool is_string() const { return false; }
    [[nodiscard]] virtual bool is_unit() const { return false; }

    // The one value that stands for "this record has no such field". Built on first use and
    // never freed; callers recognise it by address.
    [[nodiscard]] static const s_val& null_value();
    [[nodiscard]] static bool is_null_value(const s_val* value) noexcept { return value == &null_value(); }

    // 1 when the schedule file gave no value for the field, 0 when it did. Values start
    // without one; the text constructors set 0.
    std::uint8_t null_flag = 1;

protected:
    [[nodiscard]] virtual bool compare(compare_op, const s_val&) const { return false; }
    [[nodiscard]] virtual bool match(text_match, const s_val&) const { return false; }
};

}  // namespace varnholt
