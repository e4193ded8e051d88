// main_frame_gui_test.cpp - the main window as a planner meets it: the ribbon and File page
// of a first start, the panes of each category over an open schedule with their detail tabs
// and sub-views, the Gantt pane hidden and shown again, the options sheet, and a second file
// opened from the File page while every view still shows the first (run under the address
// sanitizer, so a view that reads the old schedule fails the run).

#include "../shell/every_category_schedule.h"
#include "app/CVarnSplitterWnd.h"
#include "app/VarnholtView.h"
#include "app/backstage/FilePage.h"
#include "app/dialogs/ColumnsDialog.h"
#include "app/dialogs/GroupedList.h"
#include "app/dialogs/chooser_entries.h"
#include "app/print/PrintPreviewPanel.h"
#include "app/print/SchedulePrintout.h"
#include "app/registry.h"
#include "app_gui_support.h"
#include "model/CaptionCatalog.h"
#include "platform/user_paths.h"
#include "gui_input.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "screen_pixels.h"
#include "shell/command_ids.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"
#include "views/core/RowList.h"
#include "views/core/View.h"

#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/prntbase.h>
#include <wx/dcmemory.h>
#include <wx/ribbon/bar.h>
#include <wx/uiaction.h>

#include <gdk/gdk.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <filesystem>
#include <system_error>
#include <tuple>
#include <vector>

