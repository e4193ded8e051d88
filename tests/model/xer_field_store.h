// xer_field_store.h - test helper: stores file texts into a record through a table's XER
// field slots, the way the reader does, so tests can load a row by field number.
#pragma once

#include "model/records/xer_field_slot.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace varnholt::testing_support {

// Stores `text` into the member of field `number`; a field without a member (or a number
// outside the table) changes nothing. Quantities are read as kind 0.
template <class Record, std::size_t N>
void StoreXerField(Record& record, const std::array<xer_field_slot<Record>, N>& slots, std::int32_t number,
                   std::wstring_view text) {
    const xer_field_slot<Record>* slot = FindXerField<Record>(slots, number);
    if (slot == nullptr) return;
    std::visit(
        [&](auto member) {
            using Slot = decltype(member);
            if constexpr (!std::is_same_v<Slot, not_stored>) {
                using Value = std::remove_cvref_t<decltype(record.*member)>;
                if constexpr (std::is_same_v<Value, std::wstring>)
                    record.*member = std::wstring(text);
                else if constexpr (std::is_same_v<Value, s_unit>)
                    record.*member = s_unit(text, s_unit::kQuantity);
                else
                    record.*member = Value(text);
            }
        },
        *slot);
}

// Stores a whole row: texts[i] goes to field number i + 1.
template <class Record, std::size_t N, std::size_t M>
void StoreXerRow(Record& record, const std::array<xer_field_slot<Record>, N>& slots,
                 const std::array<std::wstring_view, M>& texts) {
    for (std::size_t i = 0; i < M; ++i) StoreXerField(record, slots, static_cast<std::int32_t>(i + 1), texts[i]);
}

// Whether field `number` lands in `member`.
template <class Record, std::size_t N, class Value>
bool FieldLandsIn(const std::array<xer_field_slot<Record>, N>& slots, std::int32_t number, Value Record::*member) {
    const xer_field_slot<Record>* slot = FindXerField<Record>(slots, number);
    if (slot == nullptr) return false;
    const auto* held = std::get_if<Value Record::*>(slot);
    return held != nullptr && *held == member;
}

template <class Record, std::size_t N>
bool FieldIsDropped(const std::array<xer_field_slot<Record>, N>& slots, std::int32_t number) {
    const xer_field_slot<Record>* slot = FindXerField<Record>(slots, number);
    return slot != nullptr && std::holds_alternative<not_stored>(*slot);
}

// The first field number whose member another, earlier field already fills; 0 when every
// member is filled by one field at most.
template <class Record, std::size_t N>
std::int32_t FirstSharedMember(const std::array<xer_field_slot<Record>, N>& slots) {
    for (std::size_t later = 0; later < N; ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const auto& a = slots[earlier];
            const auto& b = slots[later];
            if (a.index() != b.index() || std::holds_alternative<not_stored>(a)) continue;
            const bool same = std::visit(
                [&](auto member) {
                    using Slot = decltype(member);
                    if constexpr (std::is_same_v<Slot, not_stored>) return false;
                    else return std::get<Slot>(b) == member;
                },
                a);
            if (same) return static_cast<std::int32_t>(later + 1);
        }
    }
    return 0;
}

}  // namespace varnholt::testing_support
