// folded_popup_gui_test.cpp - a folded ribbon panel's pop-up in a narrow window, used by pointer
// and keys as a planner does: every panel whole, the lists, zoom buttons and slider working in
// their pop-ups, and the pop-up closing as a menu does by every way out, with or without its list
// opened first, the same with no window manager and under openbox and mutter.

#include "../shell/every_category_schedule.h"
#include "app/VarnholtView.h"
#include "app/dialogs/ActivityFiltersDialog.h"
#include "app/ribbon/FoldedPanels.h"
#include "app/ribbon/MainRibbon.h"
#include "app_gui_support.h"
#include "folded_panels_support.h"
#include "gui_input.h"
#include "layouts/Layout.h"
#include "layouts/LayoutStore.h"
#include "layouts/layout_records.h"
#include "rows/display_scale.h"
#include "shell/command_ids.h"
#include "shell/timescale_choices.h"

#include <wx/bmpbuttn.h>
#include <wx/choice.h>
#include <wx/display.h>
#include <wx/ribbon/bar.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>
#include <wx/slider.h>
#include <wx/uiaction.h>

#include <gdk/gdkx.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace varnholt {
namespace {

using namespace testing_app;
using testing_gui::ClickAt;
using testing_gui::ClickMiddle;
using testing_gui::Drained;

using FoldedPopUpTest = ActivitiesPageTest;

// Cell widths on screen are the stored width times the text scale, which a non-dyadic scale
// leaves a float's error away from the whole pixel.
bool SameWidth(float shown, float expected) { return std::fabs(shown - expected) < 0.01f; }

// A window as narrow as the frame allows, and half a laptop screen: every panel of the
// Activities page stands whole, Layout and Timescale folded too where they must, and what the
// folded ones hold works from their pop-ups.
TEST_F(FoldedPopUpTest, InANarrowWindowEveryPanelStandsWholeAndWorksFromItsPopUp) {
    CMainFrame& frame = Open();
    wxRibbonPage& page = *frame.GetRibbon()->GetPage(static_cast<size_t>(kActivitiesTabPage));
    for (const int width : {700, frame.GetMinSize().x}) {
        SCOPED_TRACE(width);
        ResizeFrame(frame, wxSize(width, 600));
        ASSERT_TRUE(WaitUntil([&] { return page.GetSize().x <= width; }));
        ExpectEveryPanelWhole(page);
    }
    // The least width grows with the text, and which button panels fold with it: the lists fold
    // at every scale.
    for (const char* caption : {"Layout", "Timescale"}) {
        EXPECT_NE(FoldedPanel(frame, caption), nullptr) << caption << " is not folded at the least width";
    }

    // A layout and a timescale chosen in their pop-ups' lists, as a user picks one: a click opens
    // the list over the pop-up, the arrow keys and Return choose.
    const LayoutStore& store = *frame.GetLayoutStore();
    const auto chosen = [&store] {
        view::Layout& layout = *store.GetCurrentActivityLayout();
        return layout.GetName() + L" " + std::to_wstring(layout.GetTimescale()->unit);
    };
    for (const auto& [caption, id] : {std::pair{"Layout", IDC_COMBO_ACTIVITY_LAYOUT}, std::pair{"Timescale", IDC_COMBO_ACT_TIMESCALE}}) {
        SCOPED_TRACE(caption);
        wxRibbonPanel* folded = FoldedPanel(frame, caption);
        ASSERT_NE(folded, nullptr);
        wxRibbonPanel* popup = OpenPopUpPanel(*folded);
        ASSERT_NE(popup, nullptr);
        auto* choice = dynamic_cast<wxChoice*>(popup->FindWindow(id));
        ASSERT_NE(choice, nullptr);
        const std::wstring before = chosen();
        const bool upwards = choice->GetSelection() > 0;
        ASSERT_TRUE(testing_gui::ClickMiddle(*choice));
        ASSERT_TRUE(WaitUntil([choice] { return HoldsOpenList(*choice); })) << "the list opens";
        ASSERT_TRUE(folded->GetExpandedPanel() == popup && popup->IsShownOnScreen()) << "the pop-up stays under its open list";
        wxUIActionSimulator keys;
        keys.Char(upwards ? WXK_UP : WXK_DOWN);
        keys.Char(WXK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return chosen() != before; })) << "the choice reached the layout";
        EXPECT_TRUE(PopUpClosed(*folded)) << "closed once the choice has run";
        EXPECT_TRUE(FocusChainWhole(frame));
    }
    EXPECT_EQ(dynamic_cast<wxChoice*>(frame.FindWindow(IDC_COMBO_ACT_TIMESCALE))->GetSelection(),
              TimescaleChoiceOfUnit(store.GetCurrentActivityLayout()->GetTimescale()->unit).value_or(-1));

    bool filter_shown = false;
    m_hook.answer = wxID_CANCEL;
    m_hook.inspect = [&filter_shown](wxDialog& dialog) {
        filter_shown = dynamic_cast<ActivityFiltersDialog*>(&dialog) != nullptr;
    };
    // Filter and Find, each clicked in its pop-up where it is folded.
    std::vector<int> ran;
    for (const auto& [caption, id] : {std::pair{"Filter", IDC_BUTTON_ACT_FILTER}, std::pair{"Find", IDC_BUTTON_FIND}}) {
        SCOPED_TRACE(caption);
        wxRibbonPanel* folded = FoldedPanel(frame, caption);
        if (folded == nullptr) continue;
        wxRibbonButtonBar* buttons = OpenPopUp(*folded);
        ASSERT_NE(buttons, nullptr);
        ASSERT_TRUE(ClickButton(*buttons, id));
        EXPECT_TRUE(PopUpClosed(*folded));
        ran.push_back(id);
    }
    if (std::ranges::count(ran, IDC_BUTTON_ACT_FILTER) > 0) {
        EXPECT_TRUE(filter_shown) << "the filters dialog opened";
    }
    if (std::ranges::count(ran, IDC_BUTTON_FIND) > 0) {
        EXPECT_TRUE(WaitUntil([&] { return frame.GetFindDialog() != nullptr; })) << "the find dialog opened";
    }
}

