// subview_placement_test.cpp - where the details pane puts its sub-views.

#include "shell/subview_placement.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

TEST(SubViewPlacement, PlacesEachArrangementAtScaleOne) {
    const SubViewPlaces single = PlaceSubViews(SubViewPlacement::single, 0, 0, 1000, 1.0f);
    EXPECT_EQ(single.first, (PaneRect{280, 72, 690, 200}));

    const SubViewPlaces relationship = PlaceSubViews(SubViewPlacement::relationship, 0, 0, 1000, 1.0f);
    EXPECT_EQ(relationship.first, (PaneRect{280, 96, 690, 200}));
    EXPECT_EQ(relationship.button, (PaneRect{280, 60, 50, 24}));

    const SubViewPlaces pair = PlaceSubViews(SubViewPlacement::side_by_side, 0, 0, 1000, 1.0f);
    EXPECT_EQ(pair.first, (PaneRect{280, 72, 330, 200}));
    EXPECT_EQ(pair.second, (PaneRect{640, 72, 330, 200}));

    const SubViewPlaces moved = PlaceSubViews(SubViewPlacement::single, 5, 7, 1000, 1.0f);
    EXPECT_EQ(moved.first, (PaneRect{285, 79, 690, 200})) << "offset by the client area's corner";
}

TEST(SubViewPlacement, ASideBySidePairStaysInsideThePaneAtEveryScale) {
    for (const float scale : {1.0f, 1.25f, 1.5f, 2.0f}) {
        for (const int width : {700, 1000, 1920}) {
            SCOPED_TRACE(testing::Message() << "scale " << scale << ", width " << width);
            const SubViewPlaces pair = PlaceSubViews(SubViewPlacement::side_by_side, 0, 0, width, scale);
            EXPECT_LE(pair.second.x + pair.second.width, width);
            EXPECT_GT(pair.second.x, pair.first.x + pair.first.width) << "a gap between the two";
            EXPECT_EQ(pair.first.width, pair.second.width);
        }
    }
    const SubViewPlaces scaled = PlaceSubViews(SubViewPlacement::side_by_side, 0, 0, 1000, 1.25f);
    EXPECT_EQ(scaled.first, (PaneRect{350, 90, 287, 250}));
    EXPECT_EQ(scaled.second, (PaneRect{674, 90, 287, 250}));
}

TEST(SubViewPlacement, APaneNarrowerThanItsMarginsGivesEmptyWidths) {
    for (const auto placement : {SubViewPlacement::single, SubViewPlacement::relationship, SubViewPlacement::side_by_side}) {
        const SubViewPlaces places = PlaceSubViews(placement, 0, 0, 200, 1.0f);
        EXPECT_EQ(places.first.width, 0);
        EXPECT_EQ(places.second.width, 0);
        EXPECT_GE(places.first.height, 0);
    }
}

}  // namespace
}  // namespace varnholt
