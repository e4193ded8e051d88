// column_chooser_test.cpp - the column choosers' lists and operations over real layouts: what
// each list offers, their order and groups, and which layout positions the buttons change when
// the layout also holds columns the chooser does not show.

#include "columns/ColumnCatalog.h"
#include "columns/load_time_columns.h"
#include "shared_caption_columns.h"
#include "layouts/ActivityLayout.h"
#include "model/CaptionCatalog.h"
#include "shell/column_chooser.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace varnholt {
namespace {

constexpr std::int32_t kUnknownColumn = 99;  // between the tables' ranges: no table holds it

class ColumnChooserTest : public testing::Test {
protected:
    void SetUp() override {
        CaptionCatalog::Instance().Reset();
        CaptionCatalog::Instance().ChooseLanguage(L"ENU");
        ColumnCatalog& catalog = ColumnCatalog::Instance();
        catalog.BuildAllColumns();
        // A workbook's way: only these columns are present.
        catalog.ClearPresent();
        for (std::uint32_t id : {6u, 7u, 10u, 17u, 132u, 212u, 213u}) {
            ASSERT_TRUE(catalog.MarkPresent(ColumnTable::activity, id));
        }
        for (std::uint32_t id : {544u, 545u, 546u}) ASSERT_TRUE(catalog.MarkPresent(ColumnTable::predecessor, id));
        for (std::uint32_t id : {572u, 573u}) ASSERT_TRUE(catalog.MarkPresent(ColumnTable::successor, id));
    }
    void TearDown() override {
        ColumnCatalog::Instance().Reset();
        CaptionCatalog::Instance().Reset();
    }

    static void SetColumns(view::LayoutColumnList& list, std::initializer_list<std::int32_t> fields) {
        list.clear();
        for (std::int32_t field : fields) view::AppendColumn(list, field, 80.0f);
    }
    static std::vector<std::int32_t> Fields(const view::LayoutColumnList& list) {
        std::vector<std::int32_t> fields;
        for (const auto& column : list) fields.push_back(column->field);
        return fields;
    }
    static std::vector<std::uint32_t> Ids(const std::vector<ChooserItem>& items) {
        std::vector<std::uint32_t> ids;
        for (const ChooserItem& item : items) ids.push_back(item.column_id);
        return ids;
    }
    static std::size_t IndexOf(const std::vector<ChooserItem>& items, std::uint32_t id) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].column_id == id) return i;
        }
        ADD_FAILURE() << "no item " << id;
        return items.size();
    }

    ActivityLayout m_layout;
};

TEST_F(ColumnChooserTest, TheListsLeaveOutField212AbsentUnknownAndShownColumns) {
    // 11 is absent, 99 unknown, 212 the actual progress date.
    SetColumns(*m_layout.GetColumns(), {132, 212, 11, kUnknownColumn, 6});
    const auto list = MainColumnList(&m_layout);
    const ChooserLists lists = FillChooserLists(*list);

    EXPECT_EQ(Ids(lists.selected), (std::vector<std::uint32_t>{132, 6}));
    EXPECT_EQ(lists.selected[1].position, 4u);
    // Sorted by caption: "Actual Expense Cost", "Actual Total Cost", "Group Name", "Steps Completed".
    EXPECT_EQ(Ids(lists.available), (std::vector<std::uint32_t>{10, 17, 213, 7}));
    ASSERT_EQ(lists.groups.size(), 3u);
    EXPECT_EQ(lists.groups[0].caption, L"") << "the group without a caption first";
    EXPECT_EQ(lists.groups[1].caption, L"Activity Steps");
    EXPECT_EQ(lists.groups[2].caption, L"Costs");
}

