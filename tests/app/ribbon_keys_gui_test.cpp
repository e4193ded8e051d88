// ribbon_keys_gui_test.cpp - the ribbon and the File page from the keyboard and the pointer,
// and what the File page shows: Alt+F opens it right under the tabs, Escape leaves it, Ctrl+Page
// Down and Ctrl+Page Up step round the categories; its items stand in from the edge, the Info
// page's miniature shows the ribbon, the help button and its help link open the planners' page
// beside the program in the desktop's browser, and File > Open has a title in the interface
// language. Keys are typed through the display server.

#include "../shell/every_category_schedule.h"
#include "app/VarnholtView.h"
#include "app/app_services.h"
#include "app/backstage/CBackStagePageInfo.h"
#include "app/backstage/FilePage.h"
#include "app/print/PrintPreviewPanel.h"
#include "app/ribbon/MainRibbon.h"
#include "platform/program_folder.h"
#include "platform/user_paths.h"
#include "app_gui_support.h"
#include "gui_input.h"
#include "screen_pixels.h"
#include "shell/command_ids.h"
#include "shell/ui_text.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/hyperlink.h>
#include <wx/prntbase.h>
#include <wx/ribbon/art.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace varnholt {
namespace {

namespace fs = std::filesystem;
using testing_app::run_folder;
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
    // The control or a part of it has the keyboard focus: the toolkit reports none for a drop-down
    // list whose button Tab focused.
    static bool HasTheKeys(CMainFrame& frame, wxWindow& control) {
        GtkWidget* focused = gtk_window_get_focus(GTK_WINDOW(frame.GetHandle()));
        return wxWindow::FindFocus() == &control ||
               (focused != nullptr && gtk_widget_is_ancestor(focused, static_cast<GtkWidget*>(control.GetHandle())));
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

// The captions of the current page's panels that stand folded into their pictures.
std::string FoldedCaptions(wxRibbonBar& ribbon) {
    std::string folded;
    for (wxWindow* child : ribbon.GetPage(static_cast<size_t>(ribbon.GetActivePage()))->GetChildren()) {
        auto* panel = dynamic_cast<wxRibbonPanel*>(child);
        if (panel != nullptr && panel->IsMinimised()) folded += panel->GetLabel().ToStdString() + ' ';
    }
    return folded;
}

// A schedule opened by a click in the File page's Recent list folds the ribbon at each width as
// a start with that schedule does.
TEST_F(RibbonKeysTest, AScheduleOpenedFromRecentFoldsTheRibbonAsAStartWithItDoes) {
    const wxString schedule = Schedule(L"A.xer", testing_shell::EveryCategorySchedule("A"));
    ASSERT_TRUE(Start(schedule));
    CMainFrame& frame = *Frame();
    auto& ribbon = dynamic_cast<MainRibbonBar&>(*frame.GetRibbon());
    const auto folded_at = [&](int width) {
        frame.SetSize(width, 600);
        EXPECT_TRUE(WaitUntil([&] { return frame.GetSize().x == width && ribbon.GetSize().x == frame.GetClientSize().x; }))
            << width;
        return FoldedCaptions(ribbon);
    };
    const std::string at_start[] = {folded_at(1000), folded_at(700)};
    (void)folded_at(1280);

    const auto click = [](wxWindow* window) {
        return window != nullptr && WaitUntil([window] { return window->IsShownOnScreen(); }) &&
               testing_gui::WaitForFrames(*window) && testing_gui::ClickAt(*window, wxPoint(20, window->GetSize().y / 2));
    };
    const wxRect tab = ribbon.GetTabRect(kFileTabPage);
    ASSERT_TRUE(testing_gui::ClickAt(ribbon, tab.GetPosition() + tab.GetSize() / 2));
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); }));
    FilePage& page = *frame.GetFilePage();
    ASSERT_TRUE(click(wxWindow::FindWindowByLabel("Recent", page.GetChildren().front())));
    ASSERT_TRUE(WaitUntil([&page] { return page.GetShownItem() == FilePage::recent_item; }));
    wxWindow* entry = nullptr;  // the Info page names the file too
    std::function<void(wxWindow*)> find = [&](wxWindow* window) {
        for (wxWindow* child : window->GetChildren()) {
            if (child->GetLabel() == schedule && dynamic_cast<wxButton*>(child) != nullptr) entry = child;
            find(child);
        }
    };
    find(&page);  // the list is made anew as the page shows
    ASSERT_TRUE(click(entry));
    ASSERT_TRUE(WaitUntil([&frame] { return frame.GetTablePane()->IsShownOnScreen(); }));
    EXPECT_EQ(folded_at(1000), at_start[0]);
    EXPECT_EQ(folded_at(700), at_start[1]);
}

