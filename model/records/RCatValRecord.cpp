// RCatValRecord.cpp - link rules of resource code values and assignments.

#include "model/records/RCatValRecord.h"

#include "model/records/code_value_path.h"

namespace varnholt {

void LinkResourceCodeValue(RCatValRecord& value, RCatTypeRecord* type, const RCatValRecord* parent) {
    value.type = type;
    if (value.parent_rsrc_catg_id.value != 0 && parent != nullptr)
        PrependParentPath(value.rsrc_catg_short_name, parent->rsrc_catg_short_name);
}

void LinkResourceCodeAssignment(RsrcRCatRecord& assignment, RCatTypeRecord* type, RCatValRecord* value,
                                RsrcRecord* resource) {
    assignment.type = type;
    assignment.value = value;
    assignment.resource = resource;
}

}  // namespace varnholt
