// commands_gui_test.cpp - the ribbon's commands in the running program over an open schedule:
// the pane toggles with their pressed states, one find dialog at a time, the filter's OK and
// Cancel, the layout and timescale selectors and the zoom slider, the selectors before any
// file, the calendars of a workbook, Go to, relationship lines, expand and collapse, copying
// the table as text, the buttons of folded panels in a narrow window and the folded panels'
// pictures.

#include "../shell/every_category_schedule.h"
#include "app/CVarnSplitterWnd.h"
#include "app/VarnholtView.h"
#include "app/dialogs/ActivityFiltersDialog.h"
#include "app/ribbon/FoldedPanels.h"
#include "app/ribbon/MainRibbon.h"
#include "app/ribbon/RibbonGlyphs.h"
#include "app_gui_support.h"
#include "folded_panels_support.h"
#include "gui_input.h"
#include "layouts/Layout.h"
#include "layouts/layout_records.h"
#include "model/s_date.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "screen_pixels.h"
#include "shell/command_ids.h"
#include "shell/command_rules.h"
#include "shell/go_to_date.h"
#include "shell/timescale_choices.h"
#include "views/core/RowList.h"
#include "views/details/DetailView.h"

#include <wx/bmpbuttn.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/ribbon/art.h>
#include <wx/ribbon/bar.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>
#include <wx/slider.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace varnholt {
namespace {

using testing_app::WaitUntil;
using namespace testing_app;  // the narrow window's helpers

struct Answer {
    bool enabled = false;
    bool checked = false;
};

class CommandsTest : public testing_app::ActivitiesPageTest {
protected:
    // A command as the ribbon sends it.
    static void Post(CMainFrame& frame, int id, int value = 0) {
        wxCommandEvent command(wxEVT_MENU, id);
        command.SetInt(value);
        frame.GetEventHandler()->ProcessEvent(command);
        Settle(frame);
    }
    // What the frame answers the ribbon's update request for the id.
    static Answer Ask(CMainFrame& frame, int id) {
        wxUpdateUIEvent update(id);
        (void)frame.GetEventHandler()->ProcessEvent(update);
        return {update.GetSetEnabled() && update.GetEnabled(), update.GetSetChecked() && update.GetChecked()};
    }
    template <class Control>
    static Control& Find(CMainFrame& frame, int id) {
        auto* control = dynamic_cast<Control*>(frame.FindWindow(id));
        EXPECT_NE(control, nullptr) << id;
        return *control;
    }
    static view::Row* FirstRecordRow(const view::View& table) {
        for (view::Row* row : table.GetRowList().Rows()) {
            if (!row->IsGroupRow() && row->level > 0) return row;
        }
        return nullptr;
    }
};

// What the user sees of a pane: shown, with room inside it.
bool OnScreen(const wxWindow& pane) {
    const wxSize size = pane.GetClientSize();
    return pane.IsShownOnScreen() && size.x > 0 && size.y > 0;
}

TEST_F(CommandsTest, DetailsAndGanttTogglesShowAndHideTheirPanes) {
    CMainFrame& frame = Open();
    const VarnholtView& details = *frame.GetDetailsPane();
    const VarnholtView& gantt = *frame.GetGanttPane();
    // Whatever size the user gives the window, each pane stays as it was and its buttons say so.
    const auto expect_panes = [&](bool details_shown, bool gantt_shown) {
        for (const wxSize size : {wxSize(1200, 1000), wxSize(1200, 800), wxSize(1280, 800), wxSize(700, 640)}) {
            SCOPED_TRACE(testing::Message() << size.x << " x " << size.y);
            ResizeFrame(frame, size);
            EXPECT_EQ(OnScreen(details), details_shown);
            EXPECT_EQ(Ask(frame, IDC_BUTTON_ACT_DETAILS).checked, details_shown);
            EXPECT_EQ(Ask(frame, IDC_BUTTON_ROL_DETAILS).checked, details_shown) << "the six buttons share the pane";
            EXPECT_EQ(OnScreen(gantt), gantt_shown);
            EXPECT_EQ(Ask(frame, IDC_BUTTON_WBS_GANTT).checked, gantt_shown);
        }
        ResizeFrame(frame, wxSize(1200, 800));
    };
    ResizeFrame(frame, wxSize(1200, 800));
    expect_panes(false, true);

    Post(frame, IDC_BUTTON_ACT_DETAILS);
    EXPECT_EQ(frame.GetOuterSplitter()->GetSashPosition(), frame.GetClientSize().y - 500);
    expect_panes(true, true);
    Post(frame, IDC_BUTTON_ACT_DETAILS);
    Post(frame, IDC_BUTTON_ACT_GANTT);
    expect_panes(false, false);
    frame.SwitchToPage(kResourcesTabPage);
    frame.SwitchToPage(kActivitiesTabPage);
    Settle(frame);
    EXPECT_FALSE(OnScreen(gantt)) << "a category switch keeps the chart the user hid";
    Post(frame, IDC_BUTTON_ACT_GANTT);
    ASSERT_TRUE(OnScreen(gantt));
    EXPECT_EQ(frame.GetInnerSplitter()->GetSashPosition(), 600);

    // In a window less than 500 high the details pane takes the height below the ribbon, but
    // for what the table keeps: its header and a few rows.
    ResizeFrame(frame, wxSize(1200, 460));
    Post(frame, IDC_BUTTON_ACT_DETAILS);
    const int table_keeps = frame.GetOuterSplitter()->GetMinimumPaneSize();
    EXPECT_TRUE(WaitUntil([&] { return frame.GetOuterSplitter()->GetSashPosition() == table_keeps; }));
    EXPECT_TRUE(OnScreen(details));
    EXPECT_TRUE(OnScreen(*frame.GetTablePane()));
}

TEST_F(CommandsTest, OneFindDialogAtATimeClosedByACategorySwitch) {
    CMainFrame& frame = Open();
    EXPECT_FALSE(Ask(frame, IDC_BUTTON_FIND).checked);
    Post(frame, IDC_BUTTON_FIND);
    wxWindow* dialog = frame.GetFindDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->IsShown());
    Post(frame, IDC_BUTTON_FIND);
    EXPECT_EQ(frame.GetFindDialog(), dialog) << "the second Find does nothing";
    const auto dialogs = std::ranges::count_if(frame.GetChildren(), [](const wxWindow* child) {
        return dynamic_cast<const wxDialog*>(child) != nullptr && !child->IsBeingDeleted();
    });
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(Ask(frame, IDC_BUTTON_FIND).checked);

