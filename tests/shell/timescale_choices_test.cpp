// timescale_choices_test.cpp - the timescale combo's entries and the zoom slider's position
// and width.

#include "shell/timescale_choices.h"

#include <gtest/gtest.h>

#include <limits>

namespace varnholt {
namespace {

TEST(TimescaleChoices, UnitSevenHasNoEntryAndEntrySevenIsUnitEight) {
    struct Case { std::int32_t unit; std::optional<std::int32_t> choice; };
    const Case cases[] = {{1, 0}, {6, 5}, {7, std::nullopt}, {8, 6}, {0, std::nullopt}, {9, std::nullopt}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        EXPECT_EQ(TimescaleChoiceOfUnit(c.unit), c.choice);
        if (c.choice) {
            EXPECT_EQ(UnitOfTimescaleChoice(*c.choice), c.unit) << "both ways";
        }
    }
    EXPECT_EQ(UnitOfTimescaleChoice(7), std::nullopt);
    EXPECT_EQ(UnitOfTimescaleChoice(-1), std::nullopt);
}

TEST(TimescaleChoices, TheSliderShowsTheWidthOnScreenTruncated) {
    EXPECT_EQ(ZoomPositionOfWidth(50.0f, 1.25f), 62);
    EXPECT_EQ(ZoomPositionOfWidth(50.0f, 1.0f), 50);
    EXPECT_EQ(ZoomPositionOfWidth(std::numeric_limits<float>::quiet_NaN(), 1.0f), kZoomMinimum);
}

TEST(TimescaleChoices, TheSliderSetsTheWidthAtDrawingScaleOne) {
    EXPECT_FLOAT_EQ(UnitWidthOfZoomPosition(100, 1.25f), 80.0f);
    EXPECT_FLOAT_EQ(UnitWidthOfZoomPosition(62, 1.0f), 62.0f);
    EXPECT_FLOAT_EQ(UnitWidthOfZoomPosition(5, 0.0f), 5.0f) << "no scale: the position stands";
}

// The frame sets the unit width from the slider and the slider again from the unit width at
// every category display: the position must survive, or the slider creeps down a step.
TEST(TimescaleChoices, EverySliderPositionComesBackAtEveryTextScale) {
    for (const float scale : {1.0f, 1.04f, 1.1f, 1.15f, 1.2f, 1.25f, 1.3f, 1.35f, 1.5f, 2.0f}) {
        for (std::int32_t position = kZoomMinimum; position <= kZoomMaximum; ++position) {
            ASSERT_EQ(ZoomPositionOfWidth(UnitWidthOfZoomPosition(position, scale), scale), position)
                << "at scale " << scale;
        }
    }
}

TEST(TimescaleChoices, EveryEntryGivesItsUnit) {
    const std::int32_t units[] = {1, 2, 3, 4, 5, 6, 8};
    for (std::int32_t choice = 0; choice < kTimescaleChoiceCount; ++choice) {
        EXPECT_EQ(UnitOfTimescaleChoice(choice), units[choice]) << "entry " << choice;
    }
}

}  // namespace
}  // namespace varnholt
