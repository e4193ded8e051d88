// relationship_table_test.cpp - the predecessor and successor tables: rows from the master's
// selection, selection by a click, column moves and a missing layout.

#include "tests/views/subtables/subtable_fixture.h"

#include "views/core/RowList.h"
#include "views/subtables/RelationshipTableView.h"

namespace varnholt::view::test_support {
namespace {

class RelationshipTableTest : public SubTableTest {
protected:
    void SetUp() override {
        SubTableTest::SetUp();
        for (RelationshipTableView* table : {&predecessors, &successors}) {
            table->SetDocument(&doc);
            table->SetLayout(&layout);
        }
    }

    // Each listed row's values of the two fields, "code name" per row.
    static std::vector<std::wstring> Listed(const View& table, std::int32_t code, std::int32_t name) {
        std::vector<std::wstring> rows;
        for (const Row* row : table.GetRowList().Rows())
            rows.push_back(row->GetCodeValue(code).to_string() + L' ' + row->GetCodeValue(name).to_string());
        return rows;
    }

    RelationshipTableView predecessors{RelationshipTableView::Kind::predecessors, &activities};
    RelationshipTableView successors{RelationshipTableView::Kind::successors, &activities};
};

TEST_F(RelationshipTableTest, ListsTheSelectedActivitysRelationshipsInListOrder) {
    SelectActivity(L"A1000");
    predecessors.Update();
    successors.Update();
    EXPECT_EQ(Listed(predecessors, kPredCode, kPredName),
              (std::vector<std::wstring>{L"P2 Formwork", L"P1 Excavate", L"P3 Rebar"}));
    EXPECT_EQ(Listed(successors, kSuccCode, kSuccName), (std::vector<std::wstring>{L"S1 Cure"}));
    EXPECT_FLOAT_EQ(predecessors.GetHeight(), 18.0f * 4);

    // The painted cells show the same, each row under the last.
    EXPECT_EQ(TextsByTop(Paint(predecessors)),
              (std::vector<std::string>{"5 Activity ID | 105 Activity Name", "5 P2 | 105 Formwork", "5 P1 | 105 Excavate",
                                        "5 P3 | 105 Rebar"}));
}

TEST_F(RelationshipTableTest, AMissingActivityShowsEmptyCellsForItsEnd) {
    SelectActivity(L"X1");
    predecessors.Update();
    ASSERT_EQ(predecessors.GetRowList().Size(), 1u);
    const Row& row = *predecessors.GetRowList().At(0);
    EXPECT_EQ(row.GetCodeValue(kPredCode).to_string(), L"");
    EXPECT_EQ(row.GetCodeValue(kSuccCode).to_string(), L"X1");
    EXPECT_EQ(TextsByTop(Paint(predecessors)).size(), 1u) << "header only: the row's cells are empty";
}

TEST_F(RelationshipTableTest, AClickSelectsOnlyTheRowUnderIt) {
    SelectActivity(L"A1000");
    predecessors.Update();
    (void)Paint(predecessors);
    // Rows are (0, 18k + 19, 250, 17): open at the top edge, closed at the bottom.
    struct Case { const char* why; float y; std::int32_t selected; };
    const Case cases[] = {
        {"inside the second row", 45.0f, 1},       {"on the first row's top edge", 19.0f, -1},
        {"on the first row's bottom edge", 36.0f, 0}, {"below the last row", 120.0f, -1},
        {"on the header", 9.0f, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        (void)host.LButtonDown(predecessors, 60.0f, c.y);
        const Row* selected = predecessors.GetSelectedRow();
        EXPECT_EQ(selected == nullptr ? -1 : selected->index, c.selected);
        std::int32_t count = 0;
        for (const Row* row : predecessors.GetRowList().Rows()) count += row->selected ? 1 : 0;
        EXPECT_EQ(count, c.selected < 0 ? 0 : 1);
    }
}

TEST_F(RelationshipTableTest, DraggingTheFirstColumnBehindTheLastMovesItToTheEnd) {
    layout.AddPredColumn(kPredStatus, 100.0f);
    (void)Paint(predecessors);
    EXPECT_TRUE(predecessors.OnLButtonDown(kLeftButtonDown, 50.0f, 9.0f));
    EXPECT_EQ(predecessors.GetMovedColumn(), 0);
    EXPECT_TRUE(predecessors.OnMouseMove(kLeftButtonDown, 380.0f, 9.0f));
    EXPECT_TRUE(predecessors.OnLButtonUp(0, 380.0f, 9.0f));
    std::vector<std::int32_t> fields;
    for (std::int32_t c = 0; c < layout.GetPredColumnCount(); ++c) fields.push_back(layout.GetPredColumn(c)->field);
    EXPECT_EQ(fields, (std::vector<std::int32_t>{kPredName, kPredStatus, kPredCode}));
    EXPECT_EQ(predecessors.GetMovedColumn(), 2);
    EXPECT_EQ(layout.GetSuccColumn(0)->field, kSuccCode) << "the other list stays";
}

// Fault: the rows were freed while the list still held them. Runs clean under ASan.
TEST_F(RelationshipTableTest, UpdatingWithoutALayoutLeavesNoFreedRowsListed) {
    SelectActivity(L"A1000");
    predecessors.Update();
    (void)Paint(predecessors);
    (void)host.LButtonDown(predecessors, 60.0f, 45.0f);
    ASSERT_NE(predecessors.GetSelectedRow(), nullptr);
    predecessors.SetLayout(nullptr);
    predecessors.Update();
    EXPECT_EQ(predecessors.GetSelectedRow(), nullptr);
    EXPECT_FLOAT_EQ(predecessors.GetHeight(), 18.0f);
    EXPECT_TRUE(Paint(predecessors).empty()) << "no layout: nothing drawn";
}

}  // namespace
}  // namespace varnholt::view::test_support
