// CloseRequestWatch.cpp - a GLib source of a higher priority than GDK's own event source, which
// looks through the events Xlib has read without taking any: the request is then handled by GDK
// as it comes, after the source has answered it. A request to the window manager that GDK reads
// before the source had a look is answered by an event filter, as GDK reads it.

#include "app/ribbon/CloseRequestWatch.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace varnholt {
namespace {

// One close request as it stands in the queue. Events that arrive while the program sends
// nothing share one serial, so the serial alone does not tell two requests of a burst apart:
// the window they name and what they carry do.
struct Request {
    unsigned long serial = 0;
    Window window = None;
    Atom type = None;
    std::array<long, 5> data{};
    bool operator==(const Request&) const = default;
};

struct Watch {
    GSource* source = nullptr;
    std::function<void(unsigned long)> closing;
    // The requests answered that are still queued, until GDK reads them.
    std::vector<Request> answered;
};

Watch& TheWatch() {
    static Watch watch;
    return watch;
}

struct Atoms {
    Atom protocols, delete_window, net_close;
};

// GDK keeps the atoms it has looked up: no round trip to the server per look.
Atoms CloseAtoms() {
    GdkDisplay* display = gdk_display_get_default();
    return {gdk_x11_get_xatom_by_name_for_display(display, "WM_PROTOCOLS"),
            gdk_x11_get_xatom_by_name_for_display(display, "WM_DELETE_WINDOW"),
            gdk_x11_get_xatom_by_name_for_display(display, "_NET_CLOSE_WINDOW")};
}

bool IsCloseRequest(const XEvent& event, const Atoms& atoms) {
    if (event.type != ClientMessage) return false;
    const XClientMessageEvent& message = event.xclient;
    return message.message_type == atoms.net_close ||
           (message.message_type == atoms.protocols && static_cast<Atom>(message.data.l[0]) == atoms.delete_window);
}

Request RequestOf(const XClientMessageEvent& message) {
    Request request{message.serial, message.window, message.message_type, {}};
    std::copy(std::begin(message.data.l), std::end(message.data.l), request.data.begin());
    return request;
}

// Xlib's predicate: lists the close requests queued, in order, and takes none.
struct Search {
    Atoms atoms;
    std::vector<Request> queued;
};

Bool NoteCloseRequest(Display*, XEvent* event, XPointer data) {
    auto& search = *reinterpret_cast<Search*>(data);
    if (IsCloseRequest(*event, search.atoms)) search.queued.push_back(RequestOf(event->xclient));
    return False;
}

// The first close request queued and not answered yet, after reading what the connection has.
// Requests answered that GDK has read meanwhile are forgotten.
std::optional<Request> UnansweredCloseRequest() {
    Search search{CloseAtoms(), {}};
    Display* display = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
    std::vector<Request>& answered = TheWatch().answered;
    if (XEventsQueued(display, QueuedAfterReading) != 0) {
        XEvent unused;
        (void)XCheckIfEvent(display, &unused, NoteCloseRequest, reinterpret_cast<XPointer>(&search));
    }
    std::erase_if(answered, [&search](const Request& request) { return std::ranges::find(search.queued, request) == search.queued.end(); });
    for (const Request& request : search.queued)
        if (std::ranges::find(answered, request) == answered.end()) return request;
    return std::nullopt;
}

gboolean Prepare(GSource*, gint* timeout) {
    *timeout = -1;  // GDK's own source wakes the loop when the connection has something
    return UnansweredCloseRequest().has_value();
}

gboolean Check(GSource*) { return UnansweredCloseRequest().has_value(); }

gboolean Dispatch(GSource*, GSourceFunc, gpointer) {
    // Every request of a burst is answered in turn, each once, while the watch stands: an answer
    // may close the last pop-up, which ends it.
    while (TheWatch().source != nullptr) {
        const std::optional<Request> request = UnansweredCloseRequest();
        if (!request) break;
        TheWatch().answered.push_back(*request);
        if (TheWatch().closing) TheWatch().closing(request->window);
    }
    return G_SOURCE_CONTINUE;
}

GSourceFuncs kFuncs{Prepare, Check, Dispatch, nullptr, nullptr, nullptr};

// A request to the window manager to close a window, as GDK reads it. GDK reads on through events
// it makes nothing of, this one among them, until one it makes an event of, all within one turn
// of the loop: where the request came in that read, the source had no look at it, and the window
// manager's close that answers it may come in the same read, to be dropped for the grab. The
// request is answered here then, unless the source answered it while it stood in the queue. GDK
// turns the close sent to the window itself into its event before any filter of ours sees it,
// which ends the read.
GdkFilterReturn AsGdkReads(GdkXEvent* native, GdkEvent*, gpointer) {
    const auto& event = *static_cast<const XEvent*>(native);
    if (event.type != ClientMessage || event.xclient.message_type != CloseAtoms().net_close) return GDK_FILTER_CONTINUE;
    const Request request = RequestOf(event.xclient);
    if (std::ranges::find(TheWatch().answered, request) == TheWatch().answered.end() && TheWatch().closing)
        TheWatch().closing(request.window);
    return GDK_FILTER_CONTINUE;
}

}  // namespace

void WatchCloseRequests(std::function<void(unsigned long)> closing) {
    if (!GDK_IS_X11_DISPLAY(gdk_display_get_default())) return;
    Watch& watch = TheWatch();
    watch.closing = std::move(closing);
    if (watch.source != nullptr) return;
    watch.source = g_source_new(&kFuncs, sizeof(GSource));
    g_source_set_priority(watch.source, GDK_PRIORITY_EVENTS - 1);
    (void)g_source_attach(watch.source, nullptr);
    gdk_window_add_filter(nullptr, AsGdkReads, nullptr);
}

void StopWatchingCloseRequests() {
    Watch& watch = TheWatch();
    if (watch.source != nullptr) {
        gdk_window_remove_filter(nullptr, AsGdkReads, nullptr);
        g_source_destroy(watch.source);
        g_source_unref(std::exchange(watch.source, nullptr));
    }
    watch.closing = nullptr;
    watch.answered.clear();
}

}  // namespace varnholt
