// find_events.cpp - the event types of the find dialog's notices.

#include "app/find_events.h"

namespace varnholt {

wxDEFINE_EVENT(EVT_FIND_DIALOG_DID_CLOSE, wxCommandEvent);
wxDEFINE_EVENT(EVT_FIND_DIALOG_DID_FIND, wxCommandEvent);

}  // namespace varnholt
