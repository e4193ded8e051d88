// print_gui_test.cpp - printing the real program's categories over a generated schedule: the
// File page's preview against the pure page count, a PostScript file with that many pages,
// the screen scale kept while a preview is open, keys and the wheel over the preview, and the
// page settings dialog (Enter on any page, the check box rule, the date clamp, dates through
// the pickers in any time zone, dates typed or picked and checked once the user is done). No
// test opens the desktop's print dialog.

#include "app/VarnholtView.h"
#include "app/app_services.h"
#include "app/backstage/FilePage.h"
#include "app/print/FramePrintMeasure.h"
#include "app/print/PrintPreviewPanel.h"
#include "app/print/PrintSettingsDialog.h"
#include "app/print/PrintSettingsPages.h"
#include "app/print/SchedulePrintout.h"
#include "app/print/picker_dates.h"
#include "app/ribbon/MainRibbon.h"
#include "app_gui_support.h"
#include "gui_input.h"
#include "rows/display_scale.h"
#include "shell/command_ids.h"
#include "shell/print/page_setup.h"
#include "shell/print/pagination.h"
#include "tests/app/draw/text_pixels.h"
#include "screen_pixels.h"
#include "views/gantt/GanttView.h"

#include <wx/radiobut.h>
#include <wx/button.h>
#include <wx/calctrl.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combo.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/dcmemory.h>
#include <wx/log.h>
#include <wx/notebook.h>
#include <wx/print.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timectrl.h>
#include <wx/uiaction.h>
#include <wx/uilocale.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <ctime>
#include <fstream>
#include <functional>
#include <sstream>

namespace varnholt {
namespace {

using testing_app::WaitUntil;

class PrintTest : public testing_app::AppGuiTest {
protected:
    // A generated schedule of some hundred activities: several pages across and down.
    static wxString GeneratedSchedule() {
        const std::string path = (testing_app::run_folder() / "generated.xer").string();
        static const bool made =
            std::system((std::string(VARNHOLT_XER_GENERATOR) + " 400 " + path).c_str()) == 0;
        EXPECT_TRUE(made);
        return wxString::FromUTF8(path);
    }

    static PrintPreviewPanel* PreviewPanel(CMainFrame& frame) {
        for (wxWindow* child : frame.GetFilePage()->GetPrintPageArea()->GetChildren()) {
            if (auto* panel = dynamic_cast<PrintPreviewPanel*>(child)) return panel;
        }
        return nullptr;
    }

    static SchedulePrintout& PrintoutOf(wxPrintPreviewBase& preview) {
        return dynamic_cast<SchedulePrintout&>(*preview.GetPrintout());
    }

    // Shows the Print page of the File page and waits for its preview to count its pages.
    static wxPrintPreviewBase* ShowPrintPage(CMainFrame& frame) {
        frame.ShowFilePage();
        frame.GetFilePage()->ShowItem(FilePage::print_item);
        PrintPreviewPanel* panel = PreviewPanel(frame);
        if (panel == nullptr || panel->GetPreview() == nullptr) return nullptr;
        wxPrintPreviewBase* preview = panel->GetPreview();
        // The preview prepares its job at its first paint.
        if (!WaitUntil([preview] { return PrintoutOf(*preview).PagesDrawn() > 0; })) return nullptr;
        return preview;
    }

    // The pure count at the printout's scale and printable area.
    static std::int32_t PureCount(CMainFrame& frame, const SchedulePrintout& printout) {
        print::ViewPrintMeasure measure = MeasureFrame(frame);
        const float kept = measure.CurrentScale();
        measure.ApplyScale(printout.Plan().scale);
        print::Pagination pagination;
        pagination.pages_across = pagination.pages_down = 0;
        const bool counted = print::CountPrintPages(frame.GetPrintSettings(), measure, printout.Page().width,
                                                    printout.Page().height, pagination);
        measure.ApplyScale(kept);
        return counted ? pagination.PageCount() : 1;
    }

