// DrawnArea.h - a small window that the dialogs paint through the views' drawing layer: a
// calendar grid or a legend swatch. It paints over a smoothing graphics context and hands its
// own clicks, and the keys typed while it holds the focus, to whoever listens.
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
    // Answers whether the key (a wx key code, typed without modifiers) did anything.
    using KeyFunction = std::function<bool(int key)>;

    DrawnArea(wxWindow* parent, wxWindowID id, const wxSize& size, PaintFunction paint);

    // A picture is no control: Tab passes it by, as it passes a label by, unless it takes keys.
    bool AcceptsFocus() const override { return static_cast<bool>(m_key); }

    // Left clicks in the area, in its own pixels.
    void SetClickHandler(ClickFunction click) { m_click = std::move(click); }
    // Makes the area a Tab stop whose keys go to `key`. While it holds the focus a dark frame
    // stands inside its edges, on the fixed light ground that the dialogs' drawings have.
    void SetKeyHandler(KeyFunction key) { m_key = std::move(key); }
    // Paints into any drawing context, as the screen would show it, the focus frame included.
    void PaintTo(view::DrawContext& dc) const;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    PaintFunction m_paint;
    ClickFunction m_click;
    KeyFunction m_key;
    WxDrawCache m_cache;
};

}  // namespace varnholt
