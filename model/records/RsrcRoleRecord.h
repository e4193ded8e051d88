// RsrcRoleRecord.h - a role that a resource can fill (XER table RSRCROLE), with its
// proficiency.
#pragma once

#include "model/records/record_defaults.h"
#include "model/records/xer_field_slot.h"

#include <array>

namespace varnholt {

class RoleRecord;
class RsrcRecord;

class RsrcRoleRecord {
public:
    RsrcRoleRecord() = default;
    RsrcRoleRecord(const RsrcRoleRecord&) = delete;
    RsrcRoleRecord& operator=(const RsrcRoleRecord&) = delete;

    s_unsigned_long rsrc_role_id;
    s_unsigned_long rsrc_id;
    s_unsigned_long role_id;
    s_resource_type rsrc_type;
    s_string rsrc_short_name;
    s_string rsrc_name;
    s_string role_short_name;
    s_string role_name;
    s_proficiency_level skill_level = unset_value<s_proficiency_level>(2);

    RoleRecord* role = nullptr;
    RsrcRecord* resource = nullptr;
};

// The role link pass over RSRCROLE: with the role that role_id found, the row points at it
// and joins its resource roles; with the resource that rsrc_id found, it joins that
// resource's roles and points at it. A side that found nothing (null) stays unlinked.
void LinkResourceRole(RsrcRoleRecord& resource_role, RoleRecord* role, RsrcRecord* resource);

inline constexpr std::array<xer_field_slot<RsrcRoleRecord>, 9> kRsrcRoleXerFields = {
    &RsrcRoleRecord::rsrc_role_id,
    &RsrcRoleRecord::rsrc_id,
    &RsrcRoleRecord::role_id,
    &RsrcRoleRecord::rsrc_type,
    &RsrcRoleRecord::rsrc_short_name,
    &RsrcRoleRecord::rsrc_name,
    &RsrcRoleRecord::role_short_name,
    &RsrcRoleRecord::role_name,
    &RsrcRoleRecord::skill_level,
};
static_assert(EachMemberOnce(kRsrcRoleXerFields));

}  // namespace varnholt
