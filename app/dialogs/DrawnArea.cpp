// DrawnArea.cpp - painting a dialog's drawn area and its focus frame; passing on its clicks and keys.

#include "app/dialogs/DrawnArea.h"

#include "app/draw/WxDrawBackend.h"
#include "shell/calendar/calendar_painting.h"

#include <wx/dcbuffer.h>
#include <wx/dcgraph.h>
#include <wx/settings.h>

namespace varnholt {
namespace {

constexpr int kFocusFrameWidth = 2;  // DIPs: two lines of one

}  // namespace

DrawnArea::DrawnArea(wxWindow* parent, wxWindowID id, const wxSize& size, PaintFunction paint)
    : wxWindow(parent, id, wxDefaultPosition, size, wxFULL_REPAINT_ON_RESIZE), m_paint(std::move(paint)) {
    SetMinSize(size);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &DrawnArea::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &DrawnArea::OnLeftDown, this);
    Bind(wxEVT_KEY_DOWN, &DrawnArea::OnKeyDown, this);
    const auto show_focus = [this](wxFocusEvent& event) {
        Refresh();
        event.Skip();
    };
    Bind(wxEVT_SET_FOCUS, show_focus);
    Bind(wxEVT_KILL_FOCUS, show_focus);
}

void DrawnArea::PaintTo(view::DrawContext& dc) const {
    const wxSize size = GetClientSize();
    if (m_paint) m_paint(dc, GridRect{0, 0, size.x, size.y});
    if (!m_key || !HasFocus()) return;
    // Outside, a DIP of the theme's text colour, which stands out from the dialog's ground round
    // the area in any theme; inside it, a DIP of the grids' accent ink, which stands out from
    // their white and grey alike.
    const wxColour text = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT);
    const view::Color outer = view::Color::FromRgb(text.Red(), text.Green(), text.Blue());
    const int line = FromDIP(kFocusFrameWidth) / 2;
    for (int inset = 0; inset < 2 * line; ++inset) {
        const view::Color ink = inset < line ? outer : kAccentGrey;
        dc.FrameRect(1.0f, ink, static_cast<float>(inset), static_cast<float>(inset),
                     static_cast<float>(size.x - 2 * inset), static_cast<float>(size.y - 2 * inset));
    }
}

void DrawnArea::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC buffered(this);
    wxGCDC dc(buffered);
    WxDrawBackend backend(dc, m_cache);
    // The grids' arrows and frames are drawn smoothed; the backend's own default is not.
    if (wxGraphicsContext* context = dc.GetGraphicsContext()) context->SetAntialiasMode(wxANTIALIAS_DEFAULT);
    view::DrawContext context;
    context.SetDevice(&backend);
    PaintTo(context);
    context.SetDevice(nullptr);
}

void DrawnArea::OnLeftDown(wxMouseEvent& event) {
    if (m_key) SetFocus();  // the keys then act where the pointer just did
    if (m_click) m_click(event.GetX(), event.GetY());
    event.Skip();
}

void DrawnArea::OnKeyDown(wxKeyEvent& event) {
    // Tab and the dialog's own keys pass on to the dialog.
    if (m_key && !event.HasAnyModifiers() && m_key(event.GetKeyCode())) return;
    event.Skip();
}

}  // namespace varnholt
