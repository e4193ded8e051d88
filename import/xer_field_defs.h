// xer_field_defs.h - what the reader knows of each table's columns: the field names in field
// id order (id = place + 1) and the few rules that differ from a field's value kind. Where a
// value lands is the record's own slot array (kTaskXerFields...); these tables add the names
// and the rules, and xer_field_store.h checks at compile time that the two agree.
#pragma once

#include "model/xer_table.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace varnholt {

// What an empty value text does to a field.
enum class empty_text_rule : std::uint8_t {
    parse,          // parsed like any other text (0, a date without value, empty text...)
    keep,           // the field is left as the record was created
    blank,          // a blank duration or quantity: no value, shown as empty
    blank_int_max,  // 2147483647 with a value and the blank mark (activity float paths)
};

struct xer_field_def {
    std::wstring_view name;
    empty_text_rule on_empty = empty_text_rule::parse;
    std::int32_t unit_kind = 0;  // display kind of a quantity (s_unit) member
};

// Shorthands that keep the tables one line per few fields.
[[nodiscard]] constexpr xer_field_def keep_if_empty(std::wstring_view name) {
    return {name, empty_text_rule::keep};
}
[[nodiscard]] constexpr xer_field_def blank_if_empty(std::wstring_view name, std::int32_t unit_kind = 0) {
    return {name, empty_text_rule::blank, unit_kind};
}
[[nodiscard]] constexpr xer_field_def quantity(std::wstring_view name, std::int32_t unit_kind) {
    return {name, empty_text_rule::parse, unit_kind};
}

// The table names of the 31 tables, in table id order.
struct xer_table_name {
    std::wstring_view name;
    xer_table id;
};
[[nodiscard]] std::span<const xer_table_name> xer_table_names();

// A table's fields, in field id order.
[[nodiscard]] std::span<const xer_field_def> xer_field_defs(xer_table table);

}  // namespace varnholt
