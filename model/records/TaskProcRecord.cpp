// TaskProcRecord.cpp - linking a step to its activity and project.
#include "model/records/TaskProcRecord.h"

#include "model/records/TaskRecord.h"

namespace varnholt {

void LinkActivityStep(TaskProcRecord& step, TaskRecord* activity, ProjectRecord* project) {
    step.task = activity;
    step.project = project;
    if (activity != nullptr) activity->AddStep(&step);
}

}  // namespace varnholt
