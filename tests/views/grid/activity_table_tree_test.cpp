// The activity table's row tree: filtering, grouping, ordering, listing, expanding and
// collapsing, and the copied text.

#include "activity_table_fixture.h"

#include <functional>

namespace varnholt::testing_grid {
namespace {

using view::Row;

struct OutlineCase { const char* name; std::function<void(ActivityTableTest&)> shape; std::wstring_view outline; };

class ActivityTableTree : public ActivityTableTest {
public:
    void SortByIds() { Grouping().AddSortBy(kActivityId, kSortAscending); }
};

TEST_F(ActivityTableTree, OutlinesFollowTheLayout) {
    const OutlineCase cases[] = {
        {"ungrouped without sort keys, in file order", [](auto& t) { t.FilterIdsStartingWith(L"A"); },
         L"1 A A1010\n1 A A1000\n1 A A1030\n1 A A1020\n"},
        {"by primary resource: by sequence, no resource last, SURVEYOR's only activity filtered out",
         [](auto& t) {
             static_cast<ActivityTableTree&>(t).SortByIds();
             t.FilterIdsStartingWith(L"A");
             t.GroupByColumn(kPrimaryResourceField);
         },
         L"1 G WELDER.Welder\n1 A A1010\n1 G CREW.Crew\n1 A A1000\n1 A A1020\n1 G SURVEYOR.Surveyor\n1 G No primary Resource\n1 A A1030\n"},
        {"WBS path: every element a group, activities first, then children by seq_num",
         [](auto& t) {
             static_cast<ActivityTableTree&>(t).SortByIds();
             t.FilterIdsStartingWith(L"A");
             t.GroupByColumn(kWbsColumn, true);
         },
         L"1 G A\n1 A A1030\n2 G A.BLD\n2 A A1010\n3 G A.BLD.FND\n3 A A1020\n2 G A.DES\n2 A A1000\n1 G B\n2 G B.SRV\n"},
        {"WBS without include_all groups like a field",
         [](auto& t) {
             t.FilterIdsStartingWith(L"A");
             t.GroupByColumn(kWbsColumn, false);
         },
         L"1 G A\n1 A A1030\n1 G A.BLD\n1 A A1010\n1 G A.BLD.FND\n1 A A1020\n1 G A.DES\n1 A A1000\n1 G B\n1 G B.SRV\n"},
        {"an unknown group-by column lists the table flat",
         [](auto& t) {
             static_cast<ActivityTableTree&>(t).SortByIds();
             t.GroupByColumn(100099);
         },
         L"1 A A1000\n1 A A1010\n1 A A1020\n1 A A1030\n1 A B2000\n1 A B2010\n"},
        {"an unknown second level leaves the first level's groups holding activities",
         [](auto& t) {
             static_cast<ActivityTableTree&>(t).SortByIds();
             t.FilterIdsStartingWith(L"B");
             t.GroupByColumn(kPhaseCode);
             t.GroupByColumn(599999);
         },
         L"1 G Planning\n1 A B2000\n1 G Execution\n1 G No Phase\n1 G No Phase\n1 A B2010\n"},
    };
    for (const OutlineCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_layout.SetFilter(nullptr);
        Grouping().group_bys.clear();
        Grouping().ClearSortBys();
        c.shape(*this);
        EXPECT_EQ(Build(), c.outline);
    }
}

TEST_F(ActivityTableTree, CopiedTextIsTheVisibleTable) {
    auto any = std::make_unique<FilterSelection>(kMatchAny);
    any->AddFilter(&TextFilter(kActivityId, FilterOperator::equal, L"A1000"));
    any->AddFilter(&TextFilter(kActivityId, FilterOperator::equal, L"A1010"));
    m_layout.SetFilter(std::move(any));
    Grouping().AddSortBy(kActivityId, kSortAscending);
    Build();
    EXPECT_EQ(m_table.GetText(), L"Activity ID\tActivity Name\t\nA1000\tDesign\nA1010\tBuild");

    // A group line starts with the title and shows the group's summaries.
    FilterIdsStartingWith(L"A");
    SetColumns({{kActivityId, 80.0f}, {213, 80.0f}});
    GroupByColumn(kPrimaryResourceField);
    Build();
    EXPECT_EQ(m_table.GetText(),
              L"Activity ID\tGroup Name\t\nWELDER.Welder\tWELDER.Welder\nA1010\t\nCREW.Crew\tCREW.Crew\nA1000\t\nA1020\t\nSURVEYOR.Surveyor\tSURVEYOR.Surveyor\n"
              L"No primary Resource\tNo primary Resource\nA1030\t");

    m_table.SetLayout(nullptr);
    EXPECT_EQ(m_table.GetText(), L"");
}

TEST_F(ActivityTableTree, CollapseAndExpandAll) {
    GroupByColumn(kPrimaryResourceField);
    GroupByColumn(kPhaseCode);
    Build();
    // Hide CREW's two phase groups after collapsing the first of them.
    Row& crew = Listed(3);
    ASSERT_TRUE(crew.IsGroupRow());
    Row& planning = Listed(4);
    planning.expanded = false;
    m_table.SelectRow(&Listed(2));
    crew.expanded = false;
    m_table.Update();

    m_table.CollapseAll();
    EXPECT_EQ(Outline(m_table), L"1 G WELDER.Welder\n1 G CREW.Crew\n1 G SURVEYOR.Surveyor\n1 G No primary Resource\n");
    EXPECT_EQ(m_table.GetSelectedRow(), nullptr);
    EXPECT_FALSE(planning.expanded);
    EXPECT_TRUE(crew.children[1]->expanded) << "a hidden subgroup keeps its flag";

    m_table.SelectRow(&Listed(0));
    m_table.ExpandAll();
    EXPECT_EQ(m_table.GetSelectedRow(), nullptr);
    for (const Row* row : m_table.GetRowList().Rows()) EXPECT_TRUE(row->expanded);
    EXPECT_EQ(m_table.GetRowList().Size(), 16u);
}

// The selection is kept, not searched: it answers only a row that is listed and selected,
// wherever a re-list has moved it, and never a freed one (runs clean under ASan).
TEST_F(ActivityTableTree, TheKeptSelectionAnswersOnlyAListedSelectedRow) {
    SortByIds();
    FilterIdsStartingWith(L"A");
    GroupByColumn(kPrimaryResourceField);
    ASSERT_EQ(Build(), L"1 G WELDER.Welder\n1 A A1010\n1 G CREW.Crew\n1 A A1000\n1 A A1020\n1 G SURVEYOR.Surveyor\n"
                       L"1 G No primary Resource\n1 A A1030\n");
    Row& crew = Listed(2);
    Row& a1020 = Listed(4);
    Row& a1030 = Listed(7);

    m_table.SelectRow(&a1030);
    crew.expanded = false;
    m_table.Update();
    EXPECT_EQ(m_table.GetSelectedRow(), &a1030) << "moved up by the collapse, still listed";

    m_table.SelectRow(&a1020);
    EXPECT_FALSE(a1030.selected);
    EXPECT_EQ(m_table.GetSelectedRow(), nullptr) << "hidden under the collapsed group";
    crew.expanded = true;
    m_table.Update();
    EXPECT_EQ(m_table.GetSelectedRow(), &a1020) << "listed again, selected again";

    m_table.DropTree();
    EXPECT_EQ(m_table.GetSelectedRow(), nullptr);
    m_table.Update();
    EXPECT_EQ(m_table.GetSelectedRow(), nullptr) << "a new tree starts without a selection";
    m_table.SelectRow(&Listed(1));
    m_table.SelectRow(nullptr);
    EXPECT_EQ(m_table.GetSelectedRow(), nullptr);
    EXPECT_FALSE(Listed(1).selected);
}

TEST_F(ActivityTableTree, DroppedTreesLeaveNoListedRows) {
    const TaskRecord* first = m_document.Tasks().front().get();
    // ExpandAll without a layout, and the frame's reset, each drop the tree with its list.
    for (const char* step : {"expand all without a layout", "reset"}) {
        SCOPED_TRACE(step);
        m_table.SetLayout(&m_layout);
        Build();
        m_table.SelectRow(&Listed(0));
        ASSERT_NE(m_table.GetRowList().FindActivityRow(first), nullptr);
        m_table.SetLayout(nullptr);
        if (std::string_view(step) == "reset") {
            m_table.DropTree();
        } else {
            m_table.ExpandAll();
        }
        EXPECT_EQ(m_table.GetRowList().Size(), 0u);
        EXPECT_EQ(m_table.GetSelectedRow(), nullptr);
        EXPECT_EQ(m_table.GetRowList().FindActivityRow(first), nullptr);
        m_table.CollapseAll();
        EXPECT_EQ(m_table.GetHeight(), m_table.GetHeaderHeight());
    }
}

}  // namespace
}  // namespace varnholt::testing_grid
