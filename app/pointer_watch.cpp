// pointer_watch.cpp - reporting the pointer to a dragging pane once a frame.

#include "app/pointer_watch.h"

#include <wx/utils.h>

namespace varnholt {
namespace {

constexpr int kFrameMilliseconds = 16;

}  // namespace

void PointerWatch::Watch(wxPoint pressed_at) {
    m_last = pressed_at;
    Start(kFrameMilliseconds);
}

void PointerWatch::Notify() {
    const wxMouseState state = wxGetMouseState();
    if (!m_window.HasCapture() || !state.LeftIsDown()) {
        Stop();
        if (m_window.HasCapture() && m_released) m_released();
        return;
    }
    const wxPoint at = m_window.ScreenToClient(state.GetPosition());
    if (at == m_last) return;
    m_last = at;
    m_report(at);
}

}  // namespace varnholt
