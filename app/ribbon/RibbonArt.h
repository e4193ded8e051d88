// RibbonArt.h - the ribbon's art: the toolkit's own, except for checked buttons. The toolkit
// paints a checked button like a pressed one, on a shade it derives from the highlight that
// can come out as pale as the band, and writes its label in the colour of every other label;
// so a dark ground that stands out from the band cannot carry a readable label there.
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

private:
    wxColour m_checked_ground{68, 68, 68};
    wxColour m_checked_label{255, 255, 255};
};

}  // namespace varnholt::ribbon
