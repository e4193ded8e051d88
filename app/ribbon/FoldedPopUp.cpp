// FoldedPopUp.cpp - the folded panel's pop-up window and its hold on the pointer and keyboard.
// The hold is the one GTK's own menus take: a grab of the seat on the pop-up's window, whose
// owner_events let the program's other windows report their input as usual, and a GTK grab that
// sends what they report to the pop-up, which decides (FoldedPopUpClosing.cpp).

#include "app/ribbon/FoldedPopUp.h"

#include "app/ribbon/FoldedPanels.h"

#include <wx/app.h>

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <utility>

namespace varnholt {
namespace {

// A refused hold is tried again this often while the pop-up stands: another program's grab
// refuses it only for as long as that program holds its own.
constexpr guint kGrabRetryMs = 100;

// Shows the window inside the seat grab: on Wayland a pop-up that grabs must be mapped as one.
void ShowForGrab(GdkSeat*, GdkWindow*, gpointer popup) { static_cast<FoldedPopUp*>(popup)->Show(); }

// Under X, GDK draws a window's next frame only once the compositor says it showed the last one.
// A compositor that has not taken in a window yet, as on a busy machine just after it maps,
// never says so for the pop-up that no window manager manages: its layout would then stand still
// for good, with the controls it just took unplaced and a click on them falling on the panel.
// The pop-up draws at its own pace instead, as windows no window manager manages should.
void KeepFramesOwnPace(GtkWidget* popup) {
    GdkWindow* window = gtk_widget_get_window(popup);
    if (window != nullptr && GDK_IS_X11_WINDOW(window)) gdk_x11_window_set_frame_sync_enabled(window, FALSE);
}

// The X focus now: a window, or PointerRoot where the keys follow the pointer; none off X.
std::optional<unsigned long> XFocus() {
    GdkDisplay* display = gdk_display_get_default();
    if (!GDK_IS_X11_DISPLAY(display)) return std::nullopt;
    Window focus = None;
    int revert = 0;
    XGetInputFocus(GDK_DISPLAY_XDISPLAY(display), &focus, &revert);
    return focus;
}

// Who has the keys, by the X focus. All but another program are the program's: it put the keys
// there itself, or they fell to the desktop as a window of its own that had them went.
enum class KeysWith {
    pointer,          // PointerRoot: they follow the pointer, as where no window manager decides
    nobody,           // None or the root window: the desktop
    popup,            // the pop-up's own window
    our_window,       // another window of the program: the main window, or a dialog of its own
    another_program,  // a window of another program, or of the window manager
};

// Without `popup`, the pop-up's window counts among the program's other windows.
KeysWith KeysWithFocus(unsigned long focus, GtkWidget* popup) {
    GdkDisplay* display = gdk_display_get_default();
    GdkWindow* popup_window = popup != nullptr ? gtk_widget_get_window(popup) : nullptr;
    if (focus == static_cast<unsigned long>(PointerRoot)) return KeysWith::pointer;
    if (focus == None || focus == DefaultRootWindow(GDK_DISPLAY_XDISPLAY(display))) return KeysWith::nobody;
    if (popup_window != nullptr && focus == GDK_WINDOW_XID(popup_window)) return KeysWith::popup;
    return gdk_x11_window_lookup_for_display(display, focus) != nullptr ? KeysWith::our_window : KeysWith::another_program;
}

// Where no window manager decides, the keys follow the pointer (PointerRoot). While the pop-up
// holds the keyboard its own window has the X focus: with the focus following the pointer, the
// pointer moving over the main window would give that window the keys in the toolkit's eyes
// beside the pop-up, and the controls of both would take and lose keys they never had.
// Only while the keys are the program's: a hold taken late, once another program that held the
// keyboard let go, leaves alone the window it gave them to.
void TakeTheXFocus(GtkWidget* popup) {
    GdkWindow* window = gtk_widget_get_window(popup);
    if (window == nullptr || !gdk_window_is_viewable(window)) return;
    GdkDisplay* display = gdk_window_get_display(window);
    const std::optional<unsigned long> now = XFocus();
    if (!now || KeysWithFocus(*now, popup) == KeysWith::another_program) return;
    gdk_x11_display_error_trap_push(display);
    XSetInputFocus(GDK_DISPLAY_XDISPLAY(display), GDK_WINDOW_XID(window), RevertToPointerRoot, CurrentTime);
    gdk_x11_display_error_trap_pop_ignored(display);
}

// The toolkit gives a control the keys by activating its window first where it does not count that
// window active, and as the hold ends it does not yet: the pointer's focus comes back only with
// the events at hand. A control given the keys on the way out (the File page's first item after
// Alt+F) would pin the X focus on the main window. Once those events are done with, the keys that
// followed the pointer follow it again, unless another program has taken them meanwhile.
gboolean FollowThePointerAgain(gpointer) {
    const std::optional<unsigned long> now = XFocus();
    if (!now) return G_SOURCE_REMOVE;
    const KeysWith keys = KeysWithFocus(*now, nullptr);
    if (keys != KeysWith::pointer && keys != KeysWith::another_program)
        XSetInputFocus(GDK_DISPLAY_XDISPLAY(gdk_display_get_default()), PointerRoot, RevertToPointerRoot, CurrentTime);
    return G_SOURCE_REMOVE;
}

// As the hold ends the keys go back where they were before the pop-up opened: where they
// followed the pointer (no window manager decides) they follow it again; else the main window has
// them back, as a window manager gives them, where the pop-up's window had them or they fell to
// the desktop. Where another program took the keys meanwhile, they stay there.
void GiveBackTheKeys(wxWindow* owner, GtkWidget* popup, std::optional<unsigned long> before) {
    const std::optional<unsigned long> now = XFocus();
    if (!before || !now || owner == nullptr || owner->GetHandle() == nullptr) return;
    if (*before == PointerRoot) {
        (void)FollowThePointerAgain(nullptr);
        g_idle_add(FollowThePointerAgain, nullptr);
        return;
    }
    // A window of the program other than the pop-up keeps the keys: a click in a dialog of its own
    // that closed the pop-up gave them to the dialog.
    GdkWindow* main_window = gtk_widget_get_window(owner->GetHandle());
    const KeysWith keys = KeysWithFocus(*now, popup);
    if (*now == *before || main_window == nullptr || (keys != KeysWith::popup && keys != KeysWith::nobody)) return;
    gdk_window_focus(main_window, gtk_get_current_event_time());
}

// The control a pop-up gives the keys to once its window is active; the handler runs once.
struct PendingFocus {
    wxWindow* popup;
    wxWindowID control;
};

void OnActive(GtkWindow* window, GParamSpec*, gpointer data) {
    if (!gtk_window_is_active(window)) return;
    auto* pending = static_cast<PendingFocus*>(data);
    // The control is looked up anew: it may have moved back to the ribbon meanwhile. Where the
    // user gave one of the pop-up's controls the keys meanwhile (a click on it), that one keeps them.
    wxWindow* control = pending->popup->FindWindow(pending->control);
    const wxWindow* focused = wxWindow::FindFocus();
    const bool chosen = focused != nullptr && focused != control && wxGetTopLevelParent(const_cast<wxWindow*>(focused)) == pending->popup;
    g_signal_handlers_disconnect_by_data(window, data);
    if (control != nullptr && !chosen) control->SetFocus();
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

wxRect ClientAreaOnScreen(const wxWindow& window) { return {window.ClientToScreen(wxPoint(0, 0)), window.GetClientSize()}; }

void FoldedPopUp::Open(const wxRect& place, std::optional<ScreenPress> opening) {
    m_opening = opening;
    if (GetParent() != nullptr) m_owner_area = ClientAreaOnScreen(*GetParent());
    m_focus_before = XFocus();
    SetAsideMainFocus();
    SetSize(place);
    GtkWidget* widget = GetHandle();
    // A pop-up for the window system, as menus and lists are.
    gtk_window_set_type_hint(GTK_WINDOW(widget), GDK_WINDOW_TYPE_HINT_POPUP_MENU);
    gtk_widget_realize(widget);
    KeepFramesOwnPace(widget);
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
    if (m_grabbed) {
        if (m_focus_before == static_cast<unsigned long>(PointerRoot)) TakeTheXFocus(widget);
        return;
    }
    if (IsShown()) gdk_window_show(window);  // a failed grab hides what it showed
    // Under X the hold is taken as soon as it is to be had: without it a press outside would not
    // reach the pop-up, which would stand over whatever was clicked.
    if (m_grab_retry == 0 && GDK_IS_X11_DISPLAY(gtk_widget_get_display(widget))) {
        m_grab_retry = g_timeout_add(kGrabRetryMs, [](gpointer data) -> gboolean {
            auto& popup = *static_cast<FoldedPopUp*>(data);
            popup.m_grab_retry = 0;
            // A list of its own that opened meanwhile holds the pointer and keys; the pop-up takes
            // them back as it closes.
            if (popup.IsShown() && !HoldsOpenList(popup)) popup.Grab();
            return G_SOURCE_REMOVE;
        }, this);
    }
}

void FoldedPopUp::FocusWhenActive(wxWindow& control) {
    GtkWindow* window = GTK_WINDOW(GetHandle());
    if (!m_grabbed || gtk_window_is_active(window)) {
        control.SetFocus();
        return;
    }
    g_signal_connect_data(window, "notify::is-active", G_CALLBACK(OnActive), new PendingFocus{this, control.GetId()},
                          [](gpointer data, GClosure*) { delete static_cast<PendingFocus*>(data); }, GConnectFlags{});
}

// Under X the grab takes the keys from the main window's control before the pop-up has them. On
// Wayland GTK gives the pop-up the keys at once and reports the main window's loss only when the
// compositor tells it, later, so the toolkit would find the main window's control losing keys it
// no longer counts as its own. The control lets them go first here instead, and has them back as
// the pop-up closes: the main window gives them to it once the compositor gives the window the keys.
void FoldedPopUp::SetAsideMainFocus() {
    wxWindow* frame = GetParent();
    if (frame == nullptr || GDK_IS_X11_DISPLAY(gdk_display_get_default())) return;
    GtkWindow* main = GTK_WINDOW(frame->GetHandle());
    m_main_focus = gtk_window_get_focus(main);
    if (m_main_focus == nullptr) return;
    g_object_add_weak_pointer(G_OBJECT(m_main_focus), reinterpret_cast<gpointer*>(&m_main_focus));
    gtk_window_set_focus(main, nullptr);
}

void FoldedPopUp::RestoreMainFocus() {
    GtkWidget* focus = std::exchange(m_main_focus, nullptr);
    if (focus == nullptr) return;
    g_object_remove_weak_pointer(G_OBJECT(focus), reinterpret_cast<gpointer*>(&m_main_focus));
    wxWindow* frame = GetParent();
    if (frame == nullptr || gtk_widget_get_toplevel(focus) != frame->GetHandle()) return;
    GtkWindow* main = GTK_WINDOW(frame->GetHandle());
    if (gtk_window_get_focus(main) == nullptr) gtk_window_set_focus(main, focus);
}

void FoldedPopUp::StopRetrying() {
    if (m_grab_retry != 0) g_source_remove(std::exchange(m_grab_retry, 0u));
}

void FoldedPopUp::Release() {
    StopRetrying();
    RestoreMainFocus();
    GtkWidget* widget = GetHandle();
    if (widget == nullptr) return;
    gtk_grab_remove(widget);
    if (!std::exchange(m_grabbed, false)) return;
    gdk_seat_ungrab(gdk_display_get_default_seat(gtk_widget_get_display(widget)));
    GiveBackTheKeys(GetParent(), widget, m_focus_before);
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
