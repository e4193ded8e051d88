// PCatValRecord.h - project codes: the code types (XER table PCATTYPE), their values
// (PCATVAL) and the projects' code assignments (PROJPCAT), with the members their link rules
// (code_family.h) touch. Unlike resource codes, types and values carry weights.
#pragma once

#include "model/records/code_family.h"
#include "model/records/xer_field_slot.h"

#include <array>

namespace varnholt {

class ProjectRecord;

class PCatTypeRecord {
public:
    PCatTypeRecord() = default;
    PCatTypeRecord(const PCatTypeRecord&) = delete;
    PCatTypeRecord& operator=(const PCatTypeRecord&) = delete;

    s_unsigned_long proj_catg_type_id;
    s_int seq_num;
    s_int proj_catg_short_len;
    s_string proj_catg_type;
    s_bool super_flag{false};
    s_double proj_catg_type_wt{0.0};
    s_double max_proj_catg_wt{0.0};
    // The field name of the code type's load-time column, given by the project-code link pass.
    s_string column_key;
};

class PCatValRecord {
public:
    PCatValRecord() = default;
    PCatValRecord(const PCatValRecord&) = delete;
    PCatValRecord& operator=(const PCatValRecord&) = delete;

    s_unsigned_long proj_catg_id;
    s_unsigned_long proj_catg_type_id;
    s_unsigned_long parent_proj_catg_id;
    s_int seq_num;
    s_string proj_catg_short_name;
    s_string proj_catg_name;
    s_double proj_catg_wt;

    PCatTypeRecord* type = nullptr;
};

class ProjPCatRecord {
public:
    ProjPCatRecord() = default;
    ProjPCatRecord(const ProjPCatRecord&) = delete;
    ProjPCatRecord& operator=(const ProjPCatRecord&) = delete;

    s_unsigned_long proj_id;
    s_unsigned_long proj_catg_type_id;
    s_unsigned_long proj_catg_id;

    PCatTypeRecord* type = nullptr;
    PCatValRecord* value = nullptr;
    ProjectRecord* project = nullptr;
};

// The project-code link passes: the rules of code_family.h over this family's members.
inline constexpr auto& LinkProjectCodeValue =
    LinkCodeValue<&PCatValRecord::parent_proj_catg_id, &PCatValRecord::proj_catg_short_name>;
inline constexpr auto& LinkProjectCodeAssignment = LinkCodeAssignment<&ProjPCatRecord::project>;

inline constexpr std::array<xer_field_slot<PCatTypeRecord>, 7> kPCatTypeXerFields = {
    &PCatTypeRecord::proj_catg_type_id, &PCatTypeRecord::seq_num,           &PCatTypeRecord::proj_catg_short_len,
    &PCatTypeRecord::proj_catg_type,    &PCatTypeRecord::super_flag,        &PCatTypeRecord::proj_catg_type_wt,
    &PCatTypeRecord::max_proj_catg_wt,
};
static_assert(EachMemberOnce(kPCatTypeXerFields));

inline constexpr std::array<xer_field_slot<PCatValRecord>, 7> kPCatValXerFields = {
    &PCatValRecord::proj_catg_id,         &PCatValRecord::proj_catg_type_id,   &PCatValRecord::seq_num,
    &PCatValRecord::proj_catg_short_name, &PCatValRecord::parent_proj_catg_id, &PCatValRecord::proj_catg_name,
    &PCatValRecord::proj_catg_wt,
};
static_assert(EachMemberOnce(kPCatValXerFields));

inline constexpr std::array<xer_field_slot<ProjPCatRecord>, 3> kProjPCatXerFields = {
    &ProjPCatRecord::proj_id, &ProjPCatRecord::proj_catg_type_id, &ProjPCatRecord::proj_catg_id,
};
static_assert(EachMemberOnce(kProjPCatXerFields));

}  // namespace varnholt
