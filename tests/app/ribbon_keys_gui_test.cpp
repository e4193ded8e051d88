// ribbon_keys_gui_test.cpp - the ribbon and the File page from the keyboard, and what the File
// page shows: Alt+F opens it right under the tabs, Ctrl+Page Down and Ctrl+Page Up step round
// the categories, Escape leaves it; its items stand in from the edge, the Info page's miniature
// shows the ribbon, the help link leads to the README beside the program, and File > Open has a
// title in the interface language. Keys are typed through the display server.

#include "app/VarnholtView.h"
#include "app/app_services.h"
#include "app/backstage/FilePage.h"
#include "app/ribbon/MainRibbon.h"
#include "app_gui_support.h"
#include "platform/program_folder.h"
#include "screen_pixels.h"
#include "shell/command_ids.h"
#include "shell/ui_text.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/hyperlink.h>
#include <wx/uiaction.h>

#include <functional>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;

const wxColour kAccent(182, 35, 39);

void ForEachDescendant(wxWindow* window, const std::function<void(wxWindow*)>& visit) {
    for (wxWindow* child : window->GetChildren()) {
        visit(child);
        ForEachDescendant(child, visit);
    }
}

template <class Control>
std::vector<Control*> ControlsIn(wxWindow* window) {
    std::vector<Control*> found;
    ForEachDescendant(window, [&found](wxWindow* child) {
        if (auto* control = dynamic_cast<Control*>(child)) found.push_back(control);
    });
    return found;
}

class RibbonKeysTest : public testing_app::AppGuiTest {
protected:
    // The program with the keyboard focus in its table pane, where the pointer rests.
    static CMainFrame& StartWithFocus() {
        EXPECT_TRUE(Start());
        CMainFrame& frame = *Frame();
        EXPECT_TRUE(WaitUntil([&frame] { return frame.IsShownOnScreen(); }));
        VarnholtView* pane = frame.GetTablePane();
        const wxPoint middle = pane->ClientToScreen(wxPoint(pane->GetClientSize().x / 2, pane->GetClientSize().y / 2));
        wxUIActionSimulator().MouseMove(middle);
        pane->SetFocus();
        EXPECT_TRUE(WaitUntil([&frame] {
            wxWindow* focus = wxWindow::FindFocus();
            return focus != nullptr && wxGetTopLevelParent(focus) == &frame;
        }));
        return frame;
    }
    static void Type(int key, int modifiers = wxMOD_NONE) { wxUIActionSimulator().Char(key, modifiers); }
};

TEST_F(RibbonKeysTest, AltFOpensTheFilePageUnderTheTabsAndEscapeLeavesIt) {
    CMainFrame& frame = StartWithFocus();
    wxRibbonBar* ribbon = frame.GetRibbon();
    const int band_height = ribbon->GetSize().y;

    Type('F', wxMOD_ALT);
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); }));
    EXPECT_EQ(ribbon->GetActivePage(), kFileTabPage);
    ASSERT_TRUE(WaitUntil([&] { return frame.GetFilePage()->GetPosition().y < band_height - 40; }));
    EXPECT_EQ(frame.GetFilePage()->GetPosition().y, ribbon->GetRect().GetBottom() + 1) << "no empty band between";
    EXPECT_FALSE(ribbon->ArePanelsShown());

    Type(WXK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&frame] { return !frame.IsFilePageShown(); }));
    EXPECT_EQ(ribbon->GetActivePage(), kActivitiesTabPage);
    EXPECT_TRUE(WaitUntil([&] { return ribbon->GetSize().y == band_height; })) << "the band is back";
}

// The same by the pointer: the File tab folds the band away, a second click on it leaves it
// folded, a category's tab unfolds it.
TEST_F(RibbonKeysTest, ClicksOnTheFileTabShowTheFilePageUnderTheTabs) {
    CMainFrame& frame = StartWithFocus();
    auto* ribbon = dynamic_cast<MainRibbonBar*>(frame.GetRibbon());
    ASSERT_NE(ribbon, nullptr);
    const auto click_tab = [ribbon](int page) {
        const wxRect tab = ribbon->GetTabRect(page);
        const wxPoint target = ribbon->ClientToScreen(tab.GetPosition() + wxSize(tab.width / 2, tab.height / 2));
        wxUIActionSimulator pointer;
        pointer.MouseMove(target);
        if (!WaitUntil([&target] { return wxGetMousePosition() == target; })) return false;
        pointer.MouseClick();
        return true;
    };
    const int band_height = ribbon->GetSize().y;
    for (int click = 0; click < 2; ++click) {
        ASSERT_TRUE(click_tab(kFileTabPage));
        ASSERT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); }));
        EXPECT_TRUE(WaitUntil([&] { return !ribbon->ArePanelsShown() && ribbon->GetSize().y < band_height - 40; }))
            << "click " << click;
        EXPECT_TRUE(WaitUntil([&] { return frame.GetFilePage()->GetPosition().y == ribbon->GetRect().GetBottom() + 1; }));
    }
    ASSERT_TRUE(click_tab(kProjectsTabPage));
    ASSERT_TRUE(WaitUntil([&frame] { return !frame.IsFilePageShown(); }));
    EXPECT_TRUE(WaitUntil([&] { return ribbon->ArePanelsShown() && ribbon->GetSize().y == band_height; }));
    EXPECT_EQ(frame.GetActiveCategory(), Category::projects);
}

