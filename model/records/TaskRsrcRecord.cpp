// TaskRsrcRecord.cpp - an assignment's block of details, and attaching it to its activity.
#include "model/records/TaskRsrcRecord.h"

#include "model/records/TaskRecord.h"

namespace varnholt {

const TaskRsrcDetails& TaskRsrcRecord::Details() const {
    // Read only: nothing writes the shared defaults, so every assignment may show them.
    static const TaskRsrcDetails kDefaults;
    return details != nullptr ? *details : kDefaults;
}

TaskRsrcDetails& TaskRsrcRecord::EnsureDetails() {
    if (details == nullptr) details = std::make_unique<TaskRsrcDetails>();
    return *details;
}

bool LinkAssignmentToActivity(TaskRsrcRecord& assignment, TaskRecord* activity) {
    // Keys compare as numbers; whether the file gave them plays no part.
    if (activity == nullptr || !activity->proj_id.equal(assignment.proj_id)) return false;
    activity->AddAssignment(&assignment);
    assignment.task = activity;
    return true;
}

}  // namespace varnholt
