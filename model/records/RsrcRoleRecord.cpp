// RsrcRoleRecord.cpp - the links between resources and the roles they can fill.

#include "model/records/RsrcRoleRecord.h"

#include "model/records/RoleRecord.h"
#include "model/records/RsrcRecord.h"

namespace varnholt {

void LinkResourceRole(RsrcRoleRecord& resource_role, RoleRecord* role, RsrcRecord* resource) {
    if (role != nullptr) {
        resource_role.role = role;
        role->AddResourceRole(&resource_role);
    }
    if (resource != nullptr) {
        resource->AddRole(&resource_role);
        resource_role.resource = resource;
    }
}

}  // namespace varnholt
