// FoldedPopUpClosing.cpp - the one rule for closing a folded panel's pop-up, and the events that
// ask it. The pop-up holds the pointer and the keyboard (FoldedPopUp.h): every press and key of
// the desktop comes to it while it stands, except while a list of its own has them. A press
// outside it closes it and does nothing else, as a menu's does, wherever it falls: in the
// program's windows, on the main window's title bar, on another program or on the desktop. The
// window system's requests to activate, move or resize a window, a focus given to another
// program, and the main window changing in any way close it too, before the ribbon folds anew.

#include "app/ribbon/FoldedPopUpClosing.h"

#include "app/focus_chain.h"
#include "app/ribbon/CloseRequestWatch.h"
#include "app/ribbon/FoldedPanels.h"
#include "app/ribbon/FoldedPopUp.h"
#include "shell/popup_place.h"

#include <wx/app.h>
#include <wx/ribbon/control.h>
#include <wx/ribbon/panel.h>
#include <wx/toplevel.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace varnholt {
namespace {

// What may close a pop-up.
enum class Exit {
    command,         // a command from one of its controls is about to run
    escape,          // Escape, or a key the main window acts on
    press_outside,   // a press anywhere outside it, or the press beside an open list that closed it
    window_changed,  // the main window moves, resizes, changes state or lays its ribbon out anew
    focus_gone,      // the window system activated a window or gave the focus to another program
    withdrawn,       // the window system took the pop-up's window off the screen
};

// The rule. A list open in the pop-up holds the keyboard and the pointer: what happens until it
// closes is the list's own, and once it has closed, by a choice or not, the pop-up is as it was
// before the list opened; the press that closed it, if it lay outside the pop-up, closes the
// pop-up as any such press does. A change of the main window closes it whatever it holds.
bool Closes(Exit exit, wxWindow& popup) {
    switch (exit) {
        case Exit::command:
        case Exit::escape:
        case Exit::window_changed:
            return true;
        case Exit::press_outside:
        case Exit::focus_gone:
            return !HoldsOpenList(popup);
        case Exit::withdrawn: {
            // A window the program itself hides and shows again (a refused grab does) is back.
            GdkWindow* window = gtk_widget_get_window(popup.GetHandle());
            return window == nullptr || !gdk_window_is_visible(window);
        }
    }
    return false;
}

// The folded panel in the ribbon whose pop-up is `popup`; null once it has closed.
wxRibbonPanel* FoldedPanelOf(wxWindow& popup) {
    for (wxWindow* child : popup.GetChildren()) {
        if (auto* unfolded = dynamic_cast<wxRibbonPanel*>(child); unfolded != nullptr && unfolded->GetExpandedDummy() != nullptr)
            return unfolded->GetExpandedDummy();
    }
    return nullptr;
}

void CloseNow(wxWindow& popup) {
    if (wxRibbonPanel* folded = FoldedPanelOf(popup)) (void)folded->HideExpanded();
}

// Asks the rule once the event at hand is done with: closing moves the controls it may be handled
// in back to the ribbon. The call goes through the pop-up's window, whose pending calls go with it.
template <class Then>
void AskToClose(wxWindow& popup, Exit exit, Then then) {
    popup.CallAfter([&popup, exit, then] {
        if (FoldedPanelOf(popup) == nullptr || !Closes(exit, popup)) return;
        CloseNow(popup);
        then();
    });
}

void AskToClose(wxWindow& popup, Exit exit) {
    AskToClose(popup, exit, [] {});
}

// The pop-ups open now.
std::vector<FoldedPopUp*>& OpenPopUps() {
    static std::vector<FoldedPopUp*> open;
    return open;
}

void AskEveryPopUp(Exit exit) {
    for (FoldedPopUp* popup : OpenPopUps()) AskToClose(*popup, exit);
}

// A press on the pop-up: its own, one that the GTK grab sends it from another window of the
// program, or one outside the program that the seat grab reports to it.
gboolean OnPress(GtkWidget* widget, GdkEventButton* press, gpointer data) {
    auto& popup = *static_cast<FoldedPopUp*>(data);
    const wxPoint at(static_cast<int>(press->x_root), static_cast<int>(press->y_root));
    GtkWidget* pressed = gtk_get_event_widget(reinterpret_cast<GdkEvent*>(press));
    const bool inside = popup.GetScreenRect().Contains(at) && pressed != nullptr &&
                        (pressed == widget || gtk_widget_is_ancestor(pressed, widget));
    if (inside) return FALSE;
    if (press->type != GDK_BUTTON_PRESS) return TRUE;  // the double click of a press already seen
    // The second press of a double click on the folded button leaves open what the first opened;
    // a third closes it.
    const wxRibbonPanel* folded = FoldedPanelOf(popup);
    gint double_click_ms = 400;
    gint double_click_distance = 5;
    g_object_get(gtk_widget_get_settings(widget), "gtk-double-click-time", &double_click_ms, "gtk-double-click-distance",
                 &double_click_distance, nullptr);
    if (folded != nullptr && folded->GetScreenRect().Contains(at) && popup.OpeningPress() &&
        SecondPressOfOpening(*popup.OpeningPress(), ScreenPress{at.x, at.y, press->time},
                             static_cast<std::uint32_t>(double_click_ms), double_click_distance)) {
        popup.ForgetOpeningPress();
        return TRUE;
    }
    AskToClose(popup, Exit::press_outside);
    return TRUE;
}

// Whether `window` is the window of a list that opened in `popup`: the list is attached to its
// box there.
bool ListWindowOf(GdkWindow* window, GtkWidget* popup) {
    gpointer data = nullptr;
    gdk_window_get_user_data(gdk_window_get_toplevel(window), &data);
    auto* shown = static_cast<GtkWidget*>(data);
    if (shown != nullptr && !GTK_IS_MENU(shown)) shown = GTK_IS_BIN(shown) ? gtk_bin_get_child(GTK_BIN(shown)) : nullptr;
    GtkWidget* box = shown != nullptr && GTK_IS_MENU(shown) ? gtk_menu_get_attach_widget(GTK_MENU(shown)) : nullptr;
    return box != nullptr && gtk_widget_get_toplevel(box) == popup;
}

// Another program's grab, or another window's, took the hold. Only a list of the pop-up's own
// takes it and gives it back as it closes.
gboolean OnGrabBroken(GtkWidget* widget, GdkEventGrabBroken* broken, gpointer popup) {
    if (broken->grab_window == nullptr || !ListWindowOf(broken->grab_window, widget))
        AskToClose(*static_cast<wxWindow*>(popup), Exit::focus_gone);
    return FALSE;
}

// A Wayland compositor ends a pop-up's grab by taking its window off the screen, as it does on a
// click on another program, and tells nothing else: the pop-up closes then.
gboolean OnWindowState(GtkWidget*, GdkEventWindowState* state, gpointer popup) {
    if ((state->changed_mask & state->new_window_state & GDK_WINDOW_STATE_WITHDRAWN) != 0)
        AskToClose(*static_cast<wxWindow*>(popup), Exit::withdrawn);
    return FALSE;
}

// The controls of the pop-up that take the keys, in the order they stand.
void ControlsTakingKeys(wxWindow& window, std::vector<wxWindow*>& controls) {
    for (wxWindow* child : window.GetChildren()) {
        if (child->IsShown() && child->IsEnabled() && child->AcceptsFocus() && dynamic_cast<wxRibbonControl*>(child) == nullptr) {
            controls.push_back(child);
        }
        ControlsTakingKeys(*child, controls);
    }
}

// Tab and Shift+Tab walk the pop-up's controls round, as in a dialog; the ribbon's button bars take
// no keys in the ribbon either.
void FocusNextControl(wxWindow& popup, bool forward) {
    std::vector<wxWindow*> controls;
    ControlsTakingKeys(popup, controls);
    if (controls.empty()) return;
    const auto focused = std::ranges::find(controls, wxWindow::FindFocus());
    const std::ptrdiff_t count = std::ssize(controls);
    std::ptrdiff_t next = forward ? 0 : count - 1;
    if (focused != controls.end()) next = ((focused - controls.begin()) + (forward ? 1 : count - 1)) % count;
    controls[static_cast<std::size_t>(next)]->SetFocus();
}

// Keys with Ctrl or Alt are the main window's (Alt+F, Ctrl+F, Ctrl+C, Ctrl+Page Down): the pop-up
// closes and the main window acts on the key as it would have without it.
bool ForTheMainWindow(const wxKeyEvent& event) {
    if ((event.GetModifiers() & (wxMOD_CONTROL | wxMOD_ALT)) == 0) return false;
    const int key = event.GetKeyCode();
    return (key > WXK_SPACE && key < WXK_DELETE) || key == WXK_PAGEUP || key == WXK_PAGEDOWN;
}

void OnKey(wxWindow& popup, wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers()) {
        AskToClose(popup, Exit::escape);
        return;
    }
    if (event.GetKeyCode() == WXK_TAB && (event.GetModifiers() & ~wxMOD_SHIFT) == 0) {
        FocusNextControl(popup, !event.ShiftDown());
        return;
    }
    if (!ForTheMainWindow(event)) {
        event.Skip();
        return;
    }
    wxWindow* frame = popup.GetParent();
    AskToClose(popup, Exit::escape, [frame, event] {
        wxKeyEvent key(event);
        key.SetEventType(wxEVT_CHAR_HOOK);
        key.SetEventObject(frame);
        (void)frame->ProcessWindowEvent(key);
    });
}

