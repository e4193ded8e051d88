// FoldedPopUpClosing.h - when a folded panel's pop-up closes: as a menu does, on Escape, after a
// command, on a press anywhere else in the program and when the focus goes to another window or
// program; never while one of its lists is open, whose keys and presses are the list's own.
#pragma once

class wxRibbonPanel;
class wxWindow;

namespace varnholt {

// Called by the control that fills `panel` once the toolkit has moved it into the panel's pop-up
// or back into the ribbon. In the pop-up the control works as it does in the ribbon, and the
// pop-up closes by the rule above.
void FollowFoldedPanel(wxWindow& control, const wxRibbonPanel& panel);

// Closes the pop-up of `folded`, if open, once a command from it has run.
void CloseAfterCommand(wxRibbonPanel& folded);

}  // namespace varnholt
