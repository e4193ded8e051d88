// RsrcRecord.h - a resource (XER table RSRC): its tree, its rates in date order, and what
// it is assigned to.
#pragma once

#include "model/records/blank_unit.h"
#include "model/records/tree_links.h"
#include "model/records/xer_field_slot.h"

#include <array>
#include <vector>

namespace varnholt::document {
class Document;
}

namespace varnholt {

class CalendarRecord;
class CurrTypeRecord;
class RoleRecord;
class RsrcRateRecord;
class RsrcRoleRecord;
class ShiftRecord;
class TaskRsrcRecord;

class RsrcRecord {
public:
    RsrcRecord() = default;
    RsrcRecord(const RsrcRecord&) = delete;
    RsrcRecord& operator=(const RsrcRecord&) = delete;

    void AddChild(RsrcRecord* child) { children.push_back(child); }
    void AddAssignment(TaskRsrcRecord* assignment) { assignments.push_back(assignment); }
    void AddRole(RsrcRoleRecord* resource_role) { resource_roles.push_back(resource_role); }

    // Inserts a rate so that `rates` stays in order of effective date (start_date). A rate
    // goes behind every rate of an equal date, so equal dates keep the order of the calls.
    // Rates without an effective date hold from the start: they come before every dated
    // rate, among themselves in the order of the calls.
    void AddRate(RsrcRateRecord* rate);

    // The build pass's parent link (see LinkParent): refused for a resource that would end
    // up below itself.
    bool SetParent(RsrcRecord* parent_resource) { return LinkParent(*this, parent_resource); }

    s_unsigned_long rsrc_id;
    s_unsigned_long clndr_id;
    s_unsigned_long parent_rsrc_id;
    s_unsigned_long ts_approve_user_id;
    s_unsigned_long user_id;
    s_unsigned_long role_id;
    s_unsigned_long curr_id;
    s_unsigned_long shift_id;
    s_unsigned_long unit_id;
    s_int rsrc_seq_num{1};
    s_bool timesheet_flag{true};
    s_bool active_flag{true};
    s_resource_type rsrc_type{L"RT_Labor"};
    s_bool auto_compute_act_flag{false};
    s_bool ot_flag{false};
    s_bool def_cost_qty_link_flag{false};
    s_string rsrc_short_name;
    s_string rsrc_name;
    s_unit xfer_complete_day_cnt;  // no reader fills it: the file's field is dropped
    s_unit xfer_notstart_day_cnt;  // likewise
    s_double ot_factor;
    s_unit def_qty_per_hr = blank_unit(s_unit::kUnitsPerTime);
    s_string guid;
    s_string cost_qty_type;
    s_string office_phone;
    s_string other_phone;
    s_string employee_code;
    s_string rsrc_title_name;
    s_string email_addr;
    s_string rsrc_notes;

    s_int load_order;  // set by the document's factory

    const document::Document* doc = nullptr;
    std::vector<RsrcRecord*> children;
    RsrcRecord* parent = nullptr;
    std::vector<TaskRsrcRecord*> assignments;
    std::vector<RsrcRoleRecord*> resource_roles;  // the roles it can fill
    RoleRecord* role = nullptr;                   // its primary role, by role_id
    std::vector<RsrcRateRecord*> rates;           // by effective date, see AddRate
    CurrTypeRecord* currency = nullptr;
    const CalendarRecord* calendar = nullptr;
    ShiftRecord* shift = nullptr;
};

inline constexpr std::array<xer_field_slot<RsrcRecord>, 30> kRsrcXerFields = {
    &RsrcRecord::rsrc_id,                 //  1
    &RsrcRecord::clndr_id,                //  2
    &RsrcRecord::rsrc_seq_num,            //  3
    &RsrcRecord::timesheet_flag,          //  4
    &RsrcRecord::active_flag,             //  5
    &RsrcRecord::rsrc_type,               //  6
    &RsrcRecord::auto_compute_act_flag,   //  7
    &RsrcRecord::ot_flag,                 //  8
    &RsrcRecord::def_cost_qty_link_flag,  //  9
    &RsrcRecord::rsrc_short_name,         // 10
    &RsrcRecord::rsrc_name,               // 11
    &RsrcRecord::parent_rsrc_id,          // 12
    not_stored{},                         // 13 xfer_complete_day_cnt
    not_stored{},                         // 14 xfer_notstart_day_cnt
    &RsrcRecord::ts_approve_user_id,      // 15
    &RsrcRecord::user_id,                 // 16
    &RsrcRecord::role_id,                 // 17
    &RsrcRecord::curr_id,                 // 18
    &RsrcRecord::shift_id,                // 19
    &RsrcRecord::ot_factor,               // 20
    &RsrcRecord::def_qty_per_hr,          // 21
    &RsrcRecord::guid,                    // 22
    &RsrcRecord::cost_qty_type,           // 23
    &RsrcRecord::office_phone,            // 24
    &RsrcRecord::other_phone,             // 25
    &RsrcRecord::employee_code,           // 26
    &RsrcRecord::rsrc_title_name,         // 27
    &RsrcRecord::email_addr,              // 28
    &RsrcRecord::unit_id,                 // 29
    &RsrcRecord::rsrc_notes,              // 30
};

}  // namespace varnholt
