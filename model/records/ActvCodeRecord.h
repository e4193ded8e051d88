// ActvCodeRecord.h - activity codes: the code types (ACTVTYPE), their values (ACTVCODE) and
// the assignment of a value to an activity (TASKACTV), with their link rules.
#pragma once

#include "model/records/xer_field_slot.h"

#include <array>
#include <cstdint>

namespace varnholt {

class ProjectRecord;
class TaskRecord;

class ActvTypeRecord {
public:
    ActvTypeRecord() = default;
    ActvTypeRecord(const ActvTypeRecord&) = delete;
    ActvTypeRecord& operator=(const ActvTypeRecord&) = delete;

    s_unsigned_long actv_code_type_id;
    s_unsigned_long proj_id;
    s_int actv_short_len;
    s_int seq_num;
    s_string actv_code_type;
    s_activity_code_type_scope actv_code_type_scope;
    s_bool super_flag{false};
    // Field name of the column that the import registers for this code type; empty until then.
    s_string column_key;
};

class ActvCodeRecord {
public:
    ActvCodeRecord() = default;
    ActvCodeRecord(const ActvCodeRecord&) = delete;
    ActvCodeRecord& operator=(const ActvCodeRecord&) = delete;

    s_unsigned_long actv_code_id;
    s_unsigned_long actv_code_type_id;
    s_int seq_num;
    s_string short_name;  // after linking: the dotted path from the top code
    s_unsigned_long parent_actv_code_id;
    s_string actv_code_name;
    std::uint32_t color = 0xFF000000;  // no reader sets it

    ActvTypeRecord* actv_type = nullptr;
};

// One activity's value of one code type; found by task_id and actv_code_type_id together.
class TaskActvRecord {
public:
    TaskActvRecord() = default;
    TaskActvRecord(const TaskActvRecord&) = delete;
    TaskActvRecord& operator=(const TaskActvRecord&) = delete;

    s_unsigned_long task_id;
    s_unsigned_long actv_code_type_id;
    s_unsigned_long actv_code_id;
    s_unsigned_long proj_id;

    ActvTypeRecord* actv_type = nullptr;
    ActvCodeRecord* actv_code = nullptr;
    TaskRecord* task = nullptr;
    ProjectRecord* project = nullptr;
};

// The activity-code link pass over the values, taken in file order: the code's type link is
// what its actv_code_type_id found (null for none); when its parent_actv_code_id is not 0 and
// found a code, that code's short name as it stands now and "." go in front of its own. So a
// parent earlier in the file passes on its whole dotted path, a later one only its own name.
void LinkActivityCodeValue(ActvCodeRecord& code, ActvTypeRecord* type, const ActvCodeRecord* parent);

// The activity-code link pass over the assignments: each link is what its lookup found.
void LinkActivityCodeAssignment(TaskActvRecord& assignment, ActvTypeRecord* type, ActvCodeRecord* code,
                                TaskRecord* activity, ProjectRecord* project);

inline constexpr std::array<xer_field_slot<ActvTypeRecord>, 7> kActvTypeXerFields = {
    &ActvTypeRecord::actv_code_type_id,    &ActvTypeRecord::actv_short_len, &ActvTypeRecord::seq_num,
    &ActvTypeRecord::actv_code_type,       &ActvTypeRecord::actv_code_type_scope,
    &ActvTypeRecord::proj_id,              &ActvTypeRecord::super_flag,
};
static_assert(EachMemberOnce(kActvTypeXerFields));

inline constexpr std::array<xer_field_slot<ActvCodeRecord>, 7> kActvCodeXerFields = {
    &ActvCodeRecord::actv_code_id,        &ActvCodeRecord::actv_code_type_id, &ActvCodeRecord::seq_num,
    &ActvCodeRecord::short_name,          &ActvCodeRecord::parent_actv_code_id,
    &ActvCodeRecord::actv_code_name,      not_stored{},  // color: the fixed default is kept
};
static_assert(EachMemberOnce(kActvCodeXerFields));

inline constexpr std::array<xer_field_slot<TaskActvRecord>, 4> kTaskActvXerFields = {
    &TaskActvRecord::task_id, &TaskActvRecord::actv_code_type_id, &TaskActvRecord::actv_code_id,
    &TaskActvRecord::proj_id,
};
static_assert(EachMemberOnce(kTaskActvXerFields));

}  // namespace varnholt
