// TaskRsrcRecord.cpp - attaching an assignment to its activity.
#include "model/records/TaskRsrcRecord.h"

#include "model/records/TaskRecord.h"

namespace varnholt {

bool LinkAssignmentToActivity(TaskRsrcRecord& assignment, TaskRecord* activity) {
    // Keys compare as numbers; whether the file gave them plays no part.
    if (activity == nullptr || !activity->proj_id.equal(assignment.proj_id)) return false;
    activity->AddAssignment(&assignment);
    assignment.task = activity;
    return true;
}

}  // namespace varnholt