// GDK keeps the atoms it has looked up: no round trip to the server per request.
Atom AtomNamed(const char* name) { return gdk_x11_get_xatom_by_name_for_display(gdk_display_get_default(), name); }

// The window system's requests that change a window, whichever window they name: the taskbar's
// or a script's activation, maximizing, moving, resizing, minimizing, restacking, another
// desktop. The window manager acts on them; while a pop-up stands, it closes first.
bool ChangesAWindow(Atom request) {
    static constexpr std::array kRequests{"_NET_ACTIVE_WINDOW",  "_NET_WM_STATE",   "_NET_WM_MOVERESIZE",  "_NET_MOVERESIZE_WINDOW",
                                          "_NET_RESTACK_WINDOW", "WM_CHANGE_STATE", "_NET_CURRENT_DESKTOP"};
    return std::ranges::any_of(kRequests, [request](const char* name) { return AtomNamed(name) == request; });
}

// The X window of the main window that a pop-up stands over.
Window MainWindowOf(FoldedPopUp& popup) {
    wxWindow* frame = popup.GetParent();
    GdkWindow* window = frame != nullptr && frame->GetHandle() != nullptr ? gtk_widget_get_window(frame->GetHandle()) : nullptr;
    return window != nullptr ? GDK_WINDOW_XID(window) : None;
}

