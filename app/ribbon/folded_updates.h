// folded_updates.h - the one rule by which the controls of a folded ribbon panel take the
// frame's answers while the toolkit does not ask for them.
#pragma once

class wxRibbonPanel;
class wxWindow;

namespace varnholt::ribbon {

// Called at idle time by `control`, which fills `panel`. The toolkit asks the frame about a
// window's state only while the window is shown; folded away, the control asks for itself and
// the windows inside it, so that the folded picture tells whether the panel can be used. A
// control of an unfolded panel on another page waits until it is shown.
void AskFrameWhileFolded(wxWindow& control, const wxRibbonPanel& panel);

}  // namespace varnholt::ribbon
