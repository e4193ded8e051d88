// ribbon_gui_test.cpp - the ribbon and the File page in a plain frame under a virtual display:
// what each page holds, and that every click, choice and slider move reaches the frame as one
// menu command while enable and check states come back through update-UI.

#include "gui_input.h"
#include "gui_wait.h"
#include "screen_pixels.h"
#include "app/backstage/FilePage.h"
#include "app/ribbon/MainRibbon.h"
#include "app/ribbon/RibbonStyleMenu.h"
#include "shell/command_ids.h"
#include "shell/ui_text.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/filehistory.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/ribbon/art.h>
#include <wx/ribbon/bar.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/uiaction.h>

#include <glib.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

namespace varnholt {
namespace {

using testing_gui::WaitUntil;

// Every window below `window`, depth first.
void ForEachDescendant(wxWindow* window, const std::function<void(wxWindow*)>& visit) {
    for (wxWindow* child : window->GetChildren()) {
        visit(child);
        ForEachDescendant(child, visit);
    }
}

// The command ids a page carries: its windows' ids and its button bars' button ids.
std::set<int> CommandIdsOn(wxWindow* page) {
    std::set<int> ids;
    ForEachDescendant(page, [&ids](wxWindow* window) {
        if (window->GetId() >= 1000 && window->GetId() < 2000) ids.insert(window->GetId());
        if (auto* bar = dynamic_cast<wxRibbonButtonBar*>(window)) {
            for (size_t n = 0; n < bar->GetButtonCount(); ++n) ids.insert(bar->GetItemId(bar->GetItem(n)));
        }
    });
    return ids;
}

wxRibbonButtonBar* ButtonBarHolding(wxWindow* page, int id) {
    wxRibbonButtonBar* found = nullptr;
    ForEachDescendant(page, [&found, id](wxWindow* window) {
        if (auto* bar = dynamic_cast<wxRibbonButtonBar*>(window); bar && bar->GetItemById(id)) found = bar;
    });
    return found;
}

class RibbonTest : public testing::Test {
protected:
    void SetUp() override {
        m_frame = new wxFrame(nullptr, wxID_ANY, "ribbon test", wxPoint(0, 0), wxSize(1200, 700));
        m_bar = CreateMainRibbon(m_frame);
        m_history.AddFileToHistory("/data/first.xer");
        m_history.AddFileToHistory("/data/R&D plan.xls");  // newest; its '&' must show as typed
        m_file_page = new FilePage(m_frame, m_history);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(m_bar, 0, wxEXPAND);
        sizer->Add(m_file_page, 1, wxEXPAND);
        m_frame->SetSizer(sizer);
        m_frame->Bind(wxEVT_MENU, [this](wxCommandEvent& event) {
            m_commands.push_back(event.GetId());
            m_values.push_back(event.GetInt());
        });
        m_frame->Show();
        ASSERT_TRUE(WaitUntil([this] { return m_frame->IsShownOnScreen() && m_bar->GetSize().y > 0; }));
    }
    void TearDown() override {
        m_frame->Destroy();
        WaitUntil([] { return wxTopLevelWindows.empty(); });
    }

    bool WaitForCommand(int id) {
        return WaitUntil([this, id] { return std::ranges::find(m_commands, id) != m_commands.end(); });
    }
    int LastValue() const { return m_values.empty() ? -1 : m_values.back(); }

