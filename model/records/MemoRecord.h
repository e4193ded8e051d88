// MemoRecord.h - notebook topics (MEMOTYPE) and notebook texts of activities (TASKMEMO) and
// WBS elements (WBSMEMO), which share one record class.
#pragma once

#include "model/records/xer_field_slot.h"

#include <array>
#include <cstdint>

namespace varnholt {

class ProjWbsRecord;
class ProjectRecord;
class TaskRecord;

class MemoTypeRecord {
public:
    MemoTypeRecord() = default;
    MemoTypeRecord(const MemoTypeRecord&) = delete;
    MemoTypeRecord& operator=(const MemoTypeRecord&) = delete;

    s_unsigned_long memo_type_id;
    s_int seq_num;
    s_bool eps_flag{false};
    s_bool proj_flag{false};
    s_bool wbs_flag{false};
    s_bool task_flag{false};
    s_string memo_type;  // the topic's name
};

// The table a memo came from; it decides which key member holds which key.
enum class memo_table : std::uint8_t { task_memo, wbs_memo };

class MemoRecord {
public:
    // The three foreign keys of a memo by meaning.
    struct keys {
        const s_unsigned_long& owner_id;  // task_id or wbs_id
        const s_unsigned_long& proj_id;
        const s_unsigned_long& memo_type_id;
    };

    MemoRecord() = default;
    MemoRecord(const MemoRecord&) = delete;
    MemoRecord& operator=(const MemoRecord&) = delete;

    [[nodiscard]] keys Keys(memo_table table) const {
        if (table == memo_table::task_memo) return {key_2, key_4, key_3};
        return {key_3, key_2, key_4};
    }

    // The two tables fill the keys in different orders (see Keys):
    //   TASKMEMO  memo_id,     task_id, memo_type_id, proj_id
    //   WBSMEMO   wbs_memo_id, proj_id, wbs_id,       memo_type_id
    s_unsigned_long memo_id;
    s_unsigned_long key_2;
    s_unsigned_long key_3;
    s_unsigned_long key_4;
    s_string memo_text;  // task_memo or wbs_memo: HTML

    TaskRecord* task = nullptr;     // set for an activity's memo only
    ProjWbsRecord* wbs = nullptr;   // set for a WBS element's memo only
    ProjectRecord* project = nullptr;
    MemoTypeRecord* memo_type = nullptr;
};

// An activity's memo: sets the three links to what their lookups found (null for none) and
// lists the memo under a found activity.
void LinkTaskMemo(MemoRecord& memo, TaskRecord* activity, ProjectRecord* project, MemoTypeRecord* topic);

// A WBS element's memo: sets the three links as found. Listing it under the element is the
// element's own append (ProjWbsRecord::AddMemo), which the caller makes.
void LinkWbsMemo(MemoRecord& memo, ProjWbsRecord* element, ProjectRecord* project, MemoTypeRecord* topic);

inline constexpr std::array<xer_field_slot<MemoTypeRecord>, 7> kMemoTypeXerFields = {
    &MemoTypeRecord::memo_type_id, &MemoTypeRecord::seq_num,   &MemoTypeRecord::eps_flag,
    &MemoTypeRecord::proj_flag,    &MemoTypeRecord::wbs_flag,  &MemoTypeRecord::task_flag,
    &MemoTypeRecord::memo_type,
};
static_assert(EachMemberOnce(kMemoTypeXerFields));

inline constexpr std::array<xer_field_slot<MemoRecord>, 5> kTaskMemoXerFields = {
    &MemoRecord::memo_id,  // memo_id
    &MemoRecord::key_2,    // task_id
    &MemoRecord::key_3,    // memo_type_id
    &MemoRecord::key_4,    // proj_id
    &MemoRecord::memo_text,
};
static_assert(EachMemberOnce(kTaskMemoXerFields));

inline constexpr std::array<xer_field_slot<MemoRecord>, 5> kWbsMemoXerFields = {
    &MemoRecord::memo_id,  // wbs_memo_id
    &MemoRecord::key_2,    // proj_id
    &MemoRecord::key_4,    // memo_type_id
    &MemoRecord::key_3,    // wbs_id
    &MemoRecord::memo_text,
};
static_assert(EachMemberOnce(kWbsMemoXerFields));

}  // namespace varnholt
