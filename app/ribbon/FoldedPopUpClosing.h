// FoldedPopUpClosing.h - when a folded panel's pop-up closes: as a menu does, on Escape, after a
// command, on a press anywhere outside it (in the program or not), when another window is
// activated, and before the main window moves, resizes, changes state or lays its ribbon out anew;
// never while one of its lists is open, whose keys and presses are the list's own.
#pragma once

class wxRibbonPanel;
class wxWindow;

namespace varnholt {

class FoldedPopUp;

// Starts the rule on a pop-up that has just opened.
void WatchFoldedPopUp(FoldedPopUp& popup);

// Called by the control that fills `panel` once it has moved into the panel's pop-up or back
// into the ribbon. In the pop-up the control works as it does in the ribbon.
void FollowFoldedPanel(wxWindow& control, const wxRibbonPanel& panel);

// Closes the pop-up of `folded`, if open, for a command from one of its controls that is about
// to run: the command's dialogs and the focus then find the main window as the user left it.
void CloseForCommand(wxRibbonPanel& folded);

// Closes every pop-up open now, at once: the main window is about to change.
void CloseFoldedPopUps();

// The same for a move or a size the window system reported: each pop-up closes unless its main
// window's client area stands where it stood as the pop-up opened. A window manager may report
// one late, or for its frame alone (its size told anew), while the window stays where it is.
void CloseFoldedPopUpsIfMoved();

}  // namespace varnholt
