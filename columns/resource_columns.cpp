// resource_columns.cpp - the built-in resource (513-543), predecessor (544-571) and successor
// (572-599) columns, each in ascending id order. "predtask\7C"/"task\7C" names a field of the
// predecessor/successor activity, "predproject\7C"/"project\7C" its project. The successor
// list mirrors the predecessor list 28 ids up, both built from one list; 574 is spelled
// "task\7Cend_datee" as stored in users' column files, and must stay so.

#include "columns/built_in_columns.h"

#include "columns/column_ids.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace varnholt {

namespace {

using G = ColumnGroup;
using K = ColumnValueKind;
using S = ColumnSummaryRule;

// {id, field name, caption id, group, value kind, summary rule, present, file field name}
constexpr BuiltInColumn kResourceColumns[] = {
    // General
    {513, L"active_flag", 1329, G::general, K::flag, S::none, 1, "active_flag"},  // Active
    {514, L"assigned_flag", 50859, G::general, K::flag, S::none, 0, "assigned_flag"},  // Assigned to Current Project
    {515, L"auto_compute_act_flag", 51245, G::general, K::flag, S::none, 1, "auto_compute_act_flag"},  // Auto Compute Actuals
    {516, L"def_cost_qty_link_flag", 51623, G::general, K::flag, S::none, 1, "def_cost_qty_link_flag"},  // Calculate costs from units
    {517, L"clndr_id", 50660, G::general, K::text, S::none, 0, "clndr_id"},  // Calendar
    {518, L"curr_id", 51949, G::general, K::text, S::none, 1, "curr_id"},  // Currency Name
    {519, L"def_qty_per_hr", 51619, G::general, K::quantity, S::none, 1, "def_qty_per_hr"},  // Default Units / Time
    {520, L"email_addr", 51241, G::general, K::text, S::none, 1, "email_addr"},  // E-Mail Address
    {521, L"employee_code", 51250, G::general, K::text, S::none, 1, ""},  // Employee ID
    {522, L"max_qty_per_hr", 51260, G::general, K::quantity, S::none, 1, "max_qty_per_hr"},  // Max Units / Time
    {523, L"office_phone", 51242, G::general, K::text, S::none, 1, "office_phone"},  // Office Phone
    {524, L"other_phone", 51243, G::general, K::text, S::none, 1, "other_phone"},  // Other Phone
    {525, L"ot_flag", 51251, G::general, K::flag, S::none, 1, "ot_flag"},  // Overtime Allowed
    {526, L"ot_factor", 51247, G::general, K::integer, S::none, 1, "ot_factor"},  // Overtime Factor
    {527, L"cost_per_qty", 51261, G::general, K::quantity, S::none, 1, "cost_per_qty"},  // Price / Unit
    {528, L"cost_per_qty2", 200007, G::general, K::quantity, S::none, 1, "cost_per_qty2"},  // Price / Unit2
    {529, L"cost_per_qty3", 200008, G::general, K::quantity, S::none, 1, "cost_per_qty3"},  // Price / Unit3
    {530, L"cost_per_qty4", 200009, G::general, K::quantity, S::none, 1, "cost_per_qty4"},  // Price / Unit4
    {531, L"cost_per_qty5", 200010, G::general, K::quantity, S::none, 1, "cost_per_qty5"},  // Price / Unit5
    {532, L"primary_flag", 51264, G::general, K::flag, S::none, 0, "primary_flag"},  // Primary on Current Project
    {533, L"role_id", 51608, G::general, K::text, S::none, 1, "role_id"},  // Primary Role
    {534, L"rsrc_short_name", 51235, G::general, K::text, S::none, 1, "rsrc_short_name"},  // Resource ID
    {535, L"rsrc_name", 51234, G::general, K::text, S::none, 1, "rsrc_name"},  // Resource Name
    {536, L"rsrc_notes", 51255, G::general, K::text, S::none, 1, "rsrc_notes"},  // Resource Notes
    {537, L"rsrc_type", 51239, G::general, K::resource_type, S::none, 1, "rsrc_type"},  // Resource Type
    {538, L"role_code_list", 50748, G::general, K::text, S::none, 1, "role_code_list"},  // Role IDs
    {539, L"role_list", 50747, G::general, K::text, S::none, 1, "role_list"},  // Roles
    {540, L"shift_id", 51680, G::general, K::text, S::none, 1, "shift_id"},  // Shift
    {541, L"rsrc_title_name", 51236, G::general, K::text, S::none, 1, "rsrc_title_name"},  // Title
    {542, L"unit_id", 57229, G::general, K::text, S::none, 0, "unit_id"},  // Units of Measure
    {543, L"user_id", 51603, G::general, K::text, S::none, 0, "user_id"},  // User Login Name
};

// The predecessor and successor tables list the same columns: one row each, in id order, named
// as the predecessor table names them. The successor's field is the same field of the other
// activity, so "predtask" and "predproject" lose their "pred"; a row gives the successor's name
// itself only where that rule would spell it otherwise.
struct RelationshipColumn {
    std::wstring_view predecessor_name;
    CaptionId caption_id;
    ColumnGroup group;
    ColumnValueKind kind;
    std::uint8_t present;
    std::wstring_view successor_name = {};
};

constexpr RelationshipColumn kRelationshipColumns[] = {
    // Dates
    {L"predtask\\7Cearly_end_date", 50680, G::dates, K::date, 1},  // Early Finish
    {L"predtask\\7Cearly_start_date", 50679, G::dates, K::date, 1},  // Early Start
    {L"predtask\\7Cend_date", 51335, G::dates, K::date, 1, L"task\\7Cend_datee"},  // Finish
    {L"predtask\\7Clate_end_date", 50682, G::dates, K::date, 1},  // Late Finish
    {L"predtask\\7Clate_start_date", 50681, G::dates, K::date, 1},  // Late Start
    {L"predtask\\7Cstart_date", 51334, G::dates, K::date, 1},  // Start
    // Durations
    {L"predtask\\7Cfree_float_hr_cnt", 50691, G::durations, K::duration, 1},  // Free Float
    {L"lag_hr_cnt", 51312, G::durations, K::duration, 1},  // Lag
    {L"predtask\\7Cremain_drtn_hr_cnt", 51336, G::durations, K::duration, 1},  // Remaining Duration
    {L"predtask\\7Ctotal_float_hr_cnt", 50690, G::durations, K::duration, 1},  // Total Float
    // General
    {L"predtask\\7Ctask_code", 57640, G::general, K::text, 1},  // Activity ID
    {L"predtask\\7Ctask_name", 50662, G::general, K::text, 1},  // Activity Name
    {L"predtask\\7Cstatus_code", 50667, G::general, K::activity_status, 1},  // Activity Status
    {L"critical_flag", 40223, G::general, K::flag, 0},  // Critical
    {L"driving_flag", 51315, G::general, K::flag, 0},  // Driving
    {L"predtask\\7Crsrc_id", 50659, G::general, K::text, 1},  // Primary Resource
    {L"predproject\\7Cproj_short_name", 51025, G::general, K::text, 1},  // Project ID
    {L"pred_type", 51311, G::general, K::relationship_type, 1},  // Relationship Type
    {L"predtask.projwbs\\7Cwbs_full_name", 40224, G::general, K::text, 1},  // WBS
    // Multiple Float Paths
    {L"ref", 57321, G::multiple_float_paths, K::text, 0},  // Relationship Early Finish
    {L"res", 57320, G::multiple_float_paths, K::text, 0},  // Relationship Early Start
    {L"rff", 57379, G::multiple_float_paths, K::text, 0},  // Relationship Free Float
    {L"rlf", 57322, G::multiple_float_paths, K::text, 0},  // Relationship Late Finish
    {L"rls", 57457, G::multiple_float_paths, K::text, 0},  // Relationship Late Start
    {L"rsff", 57325, G::multiple_float_paths, K::text, 0},  // Relationship Successor Free Float
    {L"rstf", 57326, G::multiple_float_paths, K::text, 0},  // Relationship Successor Total Float
    {L"rtf", 57323, G::multiple_float_paths, K::text, 0},  // Relationship Total Float
    // Percent Completes
    {L"predtask\\7Cdrtn_complete_pct", 50738, G::percent_completes, K::percent, 0},  // Duration % Complete
};

constexpr std::wstring_view SuccessorName(const RelationshipColumn& column) {
    if (!column.successor_name.empty()) return column.successor_name;
    const std::wstring_view name = column.predecessor_name;
    return name.starts_with(L"predtask") || name.starts_with(L"predproject") ? name.substr(4) : name;
}

constexpr std::size_t kRelationshipColumnCount = std::size(kRelationshipColumns);
using RelationshipTable = std::array<BuiltInColumn, kRelationshipColumnCount>;

constexpr RelationshipTable BuildRelationshipTable(std::int32_t first_id, bool successor) {
    RelationshipTable table{};
    for (std::size_t i = 0; i < kRelationshipColumnCount; ++i) {
        const RelationshipColumn& column = kRelationshipColumns[i];
        table[i] = {first_id + static_cast<std::int32_t>(i),
                    successor ? SuccessorName(column) : column.predecessor_name,
                    column.caption_id,
                    column.group,
                    column.kind,
                    S::none,
                    column.present,
                    ""};
    }
    return table;
}

constexpr std::int32_t kFirstPredecessorId = 544;
constexpr std::int32_t kFirstSuccessorId = kFirstPredecessorId + static_cast<std::int32_t>(kRelationshipColumnCount);
static_assert(kFirstSuccessorId + kRelationshipColumnCount - 1 == kLastBuiltInColumnId,
              "the successor columns end the built-in ids");

constexpr RelationshipTable kPredecessorColumns = BuildRelationshipTable(kFirstPredecessorId, false);
constexpr RelationshipTable kSuccessorColumns = BuildRelationshipTable(kFirstSuccessorId, true);

}  // namespace

std::span<const BuiltInColumn> BuiltInResourceColumns() noexcept { return kResourceColumns; }
std::span<const BuiltInColumn> BuiltInPredecessorColumns() noexcept { return kPredecessorColumns; }
std::span<const BuiltInColumn> BuiltInSuccessorColumns() noexcept { return kSuccessorColumns; }

}  // namespace varnholt
