// caption_ids.h - names for the caption ids that code refers to directly.
#pragma once

#include "caption_tables.h"

namespace varnholt {

inline constexpr CaptionId kCaptionNo = 1046;
inline constexpr CaptionId kCaptionYes = 1419;

}  // namespace varnholt