namespace varnholt {
namespace {

namespace fs = std::filesystem;
using testing_app::WaitUntil;

class MainFrameTest : public testing_app::AppGuiTest {
protected:
    static wxString ScheduleFile(const char* prefix) {
        return Schedule(std::wstring(prefix, prefix + std::strlen(prefix)) + L".xer",
                        testing_shell::EveryCategorySchedule(prefix));
    }
    // Paints the pane into a bitmap, which lays its rows out as a screen paint does.
    static void PaintOffscreen(VarnholtView& pane) {
        const wxSize size = pane.GetClientSize();
        wxBitmap bitmap(std::max(size.x, 1), std::max(size.y, 1), 24);
        wxMemoryDC dc(bitmap);
        pane.RenderTo(dc);
    }
    // A click in the middle of a listed row, as the pane forwards it.
    static void ClickRow(VarnholtView& pane, const view::Row& row) {
        PaintOffscreen(pane);
        const view::RectF rect = row.GetRect();
        const float x = rect.x + rect.width / 2.0f;
        const float y = rect.y + rect.height / 2.0f;
        (void)pane.Host().LButtonDown(view::kLeftButtonDown, x, y);
        (void)pane.Host().LButtonUp(0, x, y);
    }
    static view::Row* FirstRecordRow(const view::View& table) {
        for (view::Row* row : table.GetRowList().Rows()) {
            if (!row->IsGroupRow() && row->level > 0) return row;
        }
        return nullptr;
    }
    static void Settle(CMainFrame& frame) {
        frame.Refresh();
        frame.Update();
        (void)wxTheApp->Yield(true);
    }
};

TEST_F(MainFrameTest, AFirstStartShowsTheRibbonTheFilePageAndBlankPanes) {
    ASSERT_TRUE(Start());
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    wxRibbonBar* ribbon = frame->GetRibbon();
    const char* const tabs[] = {"File", "Activities", "WBS", "Projects", "Resources", "OBS", "Roles"};
    ASSERT_EQ(ribbon->GetPageCount(), std::size(tabs));
    for (size_t page = 0; page < std::size(tabs); ++page) EXPECT_EQ(ribbon->GetPage(page)->GetLabel(), tabs[page]);
    EXPECT_EQ(ribbon->GetActivePage(), 1) << "the window opens on Activities";

    const char* const items[] = {"Open...", "Info", "Recent", "Options", "Print", "Exit"};
    for (int item = 0; item < 6; ++item) EXPECT_EQ(frame->GetFilePage()->GetItemLabel(item), items[item]);

    const fs::path data = PathFromWide(GetUserDataFolder());
    for (const char* folder : {"VP_ACT", "VP_WBS", "VP_PROJ", "VP_RES"}) {
        EXPECT_TRUE(fs::is_directory(data / folder)) << folder;
    }

    // Before any file: blank panes, empty selectors, no find, and switching changes nothing.
    int finds = 0;
    frame->Bind(wxEVT_MENU, [&finds](wxCommandEvent&) { ++finds; }, IDC_BUTTON_FIND);
    wxKeyEvent ctrl_f(wxEVT_CHAR_HOOK);
    ctrl_f.m_keyCode = 'F';
    ctrl_f.m_controlDown = true;
    for (const int page : {1, 4, 6, 2}) {
        frame->SwitchToPage(page);
        Settle(*frame);
        EXPECT_EQ(frame->GetTablePane()->GetContentView(), nullptr);
        EXPECT_EQ(frame->GetDetailsPane()->GetContentView(), nullptr);
        EXPECT_TRUE(frame->GetInnerSplitter()->IsSplit());
        (void)frame->ProcessWindowEvent(ctrl_f);
    }
    for (const int combo : {IDC_COMBO_ACTIVITY_LAYOUT, IDC_COMBO_ACT_TIMESCALE, IDC_COMBO_RES_LAYOUT}) {
        auto* choice = dynamic_cast<wxChoice*>(frame->FindWindow(combo));
        ASSERT_NE(choice, nullptr) << combo;
        EXPECT_EQ(choice->GetCount(), 0u) << combo;
    }
    Settle(*frame);
    EXPECT_EQ(finds, 0);

    frame->SetSize(300, 200);
    EXPECT_TRUE(WaitUntil([frame] {
        const wxSize size = frame->GetSize();
        return size.x >= kMinimumFrameWidth && size.y >= kMinimumFrameHeight;
    })) << frame->GetSize().x << " x " << frame->GetSize().y;
}

TEST_F(MainFrameTest, EachCategoryShowsItsViewsAndItsDetailTabsTheirSubViews) {
    ASSERT_TRUE(Start(ScheduleFile("A")));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    ContentViews& views = frame->GetContentViews();
    VarnholtView& details = *frame->GetDetailsPane();

    for (std::int32_t page = kFirstCategory; page <= kLastCategory; ++page) {
        const auto category = static_cast<Category>(page);
        SCOPED_TRACE(testing::Message() << "category " << page);
        frame->SwitchToPage(page);
        Settle(*frame);
        view::View* table = views.Table(category);
        ASSERT_EQ(frame->GetTablePane()->GetContentView(), table);
        ASSERT_EQ(details.GetContentView(), views.Details(category));
        EXPECT_EQ(frame->GetInnerSplitter()->IsSplit(), views.Gantt(category) != nullptr);
        if (views.Gantt(category) != nullptr) {
            EXPECT_EQ(frame->GetGanttPane()->GetContentView(), views.Gantt(category));
        }

        view::Row* row = FirstRecordRow(*table);
        ASSERT_NE(row, nullptr);
        ClickRow(*frame->GetTablePane(), *row);
        EXPECT_EQ(views.Details(category)->GetMaster()->GetSelectedRow(), table->GetSelectedRow());
        ASSERT_NE(table->GetSelectedRow(), nullptr);

        // Each tab with sub-views puts exactly those views into the details pane's windows.
        for (const TabSubViews& tab : TabSubViewTable(category)) {
            views.Details(category)->SetCurrentTab(CaptionCatalog::Instance().Lookup(tab.tab));
            frame->ShowCategory(page);
            const std::pair<VarnholtView*, SubView> windows[] = {{details.first_sub_view, tab.first},
                                                                 {details.second_sub_view, tab.second}};
            for (const auto& [window, sub_view] : windows) {
                if (sub_view == SubView::none) {
                    if (window != nullptr) {
                        EXPECT_FALSE(window->IsShown());
                    }
                    continue;
                }
                ASSERT_NE(window, nullptr);
                EXPECT_TRUE(window->IsShown());
                EXPECT_EQ(window->GetContentView(), views.Find(sub_view));
            }
        }
        views.Details(category)->SetCurrentTab(CaptionCatalog::Instance().Lookup(view::kGeneralTabCaption));
    }

    const auto titles = [&](Category category) { return views.Details(category)->GetTabTitles(); };
    EXPECT_EQ(titles(Category::resources), (std::vector<std::wstring>{L"General", L"Codes", L"Notes"}));
    EXPECT_EQ(titles(Category::roles), (std::vector<std::wstring>{L"General", L"Resources", L"Prices", L"Limits"}));
}

TEST_F(MainFrameTest, DetailTabsReadTheLanguageOfTheRegistry) {
    ASSERT_TRUE(WriteRegistryString(kProgramKey, kLanguageValue, "FRA"));
    const bool started = Start();
    ASSERT_TRUE(WriteRegistryString(kProgramKey, kLanguageValue, "ENU"));
    ASSERT_TRUE(started);
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    const CaptionCatalog& captions = CaptionCatalog::Instance();
    const std::vector<std::wstring> french_roles = {captions.Lookup(51632), captions.Lookup(50745),
                                                    captions.Lookup(57455), captions.Lookup(57537)};
    EXPECT_NE(french_roles[0], L"General");
    EXPECT_EQ(frame->GetContentViews().Details(Category::roles)->GetTabTitles(), french_roles);
    EXPECT_EQ(frame->GetMainButtonText(), wxString(LoadText(IDS_FILE_TAB)));
    SelectTextLanguage(text_language::english);
    CaptionCatalog::Instance().Reset();
}

TEST_F(MainFrameTest, TheGanttPaneComesBackWithItsWidth) {
    ASSERT_TRUE(Start(ScheduleFile("A")));
    CMainFrame* frame = Frame();
    CVarnSplitterWnd& inner = *frame->GetInnerSplitter();
    frame->SwitchToPage(1);
    inner.SetSashPosition(450);
    Settle(*frame);
    ASSERT_EQ(inner.GetSashPosition(), 450);

    frame->GetGanttPane()->SetFocus();
    const bool gantt_had_focus = WaitUntil([frame] { return wxWindow::FindFocus() == frame->GetGanttPane(); });
    frame->SwitchToPage(4);
    Settle(*frame);
    EXPECT_FALSE(inner.IsSplit());
    EXPECT_FALSE(frame->GetGanttPane()->IsShown());
    EXPECT_EQ(frame->GetTablePane()->GetSize().x, inner.GetClientSize().x) << "the table spans the width";
    if (gantt_had_focus) {
        EXPECT_EQ(wxWindow::FindFocus(), frame->GetTablePane());
    }

    frame->SetSize(frame->GetSize().x + 200, frame->GetSize().y + 100);
    Settle(*frame);
    frame->SwitchToPage(1);
    Settle(*frame);
    EXPECT_TRUE(inner.IsSplit());
    EXPECT_TRUE(frame->GetGanttPane()->IsShown());
    EXPECT_EQ(inner.GetSashPosition(), 450);
}

TEST_F(MainFrameTest, ACategoryKeepsItsRowsASecondFileKeepsTheCategory) {
    ASSERT_TRUE(Start(ScheduleFile("A")));
    CMainFrame* frame = Frame();
    view::View& table = *frame->GetContentViews().activity_table;
    frame->SwitchToPage(1);
    view::Row* row = FirstRecordRow(table);
    ASSERT_NE(row, nullptr);
    ClickRow(*frame->GetTablePane(), *row);
    frame->SwitchToPage(2);
    frame->SwitchToPage(1);
    EXPECT_EQ(table.GetSelectedRow(), row) << "the same rows, still selected";

    LayoutStore& store = *frame->GetLayoutStore();
    ASSERT_GE(store.ActivityLayouts().size(), 2u);
    store.SetCurrentActivityLayoutName(store.ActivityLayouts()[1]->GetName());
    frame->ShowCategory(1);
    EXPECT_EQ(table.GetLayout(), store.GetCurrentActivityLayout());
    EXPECT_EQ(table.GetSelectedRow(), nullptr) << "rows listed anew";

    frame->SwitchToPage(3);
    ASSERT_TRUE(frame->OpenFile(ScheduleFile("B")));
    EXPECT_EQ(frame->GetActiveCategory(), Category::projects);
    EXPECT_EQ(frame->GetTablePane()->GetContentView(), frame->GetContentViews().project_table.get());
    EXPECT_EQ(frame->GetContentViews().project_table->GetDocument(), frame->GetLayoutStore()->GetDocument());
    EXPECT_FALSE(frame->GetContentViews().project_table->GetRowList().Empty());
}

TEST_F(MainFrameTest, TheOptionsSheetMarksTheChartGridsOnlyOnOk) {
    ASSERT_TRUE(Start(ScheduleFile("A")));
    CMainFrame* frame = Frame();
    const auto charts = frame->GetContentViews().GanttViews();
    for (const int page : {1, 2, 3}) {
        frame->SwitchToPage(page);
        PaintOffscreen(*frame->GetGanttPane());
    }
    for (const view::GanttView* chart : charts) ASSERT_FALSE(chart->Timescale().GridDatesStale());
    frame->SwitchToPage(4);  // no chart on screen repaints and rebuilds its grid at once

    wxString caption;
    m_hook.inspect = [&caption](wxDialog& dialog) { caption = dialog.GetTitle(); };
    m_hook.answer = wxID_CANCEL;
    wxPostEvent(frame, wxCommandEvent(wxEVT_MENU, ID_TOOLS_OPTIONS));
    ASSERT_TRUE(WaitUntil([&caption] { return !caption.empty(); }));
    EXPECT_EQ(caption, wxString(LoadText(IDS_OPTIONS)));
    for (const view::GanttView* chart : charts) EXPECT_FALSE(chart->Timescale().GridDatesStale());

    caption.clear();
    m_hook.answer = wxID_OK;
    wxPostEvent(frame, wxCommandEvent(wxEVT_MENU, ID_TOOLS_OPTIONS));
    ASSERT_TRUE(WaitUntil([&caption] { return !caption.empty(); }));
    for (const view::GanttView* chart : charts) EXPECT_TRUE(chart->Timescale().GridDatesStale());
}

// The File page's items act on the letter their label marks, as a menu's do: O opens a file, I
// the options sheet, X ends the program. A plain letter does so only while the items have the
// keys; with Alt from anywhere on the page.
TEST_F(MainFrameTest, TheFilePagesAccessLettersActOnTheirItems) {
    ASSERT_TRUE(Start(ScheduleFile("A")));
    CMainFrame& frame = *Frame();
    std::vector<wxString> captions;
    // The desktop's file chooser takes its title only as it shows.
    m_hook.inspect = [&captions](wxDialog& dialog) {
        captions.push_back(dynamic_cast<wxFileDialog*>(&dialog) != nullptr ? wxString(LoadText(IDS_OPEN_TITLE)) : dialog.GetTitle());
    };
    m_hook.answer = wxID_CANCEL;
    wxUIActionSimulator keys;
    const auto file_page_by_keys = [&] {
        // Where no window manager decides, the keys go to the window under the pointer.
        ASSERT_TRUE(testing_gui::MoveTo(*frame.GetTablePane(), wxPoint(20, 20)));
        keys.Char('F', wxMOD_ALT);
        ASSERT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); })) << "Alt+F shows the File page";
    };
    for (const auto& [letter, caption] : {std::pair{'O', IDS_OPEN_TITLE}, std::pair{'I', IDS_OPTIONS}}) {
        SCOPED_TRACE(letter);
        file_page_by_keys();
        const std::size_t before = captions.size();
        keys.Char(letter);
        ASSERT_TRUE(WaitUntil([&] { return captions.size() > before; })) << "no dialog opened";
        EXPECT_EQ(captions.back(), wxString(LoadText(caption)));
    }
    // On the print preview a letter is the preview's own: it acts on no item.
    file_page_by_keys();
    const wxWindowList& items = frame.GetFilePage()->GetChildren().front()->GetChildren();
    wxWindow* print = *std::ranges::find_if(items, [&frame](const wxWindow* item) {
        return item->GetLabel() == frame.GetFilePage()->GetItemLabel(FilePage::print_item);
    });
    ASSERT_TRUE(testing_gui::ClickMiddle(*print));
    PrintPreviewPanel* panel = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (wxWindow* child : frame.GetFilePage()->GetPrintPageArea()->GetChildren())
            panel = panel != nullptr ? panel : dynamic_cast<PrintPreviewPanel*>(child);
        return panel != nullptr && panel->GetPreview() != nullptr && panel->IsShownOnScreen();
    }));
    wxWindow& canvas = *panel->GetPreview()->GetCanvas();
    ASSERT_TRUE(testing_gui::ClickMiddle(canvas));
    ASSERT_TRUE(WaitUntil([&canvas] { return wxWindow::FindFocus() == &canvas; })) << "the preview has the keys";
    const std::size_t before = captions.size();
    bool closing = false;
    frame.Bind(wxEVT_CLOSE_WINDOW, [&closing](wxCloseEvent& event) {
        closing = true;
        event.Skip();
    });
    // Each letter has been handled once the preview has its release; what the handling queued
    // has run once the frame is drained.
    int releases = 0;
    canvas.Bind(wxEVT_KEY_UP, [&releases](wxKeyEvent& event) {
        ++releases;
        event.Skip();
    });
    for (const char letter : {'o', 'i', 'x'}) keys.Char(letter);
    ASSERT_TRUE(WaitUntil([&releases] { return releases == 3; })) << "the preview got the letters";
    ASSERT_TRUE(testing_gui::Drained(frame));
    ASSERT_FALSE(closing) << "a letter on the preview ended the program";
    EXPECT_EQ(captions.size(), before) << "a letter on the preview opened a dialog";

    keys.Char('X', wxMOD_ALT);  // with Alt, from anywhere on the page
    EXPECT_TRUE(WaitUntil([&frame] { return wxTopLevelWindows.Find(&frame) == nullptr; })) << "the program ends";
}

