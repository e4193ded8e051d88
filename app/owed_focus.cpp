// owed_focus.cpp - watching for a press into the window while it owes its table the keys.

#include "app/owed_focus.h"

#include <wx/window.h>

#include <utility>

namespace varnholt {

OwedFocus::OwedFocus(wxWindow& window) : m_window(window) { wxEvtHandler::AddFilter(this); }

OwedFocus::~OwedFocus() { wxEvtHandler::RemoveFilter(this); }

bool OwedFocus::SettleAtActivation() noexcept { return std::exchange(m_owed, false); }

int OwedFocus::FilterEvent(wxEvent& event) {
    if (!m_owed) return Event_Skip;
    const wxEventType type = event.GetEventType();
    const bool press = type == wxEVT_LEFT_DOWN || type == wxEVT_MIDDLE_DOWN || type == wxEVT_RIGHT_DOWN ||
                       type == wxEVT_LEFT_DCLICK;
    auto* pressed = press ? dynamic_cast<wxWindow*>(event.GetEventObject()) : nullptr;
    if (pressed != nullptr && wxGetTopLevelParent(pressed) == &m_window) m_owed = false;
    return Event_Skip;
}

}  // namespace varnholt
