// CloseRequestWatch.h - the requests to close a window, seen before the toolkit handles them.
// GTK drops a close (WM_DELETE_WINDOW) for a window while another window of the program holds its
// grab, as a menu or a folded panel's pop-up does. The watch sees each request before GDK turns
// the close that answers it into an event, so that whoever holds the grab can let go first and
// the close goes through.
#pragma once

#include <functional>

namespace varnholt {

// Calls `closing` with the X window that a close request names, once per request: the close sent
// to the window itself, as it stands among the events read from the X connection before GDK takes
// it; a request to the window manager to close the window (_NET_CLOSE_WINDOW) there too, or else
// as GDK reads it: GDK reads on through events it makes nothing of within one turn of the loop,
// and the window manager's close that answers the request may come in the same read. Under
// another window system nothing is watched.
void WatchCloseRequests(std::function<void(unsigned long window)> closing);

void StopWatchingCloseRequests();

}  // namespace varnholt
