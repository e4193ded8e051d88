// ribbon_look_gui_test.cpp - the ribbon of the running program as the display shows it: every
// tab label, panel caption and button label stands out from its own ground in each colour style
// and state (current and other tabs, a tab or a panel under the pointer, a panel after its
// dialog closed), and every button that cannot be used now is drawn so, on every page. Tabs are
// chosen by clicks and hover comes from real pointer moves.

#include "../shell/every_category_schedule.h"
#include "app/VarnholtView.h"
#include "app/ribbon/MainRibbon.h"
#include "app/ribbon/RibbonGlyphs.h"
#include "app_gui_support.h"
#include "screen_pixels.h"
#include "shell/command_ids.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/ribbon/art.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>
#include <wx/uiaction.h>

#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;
using testing_gui::ContrastRatio;
using testing_gui::Describe;
using testing_gui::MeasureText;
using testing_gui::RelativeLuminance;

constexpr double kReadable = 4.5;
constexpr int kStyles[] = {ID_VIEW_APPLOOK_2016_1, ID_VIEW_APPLOOK_2016_2, ID_VIEW_APPLOOK_2016_3};

struct Button {
    wxRibbonButtonBar* bar;
    int id;
};

class RibbonLookTest : public testing_app::AppGuiTest {
protected:
    // The program on a window wide enough for every panel at its full size.
    MainRibbonBar& StartProgram(bool with_schedule) {
        const wxString file = with_schedule
                                  ? Schedule(L"look.xer", testing_shell::EveryCategorySchedule("L"))
                                  : wxString();
        EXPECT_TRUE(Start(file));
        CMainFrame* frame = Frame();
        frame->SetSize(1240, 760);
        EXPECT_TRUE(WaitUntil([frame] { return frame->IsShownOnScreen() && frame->GetSize().x == 1240; }));
        m_bar = dynamic_cast<MainRibbonBar*>(frame->GetRibbon());
        EXPECT_NE(m_bar, nullptr);
        return *m_bar;
    }

