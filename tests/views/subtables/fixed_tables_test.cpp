// fixed_tables_test.cpp - the code, step and notebook tables: their rows, cells, captions
// and the pattern every flat sub-table shares (empty under a group row, selection by a
// click, new rows at each update).

#include "tests/views/subtables/subtable_fixture.h"

#include "model/records/ActvCodeRecord.h"
#include "views/core/RowList.h"
#include "views/subtables/ActivityCodeTableView.h"
#include "views/subtables/ActivityStepTableView.h"
#include "views/subtables/RelationshipTableView.h"
#include "views/subtables/TaskMemoTableView.h"
#include "views/subtables/WBSMemoTableView.h"

#include <limits>
#include <optional>

namespace varnholt::view::test_support {
namespace {

using Texts = std::vector<std::string>;

class FixedTablesTest : public SubTableTest {
protected:
    ActivityCodeTableView codes{&activities};
    ActivityStepTableView steps{&activities};
    TaskMemoTableView task_memos{&activities};
    WBSMemoTableView wbs_memos{&wbs_table};
};

TEST_F(FixedTablesTest, CodeRowsFollowTheDocumentsAssignmentOrder) {
    SelectActivity(L"A1000");
    codes.Update();
    // Zone before Phase as the file lists them; the type the file lacks shows an empty type;
    // the assignment without a code and the one whose type id leaves the column range add no
    // row; the duplicate Phase assignment lists a row without a code, which takes no place.
    EXPECT_EQ(codes.GetRowList().Size(), 4u);
    EXPECT_EQ(TextsByTop(Paint(codes)),
              (Texts{"5 Activity Code | 205 Code Value | 405 Description",
                     "5 Zone | 205 Z1 | 405 Northern zone of the sit...", "5 Phase | 205 P1 | 405 Planning",
                     "205 M1 | 405 Mystery"}));
}

TEST_F(FixedTablesTest, CodeColumnIdsStayInsideTheIntRange) {
    struct Case { const char* why; std::uint32_t type_id; std::optional<std::int32_t> column; };
    const Case cases[] = {
        {"small id", 7, 500007},
        {"largest id that fits", std::numeric_limits<std::int32_t>::max() - 500000, std::numeric_limits<std::int32_t>::max()},
        {"one beyond", std::numeric_limits<std::int32_t>::max() - 499999, std::nullopt},
        {"largest unsigned id", std::numeric_limits<std::uint32_t>::max(), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TaskActvRecord assignment;
        assignment.actv_code_type_id = s_unsigned_long(c.type_id);
        EXPECT_EQ(ActivityCodeTableView::CodeColumnId(assignment), c.column);
    }
}

TEST_F(FixedTablesTest, StepRowsShowTheStepsAndTheirShareOfTheWeightsAndASelectionExceptInPrint) {
    SelectActivity(L"A1000");
    steps.Update();
    const Texts painted = TextsByTop(Paint(steps));
    ASSERT_EQ(painted.size(), 3u);
    EXPECT_EQ(painted[0], "5 Step Name | 405 Completed | 605 Step % Complete | 805 Step Weight | 1005 Step Weight Percent");
    EXPECT_TRUE(painted[1].starts_with("5 Set forms | 405 ")) << painted[1];
    EXPECT_TRUE(painted[1].ends_with("805 1.00 | 1005 25.00")) << painted[1];
    EXPECT_TRUE(painted[2].ends_with("805 3.00 | 1005 75.00")) << painted[2];

    // A selected row paints white on blue, except in print.
    (void)steps.OnLButtonDown(0, 20.0f, 45.0f);
    const auto lines = Paint(steps);
    EXPECT_EQ(LinesStarting(lines, "fill ffff9933 0,36 1200,54").size(), 1u);
    EXPECT_EQ(LinesStarting(lines, "text 5,").size(), 3u);
    host.Backend(steps).SetPrinting(true);
    EXPECT_TRUE(LinesStarting(Paint(steps), "fill ffff9933").empty());
}

TEST_F(FixedTablesTest, NotebookTablesShowTopicsInListOrder) {
    SelectActivity(L"A1000");
    SelectWbs();
    task_memos.Update();
    wbs_memos.Update();
    // A memo whose topic the file lacks keeps its row with an empty cell.
    EXPECT_EQ(task_memos.GetRowList().Size(), 2u);
    EXPECT_EQ(TextsByTop(Paint(task_memos)), (Texts{"5 Notebook Topic", "5 Issues"}));
    EXPECT_EQ(wbs_memos.GetRowList().Size(), 2u);
    EXPECT_EQ(TextsByTop(Paint(wbs_memos)), (Texts{"5 Notebook Topic", "5 Minutes"}));
}

// The pattern every flat sub-table follows, over all six of them.
class EverySubTableTest : public FixedTablesTest {
protected:
    void SetUp() override {
        FixedTablesTest::SetUp();
        for (RelationshipTableView* table : {&predecessors, &successors}) table->SetLayout(&layout);
    }
    [[nodiscard]] std::vector<View*> All() {
        return {&predecessors, &successors, &codes, &steps, &task_memos, &wbs_memos};
    }

    RelationshipTableView predecessors{RelationshipTableView::Kind::predecessors, &activities};
    RelationshipTableView successors{RelationshipTableView::Kind::successors, &activities};
};

// Fault mended: a table without a master freed its rows while the list still held them
// (runs clean under ASan).
TEST_F(EverySubTableTest, AGroupRowNoSelectionOrNoMasterLeavesOnlyTheHeader) {
    ActivityStepTableView orphan(nullptr);
    for (const bool group : {false, true}) {
        if (group) SelectGroup();
        std::vector<View*> tables = All();
        tables.push_back(&orphan);
        for (View* table : tables) {
            SCOPED_TRACE(testing::Message() << (group ? "group row, table " : "no selection, table ")
                                            << (table == &orphan) << table->IsRelationshipTableView()
                                            << table->IsActivityCodeTableView() << table->IsActivityStepTableView()
                                            << table->IsTaskMemoTableView());
            table->Update();
            EXPECT_TRUE(table->GetRowList().Empty());
            EXPECT_FLOAT_EQ(table->GetHeight(), 18.0f);
            EXPECT_EQ(TextsByTop(Paint(*table)).size(), 1u) << "the header's titles only";
        }
    }
}

TEST_F(EverySubTableTest, AnUpdateDropsTheSelection) {
    SelectActivity(L"A1000");
    SelectWbs();
    for (View* table : All()) {
        table->Update();
        (void)Paint(*table);
        (void)table->OnLButtonDown(0, 20.0f, 27.0f);
        ASSERT_NE(table->GetSelectedRow(), nullptr);
        EXPECT_EQ(table->GetSelectedRow()->index, 0);
        table->Update();
        EXPECT_EQ(table->GetSelectedRow(), nullptr);
    }
    EXPECT_EQ(steps.GetRowList().Size(), 2u) << "the rows are built again";
}

}  // namespace
}  // namespace varnholt::view::test_support
