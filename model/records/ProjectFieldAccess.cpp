// ProjectFieldAccess.cpp - a project's values by field id and by column id. Most come from the
// project itself or from its root WBS element; the summaries are rolled up over the root
// element's subtree on the first read, kept in the project, and kept as well in the root
// element's summary cache, from where a later roll-up of the same id is copied.

#include "model/records/ProjectRecord.h"

#include "model/Document.h"
#include "model/records/PCatValRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/field_dispatch.h"
#include "model/records/load_time_values.h"
#include "model/value_compare.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varnholt {

namespace {

using P = ProjectRecord;

// The root element's summary kept under a WBS id, if it is of the expected class.
template <class Value>
const Value* CachedSummary(const ProjWbsRecord& root, std::int32_t wbs_field_id) {
    const auto found = root.summary_cache.find(wbs_field_id);
    if (found == root.summary_cache.end() || found->second == nullptr) return nullptr;
    return same_class<Value>(*found->second);
}

// The sum of counts as a whole number, held within the 32-bit range (converting a double
// outside it would be undefined).
std::int32_t TruncatedCount(double sum) {
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(sum)) return 0;
    return static_cast<std::int32_t>(std::trunc(std::clamp(sum, kLow, kHigh)));
}

enum class DateRollup : bool { earliest, latest };

const s_val* SummaryDate(const P& project, s_date& kept, std::int32_t wbs_field_id, DateRollup rollup) {
    ProjWbsRecord* root = project.root_wbs;
    if (root == nullptr) return &s_val::null_value();
    if (kept.null_flag == 0) return &kept;
    if (const s_date* cached = CachedSummary<s_date>(*root, wbs_field_id)) {
        kept = *cached;  // seconds, mark kind and null flag
        return &kept;
    }
    const s_val* rolled = rollup == DateRollup::latest ? root->RollupLatestDate(wbs_field_id)
                                                       : root->RollupEarliestDate(wbs_field_id);
    // A subtree without a date to offer leaves the project's date without a value.
    if (!rolled->is_date()) return &kept;
    kept = s_date::from_seconds(static_cast<const s_date*>(rolled)->seconds);
    root->CacheValue(wbs_field_id, kept.clone());
    return &kept;
}

const s_val* SummaryCount(const P& project, s_int& kept, std::int32_t wbs_field_id) {
    ProjWbsRecord* root = project.root_wbs;
    if (root == nullptr) return &s_val::null_value();
    if (kept.null_flag == 0) return &kept;
    if (const s_int* cached = CachedSummary<s_int>(*root, wbs_field_id)) {
        kept.value = cached->value;
        kept.null_flag = cached->null_flag;
        return &kept;
    }
    kept = s_int(TruncatedCount(root->RollupSum(wbs_field_id)));
    root->CacheValue(wbs_field_id, kept.clone());
    return &kept;
}

const s_val* SummaryDuration(const P& project, s_dur& kept, std::int32_t wbs_field_id) {
    ProjWbsRecord* root = project.root_wbs;
    if (root == nullptr) return &s_val::null_value();
    if (kept.null_flag != 0) {
        if (const s_dur* cached = CachedSummary<s_dur>(*root, wbs_field_id)) {
            kept.value = cached->value;
            kept.blank = cached->blank;
            kept.null_flag = cached->null_flag;
        } else {
            const s_dur rolled = root->RollupDuration(wbs_field_id);
            kept.value = rolled.value;
            kept.blank = rolled.blank;
            kept.null_flag = rolled.null_flag;
            root->CacheValue(wbs_field_id, kept.clone());
        }
    }
    return WithCalendarFactors(kept, root->summary_calendar);
}

const s_val* SummaryQuantity(const P& project, s_unit& kept, std::int32_t wbs_field_id) {
    ProjWbsRecord* root = project.root_wbs;
    if (root == nullptr) return &s_val::null_value();
    if (kept.null_flag != 0) {
        if (const s_unit* cached = CachedSummary<s_unit>(*root, wbs_field_id)) {
            kept = *cached;
        } else {
            kept = s_unit(root->RollupSum(wbs_field_id), s_unit::kQuantity);
            root->CacheValue(wbs_field_id, kept.clone());
        }
    }
    return WithCalendarFactors(kept, root->summary_calendar);
}

// A value of the root WBS element, or the null value without a root.
template <class Value>
const s_val* RootValue(const P& project, Value ProjWbsRecord::*member) {
    return LinkedValue(static_cast<const ProjWbsRecord*>(project.root_wbs), member);
}

const s_val* RootField(const P& project, std::int32_t wbs_field_id) {
    return project.root_wbs != nullptr ? project.root_wbs->GetFieldValue(wbs_field_id) : &s_val::null_value();
}

