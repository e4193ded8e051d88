// TaskProcRecord.h - one step of an activity (XER table TASKPROC).
#pragma once

#include "model/records/xer_field_slot.h"

#include <array>

namespace varnholt {

class ProjectRecord;
class TaskRecord;

class TaskProcRecord {
public:
    TaskProcRecord() = default;
    TaskProcRecord(const TaskProcRecord&) = delete;
    TaskProcRecord& operator=(const TaskProcRecord&) = delete;

    s_unsigned_long proc_id;
    s_unsigned_long task_id;
    s_int seq_num;
    s_unsigned_long proj_id;
    s_bool complete_flag{false};
    s_string proc_name;
    s_double proc_wt;
    s_percent complete_pct;
    s_string proc_descr;
    s_double proc_wt_pct;  // share of the activity's step weights, set after loading

    TaskRecord* task = nullptr;
    ProjectRecord* project = nullptr;
};

// Sets both links to what their lookups found (null for none) and lists the step under a
// found activity.
void LinkActivityStep(TaskProcRecord& step, TaskRecord* activity, ProjectRecord* project);

inline constexpr std::array<xer_field_slot<TaskProcRecord>, 9> kTaskProcXerFields = {
    &TaskProcRecord::proc_id,   &TaskProcRecord::task_id,       &TaskProcRecord::proj_id,
    &TaskProcRecord::seq_num,   &TaskProcRecord::proc_name,     &TaskProcRecord::complete_flag,
    &TaskProcRecord::proc_wt,   &TaskProcRecord::complete_pct,  &TaskProcRecord::proc_descr,
};
static_assert(EachMemberOnce(kTaskProcXerFields));

}  // namespace varnholt
