// FoldedPopUpClosing.cpp - the one rule for closing a folded panel's pop-up, and the events that
// ask it. The toolkit's own rule, closing as soon as the panel loses the focus, is passed by: at
// that moment the focus is nowhere, also when a click moves it to a control of the pop-up. Nor do
// the controls' focus events serve: a list takes the keyboard with a grab while it is open, and
// once it has closed the window system may tell the controls of no later change of focus at all.
// What the rule listens to instead is what a user does and the window manager says: presses,
// Escape, commands, and whether a window of the program is active.

#include "app/ribbon/FoldedPopUpClosing.h"

#include "app/focus_chain.h"
#include "app/ribbon/FoldedPanels.h"

#include <wx/app.h>
#include <wx/eventfilter.h>
#include <wx/ribbon/panel.h>
#include <wx/toplevel.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <vector>

namespace varnholt {
namespace {

// What may close a pop-up.
enum class Exit {
    command,        // a command from one of its controls has run
    escape,         // Escape reached the pop-up
    press_outside,  // a press in another window of the program (the table, a tab, another folded
                    // panel), or one beside an open list that lies outside the pop-up
    focus_gone,     // the pop-up's window is no longer the active one
};

// Whether a window of the program is the desktop's active window.
bool ProgramActive() {
    return std::ranges::any_of(wxTopLevelWindows, [](wxWindow* window) {
        GtkWidget* widget = window->GetHandle();
        return widget != nullptr && GTK_IS_WINDOW(widget) && gtk_window_is_active(GTK_WINDOW(widget));
    });
}

// The rule. A list open in the pop-up holds the keyboard and the pointer: what happens until it
// closes is the list's own, and once it has closed, by a choice or not, the pop-up is as it was
// before the list opened; the press that closed it, if it lay outside the pop-up, closes the
// pop-up as any such press does. The focus going to another window of the program comes with a
// press, which the rule sees as such; without one (a desktop whose focus follows the pointer)
// the pop-up stays, and it closes once the focus has gone to another program.
bool Closes(Exit exit, wxWindow& popup) {
    switch (exit) {
        case Exit::command:
        case Exit::escape:
            return true;
        case Exit::press_outside:
            return !HoldsOpenList(popup);
        case Exit::focus_gone:
            return !HoldsOpenList(popup) && !ProgramActive();
    }
    return false;
}

// The folded panel in the ribbon whose pop-up is the top-level window `popup`.
wxRibbonPanel* FoldedPanelOf(wxWindow& popup) {
    for (wxWindow* child : popup.GetChildren()) {
        if (auto* expanded = dynamic_cast<wxRibbonPanel*>(child); expanded != nullptr && expanded->GetExpandedDummy() != nullptr)
            return expanded->GetExpandedDummy();
    }
    return nullptr;
}

// Asks the rule once the event at hand is done with: closing destroys windows it may be handled
// in, and the focus settles only after it. The call goes through the pop-up's window, whose
// pending calls go with it: the folded panel may already be gone when the frame closes with a
// pop-up open.
void AskToClose(wxWindow& popup, Exit exit) {
    popup.CallAfter([&popup, exit] {
        wxRibbonPanel* folded = FoldedPanelOf(popup);
        if (folded != nullptr && Closes(exit, popup)) (void)folded->HideExpanded();
    });
}

// The pop-ups open now.
std::vector<wxWindow*>& OpenPopUps() {
    static std::vector<wxWindow*> open;
    return open;
}

// Sees every press in the program's windows while a pop-up is open.
class PressWatch final : public wxEventFilter {
public:
    int FilterEvent(wxEvent& event) override {
        const wxEventType type = event.GetEventType();
        // A second press soon after the first on the same spot comes as a double click alone.
        const bool press = type == wxEVT_LEFT_DOWN || type == wxEVT_MIDDLE_DOWN || type == wxEVT_RIGHT_DOWN ||
                           type == wxEVT_LEFT_DCLICK || type == wxEVT_MIDDLE_DCLICK || type == wxEVT_RIGHT_DCLICK;
        if (!press) return Event_Skip;
        auto* pressed = dynamic_cast<wxWindow*>(event.GetEventObject());
        for (wxWindow* popup : OpenPopUps()) {
            if (pressed == nullptr || !popup->IsDescendant(pressed)) AskToClose(*popup, Exit::press_outside);
        }
        return Event_Skip;
    }
};

PressWatch& ThePressWatch() {
    static PressWatch watch;
    return watch;
}

// Connects the handler to the widget's signal unless it is connected already: the same lists
// and list windows come back with every opening.
template <class Handler>
void ConnectOnce(GtkWidget* widget, const char* signal, Handler handler, gpointer data) {
    const auto function = reinterpret_cast<gpointer>(handler);
    if (g_signal_handler_find(widget, G_SIGNAL_MATCH_FUNC, 0, 0, nullptr, function, nullptr) != 0) return;
    g_signal_connect(widget, signal, G_CALLBACK(handler), data);
}

void OnActiveChanged(GtkWindow* window, GParamSpec*, gpointer popup) {
    if (!gtk_window_is_active(window)) AskToClose(*static_cast<wxWindow*>(popup), Exit::focus_gone);
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

// A list of a pop-up opening or closing. A press beside the list closes it and goes no further:
// where it lies outside the pop-up too it is a press outside the pop-up. Nothing else of the
// closing is asked about: the window system gives the pop-up its focus back only some time after,
// and a program asked before that would seem to have none.
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
    wxWindow& popup = *wxGetTopLevelParent(window);
    const auto* press = static_cast<const wxPoint*>(g_object_get_data(G_OBJECT(list), kPressBesideList));
    if (press != nullptr && !popup.GetScreenRect().Contains(*press)) AskToClose(popup, Exit::press_outside);
}

// Watches the lists inside `window` close, once however often they are moved.
void WatchListsClosing(wxWindow& window) {
    GtkWidget* widget = window.GetHandle();
    if (widget != nullptr && GTK_IS_COMBO_BOX(widget)) ConnectOnce(widget, "notify::popup-shown", OnListShownChanged, &window);
    for (wxWindow* child : window.GetChildren()) WatchListsClosing(*child);
}

// Starts watching a pop-up that has just opened, once however many controls it holds.
void WatchPopUp(wxWindow& popup) {
    std::vector<wxWindow*>& open = OpenPopUps();
    if (std::ranges::find(open, &popup) != open.end()) return;
    if (open.empty()) wxEvtHandler::AddFilter(&ThePressWatch());
    open.push_back(&popup);
    popup.Bind(wxEVT_DESTROY, [&popup](wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() != &popup) return;
        g_signal_handlers_disconnect_by_func(popup.GetHandle(), reinterpret_cast<gpointer>(OnActiveChanged), &popup);
        std::vector<wxWindow*>& still_open = OpenPopUps();
        std::erase(still_open, &popup);
        if (still_open.empty()) wxEvtHandler::RemoveFilter(&ThePressWatch());
    });
    popup.Bind(wxEVT_CHAR_HOOK, [&popup](wxKeyEvent& event) {
        if (event.GetKeyCode() != WXK_ESCAPE || event.HasAnyModifiers()) {
            event.Skip();
            return;
        }
        AskToClose(popup, Exit::escape);
    });
    g_signal_connect(popup.GetHandle(), "notify::is-active", G_CALLBACK(OnActiveChanged), &popup);
    // The unfolded panel's own handler, which closes the pop-up as its focus leaves, is passed by.
    for (wxWindow* expanded : popup.GetChildren()) expanded->Bind(wxEVT_KILL_FOCUS, [](wxFocusEvent&) {});
}

}  // namespace

void FollowFoldedPanel(wxWindow& control, const wxRibbonPanel& panel) {
    if (FoldedPanelHolding(&control) != &panel) {
        // Back in the ribbon. A pop-up that closed while it held the focus may leave the main
        // window's containers naming no focused child; they name it again.
        NameFocusedChildAgain(*wxGetTopLevelParent(&control));
        return;
    }
    WatchPopUp(*wxGetTopLevelParent(&control));
    WatchListsClosing(control);
}

void CloseAfterCommand(wxRibbonPanel& folded) {
    wxRibbonPanel* expanded = folded.GetExpandedPanel();
    if (expanded != nullptr && Closes(Exit::command, *wxGetTopLevelParent(expanded))) (void)folded.HideExpanded();
}

}  // namespace varnholt
