// VarnholtView.cpp - painting and the mouse of a pane.

#include "app/VarnholtView.h"

#include "app/draw/WxCursor.h"
#include "app/draw/WxDrawBackend.h"
#include "views/core/View.h"

#include <wx/dcbuffer.h>

namespace varnholt {

VarnholtView::VarnholtView(wxWindow* parent, wxWindowID id, long style)
    : wxWindow(parent, id, wxDefaultPosition, wxSize(10, 10), style | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE) {
    // A pane may shrink to nothing (a splitter keeps a child's minimum size).
    SetMinSize(wxSize(0, 0));
    // The paint covers the whole client area, so the background is never erased first.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &VarnholtView::OnPaint, this);
    Bind(wxEVT_SIZE, &VarnholtView::OnSize, this);
    Bind(wxEVT_LEFT_DOWN, &VarnholtView::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &VarnholtView::OnLeftUp, this);
    Bind(wxEVT_MOTION, &VarnholtView::OnMotion, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &VarnholtView::OnCaptureLost, this);
}

// The content view belongs to the frame and may already be gone: it is not touched here.
VarnholtView::~VarnholtView() = default;

void VarnholtView::SetContentView(view::View* content) {
    if (content == m_host.GetView()) return;
    m_host.SetView(content);
    Refresh();
}

void VarnholtView::SetPartner(VarnholtView* partner) {
    m_partner = partner;
    std::vector<view::PaneHost*> partners;
    if (partner != nullptr) partners.push_back(&partner->m_host);
    m_host.SetPartners(std::move(partners));
}

void VarnholtView::RenderTo(wxDC& dc) {
    const wxSize size = GetClientSize();
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(0, 0, size.x, size.y);
    m_host.SetClientSize(size.x, size.y);
    app::WxDrawBackend backend(dc, m_cache);
    m_host.Paint(backend);
}

void VarnholtView::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    RenderTo(dc);
}

void VarnholtView::OnSize(wxSizeEvent& event) {
    Refresh();
    event.Skip();
}

std::uint32_t VarnholtView::KeyFlags(const wxMouseEvent& event) {
    return event.LeftIsDown() ? view::kLeftButtonDown : 0u;
}

void VarnholtView::OnLeftDown(wxMouseEvent& event) {
    SetFocus();  // custom windows do not take the focus by themselves
    if (!HasCapture()) CaptureMouse();  // a release outside the pane still ends a drag
    (void)m_host.LButtonDown(KeyFlags(event) | view::kLeftButtonDown, static_cast<float>(event.GetX()),
                             static_cast<float>(event.GetY()));
    if (m_details_pane != nullptr) m_details_pane->Refresh();
}

void VarnholtView::OnLeftUp(wxMouseEvent& event) {
    if (HasCapture()) ReleaseMouse();
    (void)m_host.LButtonUp(KeyFlags(event), static_cast<float>(event.GetX()), static_cast<float>(event.GetY()));
    if (m_details_pane != nullptr) m_details_pane->Refresh();
}

void VarnholtView::OnMotion(wxMouseEvent& event) {
    (void)m_host.MouseMove(KeyFlags(event), static_cast<float>(event.GetX()), static_cast<float>(event.GetY()));
}

void VarnholtView::OnCaptureLost(wxMouseCaptureLostEvent&) {}

void VarnholtView::RepaintPane() { Refresh(); }

void VarnholtView::SetScrollBars(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}

void VarnholtView::SetPaneCursor(view::CursorKind kind) { SetCursor(wxCursor(app::ToWxStockCursor(kind))); }

}  // namespace varnholt