// Clicked twice on its tab, the File page stays right under the tabs and the next click opens
// the item under the pointer; its items stand in from the red column's edge, and the miniature
// of the window has the red tab row on top.
TEST_F(RibbonKeysTest, TheFilePageFromItsTabShowsItsItemsAndTheWholeWindowsMiniature) {
    CMainFrame& frame = StartWithFocus();
    auto* ribbon = dynamic_cast<MainRibbonBar*>(frame.GetRibbon());
    const wxColour accent(182, 35, 39);
    const wxPoint tab = ribbon->ClientToScreen(ribbon->GetTabRect(kFileTabPage).GetPosition() + wxSize(10, 10));
    wxUIActionSimulator().MouseMove(tab);
    ASSERT_TRUE(WaitUntil([&tab] { return wxGetMousePosition() == tab; }));
    wxUIActionSimulator().MouseClick();
    ASSERT_TRUE(WaitUntil([&frame] { return FilePageUnderTheTabs(frame); }));
    wxWindow* recent = nullptr;
    for (wxWindow* item : frame.GetFilePage()->GetChildren().front()->GetChildren()) {
        if (item->GetLabel() == "Recent") recent = item;
    }
    ASSERT_NE(recent, nullptr);
    const wxPoint recent_item = recent->GetScreenRect().GetPosition() + wxSize(40, 10);
    int dialogs = 0;
    m_hook.inspect = [&dialogs](wxDialog&) { ++dialogs; };
    wxUIActionSimulator().MouseClick();  // the pointer left on the tab
    wxUIActionSimulator().MouseMove(recent_item);
    ASSERT_TRUE(WaitUntil([&recent_item] { return wxGetMousePosition() == recent_item; }));
    wxUIActionSimulator().MouseClick();
    EXPECT_TRUE(WaitUntil([&frame] { return frame.GetFilePage()->GetShownItem() == FilePage::recent_item; }));
    EXPECT_TRUE(FilePageUnderTheTabs(frame));
    EXPECT_EQ(dialogs, 0);

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

    // The tab row's own top line: larger text makes the tabs taller, up to a pixel or two from it.
    const wxImage shot = frame.GetScreenshot().ConvertToImage();
    int red = 0;
    testing_gui::ForEachPixel(shot, wxRect(0, 0, shot.GetWidth(), 1),
                              [&](const wxColour& pixel) { red += pixel == accent; });
    EXPECT_GT(red, shot.GetWidth() / 2);
}