    frame.SwitchToPage(kWbsTabPage);
    EXPECT_EQ(frame.GetFindDialog(), nullptr);
    EXPECT_FALSE(Ask(frame, IDC_BUTTON_FIND).checked);
}

TEST_F(CommandsTest, FilterOkListsTheRowsAnewCancelKeepsThem) {
    CMainFrame& frame = Open();
    view::ActivityTableView& table = *frame.GetContentViews().activity_table;
    view::Row* row = FirstRecordRow(table);
    ASSERT_NE(row, nullptr);
    table.SelectRow(row);
    const view::Row* first = table.GetRowList().Rows().front();
    EXPECT_TRUE(Ask(frame, IDC_BUTTON_ACT_FILTER).enabled);

    m_hook.answer = wxID_CANCEL;
    Post(frame, IDC_BUTTON_ACT_FILTER);
    EXPECT_EQ(table.GetRowList().Rows().front(), first) << "Cancel keeps the tree";
    EXPECT_EQ(table.GetSelectedRow(), row);

    m_hook.answer = wxID_OK;
    Post(frame, IDC_BUTTON_ACT_FILTER);
    Settle(frame);
    EXPECT_EQ(table.GetSelectedRow(), nullptr) << "a new tree";
    EXPECT_NE(table.GetRowList().Rows().front(), first);
    EXPECT_FALSE(table.GetRowList().Empty());

    frame.SwitchToPage(kWbsTabPage);
    EXPECT_FALSE(Ask(frame, IDC_BUTTON_ACT_FILTER).enabled) << "filters belong to Activities";
}

