// ProjWbsRecord.h - an element of a project's work breakdown structure (XER table PROJWBS).
#pragma once

#include "model/records/record_defaults.h"
#include "model/records/tree_links.h"
#include "model/records/xer_field_slot.h"

#include <array>
#include <cstdint>
#include <map>
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

}  // namespace varnholt
