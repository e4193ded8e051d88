// MainFrameOptions.cpp - the options sheet: a list of pages beside the page shown, OK and
// Cancel. The pages store their own settings when the sheet closes with OK, each only when
// it was shown.

#include "app/CMainFrame.h"
#include "app/options/OptionPage.h"

#include "shell/string_ids.h"
#include "shell/ui_text.h"

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/listbook.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/propdlg.h>

#include <algorithm>
#include <array>

namespace varnholt {
namespace {

constexpr int kPageListWidth = 150;

// The page list shows its names as any list does: one a row, from the left edge, the chosen
// row marked across the list's width. The list's own mode, without pictures, centres each name
// in a column as wide as the longest. Set before the pages come, so that each name fills a row.
void ShowPageNamesAsRows(wxListView& list) {
    list.SetWindowStyleFlag(wxLC_REPORT | wxLC_NO_HEADER | wxLC_SINGLE_SEL);
    list.InsertColumn(0, wxString());
    list.Bind(wxEVT_SIZE, [&list](wxSizeEvent& event) {
        list.SetColumnWidth(0, list.GetClientSize().x);
        event.Skip();
    });
}

// Once the names are in: as wide as the longest name, and no narrower than usual.
void FitPageList(wxListView& list) {
    list.SetColumnWidth(0, wxLIST_AUTOSIZE);
    const wxSize size(std::max(kPageListWidth, list.GetColumnWidth(0) + list.FromDIP(12)), -1);
    list.SetMinSize(size);
    list.SetMaxSize(size);
}

}  // namespace

void CMainFrame::ShowOptions(int initial_page) {
    wxPropertySheetDialog sheet;
    sheet.SetSheetStyle(wxPROPSHEET_LISTBOOK);
    sheet.SetSheetInnerBorder(0);
    if (!sheet.Create(this, wxID_ANY, LoadText(IDS_OPTIONS))) return;
    sheet.CreateButtons(wxOK | wxCANCEL);
    for (const auto& [id, text] : {std::pair{wxID_OK, IDS_OK}, std::pair{wxID_CANCEL, IDS_CANCEL}}) {
        if (wxWindow* button = sheet.FindWindow(id)) button->SetLabel(LoadText(text));
    }
    wxBookCtrlBase* book = sheet.GetBookCtrl();
    if (auto* listbook = dynamic_cast<wxListbook*>(book)) ShowPageNamesAsRows(*listbook->GetListView());
    // Units, layouts, gridlines and language, in this order.
    const std::array<OptionPage*, 4> pages = {new UnitsPropertyPage(book, *this), new LayoutsPropertyPage(book, *this),
                                              new GridlinesPropertyPage(book), new LanguagePropertyPage(book)};
    const std::array<StringId, 4> titles = {IDS_PAGE_UNITS, IDS_PAGE_LAYOUTS, IDS_PAGE_GRIDLINES, IDS_PAGE_LANGUAGE};
    for (std::size_t page = 0; page < pages.size(); ++page) book->AddPage(pages[page], LoadText(titles[page]));
    if (auto* listbook = dynamic_cast<wxListbook*>(book)) FitPageList(*listbook->GetListView());
    if (initial_page >= 0 && static_cast<size_t>(initial_page) < book->GetPageCount()) {
        book->SetSelection(static_cast<size_t>(initial_page));
    }
    // The page the sheet opens on is the first the user sees; the others mark themselves when
    // they come on screen.
    if (const int current = book->GetSelection(); current >= 0 && static_cast<std::size_t>(current) < pages.size()) {
        pages[static_cast<std::size_t>(current)]->MarkShown();
    }
    sheet.LayoutDialog();
    if (sheet.ShowModal() != wxID_OK) return;
    // Each page shown stores its settings; the others keep theirs.
    for (OptionPage* page : pages) page->ApplyIfShown();
    // The gridline settings may have changed: every chart rebuilds its grid at its next paint.
    for (view::GanttView* gantt : m_views->GanttViews()) gantt->MarkGridDatesStale();
    Refresh();
    Update();
}

}  // namespace varnholt
