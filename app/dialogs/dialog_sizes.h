// dialog_sizes.h - the sizes of a dialog's own controls at the desktop's text size: drawn areas
// that grow with the text, the bound on what names from files may add, and text fields as tall
// as their text needs.
#pragma once

#include <wx/gdicmn.h>

class wxChoice;
class wxTextCtrl;
class wxWindow;

namespace varnholt {

// A size given in pixels at the usual text size, at the display scale.
[[nodiscard]] wxSize ScaledSize(wxSize size, float scale);

// The scale for a dialog's drawn areas: the display's, so that they grow with the text around
// them, as far as the tallest area (its height at the usual text size) still lets the dialog
// fit the screen's height; never below 1.
[[nodiscard]] float DrawnAreaScale(const wxWindow& dialog, int tallest_area);

// The widest a dialog grows for the names that files give (calendars, code types, user fields,
// filters of a layout), which may be any length: half the width of the screen it stands on.
[[nodiscard]] int MostWidthForNames(const wxWindow& dialog);
// How much wider than it is now the dialog may grow for such names; 0 where it is already
// as wide as they may make it.
[[nodiscard]] int RoomForNamesFromFiles(const wxWindow& dialog);

// Keeps the drop-down list within `most` pixels wide where its names would make it wider, its
// face and its opened list alike; the longer names then end in "…". Answers the widest text that
// shows whole in it, or 0 where every name does.
int BoundChoiceWidth(wxChoice& choice, int most);

// Makes the one-line field at least as tall as the theme draws it around its font. The toolkit
// measures a field before its window exists, and then reckons with less than the font needs:
// with large text the text touched both borders and lost its descenders.
void FitFieldToItsText(wxTextCtrl& field);

}  // namespace varnholt