TEST_F(CommandsTest, TheLayoutComboChangesTheTablesLayout) {
    CMainFrame& frame = Open();
    LayoutStore& store = *frame.GetLayoutStore();
    view::ActivityTableView& table = *frame.GetContentViews().activity_table;
    auto& combo = Find<wxChoice>(frame, IDC_COMBO_ACTIVITY_LAYOUT);
    ASSERT_EQ(combo.GetCount(), store.ActivityLayouts().size());
    ASSERT_GE(combo.GetCount(), 2u);
    const wxString current = store.CurrentActivityLayoutName();
    ASSERT_EQ(combo.GetStringSelection(), current);

    view::Row* row = FirstRecordRow(table);
    ASSERT_NE(row, nullptr);
    table.SelectRow(row);
    Post(frame, IDC_COMBO_ACTIVITY_LAYOUT, combo.GetSelection());
    EXPECT_EQ(table.GetSelectedRow(), row) << "the current layout again keeps the rows";

    const int other = combo.GetSelection() == 0 ? 1 : 0;
    combo.SetSelection(other);
    Post(frame, IDC_COMBO_ACTIVITY_LAYOUT, other);
    EXPECT_EQ(store.CurrentActivityLayoutName(), combo.GetString(static_cast<unsigned>(other)));
    EXPECT_EQ(table.GetLayout(), store.GetCurrentActivityLayout());
    EXPECT_EQ(frame.GetContentViews().activity_gantt->GetLayout(), store.GetCurrentActivityLayout());
    EXPECT_EQ(table.GetSelectedRow(), nullptr) << "rows listed anew";
    EXPECT_EQ(combo.GetStringSelection(), store.CurrentActivityLayoutName()) << "refilled";
}

TEST_F(CommandsTest, TimescaleChoiceAndZoomSliderChangeTheCurrentLayout) {
    CMainFrame& frame = Open();
    view::Layout& layout = *frame.GetLayoutStore()->GetCurrentActivityLayout();
    TimescaleSettings& timescale = *layout.GetTimescale();
    view::GanttView& gantt = *frame.GetContentViews().activity_gantt;
    auto& combo = Find<wxChoice>(frame, IDC_COMBO_ACT_TIMESCALE);
    ASSERT_EQ(combo.GetCount(), 7u);

    combo.SetSelection(0);
    Post(frame, IDC_COMBO_ACT_TIMESCALE, 0);
    EXPECT_EQ(timescale.unit, 1);
    const std::size_t cells = gantt.Timescale().LowerTierDates().size();
    combo.SetSelection(6);
    Post(frame, IDC_COMBO_ACT_TIMESCALE, 6);
    EXPECT_EQ(timescale.unit, 8);
    EXPECT_NE(gantt.Timescale().LowerTierDates().size(), cells) << "the chart's cells follow the unit";

    const float screen_scale = view::DisplayScale();
    view::DisplayScale() = 1.25f;
    timescale.cell_width = 50.0f;
    frame.ShowActivities();
    auto& slider = Find<wxSlider>(frame, IDC_SLIDER_ACT_TIMESCALE);
    EXPECT_EQ(slider.GetValue(), 62);
    EXPECT_EQ(combo.GetSelection(), 6) << "unit 8 is the seventh entry";
    slider.SetValue(100);
    Post(frame, IDC_SLIDER_ACT_TIMESCALE, 100);
    EXPECT_FLOAT_EQ(timescale.cell_width, 80.0f);
    view::DisplayScale() = screen_scale;
}

TEST_F(CommandsTest, BeforeAFileTheSelectorsAreEmptyAndAWorkbookHasNoCalendar) {
    ASSERT_TRUE(Start());
    CMainFrame& frame = *Frame();
    for (const int id : {IDC_COMBO_ACTIVITY_LAYOUT, IDC_COMBO_RES_LAYOUT, IDC_COMBO_ACT_TIMESCALE}) {
        EXPECT_EQ(Find<wxChoice>(frame, id).GetCount(), 0u) << id;
    }
    EXPECT_EQ(Find<wxSlider>(frame, IDC_SLIDER_ACT_TIMESCALE).GetValue(), 5) << "where it started";
    EXPECT_FALSE(Ask(frame, IDC_BUTTON_ACT_DETAILS).enabled);
    Post(frame, IDC_BUTTON_FIND);
    EXPECT_EQ(frame.GetFindDialog(), nullptr) << "nothing to search";
    Post(frame, IDC_BUTTON_ACT_EXP_ALL);  // nothing to expand, nothing happens

    ASSERT_TRUE(frame.OpenFile(VARNHOLT_XLS_FIXTURES "/export.xls"));
    Settle(frame);
    EXPECT_TRUE(Ask(frame, IDC_BUTTON_ACT_DETAILS).enabled);
    EXPECT_FALSE(Ask(frame, IDC_BUTTON_ACT_CALENDAR).enabled) << "a workbook has no calendars";
    EXPECT_FALSE(Ask(frame, IDC_BUTTON_RES_CALENDAR).enabled);
    EXPECT_GT(Find<wxChoice>(frame, IDC_COMBO_ACTIVITY_LAYOUT).GetCount(), 0u);
}

