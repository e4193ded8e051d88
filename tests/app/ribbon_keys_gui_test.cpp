// ribbon_keys_gui_test.cpp - the ribbon and the File page from the keyboard and the pointer,
// and what the File page shows: Alt+F opens it right under the tabs, Escape leaves it, Ctrl+Page
// Down and Ctrl+Page Up step round the categories; its items stand in from the edge, the Info
// page's miniature shows the ribbon, its help link leads to the README beside the program, and
// File > Open has a title in the interface language. Keys are typed through the display server.

#include "app/VarnholtView.h"
#include "app/app_services.h"
#include "app/backstage/FilePage.h"
#include "app/ribbon/MainRibbon.h"
#include "app_gui_support.h"
#include "screen_pixels.h"
#include "shell/command_ids.h"
#include "shell/ui_text.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/hyperlink.h>
#include <wx/uiaction.h>

namespace varnholt {
namespace {

using testing_app::WaitUntil;

class RibbonKeysTest : public testing_app::AppGuiTest {
protected:
    // The program with the pointer, and so the keyboard focus, in its table pane.
    static CMainFrame& StartWithFocus() {
        EXPECT_TRUE(Start());
        VarnholtView* pane = Frame()->GetTablePane();
        EXPECT_TRUE(WaitUntil([pane] { return pane->IsShownOnScreen(); }));
        wxUIActionSimulator().MouseMove(pane->GetScreenRect().GetPosition() + wxSize(100, 100));
        pane->SetFocus();
        EXPECT_TRUE(WaitUntil([pane] { return wxWindow::FindFocus() == pane; }));
        return *Frame();
    }
    static bool Type(int key, int modifiers, const std::function<bool()>& then) {
        wxUIActionSimulator().Char(key, modifiers);
        return WaitUntil(then);
    }
    // The File page fills the window from right under the tabs.
    static bool FilePageUnderTheTabs(CMainFrame& frame) {
        return frame.IsFilePageShown() && !frame.GetRibbon()->ArePanelsShown() &&
               frame.GetFilePage()->GetPosition().y == frame.GetRibbon()->GetRect().GetBottom() + 1;
    }
};

TEST_F(RibbonKeysTest, AltFOpensTheFilePageEscapeLeavesItAndCtrlPageKeysStepRoundTheCategories) {
    CMainFrame& frame = StartWithFocus();
    wxRibbonBar* ribbon = frame.GetRibbon();
    const int band_height = ribbon->GetSize().y;
    const auto shows = [ribbon](int page) { return [ribbon, page] { return ribbon->GetActivePage() == page; }; };

    ASSERT_TRUE(Type('F', wxMOD_ALT, [&frame] { return FilePageUnderTheTabs(frame); }));
    EXPECT_LT(ribbon->GetSize().y, band_height - 40);
    ASSERT_TRUE(Type(WXK_ESCAPE, wxMOD_NONE, shows(kActivitiesTabPage)));
    EXPECT_TRUE(WaitUntil([&] { return !frame.IsFilePageShown() && ribbon->GetSize().y == band_height; }));

    // The keyboard goes on reaching the window after the File page: round the ring both ways.
    for (const int page :
         {kWbsTabPage, kProjectsTabPage, kResourcesTabPage, kObsTabPage, kRolesTabPage, kActivitiesTabPage}) {
        ASSERT_TRUE(Type(WXK_PAGEDOWN, wxMOD_CONTROL, shows(page))) << page;
        EXPECT_EQ(static_cast<int>(frame.GetActiveCategory()), page);
    }
    ASSERT_TRUE(Type(WXK_PAGEUP, wxMOD_CONTROL, shows(kRolesTabPage)));
    // From the File page the next tab is the first category, the one before it the last.
    ASSERT_TRUE(Type('F', wxMOD_ALT, [&frame] { return frame.IsFilePageShown(); }));
    ASSERT_TRUE(Type(WXK_PAGEDOWN, wxMOD_CONTROL, shows(kActivitiesTabPage)));
    EXPECT_TRUE(ribbon->ArePanelsShown());
    ASSERT_TRUE(Type('F', wxMOD_ALT, [&frame] { return frame.IsFilePageShown(); }));
    ASSERT_TRUE(Type(WXK_PAGEUP, wxMOD_CONTROL, shows(kRolesTabPage)));
}

// Clicked twice on its tab, the File page stays right under the tabs; its items stand in from
// the red column's edge, and the miniature of the window has the red tab row on top.
TEST_F(RibbonKeysTest, TheFilePageFromItsTabShowsItsItemsAndTheWholeWindowsMiniature) {
    CMainFrame& frame = StartWithFocus();
    auto* ribbon = dynamic_cast<MainRibbonBar*>(frame.GetRibbon());
    const wxColour accent(182, 35, 39);
    for (int click = 0; click < 2; ++click) {
        const wxPoint tab = ribbon->ClientToScreen(ribbon->GetTabRect(kFileTabPage).GetPosition() + wxSize(10, 10));
        wxUIActionSimulator().MouseMove(tab);
        ASSERT_TRUE(WaitUntil([&tab] { return wxGetMousePosition() == tab; }));
        wxUIActionSimulator().MouseClick();
        ASSERT_TRUE(WaitUntil([&frame] { return FilePageUnderTheTabs(frame); })) << "click " << click;
    }

    wxWindow* column = frame.GetFilePage()->GetChildren().front();
    ASSERT_EQ(column->GetBackgroundColour(), accent);
    int leftmost_text = column->GetSize().x;
    const wxImage picture = testing_gui::GrabSteady(column);
    for (int x = 0; x < picture.GetWidth(); ++x) {
        testing_gui::ForEachPixel(picture, wxRect(x, 0, 1, picture.GetHeight()), [&](const wxColour& pixel) {
            if (testing_gui::ContrastRatio(pixel, accent) > 2.0) leftmost_text = std::min(leftmost_text, x);
        });
    }
    EXPECT_GE(leftmost_text, 12);
    EXPECT_LT(leftmost_text, 40) << "the labels are there";

    const wxImage shot = frame.GetScreenshot().ConvertToImage();
    int red = 0;
    testing_gui::ForEachPixel(shot, wxRect(0, 2, shot.GetWidth(), 1),
                              [&](const wxColour& pixel) { red += pixel == accent; });
    EXPECT_GT(red, shot.GetWidth() / 2);
}

TEST_F(RibbonKeysTest, TheHelpLinkLeadsToTheReadmeBesideTheProgramAndAWebLinkOnlyToAGivenSite) {
    CMainFrame& frame = StartWithFocus();
    ASSERT_TRUE(Type('F', wxMOD_ALT, [&frame] { return frame.IsFilePageShown(); }));
    std::vector<wxHyperlinkCtrl*> links;
    std::function<void(wxWindow*)> collect = [&](wxWindow* window) {
        for (wxWindow* child : window->GetChildren()) {
            if (auto* link = dynamic_cast<wxHyperlinkCtrl*>(child)) links.push_back(link);
            collect(child);
        }
    };
    collect(frame.GetFilePage()->GetInfoPageArea());
    // The tests' build is given no web site (the default); one that is shows a second link to it.
    const wxString site = HomePageAddress();
    ASSERT_EQ(links.size(), site.empty() ? 1u : 2u);
    if (!site.empty()) {
        EXPECT_EQ(links[1]->GetURL(), site);
    }
    const wxString readme = wxString(VARNHOLT_SOURCE_DIR) + "/README.md";  // the tests' program folder
    EXPECT_TRUE(wxFileName::FileExists(readme));
    EXPECT_EQ(links[0]->GetURL(), wxFileName::FileNameToURL(wxFileName(readme)));
    EXPECT_EQ(HelpPageAddress(), links[0]->GetURL()) << "the ribbon's help button opens the same";
}

TEST_F(RibbonKeysTest, TheOpenDialogIsTitledInTheInterfaceLanguage) {
    CMainFrame& frame = StartWithFocus();
    for (const auto& [language, title] :
         {std::pair{text_language::english, "Open"}, {text_language::french, "Ouvrir"}}) {
        SelectTextLanguage(language);
        wxString seen;
        m_hook.answer = wxID_CANCEL;
        // The toolkit's file chooser takes the dialog's message as its window title.
        m_hook.inspect = [&seen](wxDialog& dialog) {
            if (auto* chooser = dynamic_cast<wxFileDialog*>(&dialog)) seen = chooser->GetMessage();
        };
        wxQueueEvent(&frame, new wxCommandEvent(wxEVT_MENU, ID_FILE_OPEN));  // what File > Open sends
        EXPECT_TRUE(WaitUntil([&seen] { return !seen.empty(); }));
        EXPECT_EQ(seen, title);
    }
    SelectTextLanguage(text_language::english);
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
