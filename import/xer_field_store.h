// xer_field_store.h - stores one value text of a row into its record: the table's slot array
// says which member the field fills (and so how the text is parsed), its field list adds the
// empty-text rule and a quantity's display kind. One visitor serves every table.
#pragma once

#include "import/xer_field_defs.h"
#include "model/records/xer_field_slot.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace varnholt {

namespace xer_store_detail {

// Members whose rules go beyond "parse the text as the member's type".
void store(std::wstring& member, const xer_field_def& def, std::wstring_view text);
void store(s_string& member, const xer_field_def& def, std::wstring_view text);
void store(s_int& member, const xer_field_def& def, std::wstring_view text);
void store(s_dur& member, const xer_field_def& def, std::wstring_view text);
void store(s_unit& member, const xer_field_def& def, std::wstring_view text);

// Every other kind: the value the type's text constructor makes, flags included.
template <class Value>
void store(Value& member, const xer_field_def&, std::wstring_view text) {
    member = Value(text);
}

template <class Record, class Wanted>
constexpr bool holds(const xer_field_slot<Record>& slot) {
    return std::holds_alternative<Wanted Record::*>(slot);
}

}  // namespace xer_store_detail

// Whether a field list fits a slot array: one entry per slot, and each rule only on a member
// it can apply to (an empty slot takes any rule). Checked by static_assert wherever a pair is used.
template <class Record, std::size_t N>
constexpr bool field_defs_fit(const std::array<xer_field_slot<Record>, N>& slots,
                              std::span<const xer_field_def> defs) {
    using namespace xer_store_detail;
    if (defs.size() != N) return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (std::holds_alternative<not_stored>(slots[i])) continue;  // nothing is stored, so no rule applies
        const bool is_unit = holds<Record, s_unit>(slots[i]);
        switch (defs[i].on_empty) {
        case empty_text_rule::blank:
            if (!is_unit && !holds<Record, s_dur>(slots[i])) return false;
            break;
        case empty_text_rule::blank_int_max:
            if (!holds<Record, s_int>(slots[i])) return false;
            break;
        case empty_text_rule::parse:
        case empty_text_rule::keep:
            break;
        }
        if (defs[i].unit_kind != 0 && !is_unit) return false;
    }
    return true;
}

// Stores the text into the member of field `field_id` of the object that `target()` gives;
// ids outside 1..N, fields whose slot is empty and texts that the field's rule ignores change
// nothing and never call `target`. Lets a record keep some values in a block it makes only
// when one of them is stored.
template <class Target, std::size_t N, class GetTarget>
void store_xer_field_into(GetTarget&& target, const std::array<xer_field_slot<Target>, N>& slots,
                          std::span<const xer_field_def> defs, int field_id, std::wstring_view text) {
    const xer_field_slot<Target>* slot = FindXerField<Target>(slots, field_id);
    if (slot == nullptr || std::holds_alternative<not_stored>(*slot)) return;
    assert(defs.size() == N && "field list checked against the slots by field_defs_fit");
    const xer_field_def& def = defs[static_cast<std::size_t>(field_id) - 1];
    if (text.empty() && def.on_empty == empty_text_rule::keep) return;
    Target& object = target();
    std::visit(
        [&](auto member) {
            if constexpr (!std::is_same_v<decltype(member), not_stored>)
                xer_store_detail::store(object.*member, def, text);
        },
        *slot);
}

// Stores the text into the member of field `field_id`; ids outside 1..N, and fields that
// the record does not keep, change nothing.
template <class Record, std::size_t N>
void store_xer_field(Record& record, const std::array<xer_field_slot<Record>, N>& slots,
                     std::span<const xer_field_def> defs, int field_id, std::wstring_view text) {
    store_xer_field_into([&record]() -> Record& { return record; }, slots, defs, field_id, text);
}

}  // namespace varnholt