    // A real click at the centre of a window's rectangle (in the window's client coordinates).
    static bool ClickAt(wxWindow* window, const wxRect& rect) {
        wxUIActionSimulator mouse;
        const wxPoint target = window->ClientToScreen(rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2));
        mouse.MouseMove(target);
        if (!WaitUntil([&] { return wxGetMousePosition() == target; })) return false;
        mouse.MouseClick();
        return true;
    }
    // A real right-click at the middle of the bar's rectangle; once the menu it opens is on
    // screen, the keys are typed into it, each once the menu has answered the one before (an
    // entry highlighted, a submenu opened). True when the menu has closed again.
    bool RightClickAndType(const wxRect& rect, std::vector<int> keys) {
        bool opened = false;
        bool closed = false;
        int answers = 0;
        const auto on_answer = [&answers](wxMenuEvent& event) {
            event.Skip();
            ++answers;
        };
        const auto on_open = [&](wxMenuEvent& event) {
            event.Skip();
            if (opened) return;  // the submenu opens too
            opened = true;
            // The menu's own loop runs this, with the menu holding the keyboard.
            m_bar->CallAfter([keys, &answers] {
                wxUIActionSimulator typing;
                for (std::size_t k = 0; k < keys.size(); ++k) {
                    const int before = answers;
                    typing.Char(keys[k]);
                    const bool answered = k + 1 == keys.size() || WaitUntil([&answers, before] { return answers > before; });
                    EXPECT_TRUE(answered) << "the menu did not answer key " << k;
                }
            });
        };
        m_bar->Bind(wxEVT_MENU_HIGHLIGHT, on_answer);
        m_bar->Bind(wxEVT_MENU_OPEN, on_answer);
        const auto on_close = [&](wxMenuEvent& event) {
            event.Skip();
            if (event.GetMenu() == nullptr || event.GetMenu()->GetParent() == nullptr) closed = true;
        };
        m_bar->Bind(wxEVT_MENU_OPEN, on_open);
        m_bar->Bind(wxEVT_MENU_CLOSE, on_close);
        wxUIActionSimulator mouse;
        const wxPoint target = m_bar->ClientToScreen(rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2));
        mouse.MouseMove(target);
        bool done = WaitUntil([&] { return wxGetMousePosition() == target; });
        if (done) {
            mouse.MouseClick(wxMOUSE_BTN_RIGHT);
            done = WaitUntil([&] { return opened && closed; });
        }
        m_bar->Unbind(wxEVT_MENU_OPEN, on_open);
        m_bar->Unbind(wxEVT_MENU_CLOSE, on_close);
        m_bar->Unbind(wxEVT_MENU_HIGHLIGHT, on_answer);
        m_bar->Unbind(wxEVT_MENU_OPEN, on_answer);
        return done;
    }
    bool ClickButton(int page, int id) {
        m_bar->SetActivePage(static_cast<size_t>(page));
        wxRibbonButtonBar* bar = ButtonBarHolding(m_bar->GetPage(page), id);
        if (bar == nullptr || !WaitUntil([bar] { return bar->IsShownOnScreen(); })) return false;
        m_commands.clear();
        return ClickAt(bar, bar->GetItemRect(id));
    }

    wxFrame* m_frame = nullptr;
    MainRibbonBar* m_bar = nullptr;
    FilePage* m_file_page = nullptr;
    wxFileHistory m_history{10};
    std::vector<int> m_commands;
    std::vector<int> m_values;
};

TEST_F(RibbonTest, TabsReadFileThenTheSixCategoriesAndTheFirstCategoryIsCurrent) {
    std::vector<wxString> labels;
    for (size_t n = 0; n < m_bar->GetPageCount(); ++n) labels.push_back(m_bar->GetPage(static_cast<int>(n))->GetLabel());
    EXPECT_EQ(labels, (std::vector<wxString>{"File", "Activities", "WBS", "Projects", "Resources", "OBS", "Roles"}));
    EXPECT_EQ(m_bar->GetActivePage(), kActivitiesTabPage);
}

