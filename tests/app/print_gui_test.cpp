// print_gui_test.cpp - printing the real program's categories over a generated schedule: the
// File page's preview against the pure page count, a PostScript file with that many pages,
// the screen scale kept while a preview is open, and the page settings dialog (Enter on any
// page, the check box rule, the date clamp, dates through the pickers in any time zone). No
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
#include "app_gui_support.h"
#include "rows/display_scale.h"
#include "shell/command_ids.h"
#include "shell/print/pagination.h"
#include "tests/app/draw/text_pixels.h"
#include "views/gantt/GanttView.h"

#include <wx/checkbox.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/dcmemory.h>
#include <wx/log.h>
#include <wx/notebook.h>
#include <wx/print.h>
#include <wx/textctrl.h>
#include <wx/timectrl.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
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

    static SchedulePrintout& PrintoutOf(wxPrintPreview& preview) {
        return dynamic_cast<SchedulePrintout&>(*preview.GetPrintout());
    }

    // Shows the Print page of the File page and waits for its preview to count its pages.
    static wxPrintPreview* ShowPrintPage(CMainFrame& frame) {
        frame.ShowFilePage();
        frame.GetFilePage()->ShowItem(FilePage::print_item);
        PrintPreviewPanel* panel = PreviewPanel(frame);
        if (panel == nullptr || panel->GetPreview() == nullptr) return nullptr;
        wxPrintPreview* preview = panel->GetPreview();
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

    wxPrintPreview* preview = ShowPrintPage(*frame);
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
    wxPrintPreview* preview = ShowPrintPage(*frame);
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

TEST_F(PrintTest, ObsPreviewIsOneMessagePage) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(kObsTabPage);
    wxPrintPreview* preview = ShowPrintPage(*frame);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->GetMaxPage(), 1);
    SchedulePrintout& printout = PrintoutOf(*preview);
    EXPECT_EQ(printout.PagesDrawn(), 1);
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
        EXPECT_TRUE(m_hook.messages.empty()) << (m_hook.messages.empty() ? wxString() : m_hook.messages.front());
        dialog->Destroy();
    }
    if (saved != nullptr) setenv("TZ", kept.c_str(), 1); else unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
