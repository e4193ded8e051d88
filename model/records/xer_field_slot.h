// xer_field_slot.h - where each XER field of a table lands in its record. A table's field
// slots are indexed by field number - 1 (the field's place in the table's field list); a
// field that is recognised but not kept has an empty slot, so every later field keeps its
// number. The XER reader parses a value by the member type that the slot names.
#pragma once

#include "model/s_bool.h"
#include "model/s_date.h"
#include "model/s_doubles.h"
#include "model/s_dur.h"
#include "model/s_enums.h"
#include "model/s_hour.h"
#include "model/s_integers.h"
#include "model/s_string.h"
#include "model/s_unit.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <variant>

namespace varnholt {

// A field that the table recognises but whose values are dropped.
struct not_stored {};

template <class Record>
using xer_field_slot = std::variant<
    not_stored, s_unsigned_long Record::*, s_string Record::*, std::wstring Record::*, s_int Record::*,
    s_double Record::*, s_percent Record::*, s_cost Record::*, s_bool Record::*, s_date Record::*,
    s_dur Record::*, s_unit Record::*, s_hour Record::*, s_activity_status Record::*,
    s_activity_type Record::*, s_duration_type Record::*, s_constraint_type Record::*,
    s_percent_comlete_type Record::*, s_leveling_priority Record::*, s_project_status Record::*,
    s_resource_type Record::*, s_rate_type Record::*, s_relationship_type Record::*,
    s_calendar_type Record::*, s_logical_data_type Record::*, s_activity_code_type_scope Record::*,
    s_proficiency_level Record::*>;

// The slot of a field number, or null for a number outside 1..N.
template <class Record>
[[nodiscard]] const xer_field_slot<Record>* FindXerField(std::span<const xer_field_slot<Record>> slots,
                                                        std::int32_t number) {
    if (number < 1 || static_cast<std::size_t>(number) > slots.size()) return nullptr;
    return &slots[static_cast<std::size_t>(number) - 1];
}

// Whether no two fields of a table fill the same member; each table asserts it where it is
// defined, since a repeated member would let a later field overwrite an earlier one.
template <class Record, std::size_t N>
[[nodiscard]] consteval bool EachMemberOnce(const std::array<xer_field_slot<Record>, N>& slots) {
    for (std::size_t later = 0; later < N; ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const auto& a = slots[earlier];
            const auto& b = slots[later];
            if (a.index() != b.index() || std::holds_alternative<not_stored>(a)) continue;
            const bool same = std::visit(
                [&b](auto member) {
                    using Slot = decltype(member);
                    if constexpr (std::is_same_v<Slot, not_stored>) return false;
                    else return std::get<Slot>(b) == member;
                },
                a);
            if (same) return false;
        }
    }
    return true;
}

}  // namespace varnholt