TEST_F(RibbonTest, EachPageCarriesExactlyItsControls) {
    const std::set<int> expected[kTabPageCount] = {
        {},
        {1130, 1116, 1134, 1118, 1119, 1120, 1121, 1122, 1123, 1270, 1170, 1140, 1148, 1269, 1264},
        {1131, 1136, 1135, 1144, 1151, 1152, 1153, 1185, 1141, 1149, 1264},
        {1143, 1137, 1138, 1145, 1161, 1162, 1163, 1186, 1142, 1150, 1264},
        {1146, 1139, 1147, 1154, 1155, 1187, 1205, 1264},
        {1196, 1197, 1198, 1199},
        {1203, 1201, 1202, 1200},
    };
    for (int page = 0; page < kTabPageCount; ++page) {
        EXPECT_EQ(CommandIdsOn(m_bar->GetPage(page)), expected[page]) << "page " << page;
    }
    const auto* layout = dynamic_cast<wxChoice*>(m_bar->FindWindow(IDC_COMBO_ACTIVITY_LAYOUT));
    const auto* timescale = dynamic_cast<wxChoice*>(m_bar->FindWindow(IDC_COMBO_ACT_TIMESCALE));
    const auto* zoom = dynamic_cast<wxSlider*>(m_bar->FindWindow(IDC_SLIDER_WBS_TIMESCALE));
    ASSERT_TRUE(layout && timescale && zoom);
    EXPECT_GE(layout->GetSize().x, 150) << "wider where the layout it opens with needs it";
    EXPECT_GE(timescale->GetSize().x, 108) << "wider where its longest choice needs it";
    EXPECT_EQ(zoom->GetMin(), 5);
    EXPECT_EQ(zoom->GetMax(), 300);
}

TEST_F(RibbonTest, ButtonClickArrivesAsTheButtonsCommand) {
    ASSERT_TRUE(ClickButton(kResourcesTabPage, IDC_BUTTON_RES_RES_SHIFTS));
    ASSERT_TRUE(WaitForCommand(IDC_BUTTON_RES_RES_SHIFTS));
    EXPECT_EQ(m_commands, std::vector<int>{IDC_BUTTON_RES_RES_SHIFTS});
}

TEST_F(RibbonTest, UpdateUiReachesRibbonButtonsAndADisabledButtonSendsNothing) {
    int asked = 0;
    m_frame->Bind(
        wxEVT_UPDATE_UI,
        [&asked](wxUpdateUIEvent& event) {
            ++asked;
            event.Enable(false);
        },
        IDC_BUTTON_OBS_CALENDAR);
    m_bar->SetActivePage(static_cast<size_t>(kObsTabPage));
    ASSERT_TRUE(WaitUntil([&asked] { return asked > 0; }));
    ASSERT_TRUE(ClickButton(kObsTabPage, IDC_BUTTON_OBS_CALENDAR));
    ASSERT_TRUE(ClickButton(kObsTabPage, IDC_BUTTON_OBS_EXP_ALL));  // enabled: a marker that events flowed
    ASSERT_TRUE(WaitForCommand(IDC_BUTTON_OBS_EXP_ALL));
    EXPECT_EQ(m_commands, std::vector<int>{IDC_BUTTON_OBS_EXP_ALL});
}

TEST_F(RibbonTest, ToggleFlipsOnClickAndTakesItsStateBackFromUpdateUi) {
    bool checked = false;  // the frame's answer; the button must show it between clicks
    m_frame->Bind(wxEVT_UPDATE_UI, [&checked](wxUpdateUIEvent& event) { event.Check(checked); }, IDC_BUTTON_ACT_REL);
    for (int click = 0; click < 2; ++click) {
        ASSERT_TRUE(ClickButton(kActivitiesTabPage, IDC_BUTTON_ACT_REL));
        ASSERT_TRUE(WaitForCommand(IDC_BUTTON_ACT_REL));
        EXPECT_EQ(LastValue(), 1) << "click " << click;  // flipped from the unchecked state each time
    }
}

