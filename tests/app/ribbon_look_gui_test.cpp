// ribbon_look_gui_test.cpp - the ribbon of the running program as the display shows it: every
// tab label, panel caption and button label stands out from its ground in each colour style and
// state (current and other tabs, a tab or a panel under the pointer, a panel after its dialog
// closed), a checked button stands out from the band, and every button that cannot be used is
// drawn so, on every page, also folded. Tabs are chosen by clicks, hover comes from real pointer
// moves. The drop-down lists show their choices whole; the Info page's texts and the Print
// page's page counter are readable too.

#include "../shell/every_category_schedule.h"
#include "app/VarnholtView.h"
#include "app/backstage/FilePage.h"
#include "app/print/PrintPreviewPanel.h"
#include "app/ribbon/MainRibbon.h"
#include "app/ribbon/RibbonGlyphs.h"
#include "app/ribbon/RibbonStyleMenu.h"
#include "app_gui_support.h"
#include "screen_pixels.h"
#include "shell/command_ids.h"

#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/ribbon/art.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;
using testing_gui::GrabSteady;
using testing_gui::MeasureText;

constexpr double kReadable = 4.5;
constexpr double kStandsOut = 3;  // a part of the interface against its surroundings
// No stroke of a faded picture is as dark as this; every usable picture has darker ink.
const double kFadedInk = testing_gui::RelativeLuminance(wxColour(150, 150, 150));

struct Button {
    wxRibbonButtonBar* bar;
    int id;
};

class RibbonLookTest : public testing_app::AppGuiTest {
protected:
    // The program on a window wide enough for every panel at its full size.
    MainRibbonBar& StartProgram(bool with_schedule) {
        EXPECT_TRUE(
            Start(with_schedule ? Schedule(L"look.xer", testing_shell::EveryCategorySchedule("L")) : wxString()));
        Frame()->SetSize(1280, 760);
        EXPECT_TRUE(WaitUntil([] { return Frame()->IsShownOnScreen() && Frame()->GetSize().x == 1280; }));
        m_bar = dynamic_cast<MainRibbonBar*>(Frame()->GetRibbon());
        return *m_bar;
    }
    static bool MoveTo(wxWindow* window, const wxRect& rect) {
        const wxPoint target = window->ClientToScreen(rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2));
        wxUIActionSimulator().MouseMove(target);
        return WaitUntil([&target] { return wxGetMousePosition() == target; });
    }
    static bool PointerAway() { return MoveTo(Frame()->GetTablePane(), Frame()->GetTablePane()->GetClientRect()); }
    bool ClickTab(int page) {
        if (!MoveTo(m_bar, m_bar->GetTabRect(page))) return false;
        wxUIActionSimulator().MouseClick();
        return WaitUntil([this, page] { return m_bar->GetActivePage() == page; }) && PointerAway();
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
            for (size_t n = 0; bar != nullptr && n < bar->GetButtonCount(); ++n)
                buttons.push_back({bar, bar->GetItemId(bar->GetItem(n))});
        }
        return buttons;
    }

    // Regions in the bar's coordinates. A large button has its picture on top, its label below.
    wxRect InBar(wxWindow* window, const wxRect& rect) const {
        return {m_bar->ScreenToClient(window->ClientToScreen(rect.GetPosition())), rect.GetSize()};
    }
    wxRect CaptionRegion(wxRibbonPanel* panel) const {
        wxClientDC dc(panel);
        dc.SetFont(m_bar->GetArtProvider()->GetFont(wxRIBBON_ART_PANEL_LABEL_FONT));
        return InBar(panel, wxRect(3, 3, panel->GetSize().x - 6, dc.GetTextExtent(panel->GetLabel()).y + 1));
    }
    wxRect GlyphRegion(const Button& button) const {
        const wxRect rect = button.bar->GetItemRect(button.id);
        const int side = ribbon::kLargeGlyphSize;
        return InBar(button.bar, wxRect(rect.x + (rect.width - side) / 2, rect.y + 2, side, side));
    }
    wxRect LabelRegion(const Button& button) const {
        const wxRect rect = button.bar->GetItemRect(button.id);
        const int top = ribbon::kLargeGlyphSize + 4;
        return InBar(button.bar, wxRect(rect.x + 2, rect.y + top, rect.width - 4, rect.height - top - 2));
    }
    wxRect TabRegion(int page) const { return m_bar->GetTabRect(page).Deflate(3, 4); }  // inside its outline

    static testing_gui::TextLook ExpectReadable(const wxImage& picture, const wxRect& region, const std::string& what) {
        const testing_gui::TextLook look = MeasureText(picture, region);
        EXPECT_GE(look.ratio, kReadable) << what << ": " << Describe(look);
        return look;
    }
    // As the frame answers the ribbon's update request.
    static bool Checked(int id) {
        wxUpdateUIEvent state(id);
        Frame()->ProcessWindowEvent(state);
        return state.GetSetChecked() && state.GetChecked();
    }
    // A checked button's ground stands out from the band, the colour most of the page shows.
    void ExpectPanelReadable(const wxImage& picture, wxRibbonPanel* panel, const std::string& state) {
        const std::string name = state + ", panel " + std::string(panel->GetLabel().utf8_str());
        ExpectReadable(picture, CaptionRegion(panel), name);
        for (const Button& button : ButtonsOf(panel)) {
            ASSERT_GE(button.bar->GetItemRect(button.id).height, 50) << name << ": a large button";
            const std::string what = name + ", button " + std::to_string(button.id);
            const testing_gui::TextLook label = ExpectReadable(picture, LabelRegion(button), what);
            if (!Checked(button.id)) continue;
            ++m_checked_seen;
            const wxColour band = MeasureText(picture, InBar(panel->GetParent(), panel->GetParent()->GetClientRect())).ground;
            EXPECT_GE(testing_gui::ContrastRatio(label.ground, band), kStandsOut)
                << what << ", checked: " << testing_gui::Describe({band, label.ground});
        }
    }

    MainRibbonBar* m_bar = nullptr;
    int m_checked_seen = 0;
};