constexpr FieldEntry<P> kProjectFields[] = {
    {221, [](const P& p) { return RootValue(p, &ProjWbsRecord::orig_cost); }},
    {258, [](const P& p) { return SummaryDate(p, p.act_end_date, 417, DateRollup::latest); }},
    {259, [](const P& p) { return SummaryDate(p, p.act_start_date, 418, DateRollup::earliest); }},
    {260, [](const P& p) { return RootField(p, 419); }},
    {261, [](const P& p) { return RootField(p, 420); }},
    {270, Own<&P::last_recalc_date>},  // the data date
    {271, [](const P& p) { return SummaryDate(p, p.end_date, 429, DateRollup::latest); }},
    {274, Own<&P::apply_actuals_date>}, {275, Own<&P::plan_end_date>}, {276, Own<&P::fcst_start_date>},
    {277, Own<&P::plan_start_date>}, {278, Own<&P::scd_end_date>},
    {279, [](const P& p) { return SummaryDate(p, p.start_date, 434, DateRollup::earliest); }},
    {280, [](const P& p) { return SummaryDuration(p, p.act_drtn_hr_cnt, 435); }},
    {281, [](const P& p) { return SummaryDuration(p, p.total_drtn_hr_cnt, 436); }},
    {283, [](const P& p) { return SummaryDuration(p, p.remain_drtn_hr_cnt, 438); }},
    {316, Own<&P::task_code_prefix_flag>}, {317, Own<&P::add_act_remain_flag>}, {318, Own<&P::add_by_name>},
    {319, Own<&P::allow_neg_act_flag>}, {320, Own<&P::checkout_user_id>}, {321, Own<&P::cost_qty_recalc_flag>},
    {322, Own<&P::add_date>}, {323, Own<&P::checkout_date>}, {324, Own<&P::def_rollup_dates_flag>},
    {327, Own<&P::node_type>}, {328, Own<&P::proj_short_name>}, {329, Own<&P::priority_num>},
    {330, [](const P& p) { return RootValue(p, &ProjWbsRecord::wbs_name); }},
    {331, [](const P& p) { return RootValue(p, &ProjWbsRecord::status_code); }},
    {332, Own<&P::proj_url>}, {333, Own<&P::def_rate_type>}, {334, Own<&P::reset_planned_flag>},
    {335, [](const P& p) { return RootField(p, 473); }},
    {337, Own<&P::strgy_priority_num>}, {338, Own<&P::web_local_root_path>},
    {339, [](const P& p) { return SummaryCount(p, p.complete_cnt, 477); }},
    {340, [](const P& p) { return SummaryCount(p, p.active_cnt, 478); }},
    {341, [](const P& p) { return SummaryCount(p, p.notstarted_cnt, 479); }},
    {345, [](const P& p) { return SummaryCount(p, p.task_cnt, 377); }},
    {359, Own<&P::batch_sum_flag>}, {360, Own<&P::last_tasksum_date>},
    {362, [](const P& p) { return SummaryQuantity(p, p.act_work_qty, 498); }},
    {363, [](const P& p) { return SummaryQuantity(p, p.act_equip_qty, 499); }},
    {364, [](const P& p) { return SummaryQuantity(p, p.act_this_per_work_qty, 500); }},
    {365, [](const P& p) { return SummaryQuantity(p, p.act_this_per_equip_qty, 501); }},
    {366, [](const P& p) { return SummaryQuantity(p, p.total_work_qty, 502); }},
    {367, [](const P& p) { return SummaryQuantity(p, p.total_equip_qty, 503); }},
    {370, [](const P& p) { return SummaryQuantity(p, p.remain_work_qty, 506); }},
    {371, [](const P& p) { return SummaryQuantity(p, p.remain_equip_qty, 507); }},
};

constexpr FieldDispatch<P, 214, 373> kProjectDispatch{kProjectFields};

}  // namespace

const s_val* ProjectRecord::GetFieldValue(std::int32_t field_id) const {
    return kProjectDispatch.Read(*this, field_id);
}

const s_val* ProjectRecord::GetColumnValue(std::int32_t column_id) const {
    if (IsUdfColumnId(column_id)) {
        if (const s_val* value = FindUdfColumnValue(doc, proj_id, column_id, IndicatorUdf::as_text)) return value;
    } else if (column_id > kProjectCodeColumnBase && doc != nullptr) {
        const s_unsigned_long type_id(static_cast<std::uint32_t>(column_id - kProjectCodeColumnBase));
        const ProjPCatRecord* assignment = doc->FindProjPCat(proj_id, type_id);
        if (assignment != nullptr && assignment->value != nullptr) return &assignment->value->proj_catg_short_name;
    }
    return GetFieldValue(column_id);
}

}  // namespace varnholt