// A request to close the main window, seen before GTK would drop the close for the pop-up's grab:
// the pop-ups close at once, and the window closes as it would without them. The window manager
// answers a request sent to it by the close, which comes behind the request and so finds no grab.
void OnCloseRequest(unsigned long window) {
    if (std::ranges::any_of(OpenPopUps(), [window](FoldedPopUp* popup) { return MainWindowOf(*popup) == window; }))
        CloseFoldedPopUps();
}

// The window the window manager names active (_NET_ACTIVE_WINDOW), where one does. It names
// another program's window once that program has the keys, and not while the focus passes
// through windows of its own on the way, as the X focus does.
std::optional<Window> ActiveWindow(Display* display) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    const Atom property = gdk_x11_get_xatom_by_name_for_display(gdk_display_get_default(), "_NET_ACTIVE_WINDOW");
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1, False, XA_WINDOW, &type, &format, &count,
                           &left, &data) != Success) {
        return std::nullopt;
    }
    std::optional<Window> active;
    if (type == XA_WINDOW && format == 32 && count == 1) active = *reinterpret_cast<const Window*>(data);
    if (data != nullptr) XFree(data);
    return active;
}

// Whether the window manager has made another program's window the active one.
bool AnotherProgramActive(Display* display) {
    const std::optional<Window> active = ActiveWindow(display);
    return active && *active != None && gdk_x11_window_lookup_for_display(gdk_display_get_default(), *active) == nullptr;
}

// Whether the request names a window of the program other than the main window: GTK asks for a
// list's window to be kept above, for one.
bool NamesAnotherWindowOfOurs(const XClientMessageEvent& message) {
    if (gdk_x11_window_lookup_for_display(gdk_display_get_default(), message.window) == nullptr) return false;
    return std::ranges::none_of(OpenPopUps(), [&message](FoldedPopUp* popup) { return MainWindowOf(*popup) == message.window; });
}