TEST_F(RibbonTest, ChoiceAndSliderArriveAsMenuCommandsWithTheirValue) {
    auto* choice = dynamic_cast<wxChoice*>(m_bar->FindWindow(IDC_COMBO_WBS_LAYOUT));
    ASSERT_NE(choice, nullptr);
    choice->Append("Standard");
    choice->Append("Mine");
    choice->SetSelection(1);
    wxCommandEvent chosen(wxEVT_CHOICE, IDC_COMBO_WBS_LAYOUT);
    chosen.SetInt(1);
    chosen.SetEventObject(choice);
    choice->ProcessWindowEvent(chosen);
    ASSERT_TRUE(WaitForCommand(IDC_COMBO_WBS_LAYOUT));
    EXPECT_EQ(LastValue(), 1);

    auto* slider = dynamic_cast<wxSlider*>(m_bar->FindWindow(IDC_SLIDER_PROJ_TIMESCALE));
    ASSERT_NE(slider, nullptr);
    slider->SetValue(120);
    wxCommandEvent moved(wxEVT_SLIDER, IDC_SLIDER_PROJ_TIMESCALE);
    moved.SetInt(120);
    moved.SetEventObject(slider);
    slider->ProcessWindowEvent(moved);
    ASSERT_TRUE(WaitForCommand(IDC_SLIDER_PROJ_TIMESCALE));
    EXPECT_EQ(LastValue(), 120);
}

TEST_F(RibbonTest, ZoomButtonsStepTheSliderWithinItsRangeAndReportItMoved) {
    m_bar->SetActivePage(static_cast<size_t>(kActivitiesTabPage));
    auto* slider = dynamic_cast<wxSlider*>(m_bar->FindWindow(IDC_SLIDER_ACT_TIMESCALE));
    ASSERT_NE(slider, nullptr);
    std::vector<wxWindow*> zoom_buttons;  // zoom out, zoom in: the slider's neighbours
    for (wxWindow* sibling : slider->GetParent()->GetChildren()) {
        if (dynamic_cast<wxButton*>(sibling) != nullptr) zoom_buttons.push_back(sibling);
    }
    ASSERT_EQ(zoom_buttons.size(), 2u);
    ASSERT_TRUE(WaitUntil([&] { return zoom_buttons[1]->IsShownOnScreen(); }));
    slider->SetValue(295);
    m_commands.clear();
    ASSERT_TRUE(ClickAt(zoom_buttons[1], zoom_buttons[1]->GetClientRect()));
    ASSERT_TRUE(WaitForCommand(IDC_SLIDER_ACT_TIMESCALE));
    EXPECT_EQ(slider->GetValue(), 300);
    EXPECT_EQ(LastValue(), 300);

    slider->SetValue(12);
    wxCommandEvent out(wxEVT_BUTTON, zoom_buttons[0]->GetId());
    out.SetEventObject(zoom_buttons[0]);
    zoom_buttons[0]->ProcessWindowEvent(out);
    ASSERT_TRUE(WaitUntil([&] { return LastValue() == 5; }));
    EXPECT_EQ(slider->GetValue(), 5);
}

// A page wider than its window scrolls, even with every panel folded, and its scroll arrows stand
// out from their buttons as the band's labels do.
TEST_F(RibbonTest, APagesScrollArrowsStandOut) {
    m_bar->SetActivePage(static_cast<size_t>(kActivitiesTabPage));
    m_frame->SetSize(wxSize(200, 700));
    wxWindow* arrow = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (wxWindow* child : m_bar->GetChildren()) {
            if (dynamic_cast<wxRibbonPage*>(child) == nullptr && child->IsShownOnScreen()) arrow = child;
        }
        return arrow != nullptr;
    })) << "the page does not scroll";
    const wxImage picture = testing_gui::GrabSteady(arrow);
    const testing_gui::TextLook look = testing_gui::MeasureText(picture, wxRect(picture.GetSize()).Deflate(1));
    EXPECT_GE(look.ratio, 3.0) << testing_gui::Describe(look);
}

TEST_F(RibbonTest, HelpButtonPostsItsCommand) {
    wxRibbonBarEvent help(wxEVT_RIBBONBAR_HELP_CLICK, m_bar->GetId());
    help.SetEventObject(m_bar);
    m_bar->ProcessWindowEvent(help);
    ASSERT_TRUE(WaitForCommand(ID_APP_ABOUT));
}

