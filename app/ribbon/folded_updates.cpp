// folded_updates.cpp - update requests for the controls of a folded ribbon panel.

#include "app/ribbon/folded_updates.h"

#include <wx/ribbon/panel.h>

namespace varnholt::ribbon {

void AskFrameWhileFolded(wxWindow& control, const wxRibbonPanel& panel) {
    if (panel.IsMinimised() && !control.IsShownOnScreen()) control.UpdateWindowUI(wxUPDATE_UI_RECURSE);
}

}  // namespace varnholt::ribbon
