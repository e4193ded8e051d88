// tables_clipboard_acceptance.cpp - every category's table shown, grouped and listed; a sort
// by a header click; the table and its chart scrolled together by keys; Ctrl+C and the copy
// command putting the table's text on the clipboard; the collapse and expand commands.

#include "acceptance_support.h"
#include "layouts/Layout.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"

#include <wx/uiaction.h>

#include <vector>

namespace varnholt::acceptance {
namespace {

using testing_app::WaitUntil;

using TablesAndClipboard = AcceptanceTest;

struct CategoryShown {
    int page;
    const char* name;  // a value the table must show
    bool has_chart;
    bool copies;       // the OBS and role tables have no text to copy
};

constexpr CategoryShown kCategories[] = {
    {kActivitiesTabPage, "Design", true, true},   {kWbsTabPage, "Civil Works", true, true},
    {kProjectsTabPage, "ACTIVE-1", true, true},   {kResourcesTabPage, "Concrete Crew", false, true},
    {kObsTabPage, "Site Management", false, false}, {kRolesTabPage, "Engineer", false, false},
};

TEST_F(TablesAndClipboard, EveryCategoryShowsItsTableAndCopiesItsText) {
    CMainFrame& frame = StartWith("acceptance.xer");
    for (const CategoryShown& category : kCategories) {
        SCOPED_TRACE(category.name);
        frame.SwitchToPage(category.page);
        Settle();
        VarnholtView& table = *frame.GetTablePane();
        ASSERT_NE(table.GetContentView(), nullptr);
        EXPECT_EQ(table.GetContentView(), frame.GetContentViews().Table(frame.GetActiveCategory()));
        const std::string drawing = Drawing(table);
        EXPECT_NE(drawing.find(category.name), std::string::npos) << drawing;
        EXPECT_EQ(frame.GetCurrentGanttView() != nullptr, category.has_chart);

        SeedClipboard("seed");
        ASSERT_TRUE(Focus(table));
        wxUIActionSimulator keys;
        keys.Char('c', wxMOD_CONTROL);
        if (category.copies) {
            ASSERT_TRUE(WaitUntil([] { return ClipboardText() != "seed"; }));
            EXPECT_EQ(ClipboardText().ToStdWstring(), table.GetContentView()->GetText());
            EXPECT_NE(ClipboardText().Find(category.name), wxNOT_FOUND);
        } else {
            Settle();
            EXPECT_EQ(ClipboardText(), "seed");
        }
    }
}

TEST_F(TablesAndClipboard, ActivitiesAreGroupedByWbsAndAHeaderClickSortsThem) {
    CMainFrame& frame = StartWith("acceptance.xer");
    frame.SwitchToPage(kActivitiesTabPage);
    Settle();
    view::View& table = *frame.GetContentViews().activity_table;
    // The four activities lie under group rows of their WBS.
    std::size_t activities = 0;
    bool grouped = false;
    for (const view::Row* row : table.GetRowList().Rows()) {
        grouped = grouped || row->IsGroupRow();
        activities += row->GetActivity() != nullptr ? 1 : 0;
    }
    EXPECT_TRUE(grouped);
    EXPECT_EQ(activities, 4u);

    auto first_activity = [&] {
        for (const view::Row* row : table.GetRowList().Rows())
            if (row->GetActivity() != nullptr) return row->GetActivity();
        return static_cast<const TaskRecord*>(nullptr);
    };
    // The header of the second column, pressed twice: the order turns round.
    VarnholtView& pane = *frame.GetTablePane();
    (void)Drawing(pane);
    const view::LayoutColumn* first = table.GetLayout()->GetColumn(0);
    const view::LayoutColumn* second = table.GetLayout()->GetColumn(1);
    ASSERT_NE(second, nullptr);
    const wxPoint header(static_cast<int>((first->width + second->width / 2) * view::DisplayScale()),
                         static_cast<int>(table.GetHeaderHeight() / 2));
    Click(pane, header);
    Settle();
    const TaskRecord* after_one = first_activity();
    Click(pane, header);
    Settle();
    const TaskRecord* after_two = first_activity();
    ASSERT_NE(after_one, nullptr);
    EXPECT_NE(after_one, after_two) << "a second press sorts the other way";
}

TEST_F(TablesAndClipboard, KeysScrollTheTableAndItsChartTogether) {
    CMainFrame& frame = StartWith("large.xer");
    frame.SwitchToPage(kActivitiesTabPage);
    Settle();
    VarnholtView& table = *frame.GetTablePane();
    VarnholtView& chart = *frame.GetGanttPane();
    (void)Drawing(table);
    ASSERT_GT(table.Host().RangeY(), table.Host().ClientHeight());
    ASSERT_TRUE(Focus(table));
    wxUIActionSimulator keys;
    keys.Char(WXK_PAGEDOWN);
    ASSERT_TRUE(WaitUntil([&] { return table.Host().ScrollY() > 0; }));
    keys.Char(WXK_DOWN);
    Settle();
    EXPECT_EQ(chart.Host().ScrollY(), table.Host().ScrollY());
    EXPECT_EQ(chart.GetScrollPos(wxVERTICAL), table.GetScrollPos(wxVERTICAL));

    // The copy command gives the same text as the key.
    SeedClipboard("seed");
    Post(frame, ID_COPY_TABLE_FIRST);
    EXPECT_EQ(ClipboardText().ToStdWstring(), table.GetContentView()->GetText());
}

TEST_F(TablesAndClipboard, CollapseAndExpandAllChangeTheListedRows) {
    CMainFrame& frame = StartWith("acceptance.xer");
    struct Commands {
        int page, collapse, expand;
    };
    for (const Commands& c : {Commands{kActivitiesTabPage, IDC_BUTTON_ACT_COLL_ALL, IDC_BUTTON_ACT_EXP_ALL},
                              Commands{kWbsTabPage, IDC_BUTTON_WBS_COLL_ALL, IDC_BUTTON_WBS_EXP_ALL},
                              Commands{kObsTabPage, IDC_BUTTON_OBS_COLL_ALL, IDC_BUTTON_OBS_EXP_ALL}}) {
        SCOPED_TRACE(c.page);
        frame.SwitchToPage(c.page);
        Settle();
        view::View& table = *frame.GetContentViews().Table(frame.GetActiveCategory());
        const std::size_t all = table.GetRowList().Size();
        Post(frame, c.collapse);
        const std::size_t collapsed = table.GetRowList().Size();
        EXPECT_LT(collapsed, all);
        EXPECT_GE(collapsed, 1u);
        Post(frame, c.expand);
        EXPECT_EQ(table.GetRowList().Size(), all);
    }
}

}  // namespace
}  // namespace varnholt::acceptance

int main(int argc, char** argv) { return varnholt::acceptance::RunAcceptanceTests(argc, argv); }
