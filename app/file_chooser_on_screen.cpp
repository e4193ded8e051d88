// file_chooser_on_screen.cpp - the toolkit's file chooser kept within the screen it opens on.

#include "app/file_chooser_on_screen.h"

#include <wx/display.h>
#include <wx/filedlg.h>

#include <gtk/gtk.h>

namespace varnholt {

void KeepFileChooserOnScreen(wxFileDialog& dialog, const wxWindow& over) {
    auto* chooser = static_cast<GtkWidget*>(dialog.GetHandle());
    if (chooser == nullptr || !GTK_IS_WINDOW(chooser)) return;
    const wxRect area = wxDisplay(&over).GetClientArea();
    // A limit rather than a size: the toolkit sizes the chooser itself as it maps it, and keeps
    // to the limit then; a chooser that fits already stays as the toolkit makes it.
    GdkGeometry limit{};
    limit.max_width = area.width;
    limit.max_height = area.height;
    gtk_window_set_geometry_hints(GTK_WINDOW(chooser), nullptr, &limit, GDK_HINT_MAX_SIZE);
}

}  // namespace varnholt
