// column_ids.h - the column-id scheme: built-in columns have ids 6 to 599 with field id equal
// to column id; columns registered while a file loads get a base per kind plus the id the file
// gives the UDF or code type, and share one field id per kind.
//
// Type ids come from the file, so the sum is checked: a type id large enough to push the
// column id into the next kind's range (or past 32 bits) would make two different columns
// answer to one id, and such a column is refused instead.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace varnholt {

inline constexpr std::uint32_t kFirstBuiltInColumnId = 6;
inline constexpr std::uint32_t kLastBuiltInColumnId = 599;

// The four kinds of load-time column; each value is the field id all columns of that kind share.
enum class LoadTimeKind : std::int32_t {
    udf = 2,            // user-defined field, any table
    activity_code = 3,  // activity table
    project_code = 4,   // project table
    resource_code = 5,  // resource table
};

[[nodiscard]] constexpr std::int32_t LoadTimeFieldId(LoadTimeKind kind) noexcept {
    return static_cast<std::int32_t>(kind);
}

// Half-open column-id range [first, end) of one kind. Computed in 64 bits: the resource-code
// range ends where 32-bit column ids end.
struct LoadTimeIdRange {
    std::uint64_t first = 0;
    std::uint64_t end = 0;
};

[[nodiscard]] constexpr LoadTimeIdRange LoadTimeColumnIdRange(LoadTimeKind kind) noexcept {
    constexpr std::uint64_t kColumnIdEnd = std::uint64_t{std::numeric_limits<std::uint32_t>::max()} + 1;
    switch (kind) {
    case LoadTimeKind::udf: return {100000, 500000};
    case LoadTimeKind::activity_code: return {500000, 600000};
    case LoadTimeKind::project_code: return {600000, 700000};
    case LoadTimeKind::resource_code: return {700000, kColumnIdEnd};
    }
    return {};
}

// The column id of a load-time column, or nullopt when base + type id leaves the kind's range.
[[nodiscard]] constexpr std::optional<std::uint32_t> LoadTimeColumnId(LoadTimeKind kind,
                                                                      std::uint64_t type_id) noexcept {
    const LoadTimeIdRange range = LoadTimeColumnIdRange(kind);
    if (type_id >= range.end - range.first) return std::nullopt;  // no overflow: end > first
    return static_cast<std::uint32_t>(range.first + type_id);
}

}  // namespace varnholt