    static void ClickAt(wxUIActionSimulator& input, const wxPoint& where) {
        input.MouseMove(where);
        ASSERT_TRUE(WaitUntil([&] { return wxGetMousePosition() == where; }));
        input.MouseClick();
    }

    static int PagesInFile(const std::string& path) {
        std::ifstream file(path);
        std::string line;
        int pages = 0;
        while (std::getline(file, line)) {
            if (line.rfind("%%Page:", 0) == 0) ++pages;
        }
        return pages;
    }
};

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
        bool drained = false;
        frame.CallAfter([&drained] { drained = true; });
        ASSERT_TRUE(WaitUntil([&drained] { return drained; }));
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

    // The rebuilt preview has the focus; the key goes on to reach it.
    preview = panel->GetPreview();
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == preview->GetCanvas(); }));
    FocusCanvas(input);
    const int page = preview->GetCurrentPage();
    const int zoom = preview->GetZoom();
    Press(input, WXK_RETURN);
    Press(input, WXK_NUMPAD_ENTER);
    EXPECT_EQ(preview->GetCurrentPage(), page);
    EXPECT_EQ(preview->GetZoom(), zoom);
}

TEST_F(PrintTest, OpeningPageSettingsClampsTheDatesOnlyBesideAChartEvenOnCancel) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    PrintSettings& settings = frame->GetPrintSettings();
    m_hook.answer = wxID_CANCEL;

    frame->SwitchToPage(kResourcesTabPage);
    wxQueueEvent(frame, new wxCommandEvent(wxEVT_MENU, ID_OPEN_PAGE_SETTINGS));
    ASSERT_TRUE(WaitUntil([&] { return !wxTheApp->Pending(); }));
    (void)wxTheApp->Yield(true);
    EXPECT_EQ(settings.startDate.seconds, 0) << "no chart: the stored dates stay";
    EXPECT_EQ(settings.endDate.seconds, 0);

    frame->SwitchToPage(kActivitiesTabPage);
    const view::GanttView* chart = frame->GetCurrentGanttView();
    ASSERT_NE(chart, nullptr);
    wxQueueEvent(frame, new wxCommandEvent(wxEVT_MENU, ID_OPEN_PAGE_SETTINGS));
    EXPECT_TRUE(WaitUntil([&] { return settings.startDate.seconds != 0; }));
    EXPECT_EQ(settings.startDate.seconds, chart->GetStartDate().seconds);
    EXPECT_EQ(settings.endDate.seconds, chart->GetEndDate().seconds) << "kept although cancelled";
}

TEST_F(PrintTest, EnterOnTheMarginsPageAppliesEveryPage) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    PrintSettings& settings = frame->GetPrintSettings();
    auto* dialog = new PrintSettingsDialog(frame, settings, frame->GetCurrentGanttView());
    PrintOptionsPage& options = dialog->GetOptionsPage();
    dialog->Show();

    options.print_table->SetValue(false);
    wxCommandEvent click(wxEVT_CHECKBOX, options.print_table->GetId());
    click.SetEventObject(options.print_table);
    click.SetInt(0);
    options.print_table->GetEventHandler()->ProcessEvent(click);
    EXPECT_FALSE(options.all_columns->IsEnabled()) << "at once";
    options.scale.edit->ChangeValue("85");

    dialog->GetNotebook()->SetSelection(1);
    wxTextCtrl* margin = dialog->GetMarginsPage().left.edit;
    margin->ChangeValue("-2");
    wxUIActionSimulator simulator;
    simulator.MouseMove(margin->GetScreenRect().GetPosition() + wxPoint(5, 5));
    margin->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == margin; }));
    simulator.Char(WXK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !dialog->IsShown(); }));
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_FALSE(settings.printTable);
    EXPECT_TRUE(settings.printAllColumns) << "a disabled box keeps its check";
    EXPECT_FLOAT_EQ(settings.scale, 0.85f);
    EXPECT_EQ(settings.marginLeft, 0.0f) << "a negative margin is stored as 0";
    dialog->Destroy();
}

