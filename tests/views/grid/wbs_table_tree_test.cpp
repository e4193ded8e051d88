// The WBS table's row tree in its four arrangements, expanding and collapsing, and deep trees.

#include "record_tables_fixture.h"

#include "tests/model/hand_built_document.h"

#include "model/derived/wbs_walk.h"
#include "model/records/ObsRecord.h"

#include <functional>

namespace varnholt::testing_grid {
namespace {

using view::Row;
using view::WbsArrangement;

class WbsTree : public WbsTableTest {};

TEST_F(WbsTree, OutlinesFollowTheFirstGroupByEntry) {
    struct Case {
        const char* name;
        std::function<void(WbsTree&)> shape;
        WbsArrangement arrangement;
        std::wstring_view outline;
    };
    const Case cases[] = {
        {"WBS path: top elements in project order, siblings by seq_num then file order, GAMMA absent",
         [](WbsTree& t) { t.GroupOn(kWbsCode); t.SortBy(kWbsName, kSortDescending); }, WbsArrangement::wbs_path,
         L"W A*\n  W BLD*\n    W FND\n  W QA\n  W DES\nW B*\n  W SRV\nW D*\nW E*\n"},
        {"responsible manager: nodes by seq_num, each node's elements first, QA and SRV absent",
         [](WbsTree& t) { t.GroupOn(kWbsManager); t.SortBy(kWbsName); }, WbsArrangement::responsible_manager,
         L"G alpha\n  W A\n  G Design\n    W DES\n  G Civil\n    W BLD\n    W FND\n    W E\nG Zeta\n  W B\n  G Civil\n    W D\n"},
        {"value groups in order of first appearance, elements in file order",
         [](WbsTree& t) { t.GroupOn(kWbsStatus); }, WbsArrangement::value_groups,
         L"G Active\n  W A\n  W BLD\n  W B\nG Planned\n  W DES\n  W FND\n  W SRV\n  W D\n"
         L"G No Project Status\n  W QA\n  W E\n"},
        {"value groups keep their order; the sort list orders the elements inside",
         [](WbsTree& t) { t.GroupOn(kWbsStatus); t.SortBy(kWbsName); t.GroupOn(kWbsName); },
         WbsArrangement::value_groups,
         L"G Active\n  W A\n  W B\n  W BLD\nG Planned\n  W D\n  W DES\n  W FND\n  W SRV\n"
         L"G No Project Status\n  W E\n  W QA\n"},
        {"flat: every element in file order, the top elements included", [](WbsTree&) {}, WbsArrangement::flat,
         L"W A\nW DES\nW BLD\nW QA\nW FND\nW B\nW SRV\nW D\nW E\n"},
        {"flat, by the sort list", [](WbsTree& t) { t.SortBy(kWbsName, kSortDescending); }, WbsArrangement::flat,
         L"W SRV\nW QA\nW FND\nW E\nW DES\nW D\nW BLD\nW B\nW A\n"},
        {"an absent first entry is flat",
         [](WbsTree& t) { t.Order().group_bys.push_back(nullptr); t.GroupOn(kWbsCode); }, WbsArrangement::flat,
         L"W A\nW DES\nW BLD\nW QA\nW FND\nW B\nW SRV\nW D\nW E\n"},
        {"a column the catalogue lacks: an empty table", [](WbsTree& t) { t.GroupOn(kUnknownColumn); },
         WbsArrangement::unknown_column, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Order().group_bys.clear();
        Order().ClearSortBys();
        c.shape(*this);
        EXPECT_EQ(m_table.Arrangement(), c.arrangement);
        EXPECT_EQ(Build(), c.outline);
    }
}

TEST_F(WbsTree, CollapseAllListsTheTopRowsAndExpandAllRestoresEverything) {
    GroupOn(kWbsCode);
    Build();
    // Collapse B (row 5) so that SRV is hidden, then select it and a visible row.
    Row& b = Listed(5);
    b.expanded = false;
    Relist();
    Row& srv = *b.children.front();
    srv.selected = true;
    m_table.SelectRow(&Listed(1));

    m_table.CollapseAll();
    EXPECT_EQ(RecordOutline(m_table), L"W A*\nW B*\nW D*\nW E*\n");
    EXPECT_EQ(m_table.GetSelectedRow(), nullptr);
    EXPECT_TRUE(srv.selected) << "a hidden row keeps its flags";
    EXPECT_TRUE(Listed(3).expanded) << "E has no children and stays expanded";

    m_table.ExpandAll();
    EXPECT_EQ(RecordOutline(m_table), L"W A*\n  W BLD*\n    W FND\n  W QA\n  W DES\nW B*\n  W SRV\nW D*\nW E*\n");
    for (const Row* row : m_table.GetRowList().Rows()) {
        EXPECT_TRUE(row->expanded);
        EXPECT_FALSE(row->selected);
    }

    // Without a layout the tree goes with its list and nothing is built.
    m_table.SetLayout(nullptr);
    m_table.ExpandAll();
    EXPECT_TRUE(m_table.GetRowList().Empty());
    EXPECT_FALSE(m_table.HasTree());
    EXPECT_EQ(m_table.GetSelectedRow(), nullptr);
    m_table.CollapseAll();
    EXPECT_TRUE(m_table.GetRowList().Empty());
}

// A chain of WBS elements, each the only child of the one before, and a chain of OBS nodes,
// each responsible for the element at its depth.
class DeepChains : public testing_support::HandBuiltDocumentTest {
protected:
    static constexpr std::size_t kDepth = 100'000;
    void SetUp() override {
        HandBuiltDocumentTest::SetUp();
        ProjectRecord* project = testing_support::AddProject(doc, 1, L"DEEP");
        ProjWbsRecord* parent = nullptr;
        ObsRecord* parent_node = nullptr;
        for (std::size_t i = 0; i < kDepth; ++i) {
            ProjWbsRecord* wbs = doc.NewProjWbs();
            ObsRecord* node = doc.NewObs();
            wbs->project = project;
            wbs->obs = node;
            node->AddWbs(wbs);
            if (parent == nullptr) {
                project->root_wbs = wbs;
            } else {
                parent->AddChild(wbs);
                wbs->parent = parent;
                parent_node->AddChild(node);
                node->parent = parent_node;
            }
            parent = wbs;
            parent_node = node;
        }
        m_table.SetDocument(&doc);
        m_table.SetLayout(&m_layout);
    }
    void TearDown() override {
        m_table.DropTree();
        HandBuiltDocumentTest::TearDown();
    }

    WBSLayout m_layout;
    view::WBSTableView m_table;
};

TEST_F(DeepChains, StopAtTheModelsDepthBound) {
    struct Case { const char* name; std::int32_t group_by; std::size_t rows; std::int32_t deepest; };  // group_by 0: none
    const Case cases[] = {
        {"WBS path: the top element and 100 levels below it", kWbsCode, kMaxWbsDepth + 1, kMaxWbsDepth + 1},
        {"OBS: a group per node down to the same depth, each with its element",
         kWbsManager, 2 * (kMaxWbsDepth + 1), kMaxWbsDepth + 2},
        {"flat: every element", 0, kDepth, 1},
        {"value groups: every element", kWbsName, kDepth + 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_layout.GetGroupSortBy()->group_bys.clear();
        if (c.group_by != 0) m_layout.GetGroupSortBy()->AddGroupBy(c.group_by);
        m_table.DropTree();
        m_table.Update();
        EXPECT_EQ(m_table.GetRowList().Size(), c.rows);
        EXPECT_EQ(m_table.GetRowList().GetDeepestLevel(), c.deepest);
        m_table.CollapseAll();
        m_table.ExpandAll();
        EXPECT_EQ(m_table.GetRowList().Size(), c.rows);
    }
}

}  // namespace
}  // namespace varnholt::testing_grid
