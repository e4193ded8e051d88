// SelectorStrip.cpp - controls in a row, centred in the band's height, on the band's colour.

#include "app/ribbon/SelectorStrip.h"

#include "app/ribbon/FoldedPanels.h"
#include "app/ribbon/FoldedPopUpClosing.h"
#include "app/ribbon/folded_updates.h"

#include <wx/dcclient.h>
#include <wx/ribbon/art.h>
#include <wx/ribbon/panel.h>
#include <wx/sizer.h>

#include <algorithm>

namespace varnholt::ribbon {

SelectorStrip::SelectorStrip(wxRibbonPanel* panel, Glyph panel_glyph)
    : wxRibbonControl(panel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE),
      m_panel(panel),
      m_row(new wxBoxSizer(wxHORIZONTAL)),
      m_panel_glyph(panel_glyph) {
    SetArtProvider(panel->GetArtProvider());
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    // The band's colour of the current style, asked for at each paint.
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxPaintDC dc(this);
        if (m_art == nullptr) return;
        dc.SetBackground(wxBrush(m_art->GetColour(wxRIBBON_ART_PAGE_BACKGROUND_COLOUR)));
        dc.Clear();
    });
    // The panel sizes the strip while it is folded away too, and shows it later.
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        Layout();
        event.Skip();
    });
    Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
        if (event.IsShown()) Layout();
        event.Skip();
    });
    // The folded picture follows the controls' answers.
    Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
        event.Skip();
        AskFrameWhileFolded(*this, *m_panel);
        const bool usable = std::ranges::any_of(GetChildren(), [](wxWindow* control) { return control->IsThisEnabled(); });
        if (usable == m_usable) return;
        m_usable = usable;
        SetFoldedPicture(*m_panel, m_panel_glyph, usable);
    });
    auto* centred = new wxBoxSizer(wxVERTICAL);
    centred->AddStretchSpacer(1);
    centred->Add(m_row, 0, wxALIGN_CENTER);
    centred->AddStretchSpacer(1);
    SetSizer(centred);
}

bool SelectorStrip::Realize() {
    // The controls keep their shown state while the folded panel hides the strip, so the
    // sizer measures them whole even then.
    SetMinSize(GetSizer()->CalcMin());
    InvalidateBestSize();
    return wxRibbonControl::Realize();
}

wxSize SelectorStrip::DoGetBestSize() const { return GetMinSize(); }

wxSize SelectorStrip::DoGetNextSmallerSize(wxOrientation direction, wxSize relative_to) const {
    if ((direction & wxHORIZONTAL) != 0 && relative_to.x > GetMinSize().x) relative_to.x = GetMinSize().x;
    return relative_to;
}

wxSize SelectorStrip::DoGetNextLargerSize(wxOrientation direction, wxSize relative_to) const {
    if ((direction & wxHORIZONTAL) != 0 && relative_to.x < GetMinSize().x) relative_to.x = GetMinSize().x;
    return relative_to;
}

bool SelectorStrip::Reparent(wxWindowBase* parent) {
    if (!wxRibbonControl::Reparent(parent)) return false;
    FollowFoldedPanel(*this, *m_panel);
    return true;
}

}  // namespace varnholt::ribbon
