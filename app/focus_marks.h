// focus_marks.h - marks that show plainly which control holds the keyboard focus, where the
// theme's own mark is a faint dotted line (check boxes and radio buttons) or nothing at all (a
// list without rows, or without a current row, marks no row).
#pragma once

#include <vector>

class wxWindow;

namespace varnholt {

// The check box, radio button, button or drop-down list shows the focus by a solid outline in its
// text colour, which stands out from any ground its label can be read on, instead of the theme's
// faint dashes.
void OutlineFocusPlainly(wxWindow& control);

// The same for a framed button on a ground that stays white in every theme (the File page): a dark
// outline round its frame. It needs a margin of three pixels round it.
void OutlineFramedFocusOnWhite(wxWindow& control);

// The window shows the focus marks of its controls from now on, as it does once a key is pressed
// in it: a page that takes the keys shows where they act, even when a click opened it.
void ShowFocusMarks(wxWindow& window);

// While one of the controls has the focus, a ring in the text colour stands round it on their
// common parent's ground. Each control needs a margin of three pixels (DIPs) round it, free of
// other controls, for the ring.
void RingFocusedControl(wxWindow& parent, std::vector<wxWindow*> controls);

// The same ring in a dark ink, for controls on a ground that stays white in every theme (the
// File page), where a dark theme's light text colour would hardly show.
void RingFocusedControlOnWhite(wxWindow& parent, std::vector<wxWindow*> controls);

}  // namespace varnholt
