// focus_chain.h - GTK's record of which child of each container holds a window's focus, set right
// again where the toolkit leaves it wrong.
#pragma once

class wxWindow;

namespace varnholt {

// GTK forgets a window's focused child as the child goes only where every container above it
// still names it as the child with the focus; otherwise the window keeps pointing at a child
// that is gone. This names the focused child again in every container above it; no focus moves.
void NameFocusedChildAgain(wxWindow& top_level);

}  // namespace varnholt
