// field_ids.h - the field ids of the built-in columns that code names on its own (a bar's
// dates, a filter's or a grouping's special cases, the notes stored as HTML), and the field
// ids the columns a file adds share per kind. Built-in field ids equal their column ids.
#pragma once

#include "columns/column_ids.h"

#include <cstdint>

namespace varnholt {

inline constexpr std::int32_t kFinishField = 70;            // end_date, "Finish"
inline constexpr std::int32_t kStartField = 82;             // start_date, "Start"
inline constexpr std::int32_t kCalendarField = 138;         // clndr_id, the calendar's name
inline constexpr std::int32_t kPrimaryResourceField = 147;  // rsrc_id, the resource's name
inline constexpr std::int32_t kActivityWbsField = 152;      // wbs_id, the activity's WBS
inline constexpr std::int32_t kResourceNotesField = 536;    // rsrc_notes, "Resource Notes"

// Every user field column and every activity-code column answer to these field ids; their
// values are read by column id.
inline constexpr std::int32_t kUserFieldField = LoadTimeFieldId(LoadTimeKind::udf);
inline constexpr std::int32_t kActivityCodeField = LoadTimeFieldId(LoadTimeKind::activity_code);

[[nodiscard]] constexpr bool IsUserFieldOrActivityCode(std::int32_t field_id) noexcept {
    return field_id == kUserFieldField || field_id == kActivityCodeField;
}

}  // namespace varnholt
