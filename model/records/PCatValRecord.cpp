// PCatValRecord.cpp - link rules of project code values and assignments.

#include "model/records/PCatValRecord.h"

#include "model/records/code_value_path.h"

namespace varnholt {

void LinkProjectCodeValue(PCatValRecord& value, PCatTypeRecord* type, const PCatValRecord* parent) {
    value.type = type;
    if (value.parent_proj_catg_id.value != 0 && parent != nullptr)
        PrependParentPath(value.proj_catg_short_name, parent->proj_catg_short_name);
}

void LinkProjectCodeAssignment(ProjPCatRecord& assignment, PCatTypeRecord* type, PCatValRecord* value,
                               ProjectRecord* project) {
    assignment.type = type;
    assignment.value = value;
    assignment.project = project;
}

}  // namespace varnholt