TEST_F(CommandsTest, CopyPutsTheTablesTextOnTheClipboard) {
    CMainFrame& frame = Open();
    const std::wstring text = frame.GetContentViews().activity_table->GetText();
    ASSERT_FALSE(text.empty());
    Post(frame, ID_COPY_TABLE_FIRST);
    wxTextDataObject data;
    {
        wxClipboardLocker locker;
        ASSERT_TRUE(!!locker);
        ASSERT_TRUE(wxTheClipboard->GetData(data));
    }
    EXPECT_EQ(data.GetText().ToStdWstring(), text);
    EXPECT_TRUE(Ask(frame, ID_COPY_TABLE_LAST).enabled);
}

TEST_F(CommandsTest, GoToRelationshipLinesExpandAndCollapse) {
    CMainFrame& frame = Open();
    view::ActivityTableView& table = *frame.GetContentViews().activity_table;
    view::GanttView& gantt = *frame.GetContentViews().activity_gantt;
    VarnholtView& chart = *frame.GetGanttPane();

    chart.Host().ScrollTo(7, 0);
    Post(frame, IDC_BUTTON_ACT_GOTO_ACT);
    EXPECT_EQ(chart.Host().ScrollX(), 7) << "no row selected: no scroll";
    view::Row* row = FirstRecordRow(table);
    ASSERT_NE(row, nullptr);
    table.SelectRow(row);
    const std::int64_t start = GoToDate(row, Category::activities);
    ASSERT_NE(start, 0);
    const std::int32_t wanted = GoToScrollX(gantt.DateToX(s_date::from_seconds(start))).value_or(-1);
    Post(frame, IDC_BUTTON_ACT_GOTO_ACT);
    EXPECT_EQ(chart.Host().ScrollX(), std::clamp(wanted, 0, std::max(chart.Host().RangeX(), 0)));

    const bool lines = gantt.GetShowRelationships();
    EXPECT_EQ(Ask(frame, IDC_BUTTON_ACT_REL).checked, lines);
    Post(frame, IDC_BUTTON_ACT_REL);
    EXPECT_EQ(gantt.GetShowRelationships(), !lines);
    EXPECT_EQ(Ask(frame, IDC_BUTTON_ACT_REL).checked, !lines);

    const std::size_t listed = table.GetRowList().Rows().size();
    Post(frame, IDC_BUTTON_ACT_COLL_ALL);
    EXPECT_LT(table.GetRowList().Rows().size(), listed);
    Post(frame, IDC_BUTTON_ACT_EXP_ALL);
    EXPECT_EQ(table.GetRowList().Rows().size(), listed);
}

struct ButtonLook {
    bool usable = false;   // a picture with the dark ink of usable buttons, not a faded one
    bool checked = false;  // a label on a ground that stands out from the plate round the picture
};

// A large button as the display shows it once idle time has brought the update requests' answers.
ButtonLook LookOf(wxRibbonButtonBar& buttons, int id) {
    wxTheApp->ProcessIdle();
    const wxImage picture = testing_gui::GrabSteady(&buttons);
    const wxRect item = buttons.GetItemRect(id);
    const int side = ribbon::kLargeGlyphSize;
    const wxRect glyph(item.x + (item.width - side) / 2, item.y + 2, side, side);
    const wxRect label(item.x + 2, item.y + side + 4, item.width - 4, item.height - side - 6);
    const double faded_ink = testing_gui::RelativeLuminance(wxColour(150, 150, 150));
    return {testing_gui::DarkestLuminanceIn(picture, glyph) < faded_ink,
            testing_gui::ContrastRatio(testing_gui::MeasureText(picture, label).ground,
                                       testing_gui::MeasureText(picture, glyph).ground) >= 3};
}

