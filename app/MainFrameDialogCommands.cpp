// MainFrameDialogCommands.cpp - the ribbon commands that open a dialog: the column choosers of
// the tables and of the relationship lists, the calendars, the activity filters, the resource
// shifts and the modeless find dialog.

#include "app/CMainFrame.h"

#include "app/dialogs/calendar_entries.h"
#include "app/dialogs/chooser_entries.h"
#include "shell/frame_geometry.h"

#include <wx/dialog.h>

namespace varnholt {

void CMainFrame::OnActivityTable(wxCommandEvent&) { OpenColumnsDialog(Category::activities); }
void CMainFrame::OnWbsTable(wxCommandEvent&) { OpenColumnsDialog(Category::wbs); }
void CMainFrame::OnProjectTable(wxCommandEvent&) { OpenColumnsDialog(Category::projects); }
void CMainFrame::OnResourceTable(wxCommandEvent&) { OpenColumnsDialog(Category::resources); }

// The chooser changes the layout in place and shows its effect itself.
void CMainFrame::OpenColumnsDialog(Category category) {
    if (!IsDocumentLoaded()) return;
    const view::Layout* layout = CurrentLayout(category, *m_store);
    if (layout != nullptr) ShowColumnsDialog(*this, layout->GetKind());
}

void CMainFrame::OnPredecessorsTable(wxCommandEvent&) { OpenRelationshipColumnsDialog(false); }
void CMainFrame::OnSuccessorsTable(wxCommandEvent&) { OpenRelationshipColumnsDialog(true); }

void CMainFrame::OpenRelationshipColumnsDialog(bool successors) {
    if (IsDocumentLoaded() && m_store->GetCurrentActivityLayout() != nullptr) {
        ShowRelationshipColumnsDialog(*this, successors);
    }
}

void CMainFrame::OnCalendar(wxCommandEvent&) {
    if (IsDocumentLoaded()) ShowCalendarDialog(*this);
}

void CMainFrame::OnResourceShifts(wxCommandEvent&) {
    if (IsDocumentLoaded()) ShowResourceShiftsDialog(*this);
}

void CMainFrame::OnActivityFilter(wxCommandEvent&) {
    if (!IsDocumentLoaded() || m_store->GetCurrentActivityLayout() == nullptr) return;
    ApplyFilterResult(ShowActivityFiltersDialog(*this));
}

void CMainFrame::ApplyFilterResult(bool ok) {
    if (ok && m_views->activity_table != nullptr) {
        m_views->activity_table->DropTree();  // the rows that passed the old filters
        m_views->activity_table->Update();
    }
    RedrawNow();
}

// One find dialog at a time, centred on the window at the size it was made with.
void CMainFrame::OnFind(wxCommandEvent&) {
    if (!IsDocumentLoaded() || m_find_dialog != nullptr) return;
    wxDialog* dialog = CreateFindDialog(*this);
    if (dialog == nullptr) return;
    SetFindDialog(dialog);
    const wxRect frame = GetRect();
    const wxSize size = dialog->GetSize();
    dialog->Move(CentredStart(frame.GetLeft(), frame.GetLeft() + frame.GetWidth(), size.x),
                 CentredStart(frame.GetTop(), frame.GetTop() + frame.GetHeight(), size.y));
    dialog->Show();
}

}  // namespace varnholt
