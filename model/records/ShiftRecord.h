// ShiftRecord.h - a shift (XER table SHIFT) and its periods (SHIFTPER): the start of each
// period and how many whole hours it lasts until the next one begins.
#pragma once

#include "model/records/xer_field_slot.h"

#include <array>
#include <vector>

namespace varnholt {

class ShiftPerRecord;

class ShiftRecord {
public:
    ShiftRecord() = default;
    ShiftRecord(const ShiftRecord&) = delete;
    ShiftRecord& operator=(const ShiftRecord&) = delete;

    void AddPeriod(ShiftPerRecord* period) { periods.push_back(period); }

    // Sorts the periods by start (stable, so periods of one start keep their order) and sets
    // each period's length: whole hours until the next period starts, the last one until
    // the first one starts again on the next day. A single period lasts 24 hours.
    void MeasurePeriods();

    s_unsigned_long shift_id;
    s_string shift_name;

    std::vector<ShiftPerRecord*> periods;
};

class ShiftPerRecord {
public:
    ShiftPerRecord() = default;
    ShiftPerRecord(const ShiftPerRecord&) = delete;
    ShiftPerRecord& operator=(const ShiftPerRecord&) = delete;

    s_unsigned_long shift_period_id;
    s_unsigned_long shift_id;
    s_hour shift_start_hr_num;
    s_int length_hr_cnt{0};  // set by ShiftRecord::MeasurePeriods

    ShiftRecord* shift = nullptr;
};

// The shift link pass over SHIFTPER: the period joins the periods of the shift that its
// shift_id found and points at it; with none found (null) it stays unlinked, length 0.
void LinkShiftPeriod(ShiftPerRecord& period, ShiftRecord* shift);

// The reader stores the two SHIFT fields itself, by the same slots.
inline constexpr std::array<xer_field_slot<ShiftRecord>, 2> kShiftXerFields = {
    &ShiftRecord::shift_id,
    &ShiftRecord::shift_name,
};
static_assert(EachMemberOnce(kShiftXerFields));

inline constexpr std::array<xer_field_slot<ShiftPerRecord>, 3> kShiftPerXerFields = {
    &ShiftPerRecord::shift_period_id,
    &ShiftPerRecord::shift_id,
    &ShiftPerRecord::shift_start_hr_num,
};
static_assert(EachMemberOnce(kShiftPerXerFields));

}  // namespace varnholt