    static bool MoveTo(const wxPoint& target) {
        wxUIActionSimulator().MouseMove(target);
        return WaitUntil([&target] { return wxGetMousePosition() == target; });
    }
    static wxPoint Centre(wxWindow* window, const wxRect& rect) {
        return window->ClientToScreen(rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2));
    }
    // Over the table pane, away from the ribbon.
    static bool PointerAway() {
        VarnholtView* pane = Frame()->GetTablePane();
        return MoveTo(Centre(pane, pane->GetClientRect()));
    }
    // A click on the page's tab, as a planner chooses a category.
    bool ClickTab(int page) {
        if (!MoveTo(Centre(m_bar, m_bar->GetTabRect(page)))) return false;
        wxUIActionSimulator().MouseClick();
        return WaitUntil([this, page] { return m_bar->GetActivePage() == page; }) && PointerAway();
    }
    void ChooseStyle(int style) {
        wxCommandEvent choose(wxEVT_MENU, style);  // what the tab row's style menu sends
        m_bar->ProcessWindowEvent(choose);
    }

    // A rectangle of a window of the ribbon, in the bar's coordinates.
    wxRect InBar(wxWindow* window, const wxRect& rect) const {
        return wxRect(m_bar->ScreenToClient(window->ClientToScreen(rect.GetPosition())), rect.GetSize());
    }
    static std::vector<wxRibbonPanel*> PanelsOf(wxRibbonPage* page) {
        std::vector<wxRibbonPanel*> panels;
        for (wxWindow* child : page->GetChildren()) {
            if (auto* panel = dynamic_cast<wxRibbonPanel*>(child)) panels.push_back(panel);
        }
        return panels;
    }
    static std::vector<Button> ButtonsOf(wxRibbonPanel* panel) {
        std::vector<Button> buttons;
        for (wxWindow* child : panel->GetChildren()) {
            auto* bar = dynamic_cast<wxRibbonButtonBar*>(child);
            for (size_t n = 0; bar != nullptr && n < bar->GetButtonCount(); ++n) {
                buttons.push_back({bar, bar->GetItemId(bar->GetItem(n))});
            }
        }
        return buttons;
    }

    // The caption strip at the top of a panel, inside its frame.
    wxRect CaptionRegion(wxRibbonPanel* panel) const {
        wxClientDC dc(panel);
        dc.SetFont(m_bar->GetArtProvider()->GetFont(wxRIBBON_ART_PANEL_LABEL_FONT));
        const int text_height = dc.GetTextExtent(panel->GetLabel()).y;
        return InBar(panel, wxRect(3, 3, panel->GetSize().x - 6, text_height + 1));
    }
    // A large button: its picture on top, its label of one or two lines below.
    wxRect GlyphRegion(const Button& button) const {
        const wxRect rect = button.bar->GetItemRect(button.id);
        return InBar(button.bar, wxRect(rect.x + (rect.width - ribbon::kLargeGlyphSize) / 2, rect.y + 2,
                                        ribbon::kLargeGlyphSize, ribbon::kLargeGlyphSize));
    }
    // The picture of a folded panel: centred in a small frame at the top, under its caption strip.
    wxRect FoldedPictureRegion(wxRibbonPanel* panel) const {
        const int centre = panel->GetSize().x / 2;
        return InBar(panel, wxRect(centre - 10, 16, 20, 16));
    }
    wxRect LabelRegion(const Button& button) const {
        const wxRect rect = button.bar->GetItemRect(button.id);
        const int top = 2 + ribbon::kLargeGlyphSize + 2;
        return InBar(button.bar, wxRect(rect.x + 2, rect.y + top, rect.width - 4, rect.height - top - 2));
    }
    // Inside a tab's outline: its top and right edges are lines, its last row belongs to the band.
    wxRect TabRegion(int page) const { return m_bar->GetTabRect(page).Deflate(3, 0).Deflate(0, 4); }

    // Every text that the picture shows of the current page stands out from its ground.
    void ExpectPageReadable(const wxImage& picture, const std::string& state) {
        for (int page = 0; page < static_cast<int>(m_bar->GetPageCount()); ++page) {
            ExpectReadable(picture, TabRegion(page), state + ", tab " + std::to_string(page));
        }
        wxRibbonPage* page = m_bar->GetPage(m_bar->GetActivePage());
        if (!m_bar->ArePanelsShown()) return;
        for (wxRibbonPanel* panel : PanelsOf(page)) ExpectPanelReadable(picture, panel, state);
    }
    void ExpectPanelReadable(const wxImage& picture, wxRibbonPanel* panel, const std::string& state) {
        const std::string name = state + ", panel " + std::string(panel->GetLabel().utf8_str());
        ExpectReadable(picture, CaptionRegion(panel), name + " caption");
        for (const Button& button : ButtonsOf(panel)) {
            ASSERT_GE(button.bar->GetItemRect(button.id).height, 50) << name << ": a large button";
            ExpectReadable(picture, LabelRegion(button), name + ", button " + std::to_string(button.id));
        }
    }
    static void ExpectReadable(const wxImage& picture, const wxRect& region, const std::string& what) {
        const testing_gui::TextLook look = MeasureText(picture, region);
        ASSERT_TRUE(look.found) << what << ": no text found";
        EXPECT_GE(look.ratio, kReadable) << what << ": " << Describe(look.text) << " on " << Describe(look.ground);
    }

    // Every page with the pointer away, then each tab and each panel under the pointer.
    void ExpectReadableEverywhere(const std::string& schedule) {
        for (const int style : kStyles) {
            ChooseStyle(style);
            const std::string in_style = schedule + ", style " + std::to_string(style);
            for (int page = kFirstCategory; page <= kLastCategory; ++page) {
                ASSERT_TRUE(ClickTab(page));
                const std::string on_page = in_style + ", page " + std::to_string(page);
                ExpectPageReadable(testing_gui::GrabSteady(m_bar), on_page);
                for (wxRibbonPanel* panel : PanelsOf(m_bar->GetPage(page))) {
                    const std::vector<Button> buttons = ButtonsOf(panel);
                    const wxPoint over = buttons.empty() ? Centre(m_bar, CaptionRegion(panel))
                                                         : Centre(buttons[0].bar, buttons[0].bar->GetItemRect(buttons[0].id));
                    ASSERT_TRUE(MoveTo(over));
                    ASSERT_TRUE(WaitUntil([panel] { return panel->IsHovered(); }));
                    ExpectPanelReadable(testing_gui::GrabSteady(m_bar), panel, on_page + ", hovered");
                }
                ASSERT_TRUE(PointerAway());
            }
            // The tabs look the same over every page: their hover is looked at over the last.
            for (int page = 0; page < kLastCategory; ++page) {
                ASSERT_TRUE(MoveTo(Centre(m_bar, m_bar->GetTabRect(page))));
                const wxImage picture = testing_gui::GrabSteady(m_bar);
                ExpectReadable(picture, TabRegion(page), in_style + ", tab " + std::to_string(page) + " hovered");
            }
            ASSERT_TRUE(PointerAway());
        }
    }

    MainRibbonBar* m_bar = nullptr;
};

