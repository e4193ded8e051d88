// SelectorStrip.h - the drop-down lists and the zoom slider of a ribbon panel, side by side in one
// ribbon control. A panel of one ribbon control folds into its picture when the window is too
// narrow for it and shows the control in its pop-up, as a panel of buttons does; a panel that
// held the lists itself could not measure them again once folded, and never folded.
#pragma once

#include "app/ribbon/RibbonDefinition.h"

#include <wx/ribbon/control.h>

class wxBoxSizer;
class wxRibbonPanel;

namespace varnholt::ribbon {

class SelectorStrip final : public wxRibbonControl {
public:
    // `panel_glyph` is the panel's picture when folded, faded while no control can be used.
    SelectorStrip(wxRibbonPanel* panel, Glyph panel_glyph);

    // The controls are made as children of the strip and added here, side by side.
    [[nodiscard]] wxBoxSizer& Row() { return *m_row; }

    // Measures the controls: the strip takes that width, never less, and needs no more.
    bool Realize() override;

    // The toolkit moves the strip into the folded panel's pop-up when it opens, and back again.
    bool Reparent(wxWindowBase* parent) override;

protected:
    wxSize DoGetBestSize() const override;
    // Across the band only: its height is the band's. Asked for a smaller size at its own width,
    // it answers the same size, which folds its panel; asked for a larger one while folded, it
    // answers its own width.
    wxSize DoGetNextSmallerSize(wxOrientation direction, wxSize relative_to) const override;
    wxSize DoGetNextLargerSize(wxOrientation direction, wxSize relative_to) const override;

private:
    wxRibbonPanel* m_panel;  // the panel in the ribbon, also while the strip sits in its pop-up
    wxBoxSizer* m_row;       // owned by the strip's sizer
    Glyph m_panel_glyph;
    bool m_usable = true;    // as the folded picture shows it
};

}  // namespace varnholt::ribbon
