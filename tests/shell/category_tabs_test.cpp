// category_tabs_test.cpp - which sub-views a detail tab shows, found by the tab's title in
// the current language, and which category stays active while the File page shows.

#include "../model/caption_language.h"
#include "shell/category_tabs.h"

namespace varnholt {
namespace {

class CategoryTabsTest : public CaptionLanguageTest {};

TEST_F(CategoryTabsTest, EachTabTitleFindsItsSubViewsInTableOrder) {
    using enum SubView;
    struct Case {
        Category category;
        CaptionId tab;
        SubView first;
        SubView second;
        SubViewPlacement placement;
    };
    const Case cases[] = {
        {Category::activities, 50749, predecessors, none, SubViewPlacement::relationship},
        {Category::activities, 50750, successors, none, SubViewPlacement::relationship},
        {Category::activities, 51634, activity_codes, none, SubViewPlacement::single},
        {Category::activities, 40117, task_memos, task_memo_text, SubViewPlacement::side_by_side},
        {Category::activities, 40118, activity_steps, step_text, SubViewPlacement::side_by_side},
        {Category::wbs, 40117, wbs_memos, wbs_memo_text, SubViewPlacement::side_by_side},
        {Category::projects, 51634, project_codes, none, SubViewPlacement::single},
        {Category::resources, 51634, resource_codes, none, SubViewPlacement::single},
        {Category::resources, 51636, none, resource_notes, SubViewPlacement::single},
        {Category::obs, 30572, obs_responsibility, none, SubViewPlacement::single},
        {Category::roles, 50745, role_resources, none, SubViewPlacement::single},
        {Category::roles, 57455, role_rates, none, SubViewPlacement::single},
        {Category::roles, 57537, role_limits, none, SubViewPlacement::single},
    };
    for (const wchar_t* language : {L"ENU", L"FRA"}) {
        UseLanguage(language);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "language " << language << ", category "
                                            << static_cast<int>(c.category) << ", tab " << c.tab);
            const TabSubViews* found = FindTabSubViews(c.category, CaptionCatalog::Instance().Lookup(c.tab));
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->first, c.first);
            EXPECT_EQ(found->second, c.second);
            EXPECT_EQ(found->placement, c.placement);
        }
    }
}

TEST_F(CategoryTabsTest, TabsThatTheDetailViewDrawsItselfFindNothing) {
    const std::wstring general = CaptionCatalog::Instance().Lookup(51632);
    for (std::int32_t page = kFirstCategory; page <= kLastCategory; ++page) {
        EXPECT_EQ(FindTabSubViews(static_cast<Category>(page), general), nullptr);
    }
    EXPECT_EQ(FindTabSubViews(Category::activities, CaptionCatalog::Instance().Lookup(51945)), nullptr) << "Status";
    EXPECT_EQ(FindTabSubViews(Category::projects, CaptionCatalog::Instance().Lookup(40117)), nullptr)
        << "a title of another category's table";
    EXPECT_EQ(FindTabSubViews(Category::activities, L""), nullptr) << "a caption without text";

    UseLanguage(L"FRA");
    EXPECT_EQ(FindTabSubViews(Category::activities, L"Predecessors"), nullptr) << "titles are compared in French";
}

TEST(CategoryTracker, TheFilePageKeepsTheLastCategoryActive) {
    CategoryTracker tracker;
    EXPECT_EQ(tracker.Active(), Category::activities) << "the window opens on Activities";
    tracker.PageShown(4);
    tracker.PageShown(0);
    EXPECT_TRUE(tracker.FilePageShown());
    EXPECT_EQ(tracker.Active(), Category::resources);
    tracker.PageShown(2);
    EXPECT_FALSE(tracker.FilePageShown());
    EXPECT_EQ(tracker.Active(), Category::wbs);
    tracker.PageShown(7);
    EXPECT_EQ(tracker.Active(), Category::wbs) << "no such page";
}

}  // namespace
}  // namespace varnholt
