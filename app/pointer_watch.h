// pointer_watch.h - keeps a pane that drags something told where the pointer is. The window
// system may merge or drop the motion events of a quick drag, and a pointer that stops right
// after them would leave a dragged column border short of it until the release. While the pane
// holds the mouse capture, the watch reads the pointer once a frame and reports a position that
// no motion event has brought.
#pragma once

#include <wx/timer.h>
#include <wx/window.h>

#include <functional>
#include <utility>

namespace varnholt {

class PointerWatch final : private wxTimer {
public:
    // `report` gets the pointer in the window's client pixels.
    using Report = std::function<void(wxPoint client_point)>;
    PointerWatch(wxWindow& window, Report report) : m_window(window), m_report(std::move(report)) {}

    // After the press at the client point took the capture; ends by itself when the capture or
    // the button is gone. A button let go without a release reaching the window ends the capture
    // through `released`, as the release would have.
    void Watch(wxPoint pressed_at);
    void OnReleaseUnseen(std::function<void()> released) { m_released = std::move(released); }
    // A motion event reported the client point.
    void Seen(wxPoint client_point) noexcept { m_last = client_point; }
    void Stop() { wxTimer::Stop(); }

private:
    void Notify() override;

    wxWindow& m_window;
    Report m_report;
    std::function<void()> m_released;
    wxPoint m_last;
};

}  // namespace varnholt
