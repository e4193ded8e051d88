// RibbonStyleMenu.h - the ribbon's colour styles and the menu that chooses them. The tab row
// has no room for a menu beside its tabs, so a right-click on it opens the "Style" menu and
// a "Customize..." entry; the style commands are handled here, the entry goes to the frame.
#pragma once

class wxRibbonBar;

namespace varnholt {

// Colours the bar's art by one of ID_VIEW_APPLOOK_2016_1..3 (any other id is ignored) and
// sets the File tab's text again, in the current language.
void ApplyRibbonStyle(wxRibbonBar& bar, int style_command);

// Applies the default style and binds the right-click menu and its commands on the bar.
void AttachRibbonStyleMenu(wxRibbonBar& bar);

}  // namespace varnholt
