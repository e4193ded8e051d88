// WbsFieldAccess.cpp - a WBS element's values by field id and by column id. Besides its own
// values and those of its OBS node and project, the element answers summaries of its own
// activities: computed on the first read while the kept value has none, then kept (the counts
// are counted at every read, their null flag staying set as for every count of the records).

#include "model/records/ProjWbsRecord.h"

#include "model/records/ObsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/field_dispatch.h"
#include "model/records/load_time_values.h"

namespace varnholt {

namespace {

using W = ProjWbsRecord;

constexpr std::int32_t kAnyStatus = -1;

// The number of own activities, or of those with the given status (0 completed, 1 in progress,
// 2 not started).
const s_val* CountActivities(const W& wbs, s_int& kept, std::int32_t status) {
    std::int32_t count = 0;
    for (const TaskRecord* activity : wbs.activities) {
        if (activity != nullptr && (status == kAnyStatus || activity->status_code.value == status)) ++count;
    }
    kept.value = count;
    return &kept;
}

// A summary date is stored whole, its blank byte included: a summary that takes a milestone's
// blanked date shows blank as the milestone does.
template <class Compute>
const s_val* KeepDate(s_date& kept, Compute compute) {
    if (kept.null_flag != 0) {
        const s_date summary = compute();
        kept = summary;
        kept.blank = summary.blank;
    }
    return &kept;
}

template <class Compute>
const s_val* KeepDuration(const W& wbs, s_dur& kept, Compute compute) {
    if (kept.null_flag != 0) kept = compute();
    return WithCalendarFactors(kept, wbs.summary_calendar);
}

template <class Compute>
const s_val* KeepQuantity(const W& wbs, s_unit& kept, Compute compute) {
    if (kept.null_flag != 0) kept = s_unit(compute(), s_unit::kQuantity);
    return WithCalendarFactors(kept, wbs.summary_calendar);
}

double Read(const W& wbs, std::int32_t field_id) { return wbs.GetFieldValue(field_id)->as_double(); }

constexpr FieldEntry<W> kWbsFields[] = {
    {374, Own<&W::wbs_concat_name>},
    {377, [](const W& w) { return CountActivities(w, w.task_cnt, kAnyStatus); }},
    {379, Own<&W::indep_remain_work_qty>}, {380, Own<&W::indep_remain_total_cost>}, {381, Own<&W::orig_cost>},
    {396, Own<&W::act_cost>},
    {417, [](const W& w) { return KeepDate(w.act_end_date, [&] { return w.LatestActualFinish(); }); }},
    {418, [](const W& w) { return KeepDate(w.act_start_date, [&] { return w.EarliestActualStart(); }); }},
    {419, Own<&W::anticip_end_date>}, {420, Own<&W::anticip_start_date>},
    {429, [](const W& w) { return KeepDate(w.end_date, [&] { return w.LatestFinish(); }); }},
    {432, [](const W& w) { return KeepDate(w.reend_date, [&] { return w.LatestRemainingFinish(); }); }},
    {433, [](const W& w) { return KeepDate(w.restart_date, [&] { return w.EarliestRemainingStart(); }); }},
    {434, [](const W& w) { return KeepDate(w.start_date, [&] { return w.EarliestStart(); }); }},
    {435, [](const W& w) { return KeepDuration(w, w.act_drtn_hr_cnt, [&] { return w.SummaryDuration(418, 512); }); }},
    {436, [](const W& w) { return KeepDuration(w, w.total_drtn_hr_cnt, [&] { return w.SummaryDuration(434, 429); }); }},
    {438, [](const W& w) { return KeepDuration(w, w.remain_drtn_hr_cnt, [&] { return w.SummaryDuration(433, 432); }); }},
    {471, Own<&W::node_type>}, {472, Own<&W::status_code>},
    {473, [](const W& w) { return LinkedValue(w.obs, &ObsRecord::obs_name); }},
    {474, Own<&W::phase_id>}, {475, Own<&W::wbs_path>},
    {477, [](const W& w) { return CountActivities(w, w.complete_cnt, 0); }},
    {478, [](const W& w) { return CountActivities(w, w.active_cnt, 1); }},
    {479, [](const W& w) { return CountActivities(w, w.notstarted_cnt, 2); }},
    {496, Own<&W::sum_data_flag>},
    {497, [](const W& w) { return LinkedValue(w.project, &ProjectRecord::proj_short_name); }},
    {498, [](const W& w) { return KeepQuantity(w, w.act_work_qty, [&] { return w.SumActivityField(194); }); }},
    {499, [](const W& w) { return KeepQuantity(w, w.act_equip_qty, [&] { return w.SumActivityField(195); }); }},
    {500, [](const W& w) { return KeepQuantity(w, w.act_this_per_work_qty, [&] { return w.SumActivityField(196); }); }},
    {501, [](const W& w) { return KeepQuantity(w, w.act_this_per_equip_qty, [&] { return w.SumActivityField(197); }); }},
    {502, [](const W& w) { return KeepQuantity(w, w.total_work_qty, [&] { return Read(w, 498) + Read(w, 506); }); }},
    {503, [](const W& w) { return KeepQuantity(w, w.total_equip_qty, [&] { return Read(w, 499) + Read(w, 507); }); }},
    {506, [](const W& w) { return KeepQuantity(w, w.remain_work_qty, [&] { return w.SumActivityField(206); }); }},
    {507, [](const W& w) { return KeepQuantity(w, w.remain_equip_qty, [&] { return w.SumActivityField(207); }); }},
    {510, Own<&W::wbs_name>},
    {512, [](const W& w) { return KeepDate(w.act_progress_date, [&] { return w.LatestProgressDate(); }); }},
};

constexpr FieldDispatch<W, 374, 512> kWbsDispatch{kWbsFields};

}  // namespace

const s_val* ProjWbsRecord::GetFieldValue(std::int32_t field_id) const { return kWbsDispatch.Read(*this, field_id); }

const s_val* ProjWbsRecord::GetColumnValue(std::int32_t column_id) const {
    if (const s_val* value = FindUdfColumnValue(doc, wbs_id, column_id, IndicatorUdf::as_text)) return value;
    return GetFieldValue(column_id);
}

}  // namespace varnholt
