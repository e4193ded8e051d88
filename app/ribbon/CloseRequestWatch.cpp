// CloseRequestWatch.cpp - a GLib source of a higher priority than GDK's own event source, which
// looks through the events Xlib has read without taking any: the request is then handled by GDK
// as it comes, after the source has answered it.

#include "app/ribbon/CloseRequestWatch.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

#include <utility>

namespace varnholt {
namespace {

struct Watch {
    GSource* source = nullptr;
    std::function<void(unsigned long)> closing;
    unsigned long answered = 0;  // the serial of the last request answered, which stays queued until GDK reads it
};

Watch& TheWatch() {
    static Watch watch;
    return watch;
}

struct Atoms {
    Atom protocols, delete_window, net_close;
};

// The window a close request names, or None.
Window ClosedBy(const XEvent& event, const Atoms& atoms) {
    if (event.type != ClientMessage) return None;
    const XClientMessageEvent& message = event.xclient;
    if (message.message_type == atoms.net_close) return message.window;
    if (message.message_type == atoms.protocols && static_cast<Atom>(message.data.l[0]) == atoms.delete_window) return message.window;
    return None;
}

// Xlib's predicate: notes the first close request not answered yet among the queued events, and
// takes none.
struct Search {
    Atoms atoms;
    unsigned long answered;
    Window found = None;
    unsigned long serial = 0;
};

Bool NoteCloseRequest(Display*, XEvent* event, XPointer data) {
    auto& search = *reinterpret_cast<Search*>(data);
    if (search.found != None || event->xany.serial <= search.answered) return False;
    search.found = ClosedBy(*event, search.atoms);
    search.serial = event->xany.serial;
    return False;
}

// The first close request queued and not answered yet, after reading what the connection has.
Search QueuedCloseRequest() {
    GdkDisplay* gdk_display = gdk_display_get_default();
    Search search{{gdk_x11_get_xatom_by_name_for_display(gdk_display, "WM_PROTOCOLS"),
                   gdk_x11_get_xatom_by_name_for_display(gdk_display, "WM_DELETE_WINDOW"),
                   gdk_x11_get_xatom_by_name_for_display(gdk_display, "_NET_CLOSE_WINDOW")},
                  TheWatch().answered};
    Display* display = GDK_DISPLAY_XDISPLAY(gdk_display);
    if (XEventsQueued(display, QueuedAfterReading) == 0) return search;
    XEvent unused;
    (void)XCheckIfEvent(display, &unused, NoteCloseRequest, reinterpret_cast<XPointer>(&search));
    return search;
}

gboolean Prepare(GSource*, gint* timeout) {
    *timeout = -1;  // GDK's own source wakes the loop when the connection has something
    return QueuedCloseRequest().found != None;
}

gboolean Check(GSource*) { return QueuedCloseRequest().found != None; }

gboolean Dispatch(GSource*, GSourceFunc, gpointer) {
    const Search request = QueuedCloseRequest();
    if (request.found == None) return G_SOURCE_CONTINUE;
    TheWatch().answered = request.serial;
    if (TheWatch().closing) TheWatch().closing(request.found);
    return G_SOURCE_CONTINUE;
}

GSourceFuncs kFuncs{Prepare, Check, Dispatch, nullptr, nullptr, nullptr};

}  // namespace

void WatchCloseRequests(std::function<void(unsigned long)> closing) {
    if (!GDK_IS_X11_DISPLAY(gdk_display_get_default())) return;
    Watch& watch = TheWatch();
    watch.closing = std::move(closing);
    if (watch.source != nullptr) return;
    watch.source = g_source_new(&kFuncs, sizeof(GSource));
    g_source_set_priority(watch.source, GDK_PRIORITY_EVENTS - 1);
    (void)g_source_attach(watch.source, nullptr);
}

void StopWatchingCloseRequests() {
    Watch& watch = TheWatch();
    if (watch.source != nullptr) {
        g_source_destroy(watch.source);
        g_source_unref(std::exchange(watch.source, nullptr));
    }
    watch.closing = nullptr;
}

}  // namespace varnholt
