// RsrcRecord.h - a resource (XER table RSRC): its tree, its rates in date order, and what
// it is assigned to.
#pragma once

#include "model/records/RsrcRateRecord.h"
#include "model/records/blank_unit.h"
#include "model/records/tree_links.h"
#include "model/records/xer_field_slot.h"

#include <array>
#include <cstdint>
#include <vector>

namespace varnholt::document {
class Document;
}

namespace varnholt {

class CalendarRecord;
class CurrTypeRecord;
class RoleRecord;
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

    // The value behind a resource field id (513-543), or the shared null value; never null.
    // Const in effect: the first read of a quantity gives it the resource calendar's hours per
    // period.
    [[nodiscard]] const s_val* GetFieldValue(std::int32_t field_id) const;
    // As GetFieldValue, and besides the load-time columns of user-defined fields and of
    // resource codes.
    [[nodiscard]] const s_val* GetColumnValue(std::int32_t column_id) const;

    // The post-load passes of an XER file and of a workbook (ResourcePasses.cpp).
    void ComputeDerived();
    void ComputeDerivedXls();

    // The rate in force: the last one, in effective-date order, that takes effect before
    // tomorrow (an undated rate holds from the start); null when none does.
    [[nodiscard]] RsrcRateRecord* CurrentRate() const;
    // The first rate of [first, last) whose effective date is before `date` (undated rates
    // are), or `last`. Walked with reverse iterators it finds the last such rate.
    template <class RateIterator>
    [[nodiscard]] static RateIterator FindRateBefore(RateIterator first, RateIterator last, const s_date& date);

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
    mutable s_unit def_qty_per_hr = blank_unit(s_unit::kUnitsPerTime);  // calendar factors on first read
    s_string guid;
    s_string cost_qty_type;
    s_string office_phone;
    s_string other_phone;
    s_string employee_code;
    s_string rsrc_title_name;
    s_string email_addr;
    s_string rsrc_notes;

    // Derived values, named after the field of the column that shows them. The column
    // "user_id" shows a text, which cannot share its name with the file's numeric user_id.
    s_bool assigned_flag, primary_flag;
    s_string user_id_text;
    s_int load_order;  // set by the document's factory
    s_string role_list, role_code_list;

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

// Undated rates count as in force from the start, dated ones when they take effect before `date`.
template <class RateIterator>
RateIterator RsrcRecord::FindRateBefore(RateIterator first, RateIterator last, const s_date& date) {
    for (; first != last; ++first) {
        if (*first == nullptr) continue;
        const s_date& effective = (*first)->start_date;
        if (effective.null_flag != 0 || effective.seconds < date.seconds) return first;
    }
    return last;
}

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
static_assert(EachMemberOnce(kRsrcXerFields));

}  // namespace varnholt