// The slider's thumb pressed and moved by `distance` pixels, as a user drags it.
bool DragSlider(wxSlider& slider, int distance) {
    const wxPoint from(slider.GetClientSize().x / 3, slider.GetClientSize().y / 2);
    if (!testing_gui::MoveTo(slider, from)) return false;
    wxUIActionSimulator mouse;
    mouse.MouseDown();
    for (int step = 1; step <= 4; ++step) {
        testing_gui::RunEventLoopFor(std::chrono::milliseconds(20));
        if (!testing_gui::MoveTo(slider, from + wxSize(distance * step / 4, 0))) return false;
    }
    mouse.MouseUp();
    return true;
}

// At half a laptop screen the Timescale panel is folded: its zoom buttons, slider and list work
// by pointer in the pop-up as they do on the ribbon, the pop-up staying open for the next step,
// and the program answers every input afterwards.
TEST_F(FoldedPopUpTest, AtHalfAScreenTheTimescalePopUpWorksByPointer) {
    CMainFrame& frame = Open();
    ResizeFrame(frame, wxSize(700, 600));
    wxRibbonPanel* folded = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (folded = FoldedPanel(frame, "Timescale")) != nullptr; }));
    // The width of the chart's cells on screen, which the chart draws with.
    const TimescaleSettings& timescale = *frame.GetLayoutStore()->GetCurrentActivityLayout()->GetTimescale();
    const auto cell_width = [&timescale] { return timescale.cell_width * view::DisplayScale(); };
    wxRibbonPanel* popup = OpenPopUpPanel(*folded);
    ASSERT_NE(popup, nullptr);
    const auto shown = [folded] { return folded->GetExpandedPanel() != nullptr && folded->GetExpandedPanel()->IsShownOnScreen(); };
    auto& slider = dynamic_cast<wxSlider&>(*popup->FindWindow(IDC_SLIDER_ACT_TIMESCALE));
    wxWindowList buttons;
    for (wxWindow* child : slider.GetParent()->GetChildren()) {
        if (dynamic_cast<wxBitmapButton*>(child) != nullptr) buttons.push_back(child);
    }
    ASSERT_EQ(buttons.size(), 2u);
    wxWindow& zoom_out = *buttons.front();
    wxWindow& zoom_in = *buttons.back();

    // As on the ribbon, + widens the chart's cells by a step of the slider and - narrows them.
    const float cell = cell_width();
    for (const auto& [button, cells] : {std::pair{&zoom_in, 1}, std::pair{&zoom_in, 2}, std::pair{&zoom_out, 1}}) {
        ASSERT_TRUE(testing_gui::ClickMiddle(*button));
        EXPECT_TRUE(WaitUntil([&] { return SameWidth(cell_width(), cell + 10.0f * static_cast<float>(cells)); }))
            << "after " << cells << " steps the cells are " << cell_width() << " px wide";
        ASSERT_TRUE(shown()) << "the pop-up stays for the next step";
    }
    const float before_drag = cell_width();
    ASSERT_TRUE(DragSlider(slider, 20));
    EXPECT_TRUE(WaitUntil([&] { return SameWidth(cell_width(), static_cast<float>(slider.GetValue())); }));
    EXPECT_NE(cell_width(), before_drag) << "the drag zooms";
    ASSERT_TRUE(shown()) << "the pop-up stays after the drag";

    // The list opens over the pop-up, which stays until the choice is made.
    auto& list = dynamic_cast<wxChoice&>(*popup->FindWindow(IDC_COMBO_ACT_TIMESCALE));
    const int unit = timescale.unit;
    ASSERT_TRUE(testing_gui::ClickMiddle(list));
    EXPECT_TRUE(WaitUntil([&] { return HoldsOpenList(list); })) << "the list opens";
    EXPECT_TRUE(shown()) << "the pop-up stays under its open list";
    wxUIActionSimulator keys;
    keys.Char(WXK_UP);
    keys.Char(WXK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return timescale.unit != unit; }));
    EXPECT_TRUE(PopUpClosed(*folded)) << "closed once the choice has run";
    EXPECT_TRUE(FocusChainWhole(frame));

    // The program still answers the pointer: a click elsewhere in the window closes the pop-up, as
    // a menu's does, and the next one acts.
    ASSERT_NE(OpenPopUpPanel(*folded), nullptr);
    auto& bar = dynamic_cast<MainRibbonBar&>(*frame.GetRibbon());
    const wxRect tab = bar.GetTabRect(kWbsTabPage);
    ASSERT_TRUE(ClickOnce(bar, tab.GetPosition() + wxSize(tab.width / 2, tab.height / 2)));
    EXPECT_TRUE(PopUpClosed(*folded));
    EXPECT_EQ(frame.GetActiveCategory(), Category::activities) << "the click that closed the pop-up went no further";
    ASSERT_TRUE(ClickOnce(bar, tab.GetPosition() + wxSize(tab.width / 2, tab.height / 2)));
    EXPECT_TRUE(WaitUntil([&] { return frame.GetActiveCategory() == Category::wbs; })) << "a tab click switches the category";

    // Back on the unfolded ribbon, the same zoom button zooms, and the focus leaves it for the
    // table as it always did, the pop-ups it sat in long gone.
    // As wide as the screen, where the panel unfolds at any text size the run has.
    ResizeFrame(frame, wxSize(wxDisplay().GetClientArea().width, 600));
    frame.SwitchToPage(kActivitiesTabPage);
    ASSERT_TRUE(WaitUntil([&zoom_in] { return zoom_in.IsShownOnScreen(); }));
    const float unfolded = cell_width();
    ASSERT_TRUE(testing_gui::ClickMiddle(zoom_in));
    EXPECT_TRUE(WaitUntil([&] { return SameWidth(cell_width(), unfolded + 10.0f); }));
    ASSERT_TRUE(testing_gui::ClickMiddle(*frame.GetTablePane()));
    EXPECT_TRUE(WaitUntil([&frame] { return wxWindow::FindFocus() == frame.GetTablePane(); }));
    EXPECT_TRUE(testing_gui::Drained(frame));  // what the focus change queued has run
}

