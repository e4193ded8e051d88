// subview_placement.cpp - the sub-view geometry of the details pane.

#include "shell/subview_placement.h"

#include "model/number_text.h"

#include <algorithm>

namespace varnholt {
namespace {

// Left of the sub-views lies the detail view's tab strip and labels; right of them a margin.
constexpr double kLeft = 280.0;
constexpr double kRightMargin = 30.0;
constexpr double kTop = 72.0;
constexpr double kRelationshipTop = 96.0;
constexpr double kHeight = 200.0;
constexpr double kButtonTop = 60.0;
constexpr double kButtonWidth = 50.0;
constexpr double kButtonHeight = 24.0;

std::int32_t Size(double value) { return std::max(0, truncate_to_int32(value)); }

}  // namespace

SubViewPlaces PlaceSubViews(SubViewPlacement placement, std::int32_t left, std::int32_t top, std::int32_t width,
                            float scale) {
    const double s = scale;
    const double x = left + kLeft * s;
    SubViewPlaces places;
    switch (placement) {
    case SubViewPlacement::single:
        places.first = {truncate_to_int32(x), truncate_to_int32(top + kTop * s),
                        Size(width - (kLeft + kRightMargin) * s), Size(kHeight * s)};
        break;
    case SubViewPlacement::relationship:
        places.first = {truncate_to_int32(x), truncate_to_int32(top + kRelationshipTop * s),
                        Size(width - (kLeft + kRightMargin) * s), Size(kHeight * s)};
        places.button = {truncate_to_int32(x), truncate_to_int32(top + kButtonTop * s), Size(kButtonWidth * s),
                         Size(kButtonHeight * s)};
        break;
    case SubViewPlacement::side_by_side: {
        // Two margins and the gap between the windows, all scaled, leave two equal halves.
        const std::int32_t half = Size((width - (kLeft + kRightMargin + kRightMargin) * s) / 2.0);
        places.first = {truncate_to_int32(x), truncate_to_int32(top + kTop * s), half, Size(kHeight * s)};
        places.second = {truncate_to_int32(left + (kLeft + kRightMargin) * s + half),
                         truncate_to_int32(top + kTop * s), half, Size(kHeight * s)};
        break;
    }
    }
    return places;
}

}  // namespace varnholt
