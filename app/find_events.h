// find_events.h - the two notices of the find dialog: "did close" goes to the main frame,
// which then deletes the dialog; "did find" goes to the table pane after the dialog has
// selected a found row, and the pane scrolls it into view. Both carry no data.
#pragma once

#include <wx/event.h>

namespace varnholt {

wxDECLARE_EVENT(EVT_FIND_DIALOG_DID_CLOSE, wxCommandEvent);
wxDECLARE_EVENT(EVT_FIND_DIALOG_DID_FIND, wxCommandEvent);

}  // namespace varnholt