// How a user leaves a folded pop-up, or the list opened in it.
enum class Way {
    new_choice,          // another entry by arrow and Return
    return_on_current,   // Return on the entry already chosen
    click_on_current,    // a click on the entry already chosen, which the list shows over its box
    escape,
    click_beside_list,   // a click in the pop-up where its open list does not reach
    click_in_table,
    click_on_folded_button,
    click_on_other_folded_button,
    alt_f,               // the File page's key
    ctrl_f,              // Find's key
    wider_window,        // the window system widens the window to where the panels unfold
};

struct WayOut {
    const char* name;
    bool list_open;  // the list is opened first, with a click
    Way way;
    bool pop_up_stays;
};

// The folded panels of the Activities page that hold a list, at a width where both fold at the
// run's text size.
std::pair<wxRibbonPanel*, wxRibbonPanel*> FoldedLists(CMainFrame& frame) {
    for (const int width : {700, frame.GetMinSize().x}) {
        ResizeFrame(frame, wxSize(width, 600));
        wxRibbonPanel* layout = nullptr;
        wxRibbonPanel* timescale = nullptr;
        if (WaitUntil([&] {
                layout = FoldedPanel(frame, "Layout");
                timescale = FoldedPanel(frame, "Timescale");
                return layout != nullptr && timescale != nullptr;
            }) && testing_gui::SettledByTheWindowManager(frame))
            return {layout, timescale};
    }
    return {};
}

