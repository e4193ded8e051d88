// RoleRateRecord.h - the prices of a role (XER table ROLERATE) and its maximum units from a
// date on (ROLELIMIT).
#pragma once

#include "model/records/blank_unit.h"
#include "model/records/xer_field_slot.h"

#include <array>

namespace varnholt {

class RoleRateRecord {
public:
    RoleRateRecord() = default;
    RoleRateRecord(const RoleRateRecord&) = delete;
    RoleRateRecord& operator=(const RoleRateRecord&) = delete;

    s_unsigned_long role_rate_id;
    s_unsigned_long role_id;
    s_unit cost_per_qty = blank_unit(s_unit::kPricePerHour);
    s_unit cost_per_qty2 = blank_unit(s_unit::kPricePerHour);
    s_unit cost_per_qty3 = blank_unit(s_unit::kPricePerHour);
    s_unit cost_per_qty4 = blank_unit(s_unit::kPricePerHour);
    s_unit cost_per_qty5 = blank_unit(s_unit::kPricePerHour);
};

class RoleLimitRecord {
public:
    RoleLimitRecord() = default;
    RoleLimitRecord(const RoleLimitRecord&) = delete;
    RoleLimitRecord& operator=(const RoleLimitRecord&) = delete;

    s_unsigned_long rolelimit_id;
    s_unsigned_long role_id;
    s_date start_date;
    s_unit max_qty_per_hr = blank_unit(s_unit::kUnitsPerTime);
};

// Both tables list their fields in the records' own order.
inline constexpr std::array<xer_field_slot<RoleRateRecord>, 7> kRoleRateXerFields = {
    &RoleRateRecord::role_rate_id,  &RoleRateRecord::role_id,       &RoleRateRecord::cost_per_qty,
    &RoleRateRecord::cost_per_qty2, &RoleRateRecord::cost_per_qty3, &RoleRateRecord::cost_per_qty4,
    &RoleRateRecord::cost_per_qty5,
};
static_assert(EachMemberOnce(kRoleRateXerFields));

inline constexpr std::array<xer_field_slot<RoleLimitRecord>, 4> kRoleLimitXerFields = {
    &RoleLimitRecord::rolelimit_id,
    &RoleLimitRecord::role_id,
    &RoleLimitRecord::start_date,
    &RoleLimitRecord::max_qty_per_hr,
};
static_assert(EachMemberOnce(kRoleLimitXerFields));

}  // namespace varnholt
