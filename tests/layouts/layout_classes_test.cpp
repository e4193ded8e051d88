// layout_classes_test.cpp - the column lists of the four layout kinds: their move and remove
// rules and column titles.

#include "layouts/ActivityLayout.h"
#include "layouts/TableLayouts.h"
#include "layouts/store_helpers.h"
#include "layouts_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using view::Layout;
using view::LayoutColumnList;
using view::LayoutKind;

std::unique_ptr<Layout> MakeLayout(LayoutKind kind) {
    switch (kind) {
    case LayoutKind::activity: return std::make_unique<ActivityLayout>();
    case LayoutKind::wbs: return std::make_unique<WBSLayout>();
    case LayoutKind::project: return std::make_unique<ProjectLayout>();
    case LayoutKind::resource: return std::make_unique<ResourceLayout>();
    }
    return nullptr;
}

constexpr LayoutKind kAllKinds[] = {LayoutKind::activity, LayoutKind::wbs, LayoutKind::project, LayoutKind::resource};

// The fields of a list, in order, as text: "a b c".
std::string Fields(const LayoutColumnList& columns) {
    std::string text;
    for (const auto& column : columns) {
        if (!text.empty()) text += ' ';
        text += static_cast<char>('a' + column->field);
    }
    return text;
}

// Each kind answers for the parts it has and leaves the rest absent (null, or -1 as a count).
TEST(LayoutKinds, AnswerOnlyForWhatTheyHave) {
    struct Case { LayoutKind kind; bool task_view, gantt, extra_lists; } const cases[] = {
        {LayoutKind::activity, true, true, true}, {LayoutKind::wbs, false, true, false},
        {LayoutKind::project, false, true, false}, {LayoutKind::resource, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        const auto layout = MakeLayout(c.kind);
        EXPECT_EQ(layout->GetTaskView() != nullptr, c.task_view);
        EXPECT_EQ(layout->GetFilter(), nullptr) << "no layout starts with a filter";
        EXPECT_EQ(layout->GetGanttBars() != nullptr, c.gantt);
        const std::int32_t extra_count = c.extra_lists ? 0 : -1;
        EXPECT_EQ(layout->GetRsrcColumnCount(), extra_count);
        EXPECT_EQ(layout->AddPredColumn(1, 10) != nullptr, c.extra_lists);
    }
}

// The gap rule: `to` is the gap before the item of that index, count the gap after the last.
struct MoveCase { const char* why; std::size_t from, to; const char* after; } const kMoveCases[] = {
    {"first to the end", 0, 3, "b c a"}, {"last to the front", 2, 0, "c a b"},
    {"first behind the second", 0, 2, "b a c"}, {"into its own gap before", 1, 1, "a b c"},
    {"from past the end", 3, 0, "a b c"}, {"to past the last gap", 0, 4, "a b c"},
};

// Runs each case on a fresh list [a, b, c], built and read through the given operations.
void ExpectMoves(const std::function<std::unique_ptr<Layout>()>& make,
                 const std::function<LayoutColumnList&(Layout&)>& list,
                 const std::function<void(Layout&, std::size_t, std::size_t)>& move) {
    for (const MoveCase& c : kMoveCases) {
        SCOPED_TRACE(c.why);
        auto layout = make();
        for (std::int32_t field = 0; field < 3; ++field) view::AppendColumn(list(*layout), field, 10);
        move(*layout, c.from, c.to);
        EXPECT_EQ(Fields(list(*layout)), c.after);
    }
}

TEST(LayoutColumns, MoveRuleOfTheMainListOnEveryKind) {
    for (const LayoutKind kind : kAllKinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        ExpectMoves([kind] { return MakeLayout(kind); },
                    [](Layout& l) -> LayoutColumnList& { return *l.GetColumns(); },
                    [](Layout& l, std::size_t from, std::size_t to) { l.MoveColumn(from, to); });
    }
    // The relationship lists move by the same rule; WBS and project layouts have none.
    ExpectMoves([] { return std::make_unique<ActivityLayout>(); },
                [](Layout& l) -> LayoutColumnList& { return *l.GetPredColumns(); },
                [](Layout& l, std::size_t from, std::size_t to) { l.MovePredColumn(from, to); });
    WBSLayout wbs;
    wbs.MovePredColumn(0, 1);
    EXPECT_EQ(wbs.GetPredColumns(), nullptr);
}

TEST(LayoutColumns, RemoveTakesTheItemOutAndIgnoresIndexesOutOfRange) {
    ActivityLayout layout;
    for (std::int32_t field = 0; field < 3; ++field) {
        layout.AddColumn(field, 10);
        layout.AddPredColumn(field, 10);
        layout.AddSuccColumn(field, 10);
    }
    layout.RemoveColumn(3);
    layout.RemoveSuccColumn(static_cast<std::size_t>(-1));
    layout.RemoveColumn(0);
    layout.RemovePredColumn(1);
    layout.RemoveSuccColumn(2);
    EXPECT_EQ(Fields(*layout.GetColumns()), "b c");
    EXPECT_EQ(Fields(*layout.GetPredColumns()), "a c");
    EXPECT_EQ(Fields(*layout.GetSuccColumns()), "a b") << "out-of-range indexes are ignored";
}

class LayoutTitles : public testing_layouts::LayoutsTest {};

TEST_F(LayoutTitles, OwnTitleElseTheCatalogueCaption) {
    const ColumnDef* known = ColumnCatalog::Instance().FindAnyByColumnId(130);
    ASSERT_NE(known, nullptr);
    ASSERT_FALSE(known->caption.empty());
    EXPECT_EQ((view::LayoutColumn{130, 10, L"Code"}).GetTitle(), L"Code");
    EXPECT_EQ((view::LayoutColumn{130, 10, {}}).GetTitle(), known->caption);
    EXPECT_EQ((view::LayoutColumn{4, 10, {}}).GetTitle(), L"") << "an id the catalogue lacks";
}

}  // namespace
}  // namespace varnholt
