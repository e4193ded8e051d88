// focus_marks.h - marks that show plainly which control holds the keyboard focus, where the
// theme's own mark is a faint dotted line (check boxes and radio buttons) or nothing at all (a
// list without rows, or without a current row, marks no row).
#pragma once

#include <vector>

class wxWindow;

namespace varnholt {

// The check box, radio button or button shows the focus by a solid outline in its text colour,
// which stands out from any ground its label can be read on, instead of the theme's faint dashes.
void OutlineFocusPlainly(wxWindow& control);

// While one of the controls has the focus, a ring in the text colour stands round it on their
// common parent's ground. Each control needs a margin of three pixels (DIPs) round it, free of
// other controls, for the ring.
void RingFocusedControl(wxWindow& parent, std::vector<wxWindow*> controls);

}  // namespace varnholt
