// gui_input.h - what a user does, sent through the display server: clicks at a point of a
// window, and letting the toolkit run for a while when there is no condition to wait for.
#pragma once

#include "gui_wait.h"

#include <wx/uiaction.h>
#include <wx/window.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace varnholt::testing_gui {

// Runs the event loop for the span, for toolkit work that announces nothing when it is done.
inline void RunEventLoopFor(std::chrono::milliseconds span) {
    const auto end = std::chrono::steady_clock::now() + span;
    (void)WaitUntil([end] { return std::chrono::steady_clock::now() >= end; });
}

// Moves the pointer onto the point of the window (its client pixels).
inline bool MoveTo(wxWindow& window, wxPoint point) {
    const wxPoint target = window.ClientToScreen(point);
    wxUIActionSimulator().MouseMove(target);
    return WaitUntil([target] { return wxGetMousePosition() == target; });
}

// How long a person holds the button down in a click.
inline constexpr std::chrono::milliseconds kClickHold{120};

// Moves the pointer onto the point of the window (its client pixels) and clicks there, the button
// held as long as a person holds it: some native lists drop a press and release that arrive
// together.
inline bool ClickAt(wxWindow& window, wxPoint point) {
    wxUIActionSimulator mouse;
    const wxPoint target = window.ClientToScreen(point);
    mouse.MouseMove(target);
    if (!WaitUntil([target] { return wxGetMousePosition() == target; })) return false;
    mouse.MouseDown();
    RunEventLoopFor(kClickHold);
    mouse.MouseUp();
    return true;
}

// Runs a command of the desktop's tools (xdotool, wmctrl), for ten seconds at most; true when it
// succeeded. What the tool prints goes nowhere: the terminal is the program's, and a test fails
// on any line there.
inline bool RunTool(const std::string& command) {
    return std::system(("timeout 10 " + command + " >/dev/null 2>&1").c_str()) == 0;
}

inline bool ClickMiddle(wxWindow& window) {
    return ClickAt(window, wxPoint(window.GetClientSize().x / 2, window.GetClientSize().y / 2));
}

}  // namespace varnholt::testing_gui
