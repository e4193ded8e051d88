// focus_chain.cpp - naming a window's focused child again, container by container.

#include "app/focus_chain.h"

#include <wx/window.h>

#include <gtk/gtk.h>

namespace varnholt {

void NameFocusedChildAgain(wxWindow& top_level) {
    GtkWidget* window = top_level.GetHandle();
    if (window == nullptr || !GTK_IS_WINDOW(window)) return;
    GtkWidget* child = gtk_window_get_focus(GTK_WINDOW(window));
    for (GtkWidget* parent = child != nullptr ? gtk_widget_get_parent(child) : nullptr; parent != nullptr;
         child = parent, parent = gtk_widget_get_parent(parent)) {
        gtk_container_set_focus_child(GTK_CONTAINER(parent), child);
    }
}

}  // namespace varnholt