TEST_F(PrintTest, PickersKeepDatesInEveryTimeZone) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    const view::GanttView* chart = frame->GetCurrentGanttView();
    ASSERT_NE(chart, nullptr);
    const char* const saved = std::getenv("TZ");
    const std::string kept = saved != nullptr ? saved : "";
    for (const char* zone : {"XST5", "XST-9", "UTC0"}) {
        SCOPED_TRACE(zone);
        setenv("TZ", zone, 1);
        tzset();
        PrintSettings settings;
        auto* dialog = new PrintSettingsDialog(frame, settings, chart);
        PrintOptionsPage& options = dialog->GetOptionsPage();
        for (const s_date& date : {chart->GetStartDate(), chart->GetEndDate(),
                                   s_date::from_seconds(s_date::from_ymdhm(2024, 3, 1, 0, 0).seconds + 59)}) {
            ShowInPickers(date, *options.start_day, *options.start_time);
            EXPECT_EQ(ReadPickers(*options.start_day, *options.start_time).seconds, date.seconds);
        }
        // The chart's own first and last dates pass the checks.
        ShowInPickers(chart->GetStartDate(), *options.start_day, *options.start_time);
        ShowInPickers(chart->GetEndDate(), *options.end_day, *options.end_time);
        m_hook.messages.clear();
        for (wxDatePickerCtrl* picker : {options.start_day, options.end_day}) {
            wxDateEvent changed(picker, picker->GetValue(), wxEVT_DATE_CHANGED);
            picker->GetEventHandler()->ProcessEvent(changed);
        }
        EXPECT_TRUE(options.CheckChangedDates());
        EXPECT_TRUE(m_hook.messages.empty()) << (m_hook.messages.empty() ? wxString() : m_hook.messages.front());
        dialog->Destroy();
    }
    if (saved != nullptr) setenv("TZ", kept.c_str(), 1); else unsetenv("TZ");
    tzset();
}

// The text as a reader sees it: word joiners dropped, no-break spaces as spaces.
std::string Readable(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8.substr(i, 3) == "\xE2\x81\xA0") { i += 2; continue; }
        if (utf8.substr(i, 2) == "\xC2\xA0") { out += ' '; ++i; continue; }
        out += utf8[i];
    }
    return out;
}

// Each width, from the date's own up to the whole text's, at which the shown box's label
// would wrap inside the date, as the toolkit wraps it when the box is narrower.
std::vector<int> WidthsSplittingTheDate(GtkWidget* box, const std::string& date) {
    std::vector<int> splitting;
    GtkWidget* area = gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(box));
    GList* children = gtk_container_get_children(GTK_CONTAINER(area));
    for (GList* child = children; child != nullptr; child = child->next) {
        if (!GTK_IS_LABEL(child->data)) continue;
        PangoLayout* layout = pango_layout_copy(gtk_label_get_layout(GTK_LABEL(child->data)));
        const char* text = pango_layout_get_text(layout);
        if (Readable(text).find(date) == std::string::npos) {
            g_object_unref(layout);
            continue;
        }
        PangoLayout* alone = pango_layout_copy(layout);
        pango_layout_set_attributes(alone, nullptr);
        pango_layout_set_text(alone, (date + ".").c_str(), -1);
        pango_layout_set_width(alone, -1);
        int least = 0, whole = 0;
        pango_layout_get_pixel_size(alone, &least, nullptr);
        pango_layout_set_width(layout, -1);
        pango_layout_get_pixel_size(layout, &whole, nullptr);
        for (int width = least + 1; width <= whole; ++width) {
            pango_layout_set_width(layout, width * PANGO_SCALE);
            bool on_one_line = false;
            for (GSList* item = pango_layout_get_lines_readonly(layout); item != nullptr; item = item->next) {
                const auto* line = static_cast<const PangoLayoutLine*>(item->data);
                const std::string_view piece(text + line->start_index, static_cast<std::size_t>(line->length));
                on_one_line = on_one_line || Readable(piece).find(date) != std::string::npos;
            }
            if (!on_one_line) splitting.push_back(width);
        }
        g_object_unref(alone);
        g_object_unref(layout);
    }
    g_list_free(children);
    return splitting;
}