TEST_F(RibbonKeysTest, CtrlPageDownAndUpStepRoundTheCategories) {
    CMainFrame& frame = StartWithFocus();
    wxRibbonBar* ribbon = frame.GetRibbon();
    for (const int expected : {kWbsTabPage, kProjectsTabPage, kResourcesTabPage, kObsTabPage, kRolesTabPage,
                               kActivitiesTabPage}) {
        Type(WXK_PAGEDOWN, wxMOD_CONTROL);
        ASSERT_TRUE(WaitUntil([&] { return ribbon->GetActivePage() == expected; })) << expected;
        EXPECT_EQ(static_cast<int>(frame.GetActiveCategory()), expected);
    }
    Type(WXK_PAGEUP, wxMOD_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return ribbon->GetActivePage() == kRolesTabPage; })) << "back round the ring";
    Type(WXK_PAGEUP, wxMOD_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return ribbon->GetActivePage() == kObsTabPage; }));

    // From the File page the next tab is the first category, the one before it the last.
    Type('F', wxMOD_ALT);
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); }));
    Type(WXK_PAGEDOWN, wxMOD_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return ribbon->GetActivePage() == kActivitiesTabPage; }));
    EXPECT_FALSE(frame.IsFilePageShown());
    EXPECT_TRUE(ribbon->ArePanelsShown());
    Type('F', wxMOD_ALT);
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); }));
    Type(WXK_PAGEUP, wxMOD_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return ribbon->GetActivePage() == kRolesTabPage; }));
}

TEST_F(RibbonKeysTest, TheFilePageItemsStandInFromTheEdgeAndTheMiniatureShowsTheRibbon) {
    CMainFrame& frame = StartWithFocus();
    Type('F', wxMOD_ALT);
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); }));

    // The white text of each item: none of it within the first pixels of the red column.
    wxButton* first = nullptr;
    for (wxButton* button : ControlsIn<wxButton>(frame.GetFilePage())) {
        if (button->GetLabelText() == frame.GetFilePage()->GetItemLabel(FilePage::open_item)) first = button;
    }
    ASSERT_NE(first, nullptr);
    wxWindow* column = first->GetParent();
    const wxImage picture = testing_gui::GrabSteady(column);
    int leftmost_text = picture.GetWidth();
    for (int y = 0; y < picture.GetHeight(); ++y) {
        for (int x = 0; x < picture.GetWidth(); ++x) {
            if (testing_gui::ContrastRatio(testing_gui::PixelAt(picture, x, y), kAccent) > 2.0) {
                leftmost_text = std::min(leftmost_text, x);
            }
        }
    }
    EXPECT_GE(leftmost_text, 12);
    EXPECT_LT(leftmost_text, 40) << "the labels are there";

    // The miniature is taken from the window with its ribbon: the accent of the tab row on top.
    const wxImage shot = frame.GetScreenshot().ConvertToImage();
    ASSERT_TRUE(shot.IsOk());
    int accent = 0;
    for (int x = 0; x < shot.GetWidth(); ++x) accent += testing_gui::PixelAt(shot, x, 2) == kAccent ? 1 : 0;
    EXPECT_GT(accent, shot.GetWidth() / 2);
}

TEST_F(RibbonKeysTest, TheHelpLinkLeadsToTheReadmeBesideTheProgramAndNoWebSiteIsGiven) {
    CMainFrame& frame = StartWithFocus();
    Type('F', wxMOD_ALT);
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); }));
    const std::vector<wxHyperlinkCtrl*> links = ControlsIn<wxHyperlinkCtrl>(frame.GetFilePage()->GetInfoPageArea());
    ASSERT_EQ(links.size(), 1u) << "a build without a web site shows no link to one";
    const wxString readme = wxString(VARNHOLT_SOURCE_DIR) + "/README.md";  // the tests' program folder
    EXPECT_TRUE(wxFileName::FileExists(readme));
    EXPECT_EQ(links[0]->GetURL(), wxFileName::FileNameToURL(wxFileName(readme)));
    EXPECT_EQ(links[0]->GetURL(), HelpPageAddress()) << "the ribbon's help button opens the same";
    EXPECT_TRUE(links[0]->GetURL().StartsWith("file://"));
    EXPECT_TRUE(HomePageAddress().empty());
}

TEST_F(RibbonKeysTest, TheOpenDialogIsTitledInTheInterfaceLanguage) {
    CMainFrame& frame = StartWithFocus();
    for (const auto& [language, title] : {std::pair{text_language::english, "Open"}, {text_language::french, "Ouvrir"}}) {
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
