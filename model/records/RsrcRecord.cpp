// RsrcRecord.cpp - the ordered rate list of a resource.

#include "model/records/RsrcRecord.h"

#include "model/records/RsrcRateRecord.h"

#include <algorithm>

namespace varnholt {

namespace {

// The order of effective dates: a rate without a date before every dated one, dated ones by
// their seconds. Rates without a date are all equal, whatever seconds they hold.
bool TakesEffectBefore(const RsrcRateRecord* a, const RsrcRateRecord* b) {
    const bool a_dated = a->start_date.null_flag == 0;
    const bool b_dated = b->start_date.null_flag == 0;
    if (a_dated != b_dated) return b_dated;
    return a_dated && a->start_date.seconds < b->start_date.seconds;
}

}  // namespace

void RsrcRecord::AddRate(RsrcRateRecord* rate) {
    if (rate == nullptr) return;
    // `rates` is always in order, so the first later rate is found by halving; rates that
    // come in date order, as files list them, are appended without moving any other.
    const auto first_later = std::upper_bound(rates.begin(), rates.end(), rate, TakesEffectBefore);
    rates.insert(first_later, rate);
}

}  // namespace varnholt