// Dates typed into the shown page settings, key by key, as a user types them.
class TypedDatesTest : public PrintTest {
protected:
    // Opens the page settings over the Activities chart and runs `script` while they are shown.
    void WhileSettingsShown(const std::function<void(PrintSettingsDialog&)>& script) {
        ASSERT_TRUE(Start(GeneratedSchedule()));
        frame = Frame();
        ASSERT_NE(frame, nullptr);
        frame->Raise();
        chart = frame->GetCurrentGanttView();
        ASSERT_NE(chart, nullptr);
        bool ran = false;
        m_hook.CancelAfter<PrintSettingsDialog>(ran, script);
        wxQueueEvent(frame, new wxCommandEvent(wxEVT_MENU, ID_OPEN_PAGE_SETTINGS));
        ASSERT_TRUE(WaitUntil([&] { return ran; }));  // inside the dialog's modal loop
    }

    // Selects the picker's text and types `day` in the picker's own date format.
    void Type(wxDatePickerCtrl& picker, const wxDateTime& day) {
        wxTextCtrl* text = nullptr;
        for (wxWindow* part : picker.GetChildren()) {
            if (auto* combo = dynamic_cast<wxComboCtrl*>(part)) text = combo->GetTextCtrl();
        }
        ASSERT_NE(text, nullptr);
        input.MouseMove(text->GetScreenRect().GetPosition() + wxPoint(5, 5));
        text->SetFocus();
        // The focus is reported on the picker that the text belongs to.
        ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == &picker; }));
        input.Char('a', wxMOD_CONTROL);
        wxString format = wxUILocale::GetCurrent().GetInfo(wxLOCALE_SHORT_DATE_FMT);
        format.Replace("%y", "%Y");
        const wxString typed = day.Format(format);
        input.Text(typed.utf8_str().data());
        ASSERT_TRUE(WaitUntil([&] { return text->GetValue() == typed; }));
    }

    // A calendar day as yyyymmdd.
    static std::int64_t Day(const s_date& date) { return date.year() * 10000 + date.month() * 100 + date.day(); }
    static std::int64_t Day(const wxDateTime& date) {
        return date.GetYear() * 10000 + (static_cast<int>(date.GetMonth()) + 1) * 100 + date.GetDay();
    }

    CMainFrame* frame = nullptr;
    const view::GanttView* chart = nullptr;
    wxUIActionSimulator input;
};

TEST_F(TypedDatesTest, FromIsCheckedOnceTheFieldIsLeftNeverMidDate) {
    std::int64_t typed_day = 0;
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        PrintOptionsPage& options = dialog.GetOptionsPage();
        const s_date first = chart->GetStartDate();
        const s_date stored = frame->GetPrintSettings().startDate;

        // Each keystroke that forms a date (years 2, 20, 201) is no finished choice.
        const wxDateTime before(15, wxDateTime::Feb, static_cast<int>(first.year()) - 10);
        Type(*options.start_day, before);
        EXPECT_TRUE(m_hook.messages.empty()) << m_hook.messages.front();
        EXPECT_EQ(Day(ReadPickerDay(*options.start_day)), Day(before));

        // Leaving the field: the date before the chart gets its message once, in front of the
        // dialog, and goes back. The box stays up while a user reads it.
        // However narrow the box, its date stays on one line.
        const std::string shown_date = wxString(first.to_string()).utf8_string();
        std::optional<std::vector<int>> splitting;
        m_hook.show_messages = true;
        m_hook.while_message_shown = [&](GtkWidget* box) { splitting = WidthsSplittingTheDate(box, shown_date); };
        input.Char(WXK_TAB, wxMOD_SHIFT);
        ASSERT_TRUE(WaitUntil([&] { return m_hook.closed_messages == 1; }));
        m_hook.show_messages = false;
        m_hook.while_message_shown = nullptr;
        ASSERT_EQ(m_hook.messages.size(), 1u);
        EXPECT_EQ(m_hook.message_owners, std::vector<wxWindow*>{&dialog});
        EXPECT_NE(Readable(m_hook.messages.front().utf8_string()).find(shown_date), std::string::npos);
        ASSERT_TRUE(splitting.has_value()) << "the box's label holds the date";
        EXPECT_TRUE(splitting->empty()) << splitting->size() << " widths split the date, the first "
                                        << splitting->front();
        EXPECT_EQ(ReadPickers(*options.start_day, *options.start_time).seconds, stored.seconds);

        // A date inside the chart, confirmed with Enter while still in the field.
        const wxDateTime inside(20, wxDateTime::Jan, static_cast<int>(first.year()) + 1);
        typed_day = Day(inside);
        Type(*options.start_day, inside);
        input.Char(WXK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return !dialog.IsShown(); }));
    });
    EXPECT_EQ(m_hook.messages.size(), 1u);
    EXPECT_EQ(Day(frame->GetPrintSettings().startDate), typed_day) << "stored on OK";
}