TEST_F(RibbonLookTest, EveryTextOfTheRibbonStandsOutInEveryStyleAndStateWithoutASchedule) {
    StartProgram(false);
    ExpectReadableEverywhere("no schedule");
}

TEST_F(RibbonLookTest, EveryTextOfTheRibbonStandsOutInEveryStyleAndStateOverASchedule) {
    StartProgram(true);  // buttons usable, the pane toggles pressed
    ExpectReadableEverywhere("schedule");
}

// With nothing open no button can be used: each one, whichever panel it is in, has a label
// clearly paler than a usable button's and a picture without the usable pictures' dark ink.
TEST_F(RibbonLookTest, WithoutAScheduleEveryButtonOfEveryPageIsDrawnDisabled) {
    MainRibbonBar& bar = StartProgram(false);
    const wxColour usable_label = bar.GetArtProvider()->GetColour(wxRIBBON_ART_BUTTON_BAR_LABEL_COLOUR);
    int buttons_seen = 0;
    for (int page = kFirstCategory; page <= kLastCategory; ++page) {
        ASSERT_TRUE(ClickTab(page));
        const wxImage picture = testing_gui::GrabSteady(&bar);
        for (wxRibbonPanel* panel : PanelsOf(bar.GetPage(page))) {
            for (const Button& button : ButtonsOf(panel)) {
                ++buttons_seen;
                const std::string name = "page " + std::to_string(page) + ", button " + std::to_string(button.id);
                const testing_gui::TextLook label = MeasureText(picture, LabelRegion(button));
                ASSERT_TRUE(label.found) << name;
                EXPECT_GE(RelativeLuminance(label.text), RelativeLuminance(usable_label) + 0.05)
                    << name << ": label " << Describe(label.text) << ", a usable one " << Describe(usable_label);
                EXPECT_GE(label.ratio, kReadable) << name << ": label " << Describe(label.text);
                const wxColour ink = testing_gui::DarkestIn(picture, GlyphRegion(button));
                EXPECT_GE(RelativeLuminance(ink), RelativeLuminance(wxColour(150, 150, 150)))
                    << name << ": picture as dark as " << Describe(ink);
            }
        }
    }
    EXPECT_EQ(buttons_seen, 43);

    // In a narrow window panels fold into a single picture, which is faded too.
    Frame()->SetSize(760, 760);
    ASSERT_TRUE(WaitUntil([&bar] { return Frame()->GetSize().x == 760 && bar.GetSize().x <= 760; }));
    int folded_seen = 0;
    for (int page = kFirstCategory; page <= kLastCategory; ++page) {
        ASSERT_TRUE(ClickTab(page));
        const wxImage picture = testing_gui::GrabSteady(&bar);
        for (wxRibbonPanel* panel : PanelsOf(bar.GetPage(page))) {
            if (!panel->IsMinimised()) continue;
            ++folded_seen;
            const wxColour ink = testing_gui::DarkestIn(picture, FoldedPictureRegion(panel));
            EXPECT_GE(RelativeLuminance(ink), RelativeLuminance(wxColour(150, 150, 150)))
                << "page " << page << ", folded panel " << panel->GetLabel() << ": picture as dark as " << Describe(ink);
        }
    }
    EXPECT_GE(folded_seen, 5);
}

