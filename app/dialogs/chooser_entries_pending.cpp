// chooser_entries_pending.cpp - until the find dialog and the choosers are built: an empty
// find dialog that reports its closing, and choosers that change nothing.

#include "app/dialogs/chooser_entries.h"

#include "app/CMainFrame.h"
#include "app/find_events.h"

#include <wx/dialog.h>

namespace varnholt {

wxDialog* CreateFindDialog(CMainFrame& frame) {
    auto* dialog = new wxDialog(&frame, wxID_ANY, wxString());  // the window system owns it
    dialog->Bind(wxEVT_CLOSE_WINDOW, [&frame](wxCloseEvent&) {
        wxQueueEvent(&frame, new wxCommandEvent(EVT_FIND_DIALOG_DID_CLOSE));
    });
    return dialog;
}

void ShowColumnsDialog(CMainFrame&, view::LayoutKind) {}
void ShowRelationshipColumnsDialog(CMainFrame&, bool) {}
bool ShowActivityFiltersDialog(CMainFrame&) { return false; }

}  // namespace varnholt