// Every page with the pointer away, every panel and every tab under the pointer, in each style.
TEST_F(RibbonLookTest, EveryTextOfTheRibbonStandsOutInEveryStyleAndState) {
    for (const bool with_schedule : {false, true}) {  // disabled labels, then usable and pressed ones
        StartProgram(with_schedule);
        for (const int style : {ID_VIEW_APPLOOK_2016_1, ID_VIEW_APPLOOK_2016_2, ID_VIEW_APPLOOK_2016_3}) {
            ApplyRibbonStyle(*m_bar, style);  // what the tab row's style menu does
            const std::string in_style = (with_schedule ? "schedule" : "none") + (", style " + std::to_string(style));
            for (int page = kFirstCategory; page <= kLastCategory; ++page) {
                ASSERT_TRUE(ClickTab(page));
                const std::string on_page = in_style + ", page " + std::to_string(page);
                const wxImage picture = GrabSteady(m_bar);
                for (int tab = 0; tab <= kLastCategory; ++tab)
                    ExpectReadable(picture, TabRegion(tab), on_page + ", tab " + std::to_string(tab));
                for (wxRibbonPanel* panel : PanelsOf(m_bar->GetPage(page)))
                    ExpectPanelReadable(picture, panel, on_page);
                for (wxRibbonPanel* panel : PanelsOf(m_bar->GetPage(page))) {
                    const std::vector<Button> buttons = ButtonsOf(panel);
                    ASSERT_TRUE(buttons.empty() ? MoveTo(m_bar, CaptionRegion(panel))
                                                : MoveTo(buttons[0].bar, buttons[0].bar->GetItemRect(buttons[0].id)));
                    ASSERT_TRUE(WaitUntil([panel] { return panel->IsHovered(); }));
                    ExpectPanelReadable(GrabSteady(m_bar), panel, on_page + ", hovered");
                }
            }
            for (int tab = 0; tab < kLastCategory; ++tab) {  // tabs look alike over every page
                ASSERT_TRUE(MoveTo(m_bar, m_bar->GetTabRect(tab)));
                ExpectReadable(GrabSteady(m_bar), TabRegion(tab), in_style + ", tab hovered " + std::to_string(tab));
            }
        }
        TearDown();
        SetUp();
    }
    EXPECT_GE(m_checked_seen, 12) << "Gantt and Relationship Lines, usable or not, in three styles";
}

