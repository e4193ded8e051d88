// gui_wait.h - waiting in GUI tests: the event loop runs until a condition holds, for at most
// a limit, so no test depends on a fixed sleep. Where the condition is only that the screen
// shows the state, the wait is for frames the window draws.
#pragma once

#include <wx/app.h>
#include <wx/window.h>

#include <gtk/gtk.h>

#include <chrono>
#include <thread>

namespace varnholt::testing_gui {

// How long a wait lasts at most: long enough for a machine busy with other work, where the
// window system and the toolkit answer many times slower than on a quiet one.
inline constexpr std::chrono::milliseconds kWaitLimit{15000};

template <class Condition>
bool WaitUntil(Condition done, std::chrono::milliseconds limit = kWaitLimit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Until what the window system and the toolkit queued for `window` so far has run: what a list's
// closing or a window's activation asked of it has been answered then.
inline bool Drained(wxWindow& window) {
    bool drained = false;
    window.CallAfter([&drained] { drained = true; });
    return WaitUntil([&drained] { return drained; });
}

// Until the window's top-level window has drawn `frames` frames from now. GTK lays out what
// changed and then paints, in each frame; sizes the toolkit sets in one frame's layout are drawn
// in the next, so two frames show the window as its state says. False for a window not shown.
inline bool WaitForFrames(wxWindow& window, int frames = 2) {
    auto* widget = static_cast<GtkWidget*>(window.GetHandle());
    GdkFrameClock* clock = widget != nullptr ? gtk_widget_get_frame_clock(widget) : nullptr;
    if (clock == nullptr) return false;
    int drawn = 0;
    const auto count = +[](GdkFrameClock* frame_clock, gpointer counter) {
        ++*static_cast<int*>(counter);
        gdk_frame_clock_request_phase(frame_clock, GDK_FRAME_CLOCK_PHASE_PAINT);  // the next frame
    };
    const gulong handler = g_signal_connect(clock, "after-paint", G_CALLBACK(count), &drawn);
    gtk_widget_queue_draw(widget);
    const bool done = WaitUntil([&drawn, frames] { return drawn >= frames; });
    g_signal_handler_disconnect(clock, handler);
    return done;
}

// Until a window manager has done placing and sizing the top-level window: its place and size
// stay the same over two drawn frames. It announces neither its end nor that nothing more comes.
inline bool SettledByTheWindowManager(wxWindow& window) {
    return WaitUntil([&window] {
        const wxRect before = window.GetScreenRect();
        return WaitForFrames(window) && window.GetScreenRect() == before;
    });
}

}  // namespace varnholt::testing_gui
