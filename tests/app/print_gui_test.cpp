// print_gui_test.cpp - printing the real program's categories over a generated schedule: the
// File page's preview against the pure page count, a PostScript file with that many pages,
// the screen scale kept while a preview is open, keys and the wheel over the preview, and the
// many-pages warning said once, also by the desktop's print dialog's Preview, the one test that
// opens that dialog. The page settings dialog is page_settings_gui_test.cpp's.

#include "app/VarnholtView.h"
#include "app/app_services.h"
#include "app/backstage/FilePage.h"
#include "app/print/FramePrintMeasure.h"
#include "app/print/PrintCommands.h"
#include "app/print/PrintPreviewPanel.h"
#include "app/print/SchedulePrintout.h"
#include "app/ribbon/MainRibbon.h"
#include "app_gui_support.h"
#include "print_test_fixture.h"
#include "gui_input.h"
#include "rows/display_scale.h"
#include "shell/command_ids.h"
#include "shell/print/page_setup.h"
#include "shell/print/pagination.h"
#include "tests/app/draw/text_pixels.h"
#include "screen_pixels.h"
#include "views/gantt/GanttView.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/log.h>
#include <wx/print.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;

TEST_F(PrintTest, ActivitiesPreviewAndPostScriptHaveThePureCountAndKeepTheScreenScale) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    view::View* table = frame->GetCurrentTableView();
    ASSERT_NE(table, nullptr);
    const float screen_scale = view::DisplayScale();
    const float row_height = table->GetRowHeight();

    wxPrintPreviewBase* preview = ShowPrintPage(*frame);
    ASSERT_NE(preview, nullptr);
    SchedulePrintout& shown = PrintoutOf(*preview);
    EXPECT_GT(preview->GetMaxPage(), 1);
    EXPECT_EQ(preview->GetMaxPage(), PureCount(*frame, shown));
    EXPECT_EQ(view::DisplayScale(), screen_scale) << "the print scale is in force only while a page is drawn";
    EXPECT_EQ(table->GetRowHeight(), row_height);

    // The panes paint at the screen scale while the preview stays open.
    wxBitmap bitmap(400, 300, 24);
    {
        wxMemoryDC dc(bitmap);
        frame->GetTablePane()->RenderTo(dc);
    }
    EXPECT_EQ(table->GetRowHeight(), row_height);
    preview->SetCurrentPage(preview->GetMaxPage());
    EXPECT_EQ(view::DisplayScale(), screen_scale);

    // The same category printed to a file: as many pages as the job counts.
    const std::string path = (testing_app::run_folder() / "activities.ps").string();
    wxPrintData data;
    data.SetPrintMode(wxPRINT_MODE_FILE);
    data.SetFilename(wxString::FromUTF8(path));
    wxPrintDialogData dialog_data(data);
    SchedulePrintout printout(*frame);
    dialog_data.SetMinPage(1);
    dialog_data.SetFromPage(1);
    dialog_data.SetToPage(1000);
    dialog_data.SetAllPages(true);
    wxPostScriptPrinter printer(&dialog_data);
    wxLogLevel kept_level = wxLog::GetLogLevel();
    wxLog::SetLogLevel(wxLOG_Warning);  // the PostScript device reports every missing font metric
    const bool printed = printer.Print(frame, &printout, false);
    wxLog::SetLogLevel(kept_level);
    ASSERT_TRUE(printed);
    EXPECT_GT(printout.Plan().pages, 1);
    EXPECT_EQ(PagesInFile(path), printout.Plan().pages);
    EXPECT_EQ(printout.PagesDrawn(), printout.Plan().pages);
    EXPECT_EQ(view::DisplayScale(), screen_scale);
    EXPECT_EQ(table->GetRowHeight(), row_height);
}

