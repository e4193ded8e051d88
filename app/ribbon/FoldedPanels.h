// FoldedPanels.h - a ribbon panel too wide for the window folds into one picture, and a click on
// that picture shows its controls in a pop-up, a top-level window of its own. What the rest of the
// program needs to know of those pop-ups and of the folded pictures; FoldedPopUpClosing.h says
// when a pop-up closes.
#pragma once

#include "app/ribbon/RibbonDefinition.h"

class wxRibbonBar;
class wxRibbonPanel;
class wxWindow;

namespace varnholt {

// The panel in the ribbon whose pop-up holds `window`, or null when `window` lies in no pop-up.
[[nodiscard]] wxRibbonPanel* FoldedPanelHolding(wxWindow* window);

// The bar's own windows, also those a folded panel has moved into its pop-up.
[[nodiscard]] bool IsRibbonWindow(const wxRibbonBar& bar, wxWindow* window);

// The ribbon's control of the id, also while a pop-up holds it; null when there is none.
[[nodiscard]] wxWindow* FindRibbonControl(wxRibbonBar& bar, int id);

// The picture `panel` shows folded: faded while none of its controls can be used.
void SetFoldedPicture(wxRibbonPanel& panel, ribbon::Glyph glyph, bool usable);

// Whether `window`, or a drop-down list inside it, shows its list now. The list takes the focus
// from the pop-up while it is open, and the pop-up must stay for it.
[[nodiscard]] bool HoldsOpenList(wxWindow& window);

}  // namespace varnholt
