// ProjWbsRecord.h - an element of a project's work breakdown structure (XER table PROJWBS).
#pragma once

#include "model/records/record_defaults.h"
#include "model/records/tree_links.h"
#include "model/records/xer_field_slot.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace varnholt::document {
class Document;
}

namespace varnholt {

class CalendarRecord;
class MemoRecord;
class ObsRecord;
class ProjectRecord;
class TaskRecord;

class ProjWbsRecord {
public:
    ProjWbsRecord() = default;
    ProjWbsRecord(const ProjWbsRecord&) = delete;
    ProjWbsRecord& operator=(const ProjWbsRecord&) = delete;

    void AddActivity(TaskRecord* activity) { activities.push_back(activity); }
    void AddChild(ProjWbsRecord* child) { children.push_back(child); }
    void AddMemo(MemoRecord* memo) { memos.push_back(memo); }

    // The build pass's parent link (see LinkParent): refused for an element that would end
    // up below itself.
    bool SetParent(ProjWbsRecord* parent_element) { return LinkParent(*this, parent_element); }

    // The value behind a WBS field id (374-512), or the shared null value; never null. Const in
    // effect: summaries of the element's own activities are computed on first read and kept.
    [[nodiscard]] const s_val* GetFieldValue(std::int32_t field_id) const;
    // As GetFieldValue, and besides the load-time columns of user-defined fields.
    [[nodiscard]] const s_val* GetColumnValue(std::int32_t column_id) const;

    // The post-load passes of an XER file and of a workbook (WbsPasses.cpp).
    void ComputeDerived();
    void ComputeDerivedXls();
    // Appends the dotted path of short names from the top element down to this one, each
    // followed by ".".
    void BuildPath(s_string& out) const;
    // The display text of the value after its first ".", or all of it when it has none.
    [[nodiscard]] static std::wstring TextAfterFirstDot(const s_val& value);
    // The calendar of the summary durations: the one calendar that the whole subtree's
    // activities use, else the document's "Standard 5 Day Workweek" (null without one).
    [[nodiscard]] const CalendarRecord* GetSummaryCalendar() const;
    // The calendar of the first activity met going down the first non-empty branches.
    [[nodiscard]] const CalendarRecord* FirstActivityCalendar() const;

    // Summaries over the element's own activities, not its children's (WbsSummaries.cpp).
    [[nodiscard]] s_date EarliestActualStart() const;
    [[nodiscard]] s_date LatestActualFinish() const;
    [[nodiscard]] s_date EarliestStart() const;
    [[nodiscard]] s_date LatestFinish() const;
    [[nodiscard]] s_date EarliestRemainingStart() const;
    [[nodiscard]] s_date LatestRemainingFinish() const;
    [[nodiscard]] s_date LatestProgressDate() const;
    // The sum of an activity quantity (194-197, 206, 207) over the own activities.
    [[nodiscard]] double SumActivityField(std::int32_t activity_field_id) const;
    // Working time on the summary calendar between two of the element's own summary dates.
    [[nodiscard]] s_dur SummaryDuration(std::int32_t start_field_id, std::int32_t finish_field_id) const;

    // Roll-ups over the whole subtree (WbsRollups.cpp). The dates point at a value held by
    // some record of the subtree, or at the shared null value.
    [[nodiscard]] const s_val* RollupLatestDate(std::int32_t field_id) const;
    [[nodiscard]] const s_val* RollupEarliestDate(std::int32_t field_id) const;
    [[nodiscard]] double RollupSum(std::int32_t field_id) const;
    [[nodiscard]] s_dur RollupDuration(std::int32_t field_id) const;  // 435, 436 or 438
    // Keeps a project summary under its WBS field id; an id that has one keeps its first.
    void CacheValue(std::int32_t field_id, s_val_ptr copy);