// After Alt+F the keys are on the first item; Tab, Down and Up move them along the column, Up
// and Down round its ends as in a menu, and Tab goes on from the last item into the Info page
// and round from its last control to the first item, never onto the ribbon's unmarked tabs.
// What Return acts on is always outlined: the outline stands out from its ground by 3 : 1 all
// round it, and goes with the focus.
TEST_F(RibbonKeysTest, TabAndTheArrowKeysMoveAPlainFocusMarkAlongTheFilePagesItems) {
    CMainFrame& frame = StartWithFocus();
    ASSERT_TRUE(Type('F', wxMOD_ALT, [&frame] { return frame.IsFilePageShown(); }));
    FilePage& page = *frame.GetFilePage();
    wxWindow* column = page.GetChildren().front();
    const std::vector<wxWindow*> items(column->GetChildren().begin(), column->GetChildren().end());
    ASSERT_EQ(items.size(), static_cast<std::size_t>(FilePage::item_count));
    auto* info = dynamic_cast<CBackStagePageInfo*>(page.GetInfoPageArea()->GetChildren().front());
    ASSERT_NE(info, nullptr);
    const auto help_link = std::ranges::find_if(info->GetChildren(), [](wxWindow* child) {
        return dynamic_cast<wxHyperlinkCtrl*>(child) != nullptr;
    });
    ASSERT_NE(help_link, info->GetChildren().end());
    ASSERT_TRUE(WaitUntil([&items] { return wxWindow::FindFocus() == items[FilePage::open_item]; }));
    // The pointer on the page, away from the controls it would light up.
    ASSERT_TRUE(testing_gui::MoveTo(page, wxPoint(page.GetClientSize().x - 10, page.GetClientSize().y - 10)));

    const std::pair<int, wxWindow*> steps[] = {  // the key, and the control that then holds the focus
        {WXK_TAB, items[FilePage::info_item]}, {WXK_DOWN, items[FilePage::recent_item]},
        {WXK_UP, items[FilePage::info_item]},  {WXK_UP, items[FilePage::open_item]},
        {WXK_UP, items[FilePage::exit_item]},  {WXK_DOWN, items[FilePage::open_item]},
        {WXK_UP, items[FilePage::exit_item]},  {WXK_TAB, info->GetPreviewButton()},
        {WXK_TAB, *help_link}, {WXK_TAB, items[FilePage::open_item]}};
    const auto place = [&page](const wxWindow* control) {
        return wxRect(page.ScreenToClient(control->GetScreenPosition()), control->GetSize());
    };
    wxImage before = testing_gui::GrabSteady(&page);
    const wxWindow* focused = items[FilePage::open_item];
    for (const auto& [key, reached] : steps) {
        SCOPED_TRACE(testing::Message() << "from " << focused->GetLabel() << " to " << reached->GetLabel() << " "
                                        << reached->GetClassInfo()->GetClassName());
        ASSERT_TRUE(Type(key, wxMOD_NONE, [reached] { return wxWindow::FindFocus() == reached; }));
        const wxImage after = testing_gui::GrabSteady(&page);
        EXPECT_GE(testing_gui::FocusRingCoverage(before, after, place(focused)), 0.9) << "the control left";
        EXPECT_GE(testing_gui::FocusRingCoverage(after, before, place(reached)), 0.9) << "the control reached";
        before = after;
        focused = reached;
    }
    EXPECT_TRUE(Type(WXK_TAB, wxMOD_SHIFT, [&] { return wxWindow::FindFocus() == *help_link; })) << "Shift+Tab goes round back";
    EXPECT_TRUE(frame.IsFilePageShown()) << "no key acted on an item";
}

