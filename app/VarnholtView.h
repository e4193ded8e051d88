// VarnholtView.h - the pane window: shows one content view of the main window, painted
// through the wx drawing backend. The frame gives it its view and its links (the partner pane
// that scrolls with it, the details pane it refreshes); the details pane also holds the two
// sub-view windows and the details button of the category display.
#pragma once

#include "app/draw/WxDrawCache.h"
#include "views/core/PaneHost.h"

#include <wx/button.h>
#include <wx/window.h>

namespace varnholt {

class VarnholtView final : public wxWindow, private view::PaneOwner {
public:
    // `style` adds to the pane's own (scroll bars, keys); sub-view windows add a border.
    VarnholtView(wxWindow* parent, wxWindowID id, long style = 0);
    ~VarnholtView() override;

    // The view shown; not owned, null for a blank pane. The pane repaints.
    void SetContentView(view::View* content);
    [[nodiscard]] view::View* GetContentView() const noexcept { return m_host.GetView(); }

    void SetPartner(VarnholtView* partner);
    [[nodiscard]] VarnholtView* GetPartner() const noexcept { return m_partner; }
    void SetDetailsPane(VarnholtView* details) noexcept { m_details_pane = details; }
    [[nodiscard]] VarnholtView* GetDetailsPane() const noexcept { return m_details_pane; }

    // The details pane's children, made by the category display on first use; owned by the
    // window system as this window's children.
    VarnholtView* first_sub_view = nullptr;
    VarnholtView* second_sub_view = nullptr;
    wxButton* details_button = nullptr;

    // Paints the content as the pane shows it into any device, at the device's origin.
    void RenderTo(wxDC& dc);

    [[nodiscard]] view::PaneHost& Host() noexcept { return m_host; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    [[nodiscard]] static std::uint32_t KeyFlags(const wxMouseEvent& event);

    // PaneOwner
    void RepaintPane() override;
    void SetScrollBars(std::int32_t range_x, std::int32_t range_y, std::int32_t x, std::int32_t y) override;
    void SetPaneCursor(view::CursorKind kind) override;

    app::WxDrawCache m_cache;
    view::PaneHost m_host{*this};
    VarnholtView* m_partner = nullptr;
    VarnholtView* m_details_pane = nullptr;
};

}  // namespace varnholt