// With nothing open no button can be used: each has a label clearly paler than a usable one
// and, readable still, a picture without the usable pictures' dark ink; a folded panel too.
TEST_F(RibbonLookTest, WithoutAScheduleEveryButtonOfEveryPageIsDrawnDisabled) {
    MainRibbonBar& bar = StartProgram(false);
    const double usable_label =
        testing_gui::RelativeLuminance(bar.GetArtProvider()->GetColour(wxRIBBON_ART_BUTTON_BAR_LABEL_COLOUR));
    int buttons_seen = 0;
    for (int page = kFirstCategory; page <= kLastCategory; ++page) {
        ASSERT_TRUE(ClickTab(page));
        const wxImage picture = GrabSteady(&bar);
        for (wxRibbonPanel* panel : PanelsOf(bar.GetPage(page))) {
            for (const Button& button : ButtonsOf(panel)) {
                ++buttons_seen;
                const std::string name = "page " + std::to_string(page) + ", button " + std::to_string(button.id);
                const testing_gui::TextLook label = MeasureText(picture, LabelRegion(button));
                EXPECT_GE(testing_gui::RelativeLuminance(label.text), usable_label + 0.05)
                    << name << ": " << Describe(label);
                EXPECT_GE(label.ratio, kReadable) << name << ": " << Describe(label);
                EXPECT_GE(testing_gui::DarkestLuminanceIn(picture, GlyphRegion(button)), kFadedInk) << name;
            }
        }
    }
    EXPECT_EQ(buttons_seen, 43);

    Frame()->SetSize(760, 760);  // panels fold into one picture centred under their caption
    ASSERT_TRUE(WaitUntil([&bar] { return Frame()->GetSize().x == 760 && bar.GetSize().x <= 760; }));
    int folded_seen = 0;
    for (int page = kFirstCategory; page <= kLastCategory; ++page) {
        ASSERT_TRUE(ClickTab(page));
        const wxImage picture = GrabSteady(&bar);
        for (wxRibbonPanel* panel : PanelsOf(bar.GetPage(page))) {
            if (!panel->IsMinimised()) continue;
            ++folded_seen;
            const wxRect folded_picture = InBar(panel, wxRect(panel->GetSize().x / 2 - 10, 16, 20, 16));
            EXPECT_GE(testing_gui::DarkestLuminanceIn(picture, folded_picture), kFadedInk)
                << "page " << page << ", " << panel->GetLabel();
        }
    }
    EXPECT_GE(folded_seen, 5);
}

// A timescale list is as wide as the toolkit measures the control round its longest choice, a
// layout list round the layout a schedule opens with; a layout list names the whole layout in
// its tooltip.
TEST_F(RibbonLookTest, TheListsShowTheirChoicesWhole) {
    StartProgram(true);
    for (int page = kActivitiesTabPage; page <= kResourcesTabPage; ++page) ASSERT_TRUE(ClickTab(page));  // filled
    const auto shows_whole = [](const wxChoice& list, const wxString& text) {
        EXPECT_GE(list.GetSize().x, list.GetSizeFromTextSize(list.GetTextExtent(text).x).x) << text;
    };
    for (const int id : {IDC_COMBO_ACT_TIMESCALE, IDC_COMBO_WBS_TIMESCALE, IDC_COMBO_PROJ_TIMESCALE}) {
        const auto& list = dynamic_cast<const wxChoice&>(*m_bar->FindWindow(id));
        ASSERT_EQ(list.GetCount(), 7u);
        for (const wxString& text : list.GetStrings()) shows_whole(list, text);
    }
    for (const int id : {IDC_COMBO_ACTIVITY_LAYOUT, IDC_COMBO_WBS_LAYOUT, IDC_COMBO_PROJ_LAYOUT, IDC_COMBO_RES_LAYOUT}) {
        const auto& list = dynamic_cast<const wxChoice&>(*m_bar->FindWindow(id));
        EXPECT_NE(list.GetStringSelection(), "");
        shows_whole(list, list.GetStringSelection());
        EXPECT_EQ(list.GetToolTipText(), list.GetStringSelection());
    }
}