// The requests that change a window, as GDK reads them. Those to close one go to OnCloseRequest
// by the close request watch.
GdkFilterReturn WatchDesktop(GdkXEvent* native, GdkEvent*, gpointer) {
    const auto* event = static_cast<const XEvent*>(native);
    if (event->type == ClientMessage && ChangesAWindow(event->xclient.message_type) && !NamesAnotherWindowOfOurs(event->xclient))
        AskEveryPopUp(Exit::window_changed);
    return GDK_FILTER_CONTINUE;
}

// The window manager may give the keys to another program while the pop-up holds the keyboard (a
// compositor that runs X programs among its own does, on a click on one of them), and GTK reports
// no change of focus during a grab: the active window is looked at a few times a second while a
// pop-up stands, one round trip to the X server each time. Without a window manager nothing
// activates windows, and a press outside closes the pop-up as it is.
constexpr guint kFocusLookMs = 150;

gboolean LookAtTheFocus(gpointer) {
    GdkDisplay* display = gdk_display_get_default();
    if (GDK_IS_X11_DISPLAY(display) && AnotherProgramActive(GDK_DISPLAY_XDISPLAY(display))) AskEveryPopUp(Exit::focus_gone);
    return G_SOURCE_CONTINUE;
}

// The requests go to the root window, where they are seen with its substructure; selected while a
// pop-up stands, and only where the program had not selected it already.
void WatchDesktopRequests(bool watch) {
    GdkDisplay* gdk_display = gdk_display_get_default();
    if (!GDK_IS_X11_DISPLAY(gdk_display)) return;
    static bool selected = false;
    Display* display = GDK_DISPLAY_XDISPLAY(gdk_display);
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, root, &attributes) == 0) return;
    static guint focus_look = 0;
    if (watch) {
        gdk_window_add_filter(nullptr, WatchDesktop, nullptr);
        WatchCloseRequests(OnCloseRequest);
        if (focus_look == 0) focus_look = g_timeout_add(kFocusLookMs, LookAtTheFocus, nullptr);
        if ((attributes.your_event_mask & SubstructureNotifyMask) != 0) return;
        XSelectInput(display, root, attributes.your_event_mask | SubstructureNotifyMask);
        selected = true;
        return;
    }
    gdk_window_remove_filter(nullptr, WatchDesktop, nullptr);
    StopWatchingCloseRequests();
    if (focus_look != 0) g_source_remove(std::exchange(focus_look, 0u));
    if (!std::exchange(selected, false)) return;
    XSelectInput(display, root, attributes.your_event_mask & ~SubstructureNotifyMask);
}

// Connects the handler to the widget's signal unless it is connected already: the same lists
// and list windows come back with every opening.
template <class Handler>
void ConnectOnce(GtkWidget* widget, const char* signal, Handler handler, gpointer data) {
    const auto function = reinterpret_cast<gpointer>(handler);
    if (g_signal_handler_find(widget, G_SIGNAL_MATCH_FUNC, 0, 0, nullptr, function, nullptr) != 0) return;
    g_signal_connect(widget, signal, G_CALLBACK(handler), data);
}

// The screen point of the last press on an open list's window that fell outside the list, which
// closes it, kept on the list's box; none while the list is open with no such press.
constexpr const char* kPressBesideList = "varnholt-press-beside-list";

gboolean OnListWindowPress(GtkWidget* menu, GdkEventButton* press, gpointer list) {
    GtkAllocation shown;
    gtk_widget_get_allocation(menu, &shown);
    gint x = 0;
    gint y = 0;
    gdk_window_get_origin(gtk_widget_get_window(menu), &x, &y);
    const wxPoint at(static_cast<int>(press->x_root), static_cast<int>(press->y_root));
    if (!wxRect(x, y, shown.width, shown.height).Contains(at)) {
        g_object_set_data_full(G_OBJECT(list), kPressBesideList, new wxPoint(at), [](gpointer point) { delete static_cast<wxPoint*>(point); });
    }
    return FALSE;
}