// The File page's preview at the zoom it opens with, as its canvas paints it: the page's text
// is smoothed, not cut to whole pixels, which at half size turns digits into others.
TEST_F(PrintTest, PreviewTextIsSmoothed) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    wxPrintPreviewBase* preview = ShowPrintPage(*frame);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->GetZoom(), 50);
    wxPreviewCanvas* canvas = preview->GetCanvas();
    ASSERT_NE(canvas, nullptr);
    wxBitmap bitmap(canvas->GetClientSize(), 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        ASSERT_TRUE(preview->PaintPage(canvas, dc));
    }
    EXPECT_GE(testing_draw::MeasureSmoothing(bitmap.ConvertToImage()).levels, 24);
}

// Drawn on paper: anything but the white of the sheet.
bool IsInk(const wxImage& image, int x, int y) {
    return image.GetRed(x, y) < 240 || image.GetGreen(x, y) < 240 || image.GetBlue(x, y) < 240;
}

// The last x of the unbroken run of ink along the row from (x, y); x - 1 when (x, y) is white.
int RunEnd(const wxImage& image, int x, int y) {
    if (!IsInk(image, x, y)) return x - 1;
    while (x + 1 < image.GetWidth() && IsInk(image, x + 1, y)) ++x;
    return x;
}

// On the page where the chart's range ends beside the table's pages, the timescale's top tier
// ends where the chart does: its top edge stops with the lines of the tiers below it.
TEST_F(PrintTest, TheTimescaleOfTheLastChartPageEndsWithTheChart) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    frame->GetPrintSettings().scale = 0.75f;
    // A landscape A4 sheet at the screen's resolution, printed into a picture.
    SchedulePrintout printout(*frame);
    const wxSize sheet(1123, 794);
    wxBitmap paper(sheet, 24);
    {
        wxMemoryDC dc(paper);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        printout.SetDC(&dc);
        printout.SetPageSizePixels(sheet.x, sheet.y);
        printout.SetPageSizeMM(297, 210);
        printout.SetPaperRectPixels(wxRect(sheet));
        printout.SetPPIScreen(96, 96);
        printout.SetPPIPrinter(96, 96);
        printout.OnPreparePrinting();
        const print::Pagination& pages = printout.Plan().pagination;
        ASSERT_GT(pages.pages_across, pages.table_pages_across) << "the chart goes on past the table's pages";
        ASSERT_TRUE(printout.OnPrintPage(pages.pages_across));  // the top row's last page
        printout.SetDC(nullptr);
    }
    const wxImage page = paper.ConvertToImage();
    const print::PageBands bands = print::MeasureBands(frame->GetPrintSettings(), printout.Page());
    const int left = bands.left + 1;
    int top = bands.top + bands.header - 2;
    while (top < bands.top + bands.header + 4 && RunEnd(page, left, top) < left + 100) ++top;
    const int top_end = RunEnd(page, left, top);
    int chart_end = 0;
    for (int y = top + 2; y < top + 40; ++y) chart_end = std::max(chart_end, RunEnd(page, left, y));
    EXPECT_LT(chart_end, bands.left + bands.width - 20) << "the chart's range ends inside the page";
    EXPECT_LE(top_end, chart_end + 1) << "the top tier runs on " << top_end - chart_end << " px past the chart";
}

TEST_F(PrintTest, ObsPreviewIsOneMessagePage) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(kObsTabPage);
    wxPrintPreviewBase* preview = ShowPrintPage(*frame);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->GetMaxPage(), 1);
    SchedulePrintout& printout = PrintoutOf(*preview);
    EXPECT_EQ(printout.PagesDrawn(), 1);
}

