// TaskPredRecord.h - one relationship between two activities (XER table TASKPRED).
#pragma once

#include "model/records/record_defaults.h"
#include "model/records/xer_field_slot.h"

#include <array>
#include <cstdint>

namespace varnholt {

class TaskRecord;

class TaskPredRecord {
public:
    TaskPredRecord() = default;
    TaskPredRecord(const TaskPredRecord&) = delete;
    TaskPredRecord& operator=(const TaskPredRecord&) = delete;

    // The value behind a relationship field id: 544-571 read the predecessor activity, 572-599
    // the successor in the same pattern; the shared null value for an id not answered or an
    // activity that is missing. Never null; no calendar factors are applied here.
    [[nodiscard]] const s_val* GetFieldValue(std::int32_t field_id) const;

    s_unsigned_long task_pred_id;
    s_unsigned_long task_id;       // the successor
    s_unsigned_long pred_task_id;  // the predecessor
    s_unsigned_long proj_id;
    s_unsigned_long pred_proj_id;
    s_relationship_type pred_type = unset_value<s_relationship_type>(1);  // FS
    s_dur lag_hr_cnt;

    TaskRecord* successor = nullptr;
    TaskRecord* predecessor = nullptr;
};

// Ties the relationship to the activities of its task_id and pred_task_id, either of which
// may be missing: a found end lists the relationship (the successor among its predecessors,
// the predecessor among its successors); a missing end stays null and lists nothing.
void LinkRelationship(TaskPredRecord& relationship, TaskRecord* successor, TaskRecord* predecessor);

inline constexpr std::array<xer_field_slot<TaskPredRecord>, 7> kTaskPredXerFields = {
    &TaskPredRecord::task_pred_id, &TaskPredRecord::task_id,   &TaskPredRecord::pred_task_id,
    &TaskPredRecord::proj_id,      &TaskPredRecord::pred_proj_id, &TaskPredRecord::pred_type,
    &TaskPredRecord::lag_hr_cnt,
};
static_assert(EachMemberOnce(kTaskPredXerFields));

}  // namespace varnholt