TEST_F(MainFrameTest, ASecondFileFromTheFilePageReplacesEveryViewsData) {
    const wxString second = ScheduleFile("B");
    ASSERT_TRUE(Start(second));
    CMainFrame* frame = Frame();
    ASSERT_TRUE(frame->OpenFile(ScheduleFile("A")));
    ContentViews& views = frame->GetContentViews();
    VarnholtView& details = *frame->GetDetailsPane();
    for (std::int32_t page = kFirstCategory; page <= kLastCategory; ++page) {
        const auto category = static_cast<Category>(page);
        frame->SwitchToPage(page);
        view::Row* row = FirstRecordRow(*views.Table(category));
        ASSERT_NE(row, nullptr) << page;
        ClickRow(*frame->GetTablePane(), *row);
        // A tab with sub-views, so that they list rows of the first file.
        const auto tabs = TabSubViewTable(category);
        views.Details(category)->SetCurrentTab(CaptionCatalog::Instance().Lookup(tabs.front().tab));
        frame->ShowCategory(page);
        Settle(*frame);
    }

    frame->SwitchToPage(0);
    ASSERT_TRUE(frame->IsFilePageShown());
    EXPECT_EQ(frame->GetActiveCategory(), Category::roles);
    ASSERT_EQ(frame->GetRecentFiles().GetHistoryFile(1), second);
    wxPostEvent(frame, wxCommandEvent(wxEVT_MENU, wxID_FILE1 + 1));
    ASSERT_TRUE(WaitUntil([frame] { return frame->GetDocumentPath().EndsWith("B.xer"); }));
    EXPECT_FALSE(frame->IsFilePageShown());
    EXPECT_EQ(frame->GetActiveCategory(), Category::roles);
    EXPECT_EQ(frame->GetTablePane()->GetContentView(), views.role_table.get());
    EXPECT_EQ(views.role_table->GetDocument(), frame->GetLayoutStore()->GetDocument());

    for (std::int32_t page = kFirstCategory; page <= kLastCategory; ++page) {
        frame->SwitchToPage(page);
        Settle(*frame);
        for (VarnholtView* pane : {frame->GetTablePane(), frame->GetGanttPane(), &details}) PaintOffscreen(*pane);
        for (VarnholtView* sub : {details.first_sub_view, details.second_sub_view}) {
            if (sub != nullptr && sub->IsShown()) PaintOffscreen(*sub);
        }
    }
    frame->SwitchToPage(1);
    EXPECT_NE(views.activity_table->GetText().find(L"B Design"), std::wstring::npos);
    EXPECT_EQ(views.activity_table->GetText().find(L"A Design"), std::wstring::npos);
}

