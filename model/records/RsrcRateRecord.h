// RsrcRateRecord.h - one rate line of a resource (XER table RSRCRATE): its prices and
// maximum units from an effective date on.
#pragma once

#include "model/records/blank_unit.h"
#include "model/records/xer_field_slot.h"

#include <array>

namespace varnholt {

class RsrcRateRecord {
public:
    RsrcRateRecord() = default;
    RsrcRateRecord(const RsrcRateRecord&) = delete;
    RsrcRateRecord& operator=(const RsrcRateRecord&) = delete;

    s_unsigned_long rsrc_rate_id;
    s_unsigned_long rsrc_id;
    s_unsigned_long shift_period_id;
    s_date start_date;  // the effective date; orders the resource's rates (RsrcRecord::AddRate)
    s_unit max_qty_per_hr = blank_unit(s_unit::kUnitsPerTime);
    s_unit cost_per_qty = blank_unit(s_unit::kPricePerHour);
    s_unit cost_per_qty2 = blank_unit(s_unit::kPricePerHour);
    s_unit cost_per_qty3 = blank_unit(s_unit::kPricePerHour);
    s_unit cost_per_qty4 = blank_unit(s_unit::kPricePerHour);
    s_unit cost_per_qty5 = blank_unit(s_unit::kPricePerHour);
};

inline constexpr std::array<xer_field_slot<RsrcRateRecord>, 10> kRsrcRateXerFields = {
    &RsrcRateRecord::rsrc_rate_id,
    &RsrcRateRecord::rsrc_id,
    &RsrcRateRecord::start_date,
    &RsrcRateRecord::shift_period_id,
    &RsrcRateRecord::max_qty_per_hr,
    &RsrcRateRecord::cost_per_qty,
    &RsrcRateRecord::cost_per_qty2,
    &RsrcRateRecord::cost_per_qty3,
    &RsrcRateRecord::cost_per_qty4,
    &RsrcRateRecord::cost_per_qty5,
};
static_assert(EachMemberOnce(kRsrcRateXerFields));

}  // namespace varnholt
