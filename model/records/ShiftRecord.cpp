// ShiftRecord.cpp - the periods of a shift in order of their start, and their lengths.

#include "model/records/ShiftRecord.h"

#include <algorithm>
#include <cstdint>

namespace varnholt {

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;

}  // namespace

void ShiftRecord::MeasurePeriods() {
    if (periods.empty()) return;
    std::stable_sort(periods.begin(), periods.end(), [](const ShiftPerRecord* a, const ShiftPerRecord* b) {
        return a->shift_start_hr_num.minutes < b->shift_start_hr_num.minutes;
    });
    // Starts are unsigned 32-bit minutes, so these differences always fit 64 bits and their
    // hours fit 32; a start the file put past midnight gives a negative last length, as the
    // formula says, rather than anything undefined.
    const std::int64_t first_start = periods.front()->shift_start_hr_num.minutes;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const std::int64_t own_start = periods[i]->shift_start_hr_num.minutes;
        const std::int64_t next_start =
            i + 1 < periods.size() ? periods[i + 1]->shift_start_hr_num.minutes : first_start + kMinutesPerDay;
        periods[i]->length_hr_cnt = s_int(static_cast<std::int32_t>((next_start - own_start) / 60));
    }
}

void LinkShiftPeriod(ShiftPerRecord& period, ShiftRecord* shift) {
    if (shift == nullptr) return;
    shift->AddPeriod(&period);
    period.shift = shift;
}

}  // namespace varnholt
