// pane_commands_test.cpp - the sash of the Details toggle, the least pane, the find dialog's
// centring, and what Go to scrolls the chart to: the start date of the selected row by its
// kind and table, and the scroll position that leaves a margin before it.

#include "model/records/TaskRecord.h"
#include "model/s_date.h"
#include "rows/ActivityRow.h"
#include "shell/frame_geometry.h"
#include "shell/go_to_date.h"

#include <gtest/gtest.h>

#include <limits>

namespace varnholt {
namespace {

TEST(PaneToggles, DetailsTakeAboutFiveHundredPixels) {
    struct Case { const char* why; std::int32_t frame_height; std::int32_t sash; };
    const Case cases[] = {
        {"the top row keeps all but 500", 900, 400},
        {"a low window: never counted from the bottom", 450, 0},
        {"exactly 500 high", 500, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(DetailsShownSash(c.frame_height), c.sash) << c.why;
}

// The least pane holds the grid tables' header and three whole rows above a scroll bar, also
// at display scales whose rows end between two pixels.
TEST(PaneToggles, TheLeastPaneHoldsTheThirdRowWhole) {
    for (const float scale : {1.0f, 1.1f, 1.25f, 1.3f, 1.5f, 2.0f}) {
        const float rows_end = (view::kGridHeaderHeight + 3 * view::kRowHeight) * scale;
        const std::int32_t extent = MinimumPaneExtent(scale, 15) - 15;
        EXPECT_GE(static_cast<float>(extent), rows_end) << "scale " << scale;
        EXPECT_LT(static_cast<float>(extent), rows_end + 1.0f) << "scale " << scale;
    }
    EXPECT_EQ(MinimumPaneExtent(1.0f, -1), 84) << "no scroll bar takes room";
}

TEST(FindDialogPlace, CentredWithTheHalvesTruncatedTowardZero) {
    EXPECT_EQ(CentredStart(100, 1301, 301), 700 - 150) << "(100 + 1301) / 2 = 700, 301 / 2 = 150";
    EXPECT_EQ(CentredStart(-1201, 0, 400), -600 - 200) << "-1201 / 2 truncates to -600";
    EXPECT_EQ(CentredStart(0, 500, 700), 250 - 350) << "a dialog larger than the frame starts before it";
}

TEST(GoTo, TheChartScrollsToLeaveAHundredPixelsBeforeTheDate) {
    struct Case { float x; std::int32_t scroll; };
    const Case cases[] = {{60.0f, 60}, {100.0f, 100}, {100.9f, 100}, {101.0f, 1}, {500.0f, 400}, {0.0f, 0}, {-30.5f, -30}};
    for (const Case& c : cases) EXPECT_EQ(GoToScrollX(c.x), c.scroll) << "x " << c.x;
    EXPECT_EQ(GoToScrollX(std::numeric_limits<float>::quiet_NaN()), std::nullopt);
    EXPECT_GT(GoToScrollX(std::numeric_limits<float>::infinity()).value_or(0), 0) << "far right stays far right";
}

// A row of a kind other than an activity, whose "Start" value tells which field was read.
class FieldRow final : public view::Row {
public:
    enum class Kind { wbs, project, group, resource };
    explicit FieldRow(Kind kind) : m_kind(kind) {}
    [[nodiscard]] bool IsWBSRow() const override { return m_kind == Kind::wbs; }
    [[nodiscard]] bool IsProjectRow() const override { return m_kind == Kind::project; }
    [[nodiscard]] bool IsGroupRow() const override { return m_kind == Kind::group; }
    [[nodiscard]] bool IsResourceRow() const override { return m_kind == Kind::resource; }
    [[nodiscard]] const s_val& GetFieldValue(std::int32_t field_id) const override {
        m_value = s_date::from_seconds(1'000'000LL * field_id);
        return m_value;
    }

private:
    Kind m_kind;
    mutable s_date m_value;
};

TEST(GoTo, TheDateIsTheStartOfTheSelectedRowByItsKindAndTable) {
    using Kind = FieldRow::Kind;
    struct Case { const char* why; Kind kind; Category table; std::int64_t date; };
    const Case cases[] = {
        {"group row of the activity table: field 82", Kind::group, Category::activities, 82'000'000},
        {"WBS row: field 434", Kind::wbs, Category::wbs, 434'000'000},
        {"group row of the WBS table: field 434", Kind::group, Category::wbs, 434'000'000},
        {"project row: field 279", Kind::project, Category::projects, 279'000'000},
        {"group row of the project table: field 279", Kind::group, Category::projects, 279'000'000},
        {"a resource row has no start to go to", Kind::resource, Category::activities, 0},
        {"a table without a chart has nothing to go to", Kind::group, Category::resources, 0},
    };
    for (const Case& c : cases) {
        const FieldRow row(c.kind);
        EXPECT_EQ(GoToDate(&row, c.table), c.date) << c.why;
    }
}

TEST(GoTo, AnActivityRowGivesItsActivitysStartAndNoRowGivesNothing) {
    TaskRecord activity;
    activity.start_date = s_date::from_ymdhm(2024, 1, 8, 8, 0);
    const view::ActivityRow row(&activity);
    EXPECT_EQ(GoToDate(&row, Category::activities), s_date::from_ymdhm(2024, 1, 8, 8, 0).as_int64());
    TaskRecord unscheduled;  // a start of 0: nothing to go to
    const view::ActivityRow empty(&unscheduled);
    EXPECT_EQ(GoToDate(&empty, Category::activities), 0);
    EXPECT_EQ(GoToDate(nullptr, Category::activities), 0) << "no row selected";
}

}  // namespace
}  // namespace varnholt
