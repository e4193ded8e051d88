// shown_tip.h - the tip the toolkit shows while the pointer rests on a control, read off the
// screen's windows as a user reads it, and the desktop's open drop-down list.
#pragma once

#include "gui_wait.h"

#include <gtk/gtk.h>

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
inline std::string ShownTipText() {
    std::string text;
    (void)WaitUntil([&text] {
        GtkWidget* tip = tip_detail::ShownWindow(
            [](GtkWidget* window) { return std::string(G_OBJECT_TYPE_NAME(window)) == "GtkTooltipWindow"; });
        text.clear();
        if (tip != nullptr) tip_detail::CollectLabels(tip, text);
        return !text.empty();
    });
    return text;
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