// The selection's fill, opaque.
constexpr guchar kSelection[3] = {51, 153, 255};

// The window's drawing as the screen holds it, one pixel a device pixel.
std::unique_ptr<GdkPixbuf, void (*)(gpointer)> GrabDevicePixels(wxWindow& window) {
    GdkWindow* drawing = window.GTKGetDrawingWindow();
    const int scale = gdk_window_get_scale_factor(drawing);
    GdkPixbuf* logical = gdk_pixbuf_get_from_window(drawing, 0, 0, window.GetClientSize().x, window.GetClientSize().y);
    EXPECT_EQ(gdk_pixbuf_get_height(logical), window.GetClientSize().y * scale) << "a grab in device pixels";
    return {logical, g_object_unref};
}

bool IsSelection(const guchar* pixel) { return std::equal(pixel, pixel + 3, kSelection); }

// A pixel between the selection's blue and white, as the edge of a band smoothed by scaling is.
bool IsBlend(const guchar* pixel) {
    return !IsSelection(pixel) && pixel[2] == 255 && pixel[0] > kSelection[0] && pixel[0] < 255 && pixel[1] > kSelection[1];
}

// A scale of the desktop as the run's environment gives it to the toolkit; 1 when unset.
double DesktopScale(const char* variable) {
    const char* text = std::getenv(variable);
    if (text == nullptr) return 1.0;
    double value = 1.0;
    const auto [end, error] = std::from_chars(text, text + std::strlen(text), value);
    return error == std::errc{} ? value : 1.0;
}

