// gantt_details_acceptance.cpp - the chart under every timescale entry, relationship lines on
// and off, and every detail tab of every category with a row selected. The same program makes
// the README's picture of the main window when VARNHOLT_SCREENSHOT names a file (see
// scripts/screenshot); in a test run that test is skipped.

#include "acceptance_support.h"
#include "app/CVarnSplitterWnd.h"
#include "rows/Row.h"
#include "views/core/RowList.h"
#include "views/details/DetailView.h"

#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <set>

namespace varnholt::acceptance {
namespace {

using testing_app::WaitUntil;

using GanttAndDetails = AcceptanceTest;

// Opens the details pane when it is closed, with the category's own toggle.
void OpenDetails(CMainFrame& frame, int toggle) {
    // A hidden pane may still report the size it had.
    const auto open = [&frame] { return frame.GetOuterSplitter()->SecondPaneExtent() > 0; };
    if (open()) return;
    wxQueueEvent(&frame, new wxCommandEvent(wxEVT_MENU, toggle));
    EXPECT_TRUE(WaitUntil(open));
}

TEST_F(GanttAndDetails, EveryTimescaleEntryRedrawsTheChartAndRelationshipLinesToggle) {
    CMainFrame& frame = StartWith("acceptance.xer");
    frame.SwitchToPage(kActivitiesTabPage);
    AcceptanceTest::Settle();
    auto* combo = dynamic_cast<wxChoice*>(frame.FindWindow(IDC_COMBO_ACT_TIMESCALE));
    ASSERT_NE(combo, nullptr);
    ASSERT_GE(combo->GetCount(), 2u);
    VarnholtView& chart = *frame.GetGanttPane();
    std::set<std::string> drawings;
    for (unsigned entry = 0; entry < combo->GetCount(); ++entry) {
        combo->SetSelection(static_cast<int>(entry));
        Post(frame, IDC_COMBO_ACT_TIMESCALE, static_cast<int>(entry));
        drawings.insert(Drawing(chart));
    }
    EXPECT_EQ(drawings.size(), combo->GetCount()) << "each entry draws another timescale";

    // Relationship lines over the large schedule, where they join many bars.
    ASSERT_TRUE(frame.OpenFile(FixturePath("large.xer")));
    Settle();
    const bool shown = frame.GetCurrentGanttView()->GetShowRelationships();
    const std::string with_lines = Drawing(chart);
    Post(frame, IDC_BUTTON_ACT_REL);
    EXPECT_NE(frame.GetCurrentGanttView()->GetShowRelationships(), shown);
    const std::string without = Drawing(chart);
    EXPECT_NE(with_lines, without);
    Post(frame, IDC_BUTTON_ACT_REL);
    EXPECT_EQ(Drawing(chart), with_lines) << "a second press brings the lines back";
}

struct DetailCase {
    int page;
    int details_toggle;
    const char* selected;  // the name of the row to select
};

// The middle of the cell where the pane draws a text holding `name`; wxDefaultPosition when
// it draws none. Recorded text lines read: text X,Y clip L,T R,B COLOR FONT "TEXT".
wxPoint WhereDrawn(VarnholtView& pane, const std::string& name) {
    std::istringstream lines(AcceptanceTest::Drawing(pane));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("text ", 0) != 0 || line.find('"' + name) == std::string::npos) continue;
        int x = 0, y = 0, left = 0, top = 0, right = 0, bottom = 0;
        if (std::sscanf(line.c_str(), "text %d,%d clip %d,%d %d,%d", &x, &y, &left, &top, &right, &bottom) != 6) continue;
        return {(left + right) / 2, (top + bottom) / 2};
    }
    return wxDefaultPosition;
}