// A click on the File tab gives the keys to the first item and shows them there, where Return
// acts; Return on Print leaves them there. The Print page's controls, reached by Tab after Return on Print, each show the plain
// outline the rest of the page has, and so does the preview after them, where Page Down turns
// the page; Alt+F there gives the keys back to the first item, marked, and Return acts on it.
TEST_F(RibbonKeysTest, TheFileTabClickedAndThePrintPageShowAPlainFocusMarkWhereReturnActs) {
    ASSERT_TRUE(Start(Schedule(L"A.xer", testing_shell::EveryCategorySchedule("A"))));
    CMainFrame& frame = *Frame();
    auto* ribbon = dynamic_cast<MainRibbonBar*>(frame.GetRibbon());
    ASSERT_TRUE(WaitUntil([ribbon] { return ribbon->IsShownOnScreen(); }));
    const wxRect tab = ribbon->GetTabRect(kFileTabPage);
    ASSERT_TRUE(testing_gui::ClickAt(*ribbon, tab.GetPosition() + wxSize(10, tab.height / 2)));
    ASSERT_TRUE(WaitUntil([&frame] { return FilePageUnderTheTabs(frame); }));
    FilePage& page = *frame.GetFilePage();
    const std::vector<wxWindow*> items(page.GetChildren().front()->GetChildren().begin(),
                                       page.GetChildren().front()->GetChildren().end());
    ASSERT_TRUE(WaitUntil([&items] { return wxWindow::FindFocus() == items[FilePage::open_item]; }));
    // The pointer on the page, away from the controls it would light up.
    ASSERT_TRUE(testing_gui::MoveTo(page, wxPoint(page.GetClientSize().x - 10, page.GetClientSize().y - 10)));
    const auto place = [&page](const wxWindow* control) {
        return wxRect(page.ScreenToClient(control->GetScreenPosition()), control->GetSize());
    };
    wxImage before = testing_gui::GrabSteady(&page);
    ASSERT_TRUE(Type(WXK_DOWN, wxMOD_NONE, [&items] { return wxWindow::FindFocus() == items[FilePage::info_item]; }));
    wxImage after = testing_gui::GrabSteady(&page);
    EXPECT_GE(testing_gui::FocusRingCoverage(before, after, place(items[FilePage::open_item])), 0.9)
        << "the first item, after a click on the File tab";

    for (int steps = 0; steps < 3; ++steps) (void)Type(WXK_DOWN, wxMOD_NONE, [] { return true; });
    ASSERT_TRUE(WaitUntil([&items] { return wxWindow::FindFocus() == items[FilePage::print_item]; }));
    ASSERT_TRUE(Type(WXK_RETURN, wxMOD_NONE, [&page] { return page.GetShownItem() == FilePage::print_item; }));
    ASSERT_TRUE(testing_gui::WaitForFrames(page));
    EXPECT_EQ(wxWindow::FindFocus(), items[FilePage::print_item]) << "the keys stay on the item Return acted on";
    before = testing_gui::GrabSteady(&page);
    ASSERT_TRUE(Type('F', wxMOD_ALT, [&items] { return wxWindow::FindFocus() == items[FilePage::open_item]; }));
    after = testing_gui::GrabSteady(&page);
    EXPECT_GE(testing_gui::FocusRingCoverage(after, before, place(items[FilePage::open_item])), 0.9)
        << "the first item, after Alt+F on the Print page";

    // Tab from the last item on through the Print page's controls.
    std::vector<wxWindow*> controls{items[FilePage::exit_item]};
    for (wxWindow* child : page.GetPrintPageArea()->GetParent()->GetChildren()) {
        if (dynamic_cast<wxButton*>(child) != nullptr) controls.push_back(child);
    }
    for (wxWindow* child : page.GetPrintPageArea()->GetChildren().front()->GetChildren()) {
        if (dynamic_cast<wxButton*>(child) != nullptr || dynamic_cast<wxChoice*>(child) != nullptr)
            controls.push_back(child);
    }
    ASSERT_EQ(controls.size(), 8u) << "the last item, Page settings, Print..., four page buttons and the zoom";
    ASSERT_TRUE(Type(WXK_UP, wxMOD_NONE, [&items] { return wxWindow::FindFocus() == items[FilePage::exit_item]; }));
    // Against the page with the keys off the Print page: neighbouring buttons stand closer
    // together than their outlines are wide.
    before = testing_gui::GrabSteady(&page);
    for (std::size_t k = 1; k < controls.size(); ++k) {
        SCOPED_TRACE(testing::Message() << "to " << controls[k]->GetLabel() << " "
                                        << controls[k]->GetClassInfo()->GetClassName());
        ASSERT_TRUE(Type(WXK_TAB, wxMOD_NONE, [&] { return HasTheKeys(frame, *controls[k]); }));
        after = testing_gui::GrabSteady(&page);
        EXPECT_GE(testing_gui::FocusRingCoverage(after, before, place(controls[k])), 0.9) << "the control reached";
    }
    auto* preview_panel = dynamic_cast<PrintPreviewPanel*>(page.GetPrintPageArea()->GetChildren().front());
    ASSERT_NE(preview_panel, nullptr);
    wxPrintPreviewBase* preview = preview_panel->GetPreview();
    ASSERT_NE(preview, nullptr);
    ASSERT_GT(preview->GetMaxPage(), 1);
    wxWindow* canvas = preview->GetCanvas();
    ASSERT_TRUE(Type(WXK_TAB, wxMOD_NONE, [canvas] { return wxWindow::FindFocus() == canvas; }));
    after = testing_gui::GrabSteady(&page);
    EXPECT_GE(testing_gui::FocusRingCoverage(after, before, place(canvas)), 0.9) << "the preview";
    EXPECT_TRUE(Type(WXK_PAGEDOWN, wxMOD_NONE, [preview] { return preview->GetCurrentPage() == 2; }));

    int dialogs = 0;
    m_hook.answer = wxID_CANCEL;
    m_hook.inspect = [&dialogs](wxDialog&) { ++dialogs; };
    ASSERT_TRUE(Type('F', wxMOD_ALT, [&items] { return wxWindow::FindFocus() == items[FilePage::open_item]; }));
    EXPECT_TRUE(Type(WXK_RETURN, wxMOD_NONE, [&dialogs] { return dialogs == 1; })) << "Return opens a file";
}

