// load_time_values.h - the column ids of user-defined fields and codes that a file adds while
// it loads, and the user-defined value that such a column shows for a record. The code
// columns are answered by each record's GetColumnValue, which knows its own code table.
#pragma once

#include "model/s_integers.h"

#include <cstdint>

namespace varnholt::document {
class Document;
}

namespace varnholt {

class s_val;

// A load-time column id is its kind's base plus the type id that the file gives.
inline constexpr std::int32_t kUdfColumnBase = 100000;
inline constexpr std::int32_t kActivityCodeColumnBase = 500000;
inline constexpr std::int32_t kProjectCodeColumnBase = 600000;
inline constexpr std::int32_t kResourceCodeColumnBase = 700000;

// 100001 to 499999; unsigned arithmetic, so every id below 100001 wraps round and fails.
[[nodiscard]] constexpr bool IsUdfColumnId(std::int32_t column_id) noexcept {
    return static_cast<std::uint32_t>(column_id) - 100001u <= 399998u;
}

// How a user-defined field of indicator type shows: activities draw the indicator, every other
// table shows the text the file gave.
enum class IndicatorUdf : bool { as_text, as_indicator };

// The typed value of the user-defined field of a UDF column for the record whose key is
// `owner_key`; null when the document has no value of that field for the record, the value has
// no field type, or the type is none of the seven data types.
[[nodiscard]] const s_val* FindUdfColumnValue(const document::Document* doc, const s_unsigned_long& owner_key,
                                              std::int32_t column_id, IndicatorUdf indicator);

}  // namespace varnholt
