// choice_list_tips.cpp - tips on the rows of an opened drop-down list whose names it cuts short.

#include "app/dialogs/choice_list_tips.h"

#include <wx/choice.h>

#include <gtk/gtk.h>

#include <utility>

namespace varnholt {
namespace {

struct ListTips {
    wxChoice& choice;
    std::function<bool(const wxString&)> cut_short;
};

// The list's index of the name a row of the opened list shows; -1 for a row without one.
int IndexOfRow(GtkWidget* row) {
    GtkWidget* view = GTK_IS_BIN(row) ? gtk_bin_get_child(GTK_BIN(row)) : nullptr;
    if (view == nullptr || !GTK_IS_CELL_VIEW(view)) return -1;
    GtkTreePath* path = gtk_cell_view_get_displayed_row(GTK_CELL_VIEW(view));
    if (path == nullptr) return -1;
    const int index = gtk_tree_path_get_depth(path) > 0 ? gtk_tree_path_get_indices(path)[0] : -1;
    gtk_tree_path_free(path);
    return index;
}

// The opened list is a menu of the box's own, one item a name.
void OnListShownChanged(GtkWidget* combo, GParamSpec*, gpointer data) {
    gboolean shown = FALSE;
    g_object_get(combo, "popup-shown", &shown, nullptr);
    AtkObject* accessible = gtk_combo_box_get_popup_accessible(GTK_COMBO_BOX(combo));
    GtkWidget* menu = accessible != nullptr ? gtk_accessible_get_widget(GTK_ACCESSIBLE(accessible)) : nullptr;
    if (!shown || menu == nullptr || !GTK_IS_CONTAINER(menu)) return;
    const auto& tips = *static_cast<const ListTips*>(data);
    GList* rows = gtk_container_get_children(GTK_CONTAINER(menu));
    for (GList* row = rows; row != nullptr; row = row->next) {
        const int index = IndexOfRow(GTK_WIDGET(row->data));
        if (index < 0 || static_cast<unsigned>(index) >= tips.choice.GetCount()) continue;
        const wxString name = tips.choice.GetString(static_cast<unsigned>(index));
        gtk_widget_set_tooltip_text(GTK_WIDGET(row->data), tips.cut_short(name) ? name.utf8_str().data() : nullptr);
    }
    g_list_free(rows);
}

}  // namespace

void ShowCutNamesWholeInOpenedList(wxChoice& choice, std::function<bool(const wxString&)> cut_short) {
    auto* combo = static_cast<GtkWidget*>(choice.GetHandle());
    if (combo == nullptr || !GTK_IS_COMBO_BOX(combo)) return;
    // The watch lives as long as the box's widget does.
    g_signal_connect_data(combo, "notify::popup-shown", G_CALLBACK(OnListShownChanged),
                          new ListTips{choice, std::move(cut_short)},
                          [](gpointer tips, GClosure*) { delete static_cast<ListTips*>(tips); }, GConnectFlags{});
}

}  // namespace varnholt