// At half a laptop screen, the Layout and Timescale pop-ups by every way out, with and without
// their list opened first: a new choice closes the pop-up with its list; once the list has closed
// without one, the pop-up is as before it opened. A press outside it closes it and goes no further,
// as a menu's does; the keys of the main window close it and act. After each way, the table has the
// keys, one click on the folded button opens the pop-up again, and one pop-up stands at most.
TEST_F(FoldedPopUpTest, APopUpClosesAsAMenuByEveryWayOutWithAndWithoutItsList) {
    CMainFrame& frame = Open();
    const auto [layout, timescale] = FoldedLists(frame);
    ASSERT_NE(layout, nullptr);
    ASSERT_NE(timescale, nullptr);
    const wxSize narrow = frame.GetSize();
    VarnholtView& table = *frame.GetTablePane();
    const wxPoint in_table(table.GetClientSize().x / 2, table.GetClientSize().y * 3 / 4);
    const WayOut ways[] = {
        {"a new choice", true, Way::new_choice, false},
        {"Return on the current entry", true, Way::return_on_current, true},
        {"a click on the current entry", true, Way::click_on_current, true},
        {"Escape from the list", true, Way::escape, true},
        {"a click in the pop-up beside the list", true, Way::click_beside_list, true},
        {"a click in the table, closing the list", true, Way::click_in_table, false},
        {"Escape", false, Way::escape, false},
        {"a click in the table", false, Way::click_in_table, false},
        {"a click on the folded button", false, Way::click_on_folded_button, false},
        {"a click on another folded button", false, Way::click_on_other_folded_button, false},
        {"Alt+F", false, Way::alt_f, false},
        {"Ctrl+F", false, Way::ctrl_f, false},
        {"a wider window", false, Way::wider_window, false},
    };
    for (const auto& [folded_at_first, id] : {std::pair{layout, IDC_COMBO_ACTIVITY_LAYOUT}, std::pair{timescale, IDC_COMBO_ACT_TIMESCALE}}) {
        const wxString caption = folded_at_first->GetLabel();
        for (const WayOut& way : ways) {
            SCOPED_TRACE(testing::Message() << caption << ", " << way.name);
            wxRibbonPanel* folded = FoldedPanel(frame, caption);
            wxRibbonPanel* other = FoldedPanel(frame, caption == "Layout" ? "Timescale" : "Layout");
            ASSERT_NE(folded, nullptr);
            ASSERT_NE(other, nullptr);
            EXPECT_TRUE(WaitUntil([&table] { return wxWindow::FindFocus() == &table; })) << "the table has the keys";
            wxRibbonPanel* popup = OpenPopUpPanel(*folded);
            ASSERT_NE(popup, nullptr);
            auto& list = dynamic_cast<wxChoice&>(*popup->FindWindow(id));
            const int chosen = list.GetSelection();
            wxUIActionSimulator keys;
            if (way.list_open) {
                ASSERT_TRUE(ClickMiddle(list));
                ASSERT_TRUE(WaitUntil([&list] { return HoldsOpenList(list); }))
                    << "the list opens" << (folded->GetExpandedPanel() == nullptr ? "; the pop-up had closed" : "");
            }
            switch (way.way) {
                case Way::new_choice:
                    keys.Char(chosen > 0 ? WXK_UP : WXK_DOWN);
                    keys.Char(WXK_RETURN);
                    break;
                case Way::return_on_current: keys.Char(WXK_RETURN); break;
                case Way::click_on_current: ASSERT_TRUE(ClickMiddle(list)); break;
                case Way::escape: keys.Char(WXK_ESCAPE); break;
                case Way::click_beside_list:
                    // Where the window manager lets the list cover the small pop-up whole, a user
                    // can only leave it by a key.
                    if (const auto beside = BesideTheOpenList(*popup, wxPoint(2, 2))) {
                        ASSERT_TRUE(ClickAt(*popup, *beside));
                    } else {
                        keys.Char(WXK_ESCAPE);
                    }
                    break;
                case Way::click_in_table: {
                    const auto beside = BesideTheOpenList(table, in_table);
                    ASSERT_TRUE(beside.has_value()) << "the open list covers the whole table";
                    ASSERT_TRUE(ClickAt(table, *beside));
                    break;
                }
                case Way::click_on_folded_button: ASSERT_TRUE(ClickMiddleOnce(*folded)); break;
                case Way::click_on_other_folded_button: ASSERT_TRUE(ClickMiddleOnce(*other)); break;
                case Way::alt_f: keys.Char('F', wxMOD_ALT); break;
                case Way::ctrl_f: keys.Char('F', wxMOD_CONTROL); break;
                case Way::wider_window: frame.SetSize(wxSize(wxDisplay().GetClientArea().width, narrow.y)); break;
            }
            ASSERT_TRUE(WaitUntil([&] { return folded->GetExpandedPanel() == nullptr || !HoldsOpenList(list); })) << "the list closes";
            if (way.pop_up_stays) {
                ASSERT_TRUE(Drained(*popup));
                EXPECT_EQ(list.GetSelection(), chosen);
                ASSERT_EQ(folded->GetExpandedPanel(), popup) << "the pop-up stays";
                // As before the list opened: a click in the table closes the pop-up. Clicked a row
                // lower, where it makes no double click with a click just taken by the list.
                ASSERT_TRUE(ClickAt(table, in_table + wxSize(0, 3 * table.GetCharHeight())));
            }
            EXPECT_TRUE(WaitUntil([&] { return folded->GetExpandedPanel() == nullptr; })) << "the pop-up closes";
            switch (way.way) {
                case Way::click_on_other_folded_button:
                    EXPECT_TRUE(Drained(frame));
                    EXPECT_EQ(other->GetExpandedPanel(), nullptr) << "the press that closed the pop-up went no further";
                    break;
                case Way::alt_f:
                    EXPECT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); })) << "the File page shows";
                    keys.Char(WXK_ESCAPE);
                    EXPECT_TRUE(WaitUntil([&frame] { return !frame.IsFilePageShown(); })) << "Escape leaves it";
                    break;
                case Way::ctrl_f:
                    EXPECT_TRUE(WaitUntil([&frame] { return frame.GetFindDialog() != nullptr; })) << "Find opens";
                    if (frame.GetFindDialog() != nullptr) frame.GetFindDialog()->Close();
                    EXPECT_TRUE(WaitUntil([&frame] { return frame.GetFindDialog() == nullptr; }));
                    // Without a window manager the keys follow the pointer once the dialog that had
                    // them has gone, and the toolkit names no focused control until the pointer
                    // moves: a click in the table gives it the keys, as a user's would.
                    if (std::getenv("VARNHOLT_WINDOW_MANAGER") == nullptr && std::getenv("OUTER_DISPLAY") == nullptr) {
                        ASSERT_TRUE(ClickAt(table, in_table + wxSize(0, 3 * table.GetCharHeight())));
                    }
                    break;
                case Way::wider_window:
                    ASSERT_TRUE(WaitUntil([&] { return FoldedPanel(frame, caption) == nullptr; })) << "the panel unfolds";
                    EXPECT_TRUE(WaitUntil([&] { return frame.FindWindow(id) != nullptr && frame.FindWindow(id)->IsShownOnScreen(); }))
                        << "the unfolded panel shows its list";
                    ResizeFrame(frame, narrow);
                    ASSERT_TRUE(WaitUntil([&] { return (folded = FoldedPanel(frame, caption)) != nullptr; }));
                    break;
                default: break;
            }
            // The keys are back with the table, one click opens the pop-up again, the only one on
            // the screen, and Escape closes it.
            EXPECT_TRUE(WaitUntil([&table] { return wxWindow::FindFocus() == &table; })) << "the table has the keys";
            ASSERT_NE(OpenPopUpPanel(*folded), nullptr);
            EXPECT_EQ(PopUpsShown(frame), 1);
            keys.Char(WXK_ESCAPE);
            ASSERT_TRUE(WaitUntil([&] { return folded->GetExpandedPanel() == nullptr; })) << "Escape closes it";
            EXPECT_TRUE(FocusChainWhole(frame));
        }
    }
}

