// CloseRequestWatch.h - the requests to close a window, seen before the toolkit handles them.
// GTK drops a close (WM_DELETE_WINDOW) for a window while another window of the program holds its
// grab, as a menu or a folded panel's pop-up does, and GDK turns the request into that close
// before any event filter sees it. The watch looks through the events read from the X connection
// ahead of GDK, so that whoever holds the grab can let go first and the close goes through.
#pragma once

#include <functional>

namespace varnholt {

// Calls `closing` with the X window that a close request read from the X connection names: the
// close sent to the window itself, or a request to the window manager to close it
// (_NET_CLOSE_WINDOW). It runs before GDK translates the request, once per request at least.
// Under another window system nothing is watched.
void WatchCloseRequests(std::function<void(unsigned long window)> closing);

void StopWatchingCloseRequests();

}  // namespace varnholt
