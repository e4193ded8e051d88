// gui_input.h - what a user does, sent through the display server: clicks at a point of a
// window, clicks and keys through a desktop's own pointer and keyboard, and letting the toolkit
// run for a while when there is no condition to wait for.
#pragma once

#include "gui_wait.h"

#include <wx/uiaction.h>
#include <wx/window.h>

#include <gtest/gtest.h>

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

// The display a person's input comes through: the seat of the nested desktop the program runs on
// (OUTER_DISPLAY, whose screen shows the nested output at its top left, one pixel for one), else
// the program's own display.
inline const char* SeatDisplay() {
    const char* outer = std::getenv("OUTER_DISPLAY");
    return outer != nullptr ? outer : std::getenv("DISPLAY");
}

// xdotool's command line for the arguments, sent to the display.
inline std::string Xdotool(const char* display, const std::string& arguments) {
    return std::string("env DISPLAY=") + display + " xdotool " + arguments;
}

// The desktop's own pointer moved to the point of the screen, sent through `display`: the
// compositor that runs the program (or the display's window manager, where `display` names the
// program's own). The compositor may drop the first move of a pointer that has not moved yet, and
// a nested one may pass on no move of a pixel or two (a dialog opened again a pixel aside puts its
// rows there): where the program's display does not have the pointer where it was sent, the
// pointer comes again from a hand's width aside, until it has, a busy machine's while at the
// most. The toolkit counts the screen in units of the desktop's scale, the desktop in its pixels.
inline void MoveThroughTheDesktop(wxPoint at, const char* display) {
    const int scale = gdk_window_get_scale_factor(gdk_get_default_root_window());
    const auto move = [&](wxPoint to) {
        return Xdotool(display, "mousemove " + std::to_string(to.x * scale) + " " + std::to_string(to.y * scale));
    };
    const auto deadline = std::chrono::steady_clock::now() + kWaitLimit;
    bool arrived = false;
    for (bool again = false; !arrived && std::chrono::steady_clock::now() < deadline; again = true) {
        if (again) {
            ASSERT_TRUE(RunTool(move(at - wxSize(24, 0))));
        }
        ASSERT_TRUE(RunTool(move(at))) << move(at);
        arrived = WaitUntil([at] { return wxGetMousePosition() == at; }, std::chrono::milliseconds(500));
    }
    ASSERT_TRUE(arrived) << "the pointer did not reach " << at.x << ", " << at.y << " but stands at "
                         << wxGetMousePosition().x << ", " << wxGetMousePosition().y;
}

// A click of the desktop's own pointer at the point, as MoveThroughTheDesktop sends it.
inline void ClickThroughTheDesktop(wxPoint at, const char* display = std::getenv("OUTER_DISPLAY")) {
    ASSERT_NO_FATAL_FAILURE(MoveThroughTheDesktop(at, display));
    ASSERT_TRUE(RunTool(Xdotool(display, "mousedown 1")));
    RunEventLoopFor(kClickHold);
    ASSERT_TRUE(RunTool(Xdotool(display, "mouseup 1")));
}

// A double click there: two presses held as a person holds them, the second soon after the first
// release. One command sends all four, so that the program's own work cannot stretch the gaps
// past the desktop's double-click time (the server stamps each with its time).
inline void DoubleClickThroughTheDesktop(wxPoint at, const char* display) {
    ASSERT_NO_FATAL_FAILURE(MoveThroughTheDesktop(at, display));
    ASSERT_TRUE(RunTool(Xdotool(display, "mousedown 1 sleep 0.1 mouseup 1 sleep 0.08 mousedown 1 sleep 0.1 mouseup 1")));
}

}  // namespace varnholt::testing_gui