// The window widened to 1200 px with each folded panel's pop-up open, as a user drags its edge:
// the pop-up closes first, and every panel that unfolds shows its controls.
TEST_F(FoldedPopUpTest, AWindowWidenedWithAPopUpOpenShowsEveryPanelsControls) {
    CMainFrame& frame = Open();
    wxRibbonPage& page = *frame.GetRibbon()->GetPage(static_cast<size_t>(kActivitiesTabPage));
    const wxSize narrow(700, 600);
    ResizeFrame(frame, narrow);
    ASSERT_TRUE(testing_gui::SettledByTheWindowManager(frame));
    std::vector<wxString> folded_captions;
    for (wxWindow* child : page.GetChildren()) {
        if (auto* panel = dynamic_cast<wxRibbonPanel*>(child); panel != nullptr && panel->IsMinimised()) folded_captions.push_back(panel->GetLabel());
    }
    ASSERT_FALSE(folded_captions.empty());
    for (const wxString& caption : folded_captions) {
        SCOPED_TRACE(caption);
        ResizeFrame(frame, narrow);
        wxRibbonPanel* folded = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (folded = FoldedPanel(frame, caption)) != nullptr; }));
        ASSERT_TRUE(testing_gui::SettledByTheWindowManager(frame));
        ASSERT_NE(OpenPopUpPanel(*folded), nullptr);
        ResizeFrame(frame, wxSize(1200, narrow.y));
        EXPECT_EQ(folded->GetExpandedPanel(), nullptr) << "the pop-up closed";
        ASSERT_TRUE(testing_gui::WaitForFrames(frame));
        for (wxWindow* child : page.GetChildren()) {
            auto* panel = dynamic_cast<wxRibbonPanel*>(child);
            if (panel == nullptr || panel->IsMinimised()) continue;
            EXPECT_FALSE(panel->GetChildren().empty()) << panel->GetLabel() << " is empty";
            for (wxWindow* control : panel->GetChildren()) {
                EXPECT_TRUE(control->IsShownOnScreen()) << panel->GetLabel() << " does not show its controls";
            }
        }
    }
}

