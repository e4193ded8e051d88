// built_in_filters.h - the ids of the filters every layout store starts with. Layout files,
// "_filters.cfg" and the post-open passes name filters by these ids: names follow the caption
// language, ids do not.
#pragma once

#include <cstdint>

namespace varnholt {

// Activity filters, in the order the store makes them.
inline constexpr std::int32_t kFilterCompleted = -6;
inline constexpr std::int32_t kFilterCritical = -4;
inline constexpr std::int32_t kFilterFinishConstraint = -14;
inline constexpr std::int32_t kFilterStartConstraint = -13;
inline constexpr std::int32_t kFilterInProgress = -7;
inline constexpr std::int32_t kFilterLevelOfEffort = -10;
inline constexpr std::int32_t kFilterLongestPath = -18;
inline constexpr std::int32_t kFilterMilestone = -3;
inline constexpr std::int32_t kFilterNegativeFloat = -9;
inline constexpr std::int32_t kFilterNonWhatIf = -17;
inline constexpr std::int32_t kFilterNonCritical = -5;
inline constexpr std::int32_t kFilterNormal = -2;
inline constexpr std::int32_t kFilterNotStarted = -8;

// WBS filters (-108, -109) and project filters (-108, -107): -108 is in both lists.
inline constexpr std::int32_t kFilterAllProjects = -108;
inline constexpr std::int32_t kFilterWbsBelowProject = -109;
inline constexpr std::int32_t kFilterAllEpsElements = -107;

}  // namespace varnholt