TEST_F(RibbonLookTest, EveryTextOfTheInfoPageIsReadable) {
    StartProgram(true);
    Frame()->ShowFilePage();
    wxWindow& page = *Frame()->GetFilePage()->GetInfoPageArea()->GetChildren().front();
    ASSERT_TRUE(WaitUntil([&page] { return page.IsShownOnScreen(); }));
    wxTheApp->ProcessIdle();  // the controls' update requests, as an idle event loop sends them
    const wxImage picture = GrabSteady(&page);
    for (const wxWindow* child : page.GetChildren()) {  // all but the miniature have texts
        if (!child->GetLabel().empty()) ExpectReadable(picture, child->GetRect(), child->GetLabel().ToStdString());
    }
}

// The Print page's page counter ("1 / 3") stands on the page's white in every theme.
TEST_F(RibbonLookTest, ThePrintPagesPageCounterIsReadable) {
    StartProgram(true);
    Frame()->ShowFilePage();
    Frame()->GetFilePage()->ShowItem(FilePage::print_item);
    PrintPreviewPanel* panel = nullptr;
    for (wxWindow* child : Frame()->GetFilePage()->GetPrintPageArea()->GetChildren())
        panel = panel != nullptr ? panel : dynamic_cast<PrintPreviewPanel*>(child);
    ASSERT_NE(panel, nullptr);
    wxStaticText& counter = *panel->GetPageLabel();
    ASSERT_TRUE(WaitUntil([&counter] { return counter.IsShownOnScreen() && counter.GetLabel().Contains(" / "); }));
    const wxImage picture = GrabSteady(panel);
    const testing_gui::TextLook look = ExpectReadable(picture, counter.GetRect(), counter.GetLabel().ToStdString());
    EXPECT_GT(testing_gui::RelativeLuminance(look.ground), 0.9) << "on the page's white";
}

// A dialog holds the input while the pointer leaves the panel it was opened from; once it has
// closed the panel no longer looks hovered, and its texts stay readable.
TEST_F(RibbonLookTest, APanelDoesNotStayHoveredAfterItsDialogClosed) {
    MainRibbonBar& bar = StartProgram(true);
    ASSERT_TRUE(ClickTab(kActivitiesTabPage));
    wxRibbonPanel* table_panel = PanelsOf(bar.GetPage(kActivitiesTabPage))[2];
    const Button table = ButtonsOf(table_panel)[0];
    ASSERT_EQ(table.id, IDC_BUTTON_ACT_TABLE);
    bool shown = false;
    m_hook.while_shown = [&shown](wxDialog& dialog) {  // the columns dialog, left by its Cancel button
        shown = true;
        wxWindow* cancel = dialog.FindWindow(wxID_CANCEL);
        ASSERT_TRUE(MoveTo(cancel, cancel->GetClientRect()));
        wxUIActionSimulator().MouseClick();
        EXPECT_TRUE(WaitUntil([&dialog] { return !dialog.IsShown(); }));
    };
    ASSERT_TRUE(MoveTo(table.bar, table.bar->GetItemRect(table.id)));
    ASSERT_TRUE(WaitUntil([table_panel] { return table_panel->IsHovered(); }));
    wxUIActionSimulator().MouseClick();
    ASSERT_TRUE(WaitUntil([&shown] { return shown; }));
    EXPECT_TRUE(WaitUntil([table_panel] { return !table_panel->IsHovered(); }));
    ExpectPanelReadable(GrabSteady(&bar), table_panel, "after the columns dialog");
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