// The fields after the labels "From:" and "To:", and after the two scaling choices, each start
// at one left edge, whatever the lengths of the words before them.
TEST_F(TypedDatesTest, ThePageSettingsFieldsOfARowPairStartAtOneEdge) {
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        PrintOptionsPage& options = dialog.GetOptionsPage();
        const struct {
            const char* why;
            wxWindow* upper;
            wxWindow* lower;
        } pairs[] = {{"the dates", options.start_day, options.end_day},
                     {"the scale and the pages wide", options.scale.edit, options.pages_wide.edit}};
        for (const auto& pair : pairs) {
            SCOPED_TRACE(pair.why);
            EXPECT_EQ(pair.upper->GetScreenPosition().x, pair.lower->GetScreenPosition().x);
        }
    });
}

// The pages are white in every theme: each label on them stands out from the white, also where
// a dark theme writes labels light.
TEST_F(TypedDatesTest, EveryLabelOfThePageSettingsStandsOutFromItsPage) {
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        auto* notebook = dynamic_cast<wxNotebook*>(dialog.GetOptionsPage().GetParent());
        ASSERT_NE(notebook, nullptr);
        for (size_t index = 0; index < notebook->GetPageCount(); ++index) {
            notebook->SetSelection(index);
            wxWindow& page = *notebook->GetPage(index);
            ASSERT_TRUE(WaitUntil([&page] { return page.IsShownOnScreen(); }));
            const wxImage shown = testing_gui::GrabSteady(&page);
            for (wxWindow* child : page.GetChildren()) {
                const bool label = dynamic_cast<wxStaticText*>(child) != nullptr ||
                                   dynamic_cast<wxCheckBox*>(child) != nullptr ||
                                   dynamic_cast<wxRadioButton*>(child) != nullptr;
                if (!label || !child->IsShown() || child->GetLabel().empty()) continue;
                const testing_gui::TextLook look = testing_gui::MeasureText(shown, child->GetRect());
                EXPECT_GE(look.ratio, 4.5) << child->GetLabel() << ": " << testing_gui::Describe(look);
            }
        }
    });
}

// Only the control that holds the keyboard looks focused: a time field the program has filled,
// when the dialog opens or after a refused date went back, shows no selection.
TEST_F(TypedDatesTest, ATimeFieldWithoutTheKeyboardShowsNoSelection) {
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        PrintOptionsPage& options = dialog.GetOptionsPage();
        const auto expect_no_stray_selection = [&](const char* when) {
            SCOPED_TRACE(when);
            const wxImage shown = testing_gui::GrabSteady(&dialog);
            const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
            for (wxTimePickerCtrl* time : {options.start_time, options.end_time}) {
                for (wxWindow* part : time->GetChildren()) {
                    if (dynamic_cast<wxTextCtrl*>(part) == nullptr || wxWindow::FindFocus() == part) continue;
                    wxRect inside = part->GetScreenRect().Deflate(3);  // inside the field's frame
                    inside.SetPosition(dialog.ScreenToClient(inside.GetPosition()));
                    int selected = 0;
                    testing_gui::ForEachPixel(shown, inside, [&](const wxColour& pixel) {
                        const int off = std::abs(pixel.Red() - highlight.Red()) +
                                        std::abs(pixel.Green() - highlight.Green()) +
                                        std::abs(pixel.Blue() - highlight.Blue());
                        selected += off < 48;
                    });
                    EXPECT_EQ(selected, 0) << "pixels of the selection colour in a time field";
                }
            }
        };
        expect_no_stray_selection("opened");

        // A start before the chart, and Shift+Tab out of the field: refused, and put back.
        Type(*options.start_day, wxDateTime(15, wxDateTime::Feb, static_cast<int>(chart->GetStartDate().year()) - 10));
        m_hook.show_messages = true;
        input.Char(WXK_TAB, wxMOD_SHIFT);
        ASSERT_TRUE(WaitUntil([&] { return !m_hook.message_owners.empty(); }));
        ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == options.print_gantt; }))
            << "the keyboard is where the user sent it";
        m_hook.show_messages = false;
        EXPECT_EQ(m_hook.messages.size(), 1u);
        expect_no_stray_selection("after a refused date");
    });
}