// The File page opened from its tab on the Print page, and back to the chart, by the pointer:
// the warning about the many pages comes with the first preview of the schedule and its
// settings, not again when the same preview comes back, and again once the settings change.
TEST_F(PrintTest, TheManyPagesWarningComesOncePerScheduleAndSettings) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame& frame = *Frame();
    frame.GetPrintSettings().scale = 2.5f;  // many pages, each column narrower than one
    auto& ribbon = dynamic_cast<MainRibbonBar&>(*frame.GetRibbon());
    const auto click_tab = [&ribbon](int page) {
        const wxRect tab = ribbon.GetTabRect(page);
        ASSERT_TRUE(testing_gui::ClickAt(ribbon, tab.GetPosition() + tab.GetSize() / 2));
        ASSERT_TRUE(WaitUntil([&] { return ribbon.GetActivePage() == page; }));
    };
    // Shows the page, waits for its preview's first paint and for what that paint queued.
    const auto preview_shown = [&frame] {
        PrintPreviewPanel* panel = PreviewPanel(frame);
        ASSERT_TRUE(WaitUntil([panel] { return panel->GetPreview() != nullptr && panel->IsShownOnScreen(); }));
        wxPrintPreviewBase& preview = *panel->GetPreview();
        ASSERT_TRUE(WaitUntil([&preview] { return PrintoutOf(preview).PagesDrawn() > 0; }));
        ASSERT_GT(preview.GetMaxPage(), 50);
        ASSERT_TRUE(testing_gui::Drained(frame));
    };

    click_tab(kFileTabPage);
    const wxWindowList& items = frame.GetFilePage()->GetChildren().front()->GetChildren();
    const auto print_item = std::ranges::find_if(items, [&frame](const wxWindow* item) {
        return item->GetLabel() == frame.GetFilePage()->GetItemLabel(FilePage::print_item);
    });
    ASSERT_TRUE(print_item != items.end() && testing_gui::ClickMiddle(**print_item));
    preview_shown();
    ASSERT_EQ(m_hook.messages.size(), 1u);
    const wxString warning = m_hook.messages.front();

    click_tab(kActivitiesTabPage);
    click_tab(kFileTabPage);
    preview_shown();
    EXPECT_EQ(m_hook.messages.size(), 1u) << "said already";

    click_tab(kActivitiesTabPage);
    frame.GetPrintSettings().pagesWide = 3;  // as the page settings leave it: the same pages
    click_tab(kFileTabPage);
    preview_shown();
    ASSERT_EQ(m_hook.messages.size(), 2u);
    EXPECT_EQ(m_hook.messages.back(), warning);
}

// The desktop's print dialog after the File page's preview, for the same schedule and settings:
// its Preview, pressed by the pointer, does not say again how many pages the printout takes.
TEST_F(PrintTest, ThePrintDialogsPreviewDoesNotRepeatTheManyPagesWarning) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame& frame = *Frame();
    frame.GetPrintSettings().scale = 2.5f;  // many pages
    ASSERT_NE(ShowPrintPage(frame), nullptr);
    const auto drained = [&frame] {
        bool done = false;
        frame.CallAfter([&done] { done = true; });
        return WaitUntil([&done] { return done; });
    };
    ASSERT_TRUE(drained());
    ASSERT_EQ(m_hook.messages.size(), 1u);

    // The file printer only, and a viewer that only removes the file it is shown.
    GtkSettings* settings = gtk_settings_get_default();
    gchar* printers = nullptr;
    gchar* viewer = nullptr;
    g_object_get(settings, "gtk-print-backends", &printers, "gtk-print-preview-command", &viewer, nullptr);
    g_object_set(settings, "gtk-print-backends", "file", "gtk-print-preview-command", "rm -f %f %s", nullptr);
    bool pressed = false;
    m_hook.while_print_dialog_shown = [&pressed](GtkWidget* dialog) {
        GtkWidget* preview = gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_APPLY);
        ASSERT_NE(preview, nullptr);
        ASSERT_TRUE(WaitUntil([preview] { return gtk_widget_get_mapped(preview) && gtk_widget_is_sensitive(preview); }));
        GtkAllocation place;
        gtk_widget_get_allocation(preview, &place);
        wxPoint origin;
        gdk_window_get_origin(gtk_widget_get_window(preview), &origin.x, &origin.y);
        wxUIActionSimulator input;
        ClickAt(input, origin + wxSize(place.x + place.width / 2, place.y + place.height / 2));
        pressed = true;
    };
    wxCommandEvent print(wxEVT_MENU, ID_FILE_PRINT);
    frame.GetEventHandler()->ProcessEvent(print);  // back once the preview's file is written
    g_object_set(settings, "gtk-print-backends", printers, "gtk-print-preview-command", viewer, nullptr);
    g_free(printers);
    g_free(viewer);
    ASSERT_TRUE(pressed);
    ASSERT_TRUE(drained());
    EXPECT_EQ(m_hook.messages.size(), 1u) << "said already by the File page's preview";
}