// A window too narrow for the Activities page's panels: their buttons, shown in pop-ups, are
// enabled and checked as the frame says, and a pop-up closes on Escape and after its command.
TEST_F(CommandsTest, AFoldedPanelsButtonsFollowTheFrameAndItsPopUpCloses) {
    ASSERT_TRUE(Start(VARNHOLT_XLS_FIXTURES "/export.xls"));
    CMainFrame& frame = *Frame();
    wxTheApp->ProcessIdle();  // the buttons take the frame's answers in the unfolded ribbon first
    ResizeFrame(frame, wxSize(std::max(600, frame.GetMinSize().x), 600));  // the least width grows with the text
    wxRibbonPanel* panes = nullptr;
    wxRibbonPanel* view = nullptr;
    wxRibbonPanel* calendar = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        panes = FoldedPanel(frame, "Panes");
        view = FoldedPanel(frame, "View");
        calendar = FoldedPanel(frame, "Calendar");
        return panes != nullptr && view != nullptr && calendar != nullptr;
    }));

    wxRibbonButtonBar* buttons = OpenPopUp(*panes);
    ASSERT_NE(buttons, nullptr);
    EXPECT_FALSE(LookOf(*buttons, IDC_BUTTON_ACT_DETAILS).checked);
    ASSERT_TRUE(ClickButton(*buttons, IDC_BUTTON_ACT_DETAILS));
    EXPECT_TRUE(PopUpClosed(*panes)) << "closed once Details has run";
    VarnholtView& details = *frame.GetDetailsPane();
    ASSERT_TRUE(WaitUntil([&details] { return details.IsShownOnScreen(); }));
    buttons = OpenPopUp(*panes);
    ASSERT_NE(buttons, nullptr);
    EXPECT_TRUE(LookOf(*buttons, IDC_BUTTON_ACT_DETAILS).checked);
    wxUIActionSimulator().Char(WXK_ESCAPE);
    EXPECT_TRUE(PopUpClosed(*panes)) << "closed by Escape";

    // Relationship lines switched from the pop-up: it shows the frame's answer each time.
    for (int click = 0; click < 2; ++click) {
        SCOPED_TRACE(click);
        buttons = OpenPopUp(*view);
        ASSERT_NE(buttons, nullptr);
        EXPECT_EQ(LookOf(*buttons, IDC_BUTTON_ACT_REL).checked, Ask(frame, IDC_BUTTON_ACT_REL).checked);
        EXPECT_EQ(LookOf(*buttons, IDC_BUTTON_ACT_GOTO_ACT).usable, Ask(frame, IDC_BUTTON_ACT_GOTO_ACT).enabled);
        ASSERT_TRUE(ClickButton(*buttons, IDC_BUTTON_ACT_REL));
        EXPECT_TRUE(PopUpClosed(*view));
    }
    buttons = OpenPopUp(*calendar);
    ASSERT_NE(buttons, nullptr);
    EXPECT_FALSE(LookOf(*buttons, IDC_BUTTON_ACT_CALENDAR).usable) << "a workbook has no calendars";
    wxUIActionSimulator().Char(WXK_ESCAPE);
    EXPECT_TRUE(PopUpClosed(*calendar));
}

// The command ids of what a panel holds, also while it is folded away.
std::vector<int> CommandsOf(const wxRibbonPanel& panel) {
    std::vector<int> ids;
    for (const wxWindow* child : panel.GetChildren()) {
        if (const auto* buttons = dynamic_cast<const wxRibbonButtonBar*>(child)) {
            for (size_t index = 0; index < buttons->GetButtonCount(); ++index)
                ids.push_back(buttons->GetItemId(buttons->GetItem(index)));
        }
        for (const wxWindow* control : child->GetChildren()) {
            if (control->GetId() >= 0) ids.push_back(control->GetId());  // the lists and the slider
        }
    }
    return ids;
}

// Panels folded from the start, as after a restart in a narrow window: each picture shows whether
// what the panel holds can be used, with nothing open and once a schedule is open.
TEST_F(CommandsTest, AFoldedPanelsPictureTellsWhetherItCanBeUsed) {
    ASSERT_TRUE(Start());
    CMainFrame& frame = *Frame();
    ResizeFrame(frame, wxSize(700, 600));
    ASSERT_TRUE(WaitUntil([&] { return FoldedPanel(frame, "Timescale") != nullptr; }));
    // A usable picture has strokes in the full ink of every usable picture, as dark as theirs; a
    // faded one has none darker than the faded ink.
    const double usable_ink = testing_gui::RelativeLuminance(wxColour(90, 90, 90));
    const double faded_ink = testing_gui::RelativeLuminance(wxColour(150, 150, 150));
    for (const bool open : {false, true}) {
        SCOPED_TRACE(open ? "a schedule open" : "nothing open");
        if (open) {
            ASSERT_TRUE(frame.OpenFile(Schedule(L"A.xer", testing_shell::EveryCategorySchedule("A"))));
        }
        wxTheApp->ProcessIdle();  // the controls ask the frame
        const wxImage picture = testing_gui::GrabSteady(frame.GetRibbon());
        int folded = 0;
        for (wxWindow* child : frame.GetRibbon()->GetPage(kActivitiesTabPage)->GetChildren()) {
            auto* panel = dynamic_cast<wxRibbonPanel*>(child);
            if (panel == nullptr || !panel->IsMinimised()) continue;
            ++folded;
            const std::vector<int> ids = CommandsOf(*panel);
            const bool usable = std::ranges::any_of(ids, [&frame](int id) { return Ask(frame, id).enabled; });
            const wxPoint in_bar = panel->GetScreenPosition() - frame.GetRibbon()->GetScreenPosition();
            const wxRect glyph(in_bar + wxSize(panel->GetSize().x / 2 - 10, 16), wxSize(20, 16));
            const double darkest = testing_gui::DarkestLuminanceIn(picture, glyph);
            EXPECT_TRUE(usable ? darkest < usable_ink : darkest > faded_ink)
                << panel->GetLabel() << (usable ? " looks faded" : " looks usable") << ", luminance " << darkest;
        }
        EXPECT_GE(folded, 4);
    }
}

