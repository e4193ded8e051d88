// shown_tip.h - the tip the toolkit shows while the pointer rests on a control, read off the
// screen's windows as a user reads it, the hand that brings the pointer there and waits for it,
// and the desktop's open drop-down list.
#pragma once

#include "gui_wait.h"

#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <chrono>
#include <string>

namespace varnholt::testing_gui {

namespace tip_detail {

inline void CollectLabels(GtkWidget* widget, std::string& text) {
    if (GTK_IS_LABEL(widget) && gtk_widget_get_visible(widget)) text += gtk_label_get_text(GTK_LABEL(widget));
    if (GTK_IS_CONTAINER(widget)) {
        gtk_container_forall(GTK_CONTAINER(widget),
                             [](GtkWidget* child, gpointer into) { CollectLabels(child, *static_cast<std::string*>(into)); },
                             &text);
    }
}

// The first shown top-level window that `is_it` accepts; null when none is.
template <class Accept>
GtkWidget* ShownWindow(Accept is_it) {
    GList* windows = gtk_window_list_toplevels();
    GtkWidget* found = nullptr;
    for (GList* window = windows; window != nullptr && found == nullptr; window = window->next) {
        auto* widget = GTK_WIDGET(window->data);
        if (gtk_widget_get_mapped(widget) && is_it(widget)) found = widget;
    }
    g_list_free(windows);
    return found;
}

}  // namespace tip_detail

// The text of the tip on screen, once one shows; empty when none shows within the wait.
inline std::string ShownTipText(std::chrono::milliseconds limit = kWaitLimit) {
    std::string text;
    (void)WaitUntil(
        [&text] {
            GtkWidget* tip = tip_detail::ShownWindow(
                [](GtkWidget* window) { return std::string(G_OBJECT_TYPE_NAME(window)) == "GtkTooltipWindow"; });
            text.clear();
            if (tip != nullptr) tip_detail::CollectLabels(tip, text);
            return !text.empty();
        },
        limit);
    return text;
}

// Brings the pointer to the screen point as a hand does, slowing down on the way.
inline bool BringThePointerTo(wxPoint target) {
    wxUIActionSimulator mouse;
    const wxPoint from = wxGetMousePosition();
    for (const int eighths : {4, 6, 7, 8}) {
        const wxPoint step = from + wxSize((target.x - from.x) * eighths / 8, (target.y - from.y) * eighths / 8);
        mouse.MouseMove(step);
        if (!WaitUntil([step] { return wxGetMousePosition() == step; })) return false;
    }
    return true;
}

// The text of the tip that shows while the pointer rests at the screen point it was brought to;
// empty when none shows within the wait. The toolkit asks for a tip only as the pointer moves: one
// asked for within half a second of the last tip hiding comes sooner, but is dropped, not shown,
// where that half second ends first, as on a busy machine whose program runs its timers late. A
// person who sees no tip stirs the hand, and the toolkit asks anew: the hand here stirs by a pixel
// whenever it has rested for a while with no tip, waiting longer each time, for a machine that
// is slow to show one at all.
inline std::string TipWhileResting(wxPoint point) {
    const auto deadline = std::chrono::steady_clock::now() + kWaitLimit;
    std::chrono::milliseconds patience{1000};
    for (bool stirred = false;; stirred = !stirred) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        std::string text = ShownTipText(std::min(patience, std::max(left, std::chrono::milliseconds(0))));
        if (!text.empty() || std::chrono::steady_clock::now() >= deadline) return text;
        const wxPoint stir = stirred ? point : point + wxSize(1, 0);
        wxUIActionSimulator().MouseMove(stir);
        if (!WaitUntil([stir] { return wxGetMousePosition() == stir; })) return {};
        patience *= 2;
    }
}

// The text of the tip that shows where a hand brings the pointer to rest (a screen point); empty
// when none shows within the wait.
inline std::string TipWhereTheHandRests(wxPoint point) {
    return BringThePointerTo(point) ? TipWhileResting(point) : std::string();
}

// The window of the drop-down list open on screen, once one is; null when none opens within
// the wait.
inline GtkWidget* ShownDropDownList() {
    GtkWidget* list = nullptr;
    (void)WaitUntil([&list] {
        list = tip_detail::ShownWindow([](GtkWidget* window) {
            GtkWidget* child = gtk_bin_get_child(GTK_BIN(window));
            return child != nullptr && GTK_IS_MENU(child);
        });
        return list != nullptr;
    });
    return list;
}

}  // namespace varnholt::testing_gui