// On a desktop scaled by 2 (GDK_SCALE=2), as on a HiDPI screen, with text enlarged by half
// (GDK_DPI_SCALE=1.5), as GNOME's large text does, and on a plain one: the table keeps the
// proportion to the ribbon it has at scale 1, and is drawn at the device's resolution, read
// back from the screen in device pixels. The program runs again on each such desktop for this.
class DesktopScaleTest : public testing_app::AppGuiTest {};

TEST_F(DesktopScaleTest, TheTableKeepsItsProportionToTheRibbonAndTheDevicesResolution) {
    ASSERT_TRUE(Start(Schedule(L"A.xer", testing_shell::EveryCategorySchedule("A"))));
    CMainFrame& frame = *Frame();
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsShownOnScreen(); }));
    const double device_pixels = frame.GetContentScaleFactor();
    EXPECT_EQ(device_pixels, DesktopScale("GDK_SCALE"));
    const double text_scale = DesktopScale("GDK_DPI_SCALE");

    // The views follow the desktop's logical inch of text, as the ribbon does: a row is 18
    // pixels at 96 dpi and 27 with text enlarged by half, and against the ribbon it is as tall
    // as on a plain desktop.
    EXPECT_FLOAT_EQ(view::DisplayScale(), static_cast<float>(text_scale));
    view::View& table = *frame.GetTablePane()->GetContentView();
    EXPECT_FLOAT_EQ(table.GetRowHeight(), static_cast<float>(18 * text_scale));

    // On the screen, in device pixels: the selected row's band is a row tall at the desktop's
    // scale, its edges are sharp, and its white text grows with it.
    view::Row* row = nullptr;
    for (view::Row* listed : table.GetRowList().Rows()) {
        if (!listed->IsGroupRow() && row == nullptr) row = listed;
    }
    ASSERT_NE(row, nullptr);
    table.SelectRow(row);
    frame.GetTablePane()->Refresh();
    ASSERT_TRUE(testing_gui::WaitForFrames(*frame.GetTablePane()));
    const auto grab = GrabDevicePixels(*frame.GetTablePane());
    const int width = gdk_pixbuf_get_width(grab.get());
    const int height = gdk_pixbuf_get_height(grab.get());
    const int stride = gdk_pixbuf_get_rowstride(grab.get());
    const int channels = gdk_pixbuf_get_n_channels(grab.get());
    const guchar* pixels = gdk_pixbuf_get_pixels(grab.get());
    int band = 0;
    int blended = 0;
    int ink_top = height;
    int ink_bottom = -1;
    for (int y = 0; y < height; ++y) {
        int selection = 0;
        int blends = 0;
        bool white = false;
        for (int x = 0; x < width; ++x) {
            const guchar* pixel = pixels + y * stride + x * channels;
            selection += IsSelection(pixel) ? 1 : 0;
            blends += IsBlend(pixel) ? 1 : 0;
            white = white || (pixel[0] > 230 && pixel[1] > 230 && pixel[2] > 230);
        }
        const bool in_band = selection > width / 2;
        band += in_band ? 1 : 0;
        blended += blends > width / 2 ? 1 : 0;
        if (in_band && white) {
            ink_top = std::min(ink_top, y);
            ink_bottom = y;
        }
    }
    const double row_pixels = 18 * text_scale * device_pixels;
    EXPECT_NEAR(band, row_pixels, std::max(device_pixels, 0.1 * row_pixels)) << "the band's height in device pixels";
    EXPECT_EQ(blended, 0) << "rows of pixels half the selection's blue";
    // Ascenders to descenders take some seven tenths of a row: far less when the text stays
    // small in grown rows, all of it when the text grows twice.
    const double ink_share = static_cast<double>(ink_bottom - ink_top + 1) / std::max(band, 1);
    EXPECT_GT(ink_share, 0.55) << "the text's height against the row's";
    EXPECT_LT(ink_share, 0.9) << "the text's height against the row's";
}

