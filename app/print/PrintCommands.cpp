// PrintCommands.cpp - page settings, printing and the Print page's preview.

#include "app/print/PrintCommands.h"

#include "app/CMainFrame.h"
#include "app/backstage/FilePage.h"
#include "app/print/PrintDialogPreviewWatch.h"
#include "app/print/PrintPreviewPanel.h"
#include "app/print/PrintSettingsDialog.h"
#include "app/print/SchedulePrintout.h"
#include "shell/command_ids.h"

#include <wx/print.h>
#include <wx/sizer.h>

namespace varnholt {
namespace {

void PrintCurrentCategory(CMainFrame& frame) {
    wxPrintDialogData data(frame.GetPrintData());
    wxPrinter printer(&data);
    SchedulePrintout printout(frame);
    // The dialog's Preview says no more than the File page's preview has left unsaid.
    const PrintDialogPreviewWatch preview([&frame, &printout] { printout.TreatAsPreview(frame.GetSaidPrintMessages()); });
    if (printer.Print(&frame, &printout, true)) frame.GetPrintData() = printer.GetPrintDialogData().GetPrintData();
}

}  // namespace

bool RunPageSettings(CMainFrame& frame) {
    PrintSettingsDialog dialog(&frame, frame.GetPrintSettings(), frame.GetCurrentGanttView());
    return dialog.ShowModal() == wxID_OK;
}

void BindPrintCommands(CMainFrame& frame) {
    FilePage* file_page = frame.GetFilePage();
    wxWindow* area = file_page->GetPrintPageArea();
    auto* preview = new PrintPreviewPanel(area, frame);  // a child: the window system owns it
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(preview, 1, wxEXPAND);
    area->SetSizer(sizer);

    const auto rebuild_if_shown = [file_page, preview] {
        if (file_page->IsShown() && file_page->GetShownItem() == FilePage::print_item) preview->Rebuild();
    };
    file_page->SetItemShownHandler([rebuild_if_shown](int) { rebuild_if_shown(); });
    file_page->Bind(wxEVT_SHOW, [rebuild_if_shown](wxShowEvent& event) {
        if (event.IsShown()) rebuild_if_shown();
        event.Skip();
    });
    frame.Bind(wxEVT_MENU, [&frame, rebuild_if_shown](wxCommandEvent&) {
        if (RunPageSettings(frame)) rebuild_if_shown();
    }, ID_OPEN_PAGE_SETTINGS);
    frame.Bind(wxEVT_MENU, [&frame](wxCommandEvent&) { PrintCurrentCategory(frame); }, ID_FILE_PRINT);
    frame.Bind(wxEVT_MENU, [&frame](wxCommandEvent&) { PrintCurrentCategory(frame); }, ID_FILE_PRINT_DIRECT);
}

}  // namespace varnholt
