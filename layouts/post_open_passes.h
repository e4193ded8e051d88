// post_open_passes.h - names the passes after a document open give to what they add: the
// one Gantt bar that replaces the progress bars of activity layouts when a workbook lacks
// the schedule columns those bars are drawn from.
#pragma once

#include <array>
#include <string_view>

namespace varnholt {

inline constexpr std::wstring_view kUniversalBarName = L"universal_star_finish_bar";
// The bars a workbook without the progress columns cannot draw.
inline constexpr std::array<std::wstring_view, 4> kProgressBarNames = {L"Actual Work", L"Critical Remaining Work",
                                                                        L"Remaining Work", L"Actual Level of Effort"};

}  // namespace varnholt
