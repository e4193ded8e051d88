// column_codes.h - the small codes a column definition carries: the kind of its values, the
// record it belongs to, how group rows summarise it and the column chooser's group.
//
// The numbers are stored in layouts and compared by other parts of the program, so every
// enumerator keeps its explicit value; gaps (value kinds 14, 17, 19-21) are unassigned.
#pragma once

#include "model/caption_tables.h"
#include "model/column_facts.h"

#include <cstdint>

namespace varnholt {

// What a column's values are; the find dialog picks its value editor from it, and the group
// rows and WBS roll-ups decide how to add values up.
enum class ColumnValueKind : std::int32_t {
    flag = 0,
    integer = 1,
    real = 2,
    text = 3,  // also every code column and every text UDF column
    cost = 4,
    quantity = 5,
    date = 6,
    duration = 7,  // durations and floats, held in hours
    percent = 8,
    activity_status = 9,
    project_status = 10,  // project and WBS status
    percent_complete_type = 11,
    activity_type = 12,
    duration_type = 13,
    constraint_type = 15,
    leveling_priority = 16,
    rate_type = 18,
    resource_type = 22,
    relationship_type = 23,
    indicator = 24,  // UDF columns of logical type "FT_STATICTYPE"
};

// The model tells these kinds apart by number, without linking the catalogue.
static_assert(static_cast<std::int32_t>(ColumnValueKind::integer) == kIntegerValueKind);
static_assert(static_cast<std::int32_t>(ColumnValueKind::quantity) == kQuantityValueKind);
static_assert(static_cast<std::int32_t>(ColumnValueKind::date) == kDateValueKind);

// The kind of record a column belongs to; each table holds one owner. Predecessor and
// successor columns share `relationship`.
enum class ColumnOwner : std::int32_t { activity = 0, project = 1, wbs = 2, resource = 3, relationship = 4 };

// How a group row combines a column over its rows.
enum class ColumnSummaryRule : std::int32_t {
    none = 0,
    earliest = 1,       // dates: minimum
    latest = 2,         // dates: maximum
    total = 3,          // integer sum for integers, real sum for quantities, nothing otherwise
    duration_span = 4,  // working time between the earliest start and the latest finish
};

// The column chooser's group; its title is the caption of ColumnGroupCaptionId.
enum class ColumnGroup : std::int32_t {
    none = 0,
    activity_codes = 1,          // workbook activity codes
    activity_codes_global = 2,   // XER activity codes by scope
    activity_codes_eps = 3,
    activity_codes_project = 4,
    project_codes = 5,
    resource_codes = 6,
    user_defined = 7,
    activity_steps = 8,
    costs = 9,
    dates = 10,
    durations = 11,
    earned_value = 12,
    feedback = 13,
    general = 14,
    lists = 15,
    multiple_float_paths = 16,
    number_of_activities = 17,
    percent_completes = 18,
    units = 19,
    budget = 20,
    summary = 21,
    baseline = 22,
};

// Caption id of a group's title; 0 for `none`, which has no title.
[[nodiscard]] constexpr CaptionId ColumnGroupCaptionId(ColumnGroup group) noexcept {
    switch (group) {
    case ColumnGroup::none: return 0;
    case ColumnGroup::activity_codes: return 2864;
    case ColumnGroup::activity_codes_global: return 4239;
    case ColumnGroup::activity_codes_eps: return 4240;
    case ColumnGroup::activity_codes_project: return 4241;
    case ColumnGroup::project_codes: return 2865;
    case ColumnGroup::resource_codes: return 2866;
    case ColumnGroup::user_defined: return 2855;
    case ColumnGroup::activity_steps: return 50627;
    case ColumnGroup::costs: return 2842;
    case ColumnGroup::dates: return 2839;
    case ColumnGroup::durations: return 2840;
    case ColumnGroup::earned_value: return 2845;
    case ColumnGroup::feedback: return 2862;
    case ColumnGroup::general: return 51632;
    case ColumnGroup::lists: return 2863;
    case ColumnGroup::multiple_float_paths: return 4320;
    case ColumnGroup::number_of_activities: return 2844;
    case ColumnGroup::percent_completes: return 2843;
    case ColumnGroup::units: return 51491;
    case ColumnGroup::budget: return 2860;
    case ColumnGroup::summary: return 2858;
    case ColumnGroup::baseline: return 90137;
    }
    return 0;
}

// The six column tables of the catalogue, in the order every all-tables search visits them.
enum class ColumnTable : std::uint8_t { activity, project, wbs, resource, predecessor, successor };

}  // namespace varnholt
