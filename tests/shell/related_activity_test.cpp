// related_activity_test.cpp - the details button over an activity list and its successor and
// predecessor tables: when it may be pressed, and that it moves the selection only to an
// activity that has a listed row.

#include "shell/related_activity.h"

#include "layouts/Layout.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"
#include "rows/ActivityRow.h"
#include "views/core/RowList.h"
#include "views/subtables/RelationshipTableView.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace varnholt {
namespace {

using view::RelationshipTableView;

// Activities 0 -> 1 -> 2 -> 3; activity 2 is not listed (filtered out or inside a collapsed
// group), and activity 0 also has a successor that is missing from the file.
class ActivityList final : public view::View {
public:
    ActivityList() {
        for (std::int32_t i = 0; i < 4; ++i) {
            auto& task = *tasks.emplace_back(std::make_unique<TaskRecord>());
            task.load_order = s_int(i);
            auto& row = *rows.emplace_back(std::make_unique<view::ActivityRow>(&task));
            if (i == 2) continue;
            GetRowList().Append(row);
            GetRowList().MapActivity(task, row);
        }
        for (std::int32_t i = 0; i < 3; ++i) Link(tasks[i + 1].get(), tasks[i].get());
        Link(nullptr, tasks[0].get());
    }
    [[nodiscard]] bool IsActivityTableView() const override { return activity_table; }
    [[nodiscard]] float GetWidth() const override { return 0.0f; }
    [[nodiscard]] float GetHeight() const override { return 0.0f; }
    void Update() override {}
    void Draw(const view::RectF&) override {}

    view::Row& RowOf(std::size_t task) { return *rows[task]; }

    bool activity_table = true;
    std::vector<std::unique_ptr<TaskRecord>> tasks;
    std::vector<std::unique_ptr<view::Row>> rows;
    std::vector<std::unique_ptr<TaskPredRecord>> links;

private:
    void Link(TaskRecord* successor, TaskRecord* predecessor) {
        auto& link = *links.emplace_back(std::make_unique<TaskPredRecord>());
        link.predecessor = predecessor;
        link.successor = successor;
        if (successor != nullptr) successor->predecessors.push_back(&link);
        if (predecessor != nullptr) predecessor->successors.push_back(&link);
    }
};

// The relationship tables list rows only with a layout; its columns do not matter here.
class AnyLayout final : public view::Layout {
public:
    AnyLayout() : Layout(view::LayoutKind::activity) {}
};

// Selects the activity, lists its relationships and selects the one at `index`.
void Choose(ActivityList& table, RelationshipTableView& list, std::size_t activity, std::size_t index) {
    static AnyLayout layout;
    list.SetLayout(&layout);
    table.SelectRow(&table.RowOf(activity));
    list.Update();
    list.SelectRow(list.GetRowList().At(index));
}

TEST(RelatedActivity, TheButtonGoesToTheOtherActivityOfTheRelationship) {
    ActivityList table;
    RelationshipTableView successors(RelationshipTableView::Kind::successors, &table);
    RelationshipTableView predecessors(RelationshipTableView::Kind::predecessors, &table);

    Choose(table, successors, 0, 0);
    EXPECT_EQ(GoToRelatedActivity(table, &successors), &table.RowOf(1));
    EXPECT_EQ(table.GetSelectedRow(), &table.RowOf(1));
    EXPECT_FALSE(table.RowOf(0).selected);

    Choose(table, predecessors, 1, 0);
    EXPECT_EQ(GoToRelatedActivity(table, &predecessors), &table.RowOf(0));
    EXPECT_EQ(table.GetSelectedRow(), &table.RowOf(0));
}

// Clearing the selection before the target is found left nothing selected and emptied the
// details pane; now the selection stays where it was.
TEST(RelatedActivity, ATargetWithoutAListedRowLeavesTheSelectionAsItWas) {
    struct Case { const char* name; std::size_t activity; std::size_t relationship; };
    const Case cases[] = {{"inside a collapsed group", 1, 0}, {"missing from the file", 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ActivityList table;
        RelationshipTableView successors(RelationshipTableView::Kind::successors, &table);
        Choose(table, successors, c.activity, c.relationship);
        ASSERT_NE(successors.GetSelectedRow(), nullptr);
        EXPECT_EQ(GoToRelatedActivity(table, &successors), nullptr);
        EXPECT_EQ(table.GetSelectedRow(), &table.RowOf(c.activity));
        EXPECT_TRUE(table.RowOf(c.activity).selected);
    }
}

TEST(RelatedActivity, TheButtonNeedsBothSelections) {
    ActivityList table;
    RelationshipTableView successors(RelationshipTableView::Kind::successors, &table);
    EXPECT_FALSE(CanGoToRelatedActivity(&table, &successors));
    Choose(table, successors, 0, 0);
    EXPECT_TRUE(CanGoToRelatedActivity(&table, &successors));
    EXPECT_FALSE(CanGoToRelatedActivity(&table, &table)) << "no relationship table";
    EXPECT_FALSE(CanGoToRelatedActivity(nullptr, &successors));

    successors.SelectRow(nullptr);
    EXPECT_FALSE(CanGoToRelatedActivity(&table, &successors));
    EXPECT_EQ(GoToRelatedActivity(table, &successors), nullptr);

    Choose(table, successors, 0, 0);
    table.activity_table = false;
    EXPECT_FALSE(CanGoToRelatedActivity(&table, &successors)) << "another category's table";
    EXPECT_EQ(GoToRelatedActivity(table, &successors), nullptr);
}

}  // namespace
}  // namespace varnholt
