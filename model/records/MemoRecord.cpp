// MemoRecord.cpp - linking a notebook text to its owner, project and topic.
#include "model/records/MemoRecord.h"

#include "model/records/TaskRecord.h"

namespace varnholt {

void LinkTaskMemo(MemoRecord& memo, TaskRecord* activity, ProjectRecord* project, MemoTypeRecord* topic) {
    memo.task = activity;
    memo.project = project;
    memo.memo_type = topic;
    if (activity != nullptr) activity->AddMemo(&memo);
}

void LinkWbsMemo(MemoRecord& memo, ProjWbsRecord* element, ProjectRecord* project, MemoTypeRecord* topic) {
    memo.wbs = element;
    memo.project = project;
    memo.memo_type = topic;
}

}  // namespace varnholt
