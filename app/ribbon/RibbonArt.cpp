// RibbonArt.cpp - checked buttons on a ground of their own, room between large buttons, scroll
// arrows that stand out.

#include "app/ribbon/RibbonArt.h"

#include <wx/dc.h>

#include <algorithm>

namespace varnholt::ribbon {
namespace {

// Still 4.5 : 1 or more on the checked grounds the styles use.
const wxColour kDisabledCheckedLabel(224, 224, 224);
constexpr int kPlateMargin = 2;
constexpr int kToolkitLabelGap = 6;  // between the labels of two large buttons, whatever the text  // band colour round a checked button's picture, up to its label

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

bool RibbonArt::GetButtonBarButtonSize(wxDC& dc, wxWindow* window, wxRibbonButtonKind kind,
                                       wxRibbonButtonBarButtonState size, const wxString& label,
                                       wxCoord text_min_width, wxSize bitmap_size_large, wxSize bitmap_size_small,
                                       wxSize* button_size, wxRect* normal_region, wxRect* dropdown_region) {
    if (!wxRibbonAUIArtProvider::GetButtonBarButtonSize(dc, window, kind, size, label, text_min_width,
                                                        bitmap_size_large, bitmap_size_small, button_size,
                                                        normal_region, dropdown_region)) {
        return false;
    }
    if (size != wxRIBBON_BUTTONBAR_BUTTON_LARGE || kind == wxRIBBON_BUTTON_HYBRID) return true;
    // Two labels side by side stand further apart than two words of one label, at every text
    // size: more than two spaces of the labels' font. The toolkit leaves a few fixed pixels, which
    // do that for the usual text only. A label is drawn centred in its button.
    dc.SetFont(GetFont(wxRIBBON_ART_BUTTON_BAR_LABEL_FONT));
    button_size->x += std::max(0, 2 * dc.GetTextExtent(" ").x + 1 - kToolkitLabelGap);
    *normal_region = wxRect(*button_size);
    return true;
}

void RibbonArt::DrawScrollButton(wxDC& dc, wxWindow*, const wxRect& rect, long style) {
    const bool on_tabs = (style & wxRIBBON_SCROLL_BTN_FOR_MASK) == wxRIBBON_SCROLL_BTN_FOR_TABS;
    const bool hovered = (style & wxRIBBON_SCROLL_BTN_STATE_MASK) != wxRIBBON_SCROLL_BTN_NORMAL;
    wxColour ground = GetColour(on_tabs ? wxRIBBON_ART_TAB_CTRL_BACKGROUND_COLOUR : wxRIBBON_ART_PAGE_BACKGROUND_COLOUR);
    if (hovered && !on_tabs) ground = GetColour(wxRIBBON_ART_BUTTON_BAR_HOVER_BACKGROUND_COLOUR);
    const wxColour ink = GetColour(on_tabs ? wxRIBBON_ART_TAB_LABEL_COLOUR : wxRIBBON_ART_BUTTON_BAR_LABEL_COLOUR);
    dc.SetPen(wxPen(ink));
    dc.SetBrush(wxBrush(ground));
    dc.DrawRectangle(rect);

    // A triangle pointing the way the contents move into view, a third of the button across.
    const int half = std::max(2, std::min(rect.width, rect.height) / 6);
    const wxPoint centre = rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2);
    wxPoint tip;
    wxPoint base_one;
    wxPoint base_two;
    switch (style & wxRIBBON_SCROLL_BTN_DIRECTION_MASK) {
        case wxRIBBON_SCROLL_BTN_LEFT:
            tip = {centre.x - half, centre.y};
            base_one = {centre.x + half, centre.y - 2 * half};
            base_two = {centre.x + half, centre.y + 2 * half};
            break;
        case wxRIBBON_SCROLL_BTN_RIGHT:
            tip = {centre.x + half, centre.y};
            base_one = {centre.x - half, centre.y - 2 * half};
            base_two = {centre.x - half, centre.y + 2 * half};
            break;
        case wxRIBBON_SCROLL_BTN_UP:
            tip = {centre.x, centre.y - half};
            base_one = {centre.x - 2 * half, centre.y + half};
            base_two = {centre.x + 2 * half, centre.y + half};
            break;
        default:
            tip = {centre.x, centre.y + half};
            base_one = {centre.x - 2 * half, centre.y - half};
            base_two = {centre.x + 2 * half, centre.y - half};
            break;
    }
    const wxPoint arrow[] = {tip, base_one, base_two};
    dc.SetBrush(wxBrush(ink));
    dc.DrawPolygon(3, arrow);
}

}  // namespace varnholt::ribbon
