// RibbonArt.cpp - checked buttons on a ground of their own.

#include "app/ribbon/RibbonArt.h"

#include <wx/dc.h>

namespace varnholt::ribbon {
namespace {

// Still 4.5 : 1 or more on the checked grounds the styles use.
const wxColour kDisabledCheckedLabel(224, 224, 224);
constexpr int kPlateMargin = 2;  // band colour round a checked button's picture, up to its label

// Where the toolkit puts a button's picture: a large one centred above its label, a smaller
// one at the left, centred in the height.
wxRect PictureRect(const wxRect& button, long state, const wxBitmap& large, const wxBitmap& small) {
    if ((state & wxRIBBON_BUTTONBAR_BUTTON_SIZE_MASK) == wxRIBBON_BUTTONBAR_BUTTON_LARGE) {
        const wxSize size = large.GetLogicalSize();
        return {button.x + (button.width - size.x) / 2, button.y + 2, size.x, size.y};
    }
    const wxSize size = small.GetLogicalSize();
    return {button.x + 2, button.y + (button.height - size.y) / 2, size.x, size.y};
}

}  // namespace

void RibbonArt::SetCheckedColours(const wxColour& ground, const wxColour& label) {
    m_checked_ground = ground;
    m_checked_label = label;
}

void RibbonArt::DrawButtonBarButton(wxDC& dc, wxWindow* window, const wxRect& rect, wxRibbonButtonKind kind,
                                    long state, const wxString& label, const wxBitmap& bitmap_large,
                                    const wxBitmap& bitmap_small) {
    // A checked button under a press looks unchecked, as the toolkit draws it.
    const bool checked = kind == wxRIBBON_BUTTON_TOGGLE && (state & wxRIBBON_BUTTONBAR_BUTTON_TOGGLED) != 0 &&
                         (state & wxRIBBON_BUTTONBAR_BUTTON_ACTIVE_MASK) == 0;
    if (!checked) {
        wxRibbonAUIArtProvider::DrawButtonBarButton(dc, window, rect, kind, state, label, bitmap_large, bitmap_small);
        return;
    }
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(m_checked_ground));
    dc.DrawRectangle(rect);
    wxRect plate = PictureRect(rect, state, bitmap_large, bitmap_small).Inflate(kPlateMargin);
    plate.Intersect(rect);
    dc.SetBrush(wxBrush(GetColour(wxRIBBON_ART_PAGE_BACKGROUND_COLOUR)));
    dc.DrawRectangle(plate);

    dc.SetFont(GetFont(wxRIBBON_ART_BUTTON_BAR_LABEL_FONT));
    // One that cannot be used keeps its faded picture and has a paler label.
    dc.SetTextForeground((state & wxRIBBON_BUTTONBAR_BUTTON_DISABLED) != 0 ? kDisabledCheckedLabel : m_checked_label);
    DrawButtonBarButtonForeground(dc, rect, wxRIBBON_BUTTON_NORMAL, state, label, bitmap_large, bitmap_small);
}

}  // namespace varnholt::ribbon