// A real right-click on a tab opens the tab row's menu; its entries are chosen with the keys,
// as a user may. The menu raises no toolkit assertion (the run fails on any).
TEST_F(RibbonTest, TheTabRowMenuChoosesAStyleAndOpensCustomize) {
    wxRibbonArtProvider* art = m_bar->GetArtProvider();
    EXPECT_EQ(art->GetColour(wxRIBBON_ART_TAB_CTRL_BACKGROUND_COLOUR), wxColour(182, 35, 39));
    const wxRect tab = m_bar->GetTabRect(kActivitiesTabPage);
    std::set<wxUint32> tab_rows;
    for (const int entry : {2, 3, 1}) {  // Dark Grey, White, Colourful
        std::vector<int> keys = {WXK_DOWN, WXK_RIGHT};
        keys.insert(keys.end(), entry - 1, WXK_DOWN);
        keys.push_back(WXK_RETURN);
        ASSERT_TRUE(RightClickAndType(tab, keys));
        tab_rows.insert(art->GetColour(wxRIBBON_ART_TAB_CTRL_BACKGROUND_COLOUR).GetRGB());
        EXPECT_EQ(m_bar->GetPage(kFileTabPage)->GetLabel(), "File");
    }
    EXPECT_EQ(tab_rows.size(), 3u);
    EXPECT_EQ(art->GetColour(wxRIBBON_ART_TAB_CTRL_BACKGROUND_COLOUR), wxColour(182, 35, 39));
    EXPECT_TRUE(m_commands.empty());  // handled by the ribbon, not the frame

    ASSERT_TRUE(RightClickAndType(tab, {WXK_DOWN, WXK_DOWN, WXK_RETURN}));
    ASSERT_TRUE(WaitForCommand(ID_RIBBON_CUSTOMIZE));
}

TEST(RibbonLanguageTest, FileTabFollowsTheTextLanguageAlsoAfterAStyleChange) {
    SelectTextLanguage(text_language::french);
    auto* frame = new wxFrame(nullptr, wxID_ANY, "french");
    wxRibbonBar* bar = CreateMainRibbon(frame);
    EXPECT_EQ(bar->GetPage(kFileTabPage)->GetLabel(), "Fichier");
    ApplyRibbonStyle(*bar, ID_VIEW_APPLOOK_2016_3);
    EXPECT_EQ(bar->GetPage(kFileTabPage)->GetLabel(), "Fichier");
    EXPECT_EQ(bar->GetPage(kActivitiesTabPage)->GetLabel(), "Activities");
    SelectTextLanguage(text_language::english);
    frame->Destroy();
    WaitUntil([] { return wxTopLevelWindows.empty(); });
}

// The File page.

std::vector<wxButton*> RecentEntries(FilePage* page) {
    std::vector<wxButton*> entries;
    ForEachDescendant(page, [&entries](wxWindow* window) {
        auto* button = dynamic_cast<wxButton*>(window);
        if (button != nullptr && button->GetLabelText().StartsWith("/")) entries.push_back(button);
    });
    return entries;
}

void Press(wxButton* button) {
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
}

wxButton* ButtonLabelled(wxWindow* parent, const wxString& label) {
    wxButton* found = nullptr;
    ForEachDescendant(parent, [&found, &label](wxWindow* window) {
        auto* button = dynamic_cast<wxButton*>(window);
        if (button != nullptr && button->GetLabelText() == label) found = button;
    });
    return found;
}

TEST_F(RibbonTest, FilePageItemsReadAsTheProgramShowsThemAndInfoShowsFirst) {
    std::vector<wxString> labels;
    for (int index = 0; index < FilePage::item_count; ++index) labels.push_back(m_file_page->GetItemLabel(index));
    EXPECT_EQ(labels, (std::vector<wxString>{"Open...", "Info", "Recent", "Options", "Print", "Exit"}));
    EXPECT_EQ(m_file_page->GetShownItem(), FilePage::info_item);
    EXPECT_TRUE(m_file_page->GetInfoPageArea()->IsShown());
}