// Keys reach the preview as the desktop sends them: the pointer over it, the focus in it.
class PreviewInputTest : public PrintTest {
protected:
    void ShowPreview() {
        ASSERT_TRUE(Start(GeneratedSchedule()));
        frame = Frame();
        ASSERT_NE(frame, nullptr);
        frame->Raise();
        preview = ShowPrintPage(*frame);
        ASSERT_NE(preview, nullptr);
        panel = PreviewPanel(*frame);
        ASSERT_GT(preview->GetMaxPage(), 2);
    }

    // Points at the canvas and waits until it has the focus; counts the key releases it gets,
    // so a test knows when a key that changes nothing has been delivered.
    void FocusCanvas(wxUIActionSimulator& input) {
        wxPreviewCanvas* canvas = preview->GetCanvas();
        input.MouseMove(canvas->GetScreenRect().GetPosition() + wxPoint(40, 40));
        canvas->SetFocus();
        ASSERT_TRUE(WaitUntil([canvas] { return wxWindow::FindFocus() == canvas; }));
        canvas->Bind(wxEVT_KEY_UP, [this](wxKeyEvent& event) {
            ++key_releases;
            event.Skip();
        });
    }

    void Press(wxUIActionSimulator& input, int key, int modifiers = wxMOD_NONE) {
        const int before = key_releases;
        input.Char(key, modifiers);
        ASSERT_TRUE(WaitUntil([&] { return key_releases > before; })) << "key " << key;
        (void)wxTheApp->Yield(true);
    }

    // What the toolkit sends for one notch of a mouse wheel over the canvas.
    void TurnWheel(int rotation) const {
        wxPreviewCanvas* canvas = preview->GetCanvas();
        wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
        wheel.SetEventObject(canvas);
        wheel.SetId(canvas->GetId());
        wheel.SetPosition(wxPoint(canvas->GetClientSize().x / 2, canvas->GetClientSize().y / 2));
        wheel.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
        wheel.m_wheelRotation = rotation;
        wheel.m_wheelDelta = 120;
        wheel.m_linesPerAction = 3;
        wheel.m_columnsPerAction = 3;
        canvas->HandleWindowEvent(wheel);
    }

    // The navigation bar shows what the preview shows.
    void ExpectBarInStep() const {
        EXPECT_EQ(panel->GetPageLabel()->GetLabel(),
                  wxString::Format("%d / %d", preview->GetCurrentPage(), preview->GetMaxPage()));
        EXPECT_EQ(panel->GetZoomChoice()->GetStringSelection(), wxString::Format("%d%%", preview->GetZoom()));
    }

    CMainFrame* frame = nullptr;
    wxPrintPreviewBase* preview = nullptr;
    PrintPreviewPanel* panel = nullptr;
    int key_releases = 0;
};