TEST_F(ColumnChooserTest, UserFieldsAndCodesFallIntoTheirGroups) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    ASSERT_NE(RegisterUdfColumn(catalog, {.table_name = L"TASK", .udf_type_id = 1, .label = L"Discipline",
                                          .name = L"user_field_1"}),
              nullptr);
    ASSERT_NE(RegisterActivityCodeColumn(catalog, {.type_id = 1, .type_name = L"Phase",
                                                   .group = ColumnGroup::activity_codes_eps}),
              nullptr);
    SetColumns(*m_layout.GetColumns(), {132});
    const ChooserLists lists = FillChooserLists(*MainColumnList(&m_layout));
    std::vector<std::wstring> captions;
    for (const ChooserGroup& group : lists.groups) captions.push_back(group.caption);
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"", L"Activity Codes - EPS", L"Activity Steps", L"Costs",
                                                   L"User Defined"}));
}

TEST_F(ColumnChooserTest, AddingAppendsTheChosenItemsInListOrderAtWidth120) {
    SetColumns(*m_layout.GetColumns(), {132});
    const auto list = MainColumnList(&m_layout);
    const ChooserLists lists = FillChooserLists(*list);
    const std::size_t chosen[] = {IndexOf(lists.available, 7), IndexOf(lists.available, 10)};
    AddColumns(*list, lists, chosen);

    EXPECT_EQ(Fields(*m_layout.GetColumns()), (std::vector<std::int32_t>{132, 10, 7}));
    EXPECT_FLOAT_EQ(m_layout.GetColumns()->back()->width, 120.0f);
    const ChooserLists after = FillChooserLists(*list);
    EXPECT_EQ(Ids(after.available), (std::vector<std::uint32_t>{6, 17, 213}));
    EXPECT_EQ(Ids(after.selected), (std::vector<std::uint32_t>{132, 10, 7}));
}

TEST_F(ColumnChooserTest, ButtonsActOnTheLayoutPositionsOfTheShownColumns) {
    struct MoveCase {
        const char* name;
        bool up;
        std::size_t item;
        std::vector<std::int32_t> expected;
    };
    // Shown: 132 (0), 6 (2), 10 (4), 17 (6); hidden between them: 212, unknown, absent 11.
    const MoveCase cases[] = {
        {"up from the second", true, 1, {6, 132, 212, kUnknownColumn, 10, 11, 17}},
        {"up from the last", true, 3, {132, 212, 6, kUnknownColumn, 17, 10, 11}},
        {"down from the first", false, 0, {212, 6, 132, kUnknownColumn, 10, 11, 17}},
        {"down from the third", false, 2, {132, 212, 6, kUnknownColumn, 11, 17, 10}},
    };
    for (const MoveCase& c : cases) {
        SetColumns(*m_layout.GetColumns(), {132, 212, 6, kUnknownColumn, 10, 11, 17});
        const auto list = MainColumnList(&m_layout);
        const ChooserLists lists = FillChooserLists(*list);
        ASSERT_EQ(lists.selected.size(), 4u);
        const auto moved = c.up ? MoveColumnUp(*list, lists, c.item) : MoveColumnDown(*list, lists, c.item);
        EXPECT_EQ(moved, c.up ? c.item - 1 : c.item + 1) << c.name;
        EXPECT_EQ(Fields(*m_layout.GetColumns()), c.expected) << c.name;
        const ChooserLists after = FillChooserLists(*list);
        EXPECT_EQ(after.selected[*moved].column_id, lists.selected[c.item].column_id) << c.name;
    }

    SetColumns(*m_layout.GetColumns(), {132, 212, 6, kUnknownColumn, 10, 11, 17});
    const auto list = MainColumnList(&m_layout);
    const ChooserLists lists = FillChooserLists(*list);
    EXPECT_FALSE(MoveColumnUp(*list, lists, 0).has_value());
    EXPECT_FALSE(MoveColumnDown(*list, lists, 3).has_value());
    const std::size_t removed[] = {3, 1};
    RemoveColumns(*list, lists, removed);
    EXPECT_EQ(Fields(*m_layout.GetColumns()), (std::vector<std::int32_t>{132, 212, kUnknownColumn, 10, 11}));
}

