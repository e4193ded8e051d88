// row_list_test.cpp - the visible row list, its activity map and the flattening rule.

#include "model/records/TaskRecord.h"
#include "rows/ActivityRow.h"
#include "views/core/FlattenRows.h"
#include "views/core/RowList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace varnholt::view {
namespace {

std::unique_ptr<TaskRecord> Activity(std::int32_t load_order) {
    auto task = std::make_unique<TaskRecord>();
    task->load_order = s_int(load_order);
    return task;
}

// A row under `parent` at the parent's level + 1.
template <typename RowType = Row, typename... Args>
Row& Add(Row& parent, Args&&... args) {
    Row& child = parent.AddChild(std::make_unique<RowType>(std::forward<Args>(args)...));
    child.level = parent.level + 1;
    return child;
}

// The listed rows as "index:level" words, for compact comparisons.
std::string Listed(const RowList& list) {
    std::string out;
    for (const Row* row : list.Rows()) out += std::to_string(row->index) + ":" + std::to_string(row->level) + " ";
    return out;
}

TEST(RowList, MapKeepsTheFirstRowOfAnActivity) {
    const auto first = Activity(0), second = Activity(5), unlisted = Activity(2), stranger = Activity(5);
    ActivityRow row1(first.get()), row2(first.get()), row3(second.get());
    RowList list;
    list.MapActivity(*first, row1);
    list.MapActivity(*first, row2);
    list.MapActivity(*second, row3);
    struct Case { const char* why; const TaskRecord* activity; const Row* row; };
    const Case cases[] = {
        {"the first row stored wins", first.get(), &row1},
        {"an activity further on", second.get(), &row3},
        {"an activity without a row", unlisted.get(), nullptr},
        {"another document's activity with the same load order", stranger.get(), nullptr},
        {"no activity", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(list.FindActivityRow(c.activity), c.row);
    }
    list.Clear();
    EXPECT_EQ(list.FindActivityRow(first.get()), nullptr);
    list.MapActivity(*first, row2);
    EXPECT_EQ(list.FindActivityRow(first.get()), &row2) << "after Clear the map starts afresh";
}

TEST(FlattenRows, ListsOnlyExpandedSubtrees) {
    const auto a1 = Activity(0), a2 = Activity(1), a3 = Activity(2);
    Row root;
    Row& group = Add(root);
    Add<ActivityRow>(group, a1.get());
    Row& inner = Add(group);
    Row& hidden = Add<ActivityRow>(inner, a2.get());
    Row& last = Add<ActivityRow>(root, a3.get());
    RowList list;

    FlattenRows(root, list);
    EXPECT_EQ(Listed(list), "0:1 1:2 2:2 3:3 4:1 ");
    EXPECT_EQ(list.GetDeepestLevel(), 3);
    EXPECT_EQ(list.FindActivityRow(a2.get()), &hidden);

    inner.expanded = false;
    FlattenRows(root, list);
    EXPECT_EQ(Listed(list), "0:1 1:2 2:2 3:1 ");
    EXPECT_EQ(list.At(3), &last);
    EXPECT_EQ(hidden.index, 3) << "a hidden row keeps the index it had";
    EXPECT_EQ(list.FindActivityRow(a2.get()), nullptr) << "only listed rows are found";
    EXPECT_EQ(list.FindActivityRow(a3.get()), &last);
    EXPECT_EQ(root.index, -1) << "the root is never listed";
    list.Clear();
    EXPECT_EQ(list.GetDeepestLevel(), 0);
}

TEST(FlattenRows, DeepTreesNeedNoDeepStack) {
    // Listing and deleting a chain this deep would overflow a recursive walk; the sanitizers
    // see a row deleted twice or never.
    Row root;
    Row* parent = &root;
    for (int depth = 0; depth < 200000; ++depth) parent = &Add(*parent);
    RowList list;
    FlattenRows(root, list);
    EXPECT_EQ(list.Size(), 200000u);
    EXPECT_EQ(list.GetDeepestLevel(), 200000);
}

}  // namespace
}  // namespace varnholt::view
