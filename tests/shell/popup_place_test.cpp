// popup_place_test.cpp - where a folded panel's pop-up opens on the screen, and which presses on
// its button belong to the click that opened it.

#include "shell/popup_place.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

TEST(PopUpPlace, DropsBelowItsButtonAndStaysOnTheScreen) {
    const ScreenBox screen{0, 0, 1280, 1024};
    struct Case {
        const char* why;
        ScreenBox button;
        int width, height;
        ScreenBox expected;
    };
    const Case cases[] = {
        {"room everywhere: left edges aligned, below", {300, 40, 60, 90}, 250, 120, {300, 130, 250, 120}},
        {"the window's first panel, wider pop-up: not past the left", {2, 40, 40, 90}, 250, 120, {2, 130, 250, 120}},
        {"at the right edge: moved left", {1240, 40, 40, 90}, 250, 120, {1030, 130, 250, 120}},
        {"wider than the screen: its left edge shows", {10, 40, 40, 90}, 1400, 120, {0, 130, 1400, 120}},
        {"no room below: above the button", {300, 950, 60, 60}, 250, 120, {300, 830, 250, 120}},
        {"no room below nor above: below", {300, 60, 60, 900}, 250, 120, {300, 960, 250, 120}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(PopUpPlace(c.button, c.width, c.height, screen), c.expected);
    }
    EXPECT_EQ(PopUpPlace({2270, 40, 30, 90}, 250, 120, {1280, 0, 1024, 768}), (ScreenBox{2054, 130, 250, 120}))
        << "a second screen right of the first";
}

TEST(PopUpPlace, OnlyAQuickNearPressIsTheOpeningDoubleClicksSecond) {
    const ScreenPress opening{500, 60, 1000};
    struct Case {
        const char* why;
        ScreenPress press;
        bool second;
    };
    const Case cases[] = {
        {"at once, same spot", {500, 60, 1150}, true},
        {"at the double-click time", {503, 58, 1400}, true},
        {"after it", {500, 60, 1401}, false},
        {"too far", {510, 60, 1100}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(SecondPressOfOpening(opening, c.press, 400, 5), c.second);
    }
    EXPECT_TRUE(SecondPressOfOpening({0, 0, 0xFFFFFF00u}, {0, 0, 0x40}, 400, 5)) << "the server's clock wraps";
}

}  // namespace
}  // namespace varnholt
