// RsrcFieldAccess.cpp - a resource's values by field id and by column id: its own values, the
// names of its calendar, currency, role and shift, and the prices and limit of the rate in
// force, quantities with the resource calendar's hours per period.

#include "model/records/RsrcRecord.h"

#include "model/Document.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/RCatValRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/ShiftRecord.h"
#include "model/records/field_dispatch.h"
#include "model/records/load_time_values.h"

namespace varnholt {

namespace {

using R = RsrcRecord;

// A value of the current rate, or the null value when no rate is in force.
template <s_unit RsrcRateRecord::*Member>
const s_val* RateValue(const R& resource) {
    RsrcRateRecord* rate = resource.CurrentRate();
    if (rate == nullptr) return &s_val::null_value();
    return WithCalendarFactors(rate->*Member, resource.calendar);
}

constexpr FieldEntry<R> kResourceFields[] = {
    {513, Own<&R::active_flag>}, {514, Own<&R::assigned_flag>}, {515, Own<&R::auto_compute_act_flag>},
    {516, Own<&R::def_cost_qty_link_flag>},
    {517, [](const R& r) { return LinkedValue(r.calendar, &CalendarRecord::clndr_name); }},
    {518, [](const R& r) { return LinkedValue(static_cast<const CurrTypeRecord*>(r.currency), &CurrTypeRecord::curr_type); }},
    {519, [](const R& r) { return WithCalendarFactors(r.def_qty_per_hr, r.calendar); }},
    {520, Own<&R::email_addr>}, {521, Own<&R::employee_code>},
    {522, RateValue<&RsrcRateRecord::max_qty_per_hr>},
    {523, Own<&R::office_phone>}, {524, Own<&R::other_phone>}, {525, Own<&R::ot_flag>}, {526, Own<&R::ot_factor>},
    {527, RateValue<&RsrcRateRecord::cost_per_qty>}, {528, RateValue<&RsrcRateRecord::cost_per_qty2>},
    {529, RateValue<&RsrcRateRecord::cost_per_qty3>}, {530, RateValue<&RsrcRateRecord::cost_per_qty4>},
    {531, RateValue<&RsrcRateRecord::cost_per_qty5>},
    {532, Own<&R::primary_flag>},
    {533, [](const R& r) { return LinkedValue(static_cast<const RoleRecord*>(r.role), &RoleRecord::role_name); }},
    {534, Own<&R::rsrc_short_name>}, {535, Own<&R::rsrc_name>}, {536, Own<&R::rsrc_notes>},
    {537, Own<&R::rsrc_type>}, {538, Own<&R::role_code_list>}, {539, Own<&R::role_list>},
    {540, [](const R& r) { return LinkedValue(static_cast<const ShiftRecord*>(r.shift), &ShiftRecord::shift_name); }},
    {541, Own<&R::rsrc_title_name>},
    {543, Own<&R::user_id_text>},  // a text; the file's numeric user_id is not shown
};

constexpr FieldDispatch<R, 513, 543> kResourceDispatch{kResourceFields};

}  // namespace

const s_val* RsrcRecord::GetFieldValue(std::int32_t field_id) const { return kResourceDispatch.Read(*this, field_id); }

const s_val* RsrcRecord::GetColumnValue(std::int32_t column_id) const {
    if (IsUdfColumnId(column_id)) {
        if (const s_val* value = FindUdfColumnValue(doc, rsrc_id, column_id, IndicatorUdf::as_text)) return value;
    } else if (column_id > kResourceCodeColumnBase && doc != nullptr) {
        const s_unsigned_long type_id(static_cast<std::uint32_t>(column_id - kResourceCodeColumnBase));
        const RsrcRCatRecord* assignment = doc->FindRsrcRCat(rsrc_id, type_id);
        if (assignment != nullptr && assignment->value != nullptr) return &assignment->value->rsrc_catg_short_name;
    }
    return GetFieldValue(column_id);
}

}  // namespace varnholt
