// FoldedPopUp.cpp - the folded panel's pop-up window and its hold on the pointer and keyboard.
// The hold is the one GTK's own menus take: a grab of the seat on the pop-up's window, whose
// owner_events let the program's other windows report their input as usual, and a GTK grab that
// sends what they report to the pop-up, which decides (FoldedPopUpClosing.cpp).

#include "app/ribbon/FoldedPopUp.h"

#include <wx/app.h>

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <utility>

namespace varnholt {
namespace {

// Shows the window inside the seat grab: on Wayland a pop-up that grabs must be mapped as one.
void ShowForGrab(GdkSeat*, GdkWindow*, gpointer popup) { static_cast<FoldedPopUp*>(popup)->Show(); }

// As the hold ends the keys go back where they were, or to the window system's choice where they
// had none of their own: without a window manager they follow the pointer, and GTK takes the end
// of a hold in that mode for no return of the focus; where the X focus went to the pop-up itself,
// it falls to the desktop as the pop-up goes. Either way the main window would have no keys until
// the pointer left and entered it again: it is given them, as a window manager would give them.
void GiveBackTheKeys(wxWindow* owner, GtkWidget* popup) {
    GdkDisplay* display = gdk_display_get_default();
    if (owner == nullptr || owner->GetHandle() == nullptr || !GDK_IS_X11_DISPLAY(display)) return;
    GdkWindow* main_window = gtk_widget_get_window(owner->GetHandle());
    GdkWindow* popup_window = gtk_widget_get_window(popup);
    if (main_window == nullptr || popup_window == nullptr) return;
    Window focus = None;
    int revert = 0;
    XGetInputFocus(GDK_DISPLAY_XDISPLAY(display), &focus, &revert);
    if (focus == PointerRoot || focus == GDK_WINDOW_XID(popup_window)) gdk_window_focus(main_window, gtk_get_current_event_time());
}

}  // namespace

FoldedPopUp::FoldedPopUp(wxWindow& owner) : wxPopupWindow(wxGetTopLevelParent(&owner), wxBORDER_NONE) {
    // The toolkit's pop-up turns a press beside it into a focus loss; the closing rule sees the
    // press itself instead.
    g_signal_handlers_disconnect_matched(GetHandle(), static_cast<GSignalMatchType>(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_DATA),
                                         g_signal_lookup("button-press-event", GTK_TYPE_WIDGET), 0, nullptr, nullptr,
                                         static_cast<wxPopupWindow*>(this));
}

FoldedPopUp::~FoldedPopUp() { Release(); }

void FoldedPopUp::Open(const wxRect& place, std::optional<ScreenPress> opening) {
    m_opening = opening;
    SetSize(place);
    GtkWidget* widget = GetHandle();
    // A pop-up for the window system, as menus and lists are.
    gtk_window_set_type_hint(GTK_WINDOW(widget), GDK_WINDOW_TYPE_HINT_POPUP_MENU);
    gtk_widget_realize(widget);
    gtk_grab_add(widget);
    Grab();
    if (!IsShown()) Show();  // no grab to be had: the pop-up shows without one
}

void FoldedPopUp::Grab() {
    GtkWidget* widget = GetHandle();
    GdkWindow* window = gtk_widget_get_window(widget);
    if (window == nullptr) return;
    GdkSeat* seat = gdk_display_get_default_seat(gtk_widget_get_display(widget));
    GdkEvent* cause = gtk_get_current_event();  // its serial lets a Wayland compositor grant the grab
    m_grabbed = gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_ALL, TRUE, nullptr, cause, ShowForGrab, this) ==
                GDK_GRAB_SUCCESS;
    if (cause != nullptr) gdk_event_free(cause);
    if (!m_grabbed && IsShown()) gdk_window_show(window);  // a failed grab hides what it showed
}

void FoldedPopUp::Release() {
    GtkWidget* widget = GetHandle();
    if (widget == nullptr) return;
    gtk_grab_remove(widget);
    if (!std::exchange(m_grabbed, false)) return;
    gdk_seat_ungrab(gdk_display_get_default_seat(gtk_widget_get_display(widget)));
    GiveBackTheKeys(GetParent(), widget);
}

bool FoldedPopUp::Destroy() {
    Release();
    Hide();
    if (wxTheApp == nullptr) {
        delete this;
    } else if (!wxTheApp->IsScheduledForDestruction(this)) {
        wxTheApp->ScheduleForDestruction(this);
    }
    return true;
}

}  // namespace varnholt