TEST_F(TypedDatesTest, OkRefusesADateTypedPastTheChartAndKeepsTheDialogOpen) {
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        PrintOptionsPage& options = dialog.GetOptionsPage();
        const s_date last = chart->GetEndDate();
        Type(*options.end_day, wxDateTime(20, wxDateTime::Jan, static_cast<int>(last.year()) + 4));
        EXPECT_TRUE(m_hook.messages.empty()) << m_hook.messages.front();

        input.Char(WXK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return !m_hook.messages.empty(); }));
        for (int i = 0; i < 10; ++i) (void)wxTheApp->Yield(true);
        EXPECT_EQ(m_hook.messages.size(), 1u);
        const std::string shown_date = wxString(last.to_string()).utf8_string();
        EXPECT_NE(Readable(m_hook.messages.front().utf8_string()).find(shown_date), std::string::npos);
        EXPECT_TRUE(dialog.IsShown()) << "the refused date is not stored";
        EXPECT_EQ(Day(ReadPickerDay(*options.end_day)), Day(frame->GetPrintSettings().endDate));
    });
    EXPECT_EQ(frame->GetPrintSettings().endDate.seconds, chart->GetEndDate().seconds);
}

TEST_F(TypedDatesTest, ADayPickedInTheCalendarIsCheckedOnceItCloses) {
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        PrintOptionsPage& options = dialog.GetOptionsPage();
        const wxRect picker = options.start_day->GetScreenRect();
        ClickAt(input, wxPoint(picker.GetRight() - 8, picker.GetTop() + picker.GetHeight() / 2));  // its button
        ASSERT_TRUE(WaitUntil([&] { return options.start_drop_down_open; }));

        // A day before the chart, picked as the calendar reports a pick: no message while open.
        wxCalendarCtrl& calendar = *options.start_day->GetCalendar();
        const s_date first = chart->GetStartDate();
        const wxDateTime before(10, wxDateTime::Jan, static_cast<int>(first.year()) - 1);
        calendar.SetDate(before);
        wxCalendarEvent picked(&calendar, before, wxEVT_CALENDAR_SEL_CHANGED);
        calendar.HandleWindowEvent(picked);
        EXPECT_EQ(Day(ReadPickerDay(*options.start_day)), Day(before));
        for (int i = 0; i < 10; ++i) (void)wxTheApp->Yield(true);
        EXPECT_TRUE(m_hook.messages.empty());

        // A click beside the calendar closes it; then the checks run, once.
        ClickAt(input, options.print_gantt->GetScreenRect().GetRightBottom() + wxPoint(30, 0));
        ASSERT_TRUE(WaitUntil([&] { return !m_hook.messages.empty(); }));
        for (int i = 0; i < 10; ++i) (void)wxTheApp->Yield(true);
        EXPECT_EQ(m_hook.messages.size(), 1u);
        EXPECT_FALSE(options.start_drop_down_open);
        EXPECT_EQ(Day(ReadPickerDay(*options.start_day)), Day(first));
    });
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
