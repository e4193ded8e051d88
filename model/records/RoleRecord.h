// RoleRecord.h - a role (XER table ROLES): its tree, its rate line, its limits and the
// resources that can fill it.
#pragma once

#include "model/records/tree_links.h"
#include "model/records/xer_field_slot.h"

#include <array>
#include <vector>

namespace varnholt {

class RoleLimitRecord;
class RoleRateRecord;
class RsrcRoleRecord;

class RoleRecord {
public:
    RoleRecord() = default;
    RoleRecord(const RoleRecord&) = delete;
    RoleRecord& operator=(const RoleRecord&) = delete;

    void AddChild(RoleRecord* child) { children.push_back(child); }
    void AddLimit(RoleLimitRecord* limit) { limits.push_back(limit); }
    void AddResourceRole(RsrcRoleRecord* resource_role) { resource_roles.push_back(resource_role); }

    // The role link pass's parent link (see LinkParent): refused for a role that would end
    // up below itself.
    bool SetParent(RoleRecord* parent_role) { return LinkParent(*this, parent_role); }

    s_unsigned_long role_id;
    s_unsigned_long parent_role_id;
    s_string role_short_name;
    s_string role_name;
    s_int seq_num;
    s_bool def_cost_qty_link_flag;
    s_string cost_qty_type{L"QT_Hour"};
    s_string role_descr;
    s_int load_order;  // set by the document's factory

    RoleRecord* parent = nullptr;
    std::vector<RoleRecord*> children;
    RoleRateRecord* rate = nullptr;
    std::vector<RoleLimitRecord*> limits;
    std::vector<RsrcRoleRecord*> resource_roles;
};

// The role link pass over ROLERATE, in file order: the role that role_id found (none: null)
// points at this rate line, so a later line of the same role replaces an earlier one.
inline void LinkRoleRate(RoleRateRecord& rate, RoleRecord* role) {
    if (role != nullptr) role->rate = &rate;
}

// The role link pass over ROLELIMIT: the limit joins the limits of the role that role_id
// found (none: null).
inline void LinkRoleLimit(RoleLimitRecord& limit, RoleRecord* role) {
    if (role != nullptr) role->AddLimit(&limit);
}

inline constexpr std::array<xer_field_slot<RoleRecord>, 8> kRoleXerFields = {
    &RoleRecord::role_id,
    &RoleRecord::role_short_name,
    &RoleRecord::role_name,
    &RoleRecord::seq_num,
    &RoleRecord::parent_role_id,
    &RoleRecord::def_cost_qty_link_flag,
    &RoleRecord::cost_qty_type,
    &RoleRecord::role_descr,
};
static_assert(EachMemberOnce(kRoleXerFields));

}  // namespace varnholt