// Selects the row whose drawing shows the name, then presses each tab of the details pane.
void WalkTabs(CMainFrame& frame, const DetailCase& c) {
    frame.SwitchToPage(c.page);
    AcceptanceTest::Settle();
    OpenDetails(frame, c.details_toggle);
    VarnholtView& table = *frame.GetTablePane();
    view::View& content = *table.GetContentView();
    // Clicked where the table draws the name, as a user finds it.
    const wxPoint at = WhereDrawn(table, c.selected);
    ASSERT_NE(at, wxDefaultPosition) << "the table shows " << c.selected;
    AcceptanceTest::Click(table, at);
    AcceptanceTest::Settle();
    ASSERT_NE(content.GetSelectedRow(), nullptr);

    VarnholtView& details = *frame.GetDetailsPane();
    auto* detail = dynamic_cast<view::DetailView*>(details.GetContentView());
    ASSERT_NE(detail, nullptr);
    const std::vector<std::wstring> titles = detail->GetTabTitles();
    ASSERT_FALSE(titles.empty());
    for (std::size_t tab = 0; tab < titles.size(); ++tab) {
        SCOPED_TRACE(wxString(titles[tab]).utf8_string());
        (void)AcceptanceTest::Drawing(details);  // lays the tabs out
        const view::RectF rect = detail->GetTabRects().at(tab);
        AcceptanceTest::Click(details, wxPoint(static_cast<int>(rect.x + rect.width / 2), static_cast<int>(rect.y + rect.height / 2)));
        AcceptanceTest::Settle();
        EXPECT_EQ(detail->GetCurrentTab(), titles[tab]);
        const std::string drawing = AcceptanceTest::Drawing(details);
        EXPECT_NE(drawing.find(wxString(titles[tab]).utf8_string()), std::string::npos);
        for (VarnholtView* sub : {details.first_sub_view, details.second_sub_view}) {
            if (sub == nullptr || !sub->IsShown() || sub->GetContentView() == nullptr) continue;
            (void)AcceptanceTest::Drawing(*sub);
        }
    }
}

TEST_F(GanttAndDetails, EveryDetailTabOfEveryCategoryShowsTheSelectedRecord) {
    CMainFrame& frame = StartWith("acceptance.xer");
    ContentViews& views = frame.GetContentViews();

    WalkTabs(frame, {kActivitiesTabPage, IDC_BUTTON_ACT_DETAILS, "Design"});
    EXPECT_EQ(views.activity_steps->GetRowList().Size(), 2u) << "steps weighted 1 and 3";
    EXPECT_EQ(views.task_memos->GetRowList().Size(), 1u);
    EXPECT_EQ(views.activity_codes->GetRowList().Size(), 1u);
    EXPECT_EQ(views.successors->GetRowList().Size(), 1u);
    EXPECT_EQ(views.predecessors->GetRowList().Size(), 0u);

    WalkTabs(frame, {kResourcesTabPage, IDC_BUTTON_RES_DETAILS, "Concrete Crew"});
    WalkTabs(frame, {kRolesTabPage, IDC_BUTTON_ROL_DETAILS, "Engineer"});
    EXPECT_EQ(views.role_rates->GetRowList().Size(), 5u) << "the rate's five prices";
    EXPECT_EQ(views.role_resources->GetRowList().Size(), 1u);
    WalkTabs(frame, {kProjectsTabPage, IDC_BUTTON_PROJ_DETAILS, "ACTIVE-1"});
    WalkTabs(frame, {kWbsTabPage, IDC_BUTTON_WBS_DETAILS, "Civil Works"});
}

// The README's picture: the large schedule at 1280 x 800, activities grouped by WBS, the chart
// beside them and the details pane on its first tab.
TEST_F(GanttAndDetails, Screenshot) {
    const char* output = std::getenv("VARNHOLT_SCREENSHOT");
    if (output == nullptr || *output == '\0') GTEST_SKIP() << "only for scripts/screenshot";
    CMainFrame& frame = StartWith("large.xer");
    frame.SetSize(0, 0, 1280, 800);
    frame.SwitchToPage(kActivitiesTabPage);
    OpenDetails(frame, IDC_BUTTON_ACT_DETAILS);
    ASSERT_TRUE(WaitUntil([&] { return frame.GetSize() == wxSize(1280, 800); }));
    if (view::Row* row = FirstRecordRow(*frame.GetTablePane())) ClickRow(*frame.GetTablePane(), *row);
    AcceptanceTest::Settle();
    frame.Raise();
    AcceptanceTest::Settle();

    const wxRect rect = frame.GetScreenRect();
    wxBitmap picture(rect.width, rect.height, 24);
    {
        wxScreenDC screen;
        wxMemoryDC memory(picture);
        memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
    }
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    ASSERT_TRUE(picture.ConvertToImage().SaveFile(wxString::FromUTF8(output), wxBITMAP_TYPE_PNG));
}

}  // namespace
}  // namespace varnholt::acceptance

int main(int argc, char** argv) { return varnholt::acceptance::RunAcceptanceTests(argc, argv); }
