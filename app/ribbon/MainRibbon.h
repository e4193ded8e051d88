// MainRibbon.h - the main window's ribbon: the File tab and the six category pages with their
// panels and controls. Every control carries its command id; a click, a choice or a slider
// move reaches the top-level window as a menu command of that id (its int holds the toggle
// state, the chosen index or the slider position), and enable and check states come back from
// the window's update-UI handlers only.
#pragma once

#include <wx/string.h>

class wxRibbonBar;
class wxWindow;

namespace varnholt {

// The ribbon, a child window of `parent`, realised and showing its first category. The File
// tab (page 0) holds no panels: while it is current the band below the tabs stays empty and
// the frame shows its File page in place of the panes.
[[nodiscard]] wxRibbonBar* CreateMainRibbon(wxWindow* parent);

// Gives the File tab a new text, after a language or style change.
void SetFileTabText(wxRibbonBar* bar, const wxString& text);

}  // namespace varnholt