// A stand-in for the desktop's browser: a script that writes each file it is asked to open to a
// file of its own. The toolkit asks the desktop's file-type defaults first, and xdg-open on the
// PATH where they fail, so the script is both: the default for web pages, Markdown and plain
// text in the run's per-user folders, and xdg-open in front of the PATH.
class StandInBrowser {
public:
    StandInBrowser() : m_path(std::getenv("PATH") == nullptr ? "" : std::getenv("PATH")) {
        const fs::path folder = run_folder() / "browser";
        fs::create_directories(folder);
        m_asked = folder / "asked";
        const fs::path script = folder / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << m_asked.string() << "'\n";
        fs::permissions(script, fs::perms::owner_all);
        const fs::path applications = fs::path(std::getenv("XDG_DATA_HOME")) / "applications";
        const fs::path config = std::getenv("XDG_CONFIG_HOME");
        fs::create_directories(applications);
        fs::create_directories(config);
        std::ofstream(applications / "stand-in-browser.desktop")
            << "[Desktop Entry]\nType=Application\nName=Stand-in browser\nExec=" << script.string()
            << " %u\nMimeType=text/html;text/markdown;text/plain;\n";
        std::ofstream(config / "mimeapps.list") << "[Default Applications]\ntext/html=stand-in-browser.desktop\n"
                                                   "text/markdown=stand-in-browser.desktop\n"
                                                   "text/plain=stand-in-browser.desktop\n";
        setenv("PATH", (folder.string() + ":" + m_path).c_str(), 1);
    }
    ~StandInBrowser() { setenv("PATH", m_path.c_str(), 1); }
    StandInBrowser(const StandInBrowser&) = delete;
    StandInBrowser& operator=(const StandInBrowser&) = delete;

    // The file the browser was asked to open since the last call, as a path (a file address is
    // turned into one); empty when it was asked nothing within the wait.
    fs::path TakeRequest() const {
        std::string asked;
        (void)WaitUntil([&] {
            std::ifstream in(m_asked);
            asked.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            return !asked.empty() && asked.back() == '\n';
        });
        fs::remove(m_asked);
        if (asked.empty()) return {};
        asked.pop_back();
        const wxString request = wxString::FromUTF8(asked);
        if (request.StartsWith("file:")) return PathFromWide(wxFileName::URLToFileName(request).GetFullPath().ToStdWstring());
        return fs::path(asked);
    }
    bool WasAsked() const { return fs::exists(m_asked); }

private:
    std::string m_path;
    fs::path m_asked;
};

// The ribbon's "?" and the File page's "Online help" open the planners' page that lies beside
// the program in the desktop's browser, each clicked as a user does; without its page, the
// button says so and opens nothing.
TEST_F(RibbonKeysTest, HelpButtonAndOnlineHelpOpenThePlannersPageBesideTheProgram) {
    const StandInBrowser browser;
    CMainFrame& frame = StartWithFocus();
    const fs::path page = fs::path(VARNHOLT_SOURCE_DIR) / "help" / "index.html";  // the tests' program folder
    std::ifstream page_file(page);
    const std::string html((std::istreambuf_iterator<char>(page_file)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(html.starts_with("<!DOCTYPE html>")) << page;
    const auto click = [](wxWindow* window, const wxRect& area) {
        const wxPoint point = window->ClientToScreen(area.GetPosition() + area.GetSize() / 2);
        wxUIActionSimulator().MouseMove(point);
        EXPECT_TRUE(WaitUntil([&point] { return wxGetMousePosition() == point; }));
        wxUIActionSimulator().MouseClick();
    };

    wxRibbonBar* ribbon = frame.GetRibbon();
    const wxRect help_button = ribbon->GetArtProvider()->GetRibbonHelpButtonArea(ribbon->GetSize());
    click(ribbon, help_button);
    EXPECT_EQ(browser.TakeRequest(), page) << "the ribbon's help button";

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
    ASSERT_TRUE(WaitUntil([&links] { return links[0]->IsShownOnScreen(); }));
    click(links[0], links[0]->GetClientRect());
    EXPECT_EQ(browser.TakeRequest(), page) << "the File page's Online help";

    SetProgramFolder(run_folder());  // a program folder without the help page
    click(ribbon, help_button);
    ASSERT_TRUE(WaitUntil([this] { return !m_hook.messages.empty(); }));
    EXPECT_NE(m_hook.messages.front().Find("index.html"), wxNOT_FOUND) << m_hook.messages.front();
    EXPECT_FALSE(browser.WasAsked());
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
