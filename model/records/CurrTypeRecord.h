// CurrTypeRecord.h - a currency of the schedule (XER table CURRTYPE): its symbols and the
// formats of its amounts, kept as the file's texts.
#pragma once

#include "model/records/xer_field_slot.h"

#include <array>

namespace varnholt {

class CurrTypeRecord {
public:
    CurrTypeRecord() = default;
    CurrTypeRecord(const CurrTypeRecord&) = delete;
    CurrTypeRecord& operator=(const CurrTypeRecord&) = delete;

    s_unsigned_long curr_id;
    s_int decimal_digit_cnt;
    s_string curr_symbol;
    s_string decimal_symbol;
    s_string digit_group_symbol;
    s_string pos_curr_fmt_type;
    s_string neg_curr_fmt_type;
    s_string curr_type;
    s_string curr_short_name;
    s_int group_digit_cnt{3};
    s_double base_exch_rate;
};

// Here the record's own order is the file's.
inline constexpr std::array<xer_field_slot<CurrTypeRecord>, 11> kCurrTypeXerFields = {
    &CurrTypeRecord::curr_id,           &CurrTypeRecord::decimal_digit_cnt, &CurrTypeRecord::curr_symbol,
    &CurrTypeRecord::decimal_symbol,    &CurrTypeRecord::digit_group_symbol, &CurrTypeRecord::pos_curr_fmt_type,
    &CurrTypeRecord::neg_curr_fmt_type, &CurrTypeRecord::curr_type,         &CurrTypeRecord::curr_short_name,
    &CurrTypeRecord::group_digit_cnt,   &CurrTypeRecord::base_exch_rate,
};
static_assert(EachMemberOnce(kCurrTypeXerFields));

}  // namespace varnholt
