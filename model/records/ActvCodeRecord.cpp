// ActvCodeRecord.cpp - link rules of activity code values and assignments.
#include "model/records/ActvCodeRecord.h"

#include "model/records/code_value_path.h"

namespace varnholt {

void LinkActivityCodeValue(ActvCodeRecord& code, ActvTypeRecord* type, const ActvCodeRecord* parent) {
    code.actv_type = type;
    if (code.parent_actv_code_id.value != 0 && parent != nullptr)
        PrependParentPath(code.short_name, parent->short_name);
}

void LinkActivityCodeAssignment(TaskActvRecord& assignment, ActvTypeRecord* type, ActvCodeRecord* code,
                                TaskRecord* activity, ProjectRecord* project) {
    assignment.actv_type = type;
    assignment.actv_code = code;
    assignment.task = activity;
    assignment.project = project;
}

}  // namespace varnholt
