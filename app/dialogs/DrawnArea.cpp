// DrawnArea.cpp - painting a dialog's drawn area and passing on its clicks.

#include "app/dialogs/DrawnArea.h"

#include "app/draw/WxDrawBackend.h"

#include <wx/dcbuffer.h>
#include <wx/dcgraph.h>

namespace varnholt {

DrawnArea::DrawnArea(wxWindow* parent, wxWindowID id, const wxSize& size, PaintFunction paint)
    : wxWindow(parent, id, wxDefaultPosition, size, wxFULL_REPAINT_ON_RESIZE), m_paint(std::move(paint)) {
    SetMinSize(size);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &DrawnArea::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &DrawnArea::OnLeftDown, this);
}

void DrawnArea::PaintTo(view::DrawContext& dc) const {
    const wxSize size = GetClientSize();
    if (m_paint) m_paint(dc, GridRect{0, 0, size.x, size.y});
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
    if (m_click) m_click(event.GetX(), event.GetY());
    event.Skip();
}

}  // namespace varnholt
