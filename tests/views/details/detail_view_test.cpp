// The tab strip, the tab click and the sheet grid, painted by an activity detail view over
// the recording backend.

#include "tests/views/details/detail_test_support.h"

#include "rows/ActivityRow.h"
#include "views/details/ActivityDetailView.h"

namespace varnholt::view::test_support {
namespace {

constexpr std::initializer_list<CaptionId> kActivityTabs = {51632, 51945, 50749, 50750, 51634, 40117, 40118};

using TabStripTest = DetailViewTest;

TEST_F(TabStripTest, StacksEqualTabsFromTheTopAndFillsTheCurrentOne) {
    auto view = MakeView<ActivityDetailView>(kActivityTabs);
    const auto& lines = Paint(*view);
    ASSERT_EQ(view->GetTabRects().size(), 7U);
    for (std::size_t k = 0; k < 7; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(view->GetTabRects()[k], (RectF{0.0f, 24.0f * static_cast<float>(k), 250.0f, 24.0f}));
    }
    EXPECT_EQ(lines[2], "fill ffff9933 0,1 250,24");  // the current tab, below its top line
    EXPECT_EQ(CountStarting(lines, "fill ffff9933"), 1U);
    EXPECT_EQ(DrawnTexts(lines)[0].font, "Calibri/15/700");  // the current tab's white bold style
}

TEST_F(TabStripTest, AClickSelectsTheFirstTabHoldingThePoint) {
    struct Case {
        const char* reason;
        float x, y;
        std::int32_t origin_y;
        const wchar_t* current;
    };
    const Case cases[] = {
        {"inside the second tab", 100.0f, 30.0f, 0, L"Status"},
        {"on the line between two tabs: the upper one", 0.0f, 24.0f, 0, L"General"},
        {"the scroll origin is added", 100.0f, 5.0f, 24, L"Status"},
        {"right of the strip", 251.0f, 30.0f, 0, L"General"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        auto view = MakeView<ActivityDetailView>(kActivityTabs);
        Paint(*view);
        view->GetDrawContext().SetOrigin(0, c.origin_y);
        EXPECT_FALSE(view->OnLButtonUp(kLeftButtonDown, c.x, c.y));
        EXPECT_EQ(view->GetCurrentTab(), c.current);
    }
}

TEST_F(TabStripTest, TheStripKeepsItsBuildScaleWhileTheGridFollowsThePaint) {
    ActivityRow row(testing_support::AddActivity(doc, wbs, 1, L"A1"));
    master.selected = &row;
    auto view = MakeView<ActivityDetailView>(kActivityTabs);
    DisplayScale() = 1.25f;
    view->SetScale();
    const auto texts = DrawnTexts(Paint(*view));
    EXPECT_EQ(view->GetTabRects()[1], (RectF{0.0f, 24.0f, 250.0f, 24.0f}));
    EXPECT_EQ(TextAt(texts, "287,30 437,55"), "Activity:");  // label x 287.5, cells 25 high
    EXPECT_EQ(TextAt(texts, "450,30 700,55"), "A1");
    EXPECT_EQ(TextAt(texts, "10,24 250,48"), "Status");
}

}  // namespace
}  // namespace varnholt::view::test_support