// The print preview's page as the screen shows it, one pixel a device pixel: drawn at the
// desktop's scale, its text is as sharp as the panes'. A page drawn at one pixel per logical
// pixel and doubled by the toolkit is made of 2 x 2 blocks of one colour each.
TEST_F(DesktopScaleTest, ThePrintPreviewsPageIsDrawnAtTheDevicesResolution) {
    ASSERT_TRUE(Start(Schedule(L"A.xer", testing_shell::EveryCategorySchedule("A"))));
    CMainFrame& frame = *Frame();
    frame.ShowFilePage();
    frame.GetFilePage()->ShowItem(FilePage::print_item);
    PrintPreviewPanel* panel = nullptr;
    for (wxWindow* child : frame.GetFilePage()->GetPrintPageArea()->GetChildren())
        panel = panel != nullptr ? panel : dynamic_cast<PrintPreviewPanel*>(child);
    ASSERT_NE(panel, nullptr);
    wxPrintPreviewBase* preview = panel->GetPreview();
    ASSERT_NE(preview, nullptr);
    wxPreviewCanvas& canvas = *preview->GetCanvas();
    const auto& printout = dynamic_cast<const SchedulePrintout&>(*preview->GetPrintout());
    ASSERT_TRUE(WaitUntil([&] { return canvas.IsShownOnScreen() && printout.PagesDrawn() > 0; }));
    canvas.Refresh();
    canvas.Update();  // the drawn page on the screen
    const auto grab = GrabDevicePixels(canvas);
    const int width = gdk_pixbuf_get_width(grab.get());
    const int height = gdk_pixbuf_get_height(grab.get());
    const int stride = gdk_pixbuf_get_rowstride(grab.get());
    const int channels = gdk_pixbuf_get_n_channels(grab.get());
    const guchar* pixels = gdk_pixbuf_get_pixels(grab.get());
    const auto at = [&](int x, int y) { return pixels + y * stride + x * channels; };
    // The sheet is the white on the canvas's ground, in device pixels; a logical pixel starts
    // at an even device pixel.
    wxRect page;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (at(x, y)[0] == 255 && at(x, y)[1] == 255 && at(x, y)[2] == 255) page.Union(wxRect(x, y, 1, 1));
        }
    }
    page.Deflate(4);
    // Blocks of 2 x 2 device pixels on the page that hold ink, and of those the ones whose four
    // pixels differ.
    int inked = 0, mixed = 0;
    for (int y = page.GetTop() & ~1; y + 1 < page.GetBottom(); y += 2) {
        for (int x = page.GetLeft() & ~1; x + 1 < page.GetRight(); x += 2) {
            const guchar* corner[] = {at(x, y), at(x + 1, y), at(x, y + 1), at(x + 1, y + 1)};
            const bool ink = std::ranges::any_of(corner, [](const guchar* p) { return p[0] < 200 || p[1] < 200 || p[2] < 200; });
            if (!ink) continue;
            ++inked;
            mixed += std::ranges::any_of(corner, [&](const guchar* p) { return !std::equal(p, p + 3, corner[0]); }) ? 1 : 0;
        }
    }
    ASSERT_GT(inked, 100) << "the page shows text";
    const double share = static_cast<double>(mixed) / inked;
    if (canvas.GetContentScaleFactor() == 2) {
        EXPECT_GT(share, 0.25) << "blocks of ink with pixels of more than one colour";
    }
}