// The widest stretch of columns in the region that holds nothing but the region's ground.
int WidestBlankRun(const wxImage& picture, const wxRect& region) {
    const wxColour ground = testing_gui::MeasureText(picture, region).ground;
    int widest = 0;
    int run = 0;
    for (int x = region.x; x <= region.GetRight(); ++x) {
        bool blank = true;
        testing_gui::ForEachPixel(picture, wxRect(x, region.y, 1, region.height), [&](const wxColour& pixel) {
            if (testing_gui::ContrastRatio(pixel, ground) > 1.5) blank = false;
        });
        run = blank ? run + 1 : 0;
        widest = std::max(widest, run);
    }
    return widest;
}

// With the desktop's text large, at the frame's least width every tab reads whole and every panel
// of every page stands whole; in a wide window the labels of large buttons side by side stand
// apart.
TEST_F(CommandsTest, WithLargeTextTheRibbonReadsWholeAtTheLeastWidth) {
    CMainFrame& frame = Open();
    ResizeFrame(frame, wxSize(frame.GetMinSize().x, 600));
    auto& bar = dynamic_cast<MainRibbonBar&>(*frame.GetRibbon());
    wxClientDC measure(&bar);
    measure.SetFont(bar.GetArtProvider()->GetFont(wxRIBBON_ART_TAB_LABEL_FONT).Bold());
    for (int page = 0; page < static_cast<int>(bar.GetPageCount()); ++page) {
        const wxString label = bar.GetPage(static_cast<size_t>(page))->GetLabel();
        EXPECT_GE(bar.GetTabRect(page).width, measure.GetTextExtent(label).x) << label << " is cut";
        if (page == kFileTabPage) continue;
        frame.SwitchToPage(page);
        Settle(frame);
        SCOPED_TRACE(label);
        ExpectEveryPanelWhole(*bar.GetPage(static_cast<size_t>(page)));
    }

    // In a wide window, where the Resources page shows its large buttons.
    ResizeFrame(frame, wxSize(1200, 800));
    frame.SwitchToPage(kResourcesTabPage);
    Settle(frame);
    wxRibbonButtonBar* buttons = nullptr;
    for (wxWindow* panel : bar.GetPage(static_cast<size_t>(kResourcesTabPage))->GetChildren()) {
        for (wxWindow* child : panel->GetChildren()) {
            auto* candidate = dynamic_cast<wxRibbonButtonBar*>(child);
            if (candidate != nullptr && candidate->GetItemById(IDC_BUTTON_RES_RES_SHIFTS) != nullptr) buttons = candidate;
        }
    }
    ASSERT_NE(buttons, nullptr);
    ASSERT_TRUE(WaitUntil([buttons] { return buttons->IsShownOnScreen(); }));
    const wxRect calendar = buttons->GetItemRect(IDC_BUTTON_RES_CALENDAR);
    const wxRect shifts = buttons->GetItemRect(IDC_BUTTON_RES_RES_SHIFTS);
    ASSERT_EQ(calendar.y, shifts.y) << "side by side";
    // The first line of both labels, from the middle of one button to the middle of the next.
    const int label_top = calendar.y + ribbon::kLargeGlyphSize + 4;
    const wxRect between(calendar.x + calendar.width / 2, label_top, shifts.GetRight() - shifts.width / 2 - calendar.x - calendar.width / 2,
                         buttons->GetCharHeight());
    // Further apart than two words of one label.
    const int space = buttons->GetTextExtent(" ").x;
    EXPECT_GT(WidestBlankRun(testing_gui::GrabSteady(buttons), between), 2 * space)
        << "\"Calendar\" and \"Resource\" read as one label";
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