TEST_F(ColumnChooserTest, UpAndDownNeedOneSelectedItemAwayFromTheEnd) {
    struct ButtonCase {
        std::vector<std::size_t> selected;
        SelectedButtons expected;
    };
    const ButtonCase cases[] = {
        {{}, {false, false, false}},
        {{0}, {true, false, true}},
        {{1}, {true, true, true}},
        {{2}, {true, true, false}},
        {{0, 1}, {true, false, false}},
    };
    for (const ButtonCase& c : cases) EXPECT_EQ(SelectedButtonStates(3, c.selected), c.expected);
    const std::size_t only[] = {0};
    EXPECT_EQ(SelectedButtonStates(1, only), (SelectedButtons{true, false, false}));
}

TEST_F(ColumnChooserTest, EachRelationshipSideEditsItsOwnList) {
    SetColumns(*m_layout.GetPredColumns(), {544});
    SetColumns(*m_layout.GetSuccColumns(), {572, 599});  // 599 is not present
    const auto successors = SuccessorColumnList(&m_layout);
    const ChooserLists lists = FillChooserLists(*successors);
    EXPECT_EQ(Ids(lists.selected), (std::vector<std::uint32_t>{572}));
    EXPECT_EQ(Ids(lists.available), (std::vector<std::uint32_t>{573}));
    const std::size_t first[] = {0};
    AddColumns(*successors, lists, first);
    EXPECT_EQ(Fields(*m_layout.GetSuccColumns()), (std::vector<std::int32_t>{572, 599, 573}));
    const ChooserLists after = FillChooserLists(*successors);
    RemoveColumns(*successors, after, first);
    EXPECT_EQ(Fields(*m_layout.GetSuccColumns()), (std::vector<std::int32_t>{599, 573}));
    EXPECT_EQ(Fields(*m_layout.GetPredColumns()), (std::vector<std::int32_t>{544}));

    const ChooserLists predecessors = FillChooserLists(*PredecessorColumnList(&m_layout));
    EXPECT_EQ(Ids(predecessors.available).size(), 2u);
}

TEST_F(ColumnChooserTest, WithoutALayoutBothListsAreEmptyAndNothingHappens) {
    for (const auto& list : {MainColumnList(nullptr), PredecessorColumnList(nullptr), SuccessorColumnList(nullptr)}) {
        const ChooserLists lists = FillChooserLists(*list);
        EXPECT_TRUE(lists.selected.empty());
        EXPECT_TRUE(lists.available.empty());
        EXPECT_TRUE(lists.groups.empty());
        const std::size_t any[] = {0};
        AddColumns(*list, lists, any);
        RemoveColumns(*list, lists, any);
        EXPECT_FALSE(MoveColumnDown(*list, lists, 0).has_value());
    }
}

TEST_F(ColumnChooserTest, ColumnsSharingACaptionAreAddedByTheChosenId) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    const auto added = testing_shell::AddSharedCaptionColumns(catalog);
    ASSERT_TRUE(added.has_value());
    const std::uint32_t user_start_id = added->user_start;
    const std::uint32_t global_id = added->global_phase;
    const std::uint32_t project_id = added->project_phase;
    ASSERT_TRUE(catalog.MarkPresent(ColumnTable::activity, 82));  // the built-in "Start"

    SetColumns(*m_layout.GetColumns(), {132, static_cast<std::int32_t>(global_id)});
    const auto list = MainColumnList(&m_layout);
    ChooserLists lists = FillChooserLists(*list);
    const std::size_t chosen[] = {IndexOf(lists.available, project_id)};
    AddColumns(*list, lists, chosen);
    lists = FillChooserLists(*list);
    const std::size_t start[] = {IndexOf(lists.available, user_start_id)};
    AddColumns(*list, lists, start);
    lists = FillChooserLists(*list);
    EXPECT_EQ(lists.available[IndexOf(lists.available, 82)].caption, L"Start") << "the built-in one stays offered";
    EXPECT_EQ(Fields(*m_layout.GetColumns()),
              (std::vector<std::int32_t>{132, static_cast<std::int32_t>(global_id), static_cast<std::int32_t>(project_id),
                                         static_cast<std::int32_t>(user_start_id)}));
}

}  // namespace
}  // namespace varnholt
