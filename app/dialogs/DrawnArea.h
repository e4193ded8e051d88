// DrawnArea.h - a small window that the dialogs paint through the views' drawing layer: a
// calendar grid or a legend swatch. It paints over a smoothing graphics context and hands its
// own clicks to whoever listens.
#pragma once

#include "app/draw/WxDrawCache.h"
#include "shell/calendar/calendar_grid.h"
#include "views/draw/DrawContext.h"

#include <wx/window.h>

#include <functional>

namespace varnholt {

class DrawnArea final : public wxWindow {
public:
    using PaintFunction = std::function<void(view::DrawContext&, const GridRect&)>;
    using ClickFunction = std::function<void(int x, int y)>;

    DrawnArea(wxWindow* parent, wxWindowID id, const wxSize& size, PaintFunction paint);

    // A picture, no control: Tab passes it by, as it passes a label by.
    bool AcceptsFocus() const override { return false; }

    // Left clicks in the area, in its own pixels.
    void SetClickHandler(ClickFunction click) { m_click = std::move(click); }
    // Paints into any drawing context, as the screen would show it.
    void PaintTo(view::DrawContext& dc) const;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);

    PaintFunction m_paint;
    ClickFunction m_click;
    WxDrawCache m_cache;
};

}  // namespace varnholt
