// layout_selection_test.cpp - a layout chosen by name in a category's combo: the first of
// equal names wins, an unknown name changes nothing.

#include "layouts/ActivityLayout.h"
#include "layouts/LayoutStore.h"
#include "shell/layout_selection.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

std::unique_ptr<view::Layout> Named(const wchar_t* name) {
    auto layout = std::make_unique<ActivityLayout>();
    layout->SetName(name);
    return layout;
}

TEST(LayoutSelection, TheFirstOfTwoEqualNamesIsFound) {
    LayoutList layouts;
    layouts.push_back(Named(L"Classic"));
    layouts.push_back(Named(L"Summary"));
    layouts.push_back(Named(L"Summary"));
    EXPECT_EQ(LayoutNamed(layouts, L"Summary"), layouts[1].get());
    EXPECT_EQ(LayoutNamed(layouts, L"Classic"), layouts[0].get());
    EXPECT_EQ(LayoutNamed(layouts, L"summary"), nullptr) << "names are compared exactly";
    EXPECT_EQ(LayoutNamed(layouts, L"Unknown"), nullptr);
    EXPECT_EQ(LayoutNamed({}, L""), nullptr);
}

TEST(LayoutSelection, ChoosingALayoutMakesItCurrentForItsCategoryOnly) {
    LayoutStore store;
    store.ActivityLayouts().push_back(Named(L"Mine"));
    store.SetCurrentActivityLayoutName(L"Before");
    store.SetCurrentWbsLayoutName(L"Before");

    EXPECT_FALSE(ChooseLayout(store, Category::activities, L"Nothing of that name"));
    EXPECT_EQ(store.CurrentActivityLayoutName(), L"Before") << "an unknown name changes nothing";
    EXPECT_FALSE(ChooseLayout(store, Category::obs, L"Mine")) << "OBS has no layouts";

    ASSERT_TRUE(ChooseLayout(store, Category::activities, L"Mine"));
    EXPECT_EQ(store.CurrentActivityLayoutName(), L"Mine");
    EXPECT_EQ(store.GetCurrentActivityLayout(), store.ActivityLayouts().back().get());
    EXPECT_EQ(store.CurrentWbsLayoutName(), L"Before");
    EXPECT_EQ(*CurrentLayoutNameOf(Category::activities, store), L"Mine");
    EXPECT_EQ(LayoutsOf(Category::roles, store), nullptr);
}

}  // namespace
}  // namespace varnholt