// The column chooser at the desktop's text size: its widest heading, in bold, reads whole on
// screen, its lists as wide as their text needs.
TEST_F(DesktopScaleTest, TheColumnChoosersWidestHeadingReadsWhole) {
    ASSERT_TRUE(Start(Schedule(L"A.xer", testing_shell::EveryCategorySchedule("A"))));
    CMainFrame& frame = *Frame();
    frame.SwitchToPage(kActivitiesTabPage);
    bool ran = false;
    m_hook.CancelAfter<ColumnsDialog>(ran, [](ColumnsDialog& columns) {
        GroupedList& list = columns.Available();
        const wxFont bold = list.GetFont().Bold();
        wxString widest;
        int extent = 0;
        for (const ChooserGroup& group : columns.Lists().groups) {
            int width = 0;
            list.GetTextExtent(group.caption, &width, nullptr, nullptr, nullptr, &bold);
            if (width > extent) std::tie(widest, extent) = std::pair(wxString(group.caption), width);
        }
        wxDataViewItemArray rows;
        list.GetModel()->GetChildren(wxDataViewItem(), rows);
        const auto heading = std::ranges::find_if(rows, [&](const wxDataViewItem& row) {
            wxVariant text;
            list.GetModel()->GetValue(text, row, 0);
            return text.GetString() == widest;
        });
        ASSERT_NE(heading, rows.end()) << widest;
        list.EnsureVisible(*heading);
        ASSERT_TRUE(testing_gui::WaitForFrames(list));  // scrolled
        const wxRect row = list.GetItemRect(*heading, list.GetColumn(0));
        ASSERT_FALSE(row.IsEmpty());
        const wxImage shown = testing_gui::GrabSteady(&columns);
        const wxPoint top = columns.ScreenToClient(list.ClientToScreen(row.GetTopLeft()));
        int ink_left = shown.GetWidth(), ink_right = -1;
        for (int y = top.y + 1; y < top.y + row.height - 1; ++y) {
            for (int x = top.x; x < top.x + row.width; ++x) {
                if (shown.GetRed(x, y) >= 110 || shown.GetGreen(x, y) >= 110 || shown.GetBlue(x, y) >= 110) continue;
                ink_left = std::min(ink_left, x);
                ink_right = std::max(ink_right, x);
            }
        }
        EXPECT_GE(ink_right - ink_left + 1, extent * 9 / 10) << '"' << widest << "\" is " << extent << " px wide";
    });
    ShowColumnsDialog(frame, view::LayoutKind::activity);
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