// A double click on a folded button leaves its pop-up open, and the next click on it closes it.
TEST_F(FoldedPopUpTest, ADoubleClickOnAFoldedButtonLeavesItsPopUpOpen) {
    CMainFrame& frame = Open();
    wxRibbonPanel* folded = FoldedLists(frame).first;
    ASSERT_NE(folded, nullptr);
    ASSERT_TRUE(testing_gui::MoveTo(*folded, wxPoint(folded->GetSize().x / 2, folded->GetSize().y / 2)));
    wxUIActionSimulator().MouseDblClick();
    ASSERT_TRUE(WaitUntil([folded] { return folded->GetExpandedPanel() != nullptr && folded->GetExpandedPanel()->IsShownOnScreen(); }));
    ASSERT_TRUE(Drained(*wxGetTopLevelParent(folded->GetExpandedPanel())));
    EXPECT_NE(folded->GetExpandedPanel(), nullptr) << "the double click's second press left it open";
    ASSERT_TRUE(ClickMiddleOnce(*folded));
    EXPECT_TRUE(WaitUntil([folded] { return folded->GetExpandedPanel() == nullptr; }));
}

// Where the window system has the middle of a window inside the frame: only the top-level window's
// place is reported rightly under a window manager that places it.
wxPoint MiddleOnTheDesktop(wxWindow& window) {
    wxPoint middle(window.GetSize().x / 2, window.GetSize().y / 2);
    wxWindow* inside = &window;
    for (; !inside->IsTopLevel(); inside = inside->GetParent()) middle += inside->GetPosition();
    return inside->ClientToScreen(middle);
}

