// gui_wait.h - waiting in GUI tests: the event loop runs until a condition holds, for at most
// five seconds, so no test depends on a fixed sleep.
#pragma once

#include <wx/app.h>

#include <chrono>
#include <thread>

namespace varnholt::testing_gui {

template <class Condition>
bool WaitUntil(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace varnholt::testing_gui