TEST_F(RibbonTest, FilePageItemsPostTheirCommandOrShowTheirPage) {
    struct Case {
        int item;
        int command;  // 0: shows a page instead
        int shown_after;
    };
    const Case cases[] = {
        {FilePage::recent_item, 0, FilePage::recent_item},
        {FilePage::open_item, ID_FILE_OPEN, FilePage::recent_item},
        {FilePage::print_item, 0, FilePage::print_item},
        {FilePage::options_item, ID_TOOLS_OPTIONS, FilePage::print_item},
        {FilePage::exit_item, ID_APP_EXIT, FilePage::print_item},
        {FilePage::info_item, 0, FilePage::info_item},
    };
    for (const Case& test : cases) {
        m_commands.clear();
        Press(ButtonLabelled(m_file_page, m_file_page->GetItemLabel(test.item)));
        if (test.command != 0) {
            EXPECT_TRUE(WaitForCommand(test.command)) << test.item;
        }
        EXPECT_EQ(m_file_page->GetShownItem(), test.shown_after) << test.item;
    }
    m_file_page->ShowItem(FilePage::print_item);
    EXPECT_TRUE(m_file_page->GetPrintPageArea()->IsShownOnScreen());
    Press(ButtonLabelled(m_file_page, "Page settings"));
    EXPECT_TRUE(WaitForCommand(ID_OPEN_PAGE_SETTINGS));
}

TEST_F(RibbonTest, RecentPageListsTheHistoryNewestFirstAndOpensTheClickedFile) {
    m_file_page->ShowItem(FilePage::recent_item);
    std::vector<wxString> shown;
    for (wxButton* entry : RecentEntries(m_file_page)) shown.push_back(entry->GetLabelText());
    EXPECT_EQ(shown, (std::vector<wxString>{"/data/R&D plan.xls", "/data/first.xer"}));

    Press(RecentEntries(m_file_page)[1]);
    ASSERT_TRUE(WaitForCommand(wxID_FILE1 + 1));

    m_history.AddFileToHistory("/data/third.xer");
    m_file_page->RefreshRecent();
    EXPECT_EQ(RecentEntries(m_file_page).size(), 3u);
    EXPECT_EQ(RecentEntries(m_file_page)[0]->GetLabelText(), "/data/third.xer");
}

TEST_F(RibbonTest, EscapeOnTheFilePageAsksToCloseIt) {
    m_file_page->ShowItem(FilePage::print_item);
    wxButton* settings = ButtonLabelled(m_file_page, "Page settings");
    ASSERT_TRUE(WaitUntil([settings] { return settings->IsShownOnScreen(); }));
    wxUIActionSimulator input;
    input.MouseMove(settings->GetScreenRect().GetPosition() + wxSize(5, 5));
    settings->SetFocus();
    ASSERT_TRUE(WaitUntil([settings] { return wxWindow::FindFocus() == settings; }));
    m_commands.clear();
    input.Char(WXK_ESCAPE);
    ASSERT_TRUE(WaitForCommand(ID_CLOSE_FILE_PAGE));
}

// A toolkit assertion fails the test that raised it instead of opening a box nobody answers,
// and a warning GTK logs fails it instead of passing by on stderr.
TEST(ToolkitAssertionTest, AnAssertionOrAGtkWarningFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(wxFAIL_MSG("deliberately raised"), "deliberately raised");
    EXPECT_NONFATAL_FAILURE(g_log("Gtk", G_LOG_LEVEL_WARNING, "deliberately logged"), "Gtk-WARNING: deliberately logged");
    EXPECT_NONFATAL_FAILURE(g_log_structured("Gtk", G_LOG_LEVEL_WARNING, "MESSAGE", "structured, as GTK logs"),
                            "Gtk-WARNING: structured, as GTK logs");
}

}  // namespace
}  // namespace varnholt
