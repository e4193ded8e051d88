// RibbonArt.h - the ribbon's art: the toolkit's own, except for checked buttons, the room between
// large buttons and the scroll arrows. The toolkit paints a checked button like a pressed one, on
// a shade it derives from the highlight that can come out as pale as the band, and writes its
// label in the colour of every other label; so a dark ground that stands out from the band
// cannot carry a readable label there. It leaves a few fixed pixels between the labels of two
// large buttons, which larger text closes up, and draws the scroll arrows in the tab labels'
// colour, which vanishes on the band.
#pragma once

#include <wx/colour.h>
#include <wx/ribbon/art.h>

namespace varnholt::ribbon {

class RibbonArt final : public wxRibbonAUIArtProvider {
public:
    [[nodiscard]] wxRibbonArtProvider* Clone() const override { return new RibbonArt(*this); }

    // A checked button is filled with `ground` and labelled in `label`; its picture keeps a
    // plate of the band's colour, since the pictures are drawn for the band. The ground must
    // be dark enough for a light grey label too: that of a checked button that cannot be used.
    void SetCheckedColours(const wxColour& ground, const wxColour& label);

    void DrawButtonBarButton(wxDC& dc, wxWindow* window, const wxRect& rect, wxRibbonButtonKind kind, long state,
                             const wxString& label, const wxBitmap& bitmap_large,
                             const wxBitmap& bitmap_small) override;

    bool GetButtonBarButtonSize(wxDC& dc, wxWindow* window, wxRibbonButtonKind kind, wxRibbonButtonBarButtonState size,
                                const wxString& label, wxCoord text_min_width, wxSize bitmap_size_large,
                                wxSize bitmap_size_small, wxSize* button_size, wxRect* normal_region,
                                wxRect* dropdown_region) override;

    // The arrows in the colour of the labels round them: the band's on a page, the tabs' on
    // the tab row.
    void DrawScrollButton(wxDC& dc, wxWindow* window, const wxRect& rect, long style) override;

private:
    wxColour m_checked_ground{68, 68, 68};
    wxColour m_checked_label{255, 255, 255};
};

}  // namespace varnholt::ribbon