// A list of a pop-up opening or closing. The list takes the pointer and the keyboard while open;
// as it closes the pop-up takes them back. A press beside the list closes it and goes no further:
// where it lies outside the pop-up too, it is a press outside the pop-up.
void OnListShownChanged(GtkWidget* list, GParamSpec*, gpointer control) {
    gboolean shown = FALSE;
    g_object_get(list, "popup-shown", &shown, nullptr);
    auto* window = static_cast<wxWindow*>(control);
    if (shown) {
        g_object_set_data(G_OBJECT(list), kPressBesideList, nullptr);
        GtkWidget* menu = gtk_accessible_get_widget(GTK_ACCESSIBLE(gtk_combo_box_get_popup_accessible(GTK_COMBO_BOX(list))));
        if (menu != nullptr) ConnectOnce(menu, "button-press-event", OnListWindowPress, list);
        return;
    }
    if (FoldedPanelHolding(window) == nullptr) return;
    auto* popup = dynamic_cast<FoldedPopUp*>(wxGetTopLevelParent(window));
    if (popup == nullptr) return;
    popup->Grab();
    const auto* press = static_cast<const wxPoint*>(g_object_get_data(G_OBJECT(list), kPressBesideList));
    if (press != nullptr && !popup->GetScreenRect().Contains(*press)) AskToClose(*popup, Exit::press_outside);
}

// Watches the lists inside `window` open and close, once however often they are moved.
void WatchLists(wxWindow& window) {
    GtkWidget* widget = window.GetHandle();
    if (widget != nullptr && GTK_IS_COMBO_BOX(widget)) ConnectOnce(widget, "notify::popup-shown", OnListShownChanged, &window);
    for (wxWindow* child : window.GetChildren()) WatchLists(*child);
}

// Closes the pop-ups open now at once, as the main window changes, but those `stays` keeps.
// Closing takes the pop-up from the list: a copy is walked.
template <typename Stays>
void CloseFoldedPopUpsUnless(Stays stays) {
    const std::vector<FoldedPopUp*> open = OpenPopUps();
    for (FoldedPopUp* popup : open) {
        if (!stays(*popup) && Closes(Exit::window_changed, *popup)) CloseNow(*popup);
    }
}

}  // namespace

void WatchFoldedPopUp(FoldedPopUp& popup) {
    std::vector<FoldedPopUp*>& open = OpenPopUps();
    if (open.empty()) WatchDesktopRequests(true);
    open.push_back(&popup);
    popup.Bind(wxEVT_DESTROY, [&popup](wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() != &popup) return;
        std::vector<FoldedPopUp*>& still_open = OpenPopUps();
        std::erase(still_open, &popup);
        if (still_open.empty()) WatchDesktopRequests(false);
    });
    popup.Bind(wxEVT_CHAR_HOOK, [&popup](wxKeyEvent& event) { OnKey(popup, event); });
    g_signal_connect(popup.GetHandle(), "button-press-event", G_CALLBACK(OnPress), &popup);
    g_signal_connect(popup.GetHandle(), "grab-broken-event", G_CALLBACK(OnGrabBroken), &popup);
    gtk_widget_add_events(popup.GetHandle(), GDK_STRUCTURE_MASK);
    g_signal_connect(popup.GetHandle(), "window-state-event", G_CALLBACK(OnWindowState), &popup);
}

void FollowFoldedPanel(wxWindow& control, const wxRibbonPanel& panel) {
    if (FoldedPanelHolding(&control) != &panel) {
        // Back in the ribbon. A pop-up that closed while it held the focus may leave the main
        // window's containers naming no focused child; they name it again.
        NameFocusedChildAgain(*wxGetTopLevelParent(&control));
        return;
    }
    WatchLists(control);
}

void CloseForCommand(wxRibbonPanel& folded) {
    wxRibbonPanel* unfolded = folded.GetExpandedPanel();
    if (unfolded != nullptr && Closes(Exit::command, *wxGetTopLevelParent(unfolded))) (void)folded.HideExpanded();
}

void CloseFoldedPopUpsIfMoved() {
    CloseFoldedPopUpsUnless([](const FoldedPopUp& popup) {
        const wxWindow* frame = popup.GetParent();
        return frame != nullptr && ClientAreaOnScreen(*frame) == popup.OwnerArea();
    });
}

void CloseFoldedPopUps() {
    CloseFoldedPopUpsUnless([](const FoldedPopUp&) { return false; });
}

}  // namespace varnholt
