// RCatValRecord.h - resource codes: the code types (XER table RCATTYPE), their values
// (RCATVAL) and the resources' code assignments (RSRCRCAT), with the members their link rules
// (code_family.h) touch.
#pragma once

#include "model/records/code_family.h"
#include "model/records/xer_field_slot.h"

#include <array>

namespace varnholt {

class RsrcRecord;

class RCatTypeRecord {
public:
    RCatTypeRecord() = default;
    RCatTypeRecord(const RCatTypeRecord&) = delete;
    RCatTypeRecord& operator=(const RCatTypeRecord&) = delete;

    s_unsigned_long rsrc_catg_type_id;
    s_int seq_num;
    s_int rsrc_catg_short_len;
    s_string rsrc_catg_type;
    s_bool super_flag{false};
    // The field name of the code type's load-time column, given by the resource-code link pass.
    s_string column_key;
};

class RCatValRecord {
public:
    RCatValRecord() = default;
    RCatValRecord(const RCatValRecord&) = delete;
    RCatValRecord& operator=(const RCatValRecord&) = delete;

    s_unsigned_long rsrc_catg_id;
    s_unsigned_long rsrc_catg_type_id;
    s_int seq_num;
    s_string rsrc_catg_short_name;
    s_string rsrc_catg_name;
    s_unsigned_long parent_rsrc_catg_id;

    RCatTypeRecord* type = nullptr;
};

class RsrcRCatRecord {
public:
    RsrcRCatRecord() = default;
    RsrcRCatRecord(const RsrcRCatRecord&) = delete;
    RsrcRCatRecord& operator=(const RsrcRCatRecord&) = delete;

    s_unsigned_long rsrc_id;
    s_unsigned_long rsrc_catg_type_id;
    s_unsigned_long rsrc_catg_id;

    RCatTypeRecord* type = nullptr;
    RCatValRecord* value = nullptr;
    RsrcRecord* resource = nullptr;
};

// The resource-code link passes: the rules of code_family.h over this family's members.
inline constexpr auto& LinkResourceCodeValue =
    LinkCodeValue<&RCatValRecord::parent_rsrc_catg_id, &RCatValRecord::rsrc_catg_short_name>;
inline constexpr auto& LinkResourceCodeAssignment = LinkCodeAssignment<&RsrcRCatRecord::resource>;

inline constexpr std::array<xer_field_slot<RCatTypeRecord>, 5> kRCatTypeXerFields = {
    &RCatTypeRecord::rsrc_catg_type_id, &RCatTypeRecord::seq_num,    &RCatTypeRecord::rsrc_catg_short_len,
    &RCatTypeRecord::rsrc_catg_type,    &RCatTypeRecord::super_flag,
};
static_assert(EachMemberOnce(kRCatTypeXerFields));

inline constexpr std::array<xer_field_slot<RCatValRecord>, 6> kRCatValXerFields = {
    &RCatValRecord::rsrc_catg_id,         &RCatValRecord::rsrc_catg_type_id, &RCatValRecord::seq_num,
    &RCatValRecord::rsrc_catg_short_name, &RCatValRecord::rsrc_catg_name,    &RCatValRecord::parent_rsrc_catg_id,
};
static_assert(EachMemberOnce(kRCatValXerFields));

inline constexpr std::array<xer_field_slot<RsrcRCatRecord>, 3> kRsrcRCatXerFields = {
    &RsrcRCatRecord::rsrc_id, &RsrcRCatRecord::rsrc_catg_type_id, &RsrcRCatRecord::rsrc_catg_id,
};
static_assert(EachMemberOnce(kRsrcRCatXerFields));

}  // namespace varnholt
