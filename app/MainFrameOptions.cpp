// MainFrameOptions.cpp - the options sheet: a list of pages beside the page shown, OK and
// Cancel. The pages store their own settings when the sheet closes with OK.

#include "app/CMainFrame.h"

#include "shell/string_ids.h"
#include "shell/ui_text.h"

#include <wx/bookctrl.h>
#include <wx/listbook.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/propdlg.h>

namespace varnholt {
namespace {

constexpr int kPageListWidth = 150;

}  // namespace

void CMainFrame::ShowOptions(int initial_page) {
    wxPropertySheetDialog sheet;
    sheet.SetSheetStyle(wxPROPSHEET_LISTBOOK);
    sheet.SetSheetInnerBorder(0);
    if (!sheet.Create(this, wxID_ANY, LoadText(IDS_OPTIONS))) return;
    sheet.CreateButtons(wxOK | wxCANCEL);
    wxBookCtrlBase* book = sheet.GetBookCtrl();
    // Units, layouts, gridlines and language, in this order.
    for (const wchar_t* title : {L"Units", L"Layouts", L"Gridlines", L"Language"}) {
        book->AddPage(new wxPanel(book), title);
    }
    if (auto* listbook = dynamic_cast<wxListbook*>(book)) {
        listbook->GetListView()->SetMinSize(wxSize(kPageListWidth, -1));
    }
    if (initial_page >= 0 && static_cast<size_t>(initial_page) < book->GetPageCount()) {
        book->SetSelection(static_cast<size_t>(initial_page));
    }
    sheet.LayoutDialog();
    if (sheet.ShowModal() != wxID_OK) return;
    // The gridline settings may have changed: every chart rebuilds its grid at its next paint.
    for (view::GanttView* gantt : m_views->GanttViews()) gantt->MarkGridDatesStale();
    Refresh();
    Update();
}

}  // namespace varnholt