    s_unsigned_long wbs_id;
    s_unsigned_long proj_id;
    s_unsigned_long obs_id;
    s_unsigned_long phase_id;
    s_unsigned_long parent_wbs_id;
    s_int seq_num{1};
    s_double est_wt;
    s_bool proj_node_flag{true};
    s_bool sum_data_flag{false};
    s_project_status status_code = unset_value<s_project_status>(5);
    s_string wbs_short_name;
    s_string wbs_name;
    s_percent ev_user_pct;
    s_double ev_etc_user_value;
    s_cost orig_cost;
    s_cost indep_remain_total_cost;
    s_percent ann_dscnt_rate_pct;  // no reader fills it: the file's field is dropped
    s_string dscnt_period_type;
    s_unit indep_remain_work_qty;
    s_date anticip_start_date;
    s_date anticip_end_date;
    s_string ev_compute_type;
    s_string ev_etc_compute_type;
    s_string guid;
    s_string tmpl_guid;

    // Summary values computed on first use, by field id; the element owns them.
    std::map<std::int32_t, s_val_ptr> summary_cache;
    s_int load_order;  // set by the document's factory

    // Derived values, named after the field of the column that shows them. The WBS pass fills
    // the texts and the node kind; the summaries are mutable because field access computes
    // them on their first read.
    s_string wbs_path, wbs_concat_name;
    s_node_type node_type = unset_value<s_node_type>(0);
    s_string wbs_full_name, wbs_parent_path;
    s_cost act_cost;
    mutable s_int task_cnt, complete_cnt, active_cnt, notstarted_cnt;
    mutable s_date act_start_date, act_end_date, start_date, end_date, restart_date, reend_date;
    mutable s_unit act_work_qty, act_equip_qty, act_this_per_work_qty, act_this_per_equip_qty, total_work_qty,
        total_equip_qty, remain_work_qty, remain_equip_qty;
    mutable s_dur act_drtn_hr_cnt, total_drtn_hr_cnt, remain_drtn_hr_cnt;
    mutable s_date act_progress_date;

    const document::Document* doc = nullptr;
    std::vector<TaskRecord*> activities;
    std::vector<ProjWbsRecord*> children;
    std::vector<MemoRecord*> memos;  // notebook texts
    ProjWbsRecord* parent = nullptr;
    ProjectRecord* project = nullptr;
    ObsRecord* obs = nullptr;  // the responsible OBS node
    const CalendarRecord* summary_calendar = nullptr;  // the calendar of its summary durations
};

// The build pass's link to the responsible OBS node (null when obs_id finds none): sets the
// element's OBS pointer and lists the element under the node.
void LinkWbsToObs(ProjWbsRecord& wbs, ObsRecord* obs);

inline constexpr std::array<xer_field_slot<ProjWbsRecord>, 25> kProjWbsXerFields = {
    &ProjWbsRecord::wbs_id,
    &ProjWbsRecord::proj_id,
    &ProjWbsRecord::obs_id,
    &ProjWbsRecord::seq_num,
    &ProjWbsRecord::est_wt,
    &ProjWbsRecord::proj_node_flag,
    &ProjWbsRecord::sum_data_flag,
    &ProjWbsRecord::status_code,
    &ProjWbsRecord::wbs_short_name,
    &ProjWbsRecord::wbs_name,
    &ProjWbsRecord::phase_id,
    &ProjWbsRecord::parent_wbs_id,
    &ProjWbsRecord::ev_user_pct,
    &ProjWbsRecord::ev_etc_user_value,
    &ProjWbsRecord::orig_cost,
    &ProjWbsRecord::indep_remain_total_cost,
    not_stored{},  // 17 ann_dscnt_rate_pct
    &ProjWbsRecord::dscnt_period_type,
    &ProjWbsRecord::indep_remain_work_qty,
    &ProjWbsRecord::anticip_start_date,
    &ProjWbsRecord::anticip_end_date,
    &ProjWbsRecord::ev_compute_type,
    &ProjWbsRecord::ev_etc_compute_type,
    &ProjWbsRecord::guid,
    &ProjWbsRecord::tmpl_guid,
};
static_assert(EachMemberOnce(kProjWbsXerFields));

}  // namespace varnholt
