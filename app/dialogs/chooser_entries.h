// chooser_entries.h - the find dialog, the column choosers and the activity filters dialog as
// the ribbon's commands open them, over the main frame and its open schedule.
#pragma once

#include "layouts/Layout.h"

class wxDialog;

namespace varnholt {

class CMainFrame;

// A new modeless find dialog for the frame's current table, created hidden: the command
// places and shows it, and the frame keeps the pointer. Null when there is nothing to search.
[[nodiscard]] wxDialog* CreateFindDialog(CMainFrame& frame);

// The column chooser of the kind's current layout, modal; it changes the layout in place.
void ShowColumnsDialog(CMainFrame& frame, view::LayoutKind kind);
// The chooser of the predecessor or successor sub-table's columns of the current activity
// layout, modal; it changes the layout in place.
void ShowRelationshipColumnsDialog(CMainFrame& frame, bool successors);
// The filters of the current activity layout, modal; true when closed with OK.
[[nodiscard]] bool ShowActivityFiltersDialog(CMainFrame& frame);

}  // namespace varnholt
