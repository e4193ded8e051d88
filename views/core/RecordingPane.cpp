// RecordingPane.cpp - a pane without a window, painting into a recording backend.

#include "views/core/RecordingPane.h"

namespace varnholt::view {

RecordingPane::RecordingPane(View& view, std::int32_t client_width, std::int32_t client_height) : m_host(*this) {
    m_host.SetView(&view);
    m_host.SetClientSize(client_width, client_height);
}

void RecordingPane::Paint() {
    m_backend.Clear();
    m_host.Paint(m_backend);
}

}  // namespace varnholt::view