// Under a window manager, a click on another program takes the focus from this one: a folded
// panel's pop-up closes then, as a menu does, and does not stay standing over the other program;
// also after its list was opened and closed again with Escape.
TEST_F(FoldedPopUpTest, AFoldedPanelsPopUpClosesWhenTheProgramLosesTheFocus) {
    if (std::getenv("OUTER_DISPLAY") == nullptr) GTEST_SKIP() << "run under under_mutter.sh";
    const wxPoint other_place(1400, 200);  // right of where the window manager puts the program
    const AnotherProgram other(other_place);
    ASSERT_TRUE(other.Shown());
    CMainFrame& frame = Open();
    // Placed by the window manager, which gives it the focus.
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsActive(); }));
    ResizeFrame(frame, wxSize(frame.GetMinSize().x, 600));
    for (const auto& [caption, list_id] : {std::pair{"Panes", static_cast<int>(wxID_NONE)}, std::pair{"Layout", IDC_COMBO_ACTIVITY_LAYOUT}}) {
        SCOPED_TRACE(caption);
        wxRibbonPanel* folded = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (folded = FoldedPanel(frame, caption)) != nullptr; }));
        // A busy desktop may still be placing and sizing the window, and the click land beside the
        // panel: the user clicks again.
        const auto open = [folded] { return folded->GetExpandedPanel() != nullptr && folded->GetExpandedPanel()->IsShownOnScreen(); };
        for (int click = 0; click < 3 && !open(); ++click) {
            (void)testing_gui::GrabSteady(frame.GetRibbon());  // the window manager's resizes have come in
            for (wxWindow* child : frame.GetRibbon()->GetPage(kActivitiesTabPage)->GetChildren()) {
                if (auto* other_panel = dynamic_cast<wxRibbonPanel*>(child)) (void)other_panel->HideExpanded();
            }
            ClickThroughTheDesktop(MiddleOnTheDesktop(*folded));
            (void)WaitUntil(open);
        }
        ASSERT_TRUE(open()) << "the pop-up opens";
        wxWindow* popup = wxGetTopLevelParent(folded->GetExpandedPanel());
        if (list_id != wxID_NONE) {
            wxWindow& list = *popup->FindWindow(list_id);
            ClickThroughTheDesktop(MiddleOnTheDesktop(list));
            ASSERT_TRUE(WaitUntil([&list] { return HoldsOpenList(list); })) << "the list opens";
            ASSERT_TRUE(RunTool(std::string("env DISPLAY=") + std::getenv("OUTER_DISPLAY") + " xdotool key Escape"));
            ASSERT_TRUE(WaitUntil([&list] { return !HoldsOpenList(list); })) << "the list closes";
            ASSERT_TRUE(open()) << "the pop-up stays";
        }
        ClickThroughTheDesktop(other_place + wxSize(20, 10));
        EXPECT_TRUE(WaitUntil([folded] { return folded->GetExpandedPanel() == nullptr; }))
            << "the pop-up stays over the other program";
        // The program has the focus back for the next round.
        ClickThroughTheDesktop(MiddleOnTheDesktop(*frame.GetTablePane()));
        ASSERT_TRUE(WaitUntil([&frame] { return frame.IsActive(); }));
    }
}

// The X id of a window's top-level window.
std::string WindowId(wxWindow& window) {
    return std::to_string(GDK_WINDOW_XID(gtk_widget_get_window(wxGetTopLevelParent(&window)->GetHandle())));
}

bool Xdotool(const std::string& arguments) { return RunTool("xdotool " + arguments); }
bool Wmctrl(const std::string& arguments) { return RunTool("wmctrl " + arguments); }

// What changes the window or the focus from outside the pop-up, under a window manager or none.
enum class Change { title_bar_click, activation, other_program_activated, maximize, tab_walks_then_escape };