TEST_F(RibbonLookTest, OverAScheduleAUsableButtonIsDrawnUsable) {
    MainRibbonBar& bar = StartProgram(true);
    const wxColour usable_label = bar.GetArtProvider()->GetColour(wxRIBBON_ART_BUTTON_BAR_LABEL_COLOUR);
    for (const int page : {kActivitiesTabPage, kObsTabPage}) {
        ASSERT_TRUE(ClickTab(page));
        const wxImage picture = testing_gui::GrabSteady(&bar);
        const int expand = page == kActivitiesTabPage ? IDC_BUTTON_ACT_EXP_ALL : IDC_BUTTON_OBS_EXP_ALL;
        for (wxRibbonPanel* panel : PanelsOf(bar.GetPage(page))) {
            for (const Button& button : ButtonsOf(panel)) {
                if (button.id != expand) continue;
                const testing_gui::TextLook label = MeasureText(picture, LabelRegion(button));
                EXPECT_LT(ContrastRatio(label.text, usable_label), 1.2) << Describe(label.text);
                EXPECT_LT(RelativeLuminance(testing_gui::DarkestIn(picture, GlyphRegion(button))), 0.1);
            }
        }
    }
}

// A dialog holds the input while the pointer leaves the panel it was opened from; once it has
// closed the panel no longer looks hovered, and its texts stay readable.
TEST_F(RibbonLookTest, APanelDoesNotStayHoveredAfterItsDialogClosed) {
    MainRibbonBar& bar = StartProgram(true);
    ASSERT_TRUE(ClickTab(kActivitiesTabPage));
    wxRibbonPanel* table_panel = nullptr;
    Button table{};
    for (wxRibbonPanel* panel : PanelsOf(bar.GetPage(kActivitiesTabPage))) {
        for (const Button& button : ButtonsOf(panel)) {
            if (button.id == IDC_BUTTON_ACT_TABLE) {
                table_panel = panel;
                table = button;
            }
        }
    }
    ASSERT_NE(table_panel, nullptr);
    bool shown = false;
    m_hook.while_shown = [&shown](wxDialog& dialog) {
        shown = true;
        wxWindow* cancel = dialog.FindWindow(wxID_CANCEL);
        ASSERT_NE(cancel, nullptr);
        ASSERT_TRUE(MoveTo(Centre(cancel, cancel->GetClientRect())));
        wxUIActionSimulator().MouseClick();
        EXPECT_TRUE(WaitUntil([&dialog] { return !dialog.IsShown(); }));
    };
    ASSERT_TRUE(MoveTo(Centre(table.bar, table.bar->GetItemRect(table.id))));
    ASSERT_TRUE(WaitUntil([table_panel] { return table_panel->IsHovered(); }));
    wxUIActionSimulator().MouseClick();
    ASSERT_TRUE(WaitUntil([&shown] { return shown; }));
    EXPECT_TRUE(WaitUntil([table_panel] { return !table_panel->IsHovered(); }));
    ExpectPanelReadable(testing_gui::GrabSteady(&bar), table_panel, "after the columns dialog");
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