TEST_F(PreviewInputTest, KeysTurnPagesAndStepTheZoom) {
    ShowPreview();
    wxUIActionSimulator input;
    FocusCanvas(input);
    const int last = preview->GetMaxPage();
    const int zoom = preview->GetZoom();

    Press(input, '+', wxMOD_SHIFT);
    EXPECT_GT(preview->GetZoom(), zoom);
    ExpectBarInStep();
    Press(input, '-');
    EXPECT_EQ(preview->GetZoom(), zoom);

    const struct {
        int key;
        int page;
    } steps[] = {{WXK_PAGEDOWN, 2}, {WXK_END, last}, {WXK_PAGEDOWN, last}, {WXK_PAGEUP, last - 1},
                 {WXK_HOME, 1},     {WXK_PAGEUP, 1}, {WXK_RETURN, 1}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.key);
        Press(input, step.key);
        EXPECT_EQ(preview->GetCurrentPage(), step.page);
        ExpectBarInStep();
    }
    EXPECT_EQ(preview->GetZoom(), zoom) << "Enter changes nothing";
}

TEST_F(PreviewInputTest, TheWheelScrollsThePageAndTurnsPagesAtItsEnds) {
    ShowPreview();
    // The largest zoom: the page is taller than the preview.
    wxChoice* zoom = panel->GetZoomChoice();
    zoom->SetSelection(static_cast<int>(zoom->GetCount()) - 1);
    wxCommandEvent chosen(wxEVT_CHOICE, zoom->GetId());
    chosen.SetEventObject(zoom);
    chosen.SetInt(zoom->GetSelection());
    zoom->HandleWindowEvent(chosen);
    wxPreviewCanvas* canvas = preview->GetCanvas();
    ASSERT_EQ(canvas->GetViewStart().y, 0);

    TurnWheel(-120);
    EXPECT_GT(canvas->GetViewStart().y, 0) << "a notch down scrolls the page";
    EXPECT_EQ(preview->GetCurrentPage(), 1);
    TurnWheel(120);
    EXPECT_EQ(canvas->GetViewStart().y, 0) << "a notch up scrolls back";

    // Down to the bottom of the page, then over onto the next page's top.
    int notches = 0;
    while (preview->GetCurrentPage() == 1 && notches++ < 1000) TurnWheel(-120);
    EXPECT_EQ(preview->GetCurrentPage(), 2);
    EXPECT_EQ(canvas->GetViewStart().y, 0);
    EXPECT_GT(notches, 2);
    ExpectBarInStep();

    // Up from the top: the previous page, from its bottom.
    TurnWheel(120);
    EXPECT_EQ(preview->GetCurrentPage(), 1);
    EXPECT_GT(canvas->GetViewStart().y, 0);
    ExpectBarInStep();
}

TEST_F(PreviewInputTest, EnterThatClosedThePageSettingsReachesThePreviewHarmlessly) {
    ShowPreview();
    wxButton* settings = nullptr;
    for (wxWindow* child : frame->GetFilePage()->GetPrintPageArea()->GetParent()->GetChildren()) {
        if (auto* button = dynamic_cast<wxButton*>(child)) settings = button;
    }
    ASSERT_NE(settings, nullptr);
    bool closed = false;
    m_hook.while_shown = [&closed](wxDialog& dialog) {
        wxUIActionSimulator keys;
        keys.Char(WXK_RETURN);
        closed = WaitUntil([&dialog] { return !dialog.IsShown(); });
    };
    wxUIActionSimulator input;
    ClickAt(input, settings->GetScreenRect().GetPosition() + wxPoint(5, 5));
    ASSERT_TRUE(WaitUntil([&] { return closed; })) << "Enter closes the page settings";

    // The keys are back on the button, not taken by the rebuilt preview; where the key goes on
    // to reach the preview, it does nothing there either.
    preview = panel->GetPreview();
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == settings; }));
    FocusCanvas(input);
    const int page = preview->GetCurrentPage();
    const int zoom = preview->GetZoom();
    Press(input, WXK_RETURN);
    Press(input, WXK_NUMPAD_ENTER);
    EXPECT_EQ(preview->GetCurrentPage(), page);
    EXPECT_EQ(preview->GetZoom(), zoom);
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
