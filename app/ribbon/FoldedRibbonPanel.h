// FoldedRibbonPanel.h - a ribbon panel that, folded into its picture in a narrow window, opens
// its controls in a FoldedPopUp instead of the toolkit's floating frame, which window managers
// size, place and give the focus each in their own way.
#pragma once

#include <wx/ribbon/panel.h>

namespace varnholt {

class FoldedPopUp;

class FoldedRibbonPanel final : public wxRibbonPanel {
public:
    FoldedRibbonPanel(wxWindow* page, const wxString& label, const wxBitmap& folded_picture);

    // Opens the pop-up under the folded picture with the panel's controls in it; false where the
    // panel is not folded or its pop-up is open already.
    bool Unfold();

private:
    // The copy of `folded` that holds its controls in `popup`.
    FoldedRibbonPanel(FoldedPopUp& popup, FoldedRibbonPanel& folded, wxSize size);

    void OnPress(wxMouseEvent& event);
};

}  // namespace varnholt