// Under every window manager and with none (VARNHOLT_WINDOW_MANAGER names the one the run has), a
// folded pop-up opens at the same size under its button and has the keys, and closes when the
// window's title bar is clicked, when the window system activates the window or another program,
// and when the window is maximized; an unfolded panel then shows its controls.
TEST_F(FoldedPopUpTest, APopUpIsTheSameAndClosesByTheWindowSystemUnderEveryWindowManager) {
    const char* manager = std::getenv("VARNHOLT_WINDOW_MANAGER");
    const AnotherProgram other(wxPoint(1500, 700));
    ASSERT_TRUE(other.Shown());
    CMainFrame& frame = Open();
    if (manager != nullptr) {
        ASSERT_TRUE(WaitUntil([&frame] { return frame.IsActive(); })) << "placed and activated";
    }
    const auto [layout, timescale] = FoldedLists(frame);
    ASSERT_NE(layout, nullptr);
    const wxSize narrow = frame.GetSize();
    const std::string caption = "Layout";
    const std::pair<Change, const char*> changes[] = {
        {Change::tab_walks_then_escape, "Tab, then Escape"},
        {Change::title_bar_click, "a click on the window's title bar"},
        {Change::activation, "the window activated as a taskbar does"},
        {Change::other_program_activated, "another program activated"},
        {Change::maximize, "the window maximized"},
    };
    for (const auto& [change, name] : changes) {
        SCOPED_TRACE(name);
        // Without a window manager there is no title bar, and nothing that activates or maximizes
        // windows: another program takes the keys by a click, a press outside like any other.
        if (change != Change::tab_walks_then_escape && manager == nullptr) continue;
        wxRibbonPanel* folded = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (folded = FoldedPanel(frame, caption)) != nullptr; }));
        wxRibbonPanel* unfolded = OpenPopUpPanel(*folded);
        ASSERT_NE(unfolded, nullptr);
        wxWindow& popup = *wxGetTopLevelParent(unfolded);
        // The same size and place whatever manages the desktop: the panel's own size, under its
        // button, its left edge on the button's.
        EXPECT_EQ(popup.GetSize(), folded->GetBestSize());
        EXPECT_EQ(popup.GetScreenPosition(), folded->GetScreenRect().GetBottomLeft() + wxSize(0, 1));
        switch (change) {
            case Change::tab_walks_then_escape: {
                wxUIActionSimulator keys;
                keys.Char(WXK_TAB);
                EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == popup.FindWindow(IDC_COMBO_ACTIVITY_LAYOUT); }))
                    << "Tab reaches the list";
                keys.Char(WXK_ESCAPE);
                break;
            }
            case Change::title_bar_click:
                ClickThroughTheDesktop(frame.ClientToScreen(wxPoint(frame.GetClientSize().x / 2, -6)), std::getenv("DISPLAY"));
                break;
            // The activation request alone, as a taskbar sends it: wmctrl -R switches no desktop.
            case Change::activation: ASSERT_TRUE(Wmctrl("-i -R " + WindowId(frame))); break;
            case Change::other_program_activated: {
                std::string other_id;
                if (FILE* search = popen("timeout 10 xdotool search --sync --onlyvisible --name '^xmessage$' 2>/dev/null", "r")) {
                    char line[32] = {};
                    if (std::fgets(line, sizeof line, search) != nullptr) other_id = std::to_string(std::strtoul(line, nullptr, 10));
                    pclose(search);
                }
                ASSERT_FALSE(other_id.empty());
                ASSERT_TRUE(Wmctrl("-i -R " + other_id));
                break;
            }
            case Change::maximize: frame.Maximize(); break;
        }
        EXPECT_TRUE(WaitUntil([&] { return folded->GetExpandedPanel() == nullptr; })) << "the pop-up closes";
        if (change == Change::maximize) {
            ASSERT_TRUE(WaitUntil([&] { return FoldedPanel(frame, caption) == nullptr; })) << "maximized, the panel unfolds";
            EXPECT_TRUE(WaitUntil([&] { return frame.FindWindow(IDC_COMBO_ACTIVITY_LAYOUT)->IsShownOnScreen(); }))
                << "the unfolded panel shows its list";
            frame.Maximize(false);
            ResizeFrame(frame, narrow);
        }
        if (change == Change::other_program_activated || change == Change::title_bar_click) {
            ASSERT_TRUE(Xdotool("windowactivate --sync " + WindowId(frame)));
        }
        EXPECT_TRUE(WaitUntil([&frame] { return wxWindow::FindFocus() == frame.GetTablePane(); })) << "the table has the keys";
    }
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
