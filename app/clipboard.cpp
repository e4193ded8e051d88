// clipboard.cpp - the clipboard through the toolkit, and through GTK itself on a Wayland display.

#include "app/clipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include <gdk/gdk.h>
#include <gdk/gdkwayland.h>
#include <gtk/gtk.h>

#include <memory>
#include <string>

namespace varnholt {
namespace {

bool OnWaylandDisplay() {
    GdkDisplay* display = gdk_display_get_default();
    return display != nullptr && GDK_IS_WAYLAND_DISPLAY(display);
}

// Every text type other programs ask for, each answered with the same UTF-8 bytes, as Wayland
// programs do: a plain "text/plain" or "STRING" in the locale's or Latin-1's encoding would
// lose every character outside them.
const GtkTargetEntry kTextTargets[] = {
    {const_cast<gchar*>("text/plain;charset=utf-8"), 0, 0}, {const_cast<gchar*>("UTF8_STRING"), 0, 0},
    {const_cast<gchar*>("text/plain"), 0, 0},               {const_cast<gchar*>("TEXT"), 0, 0},
    {const_cast<gchar*>("STRING"), 0, 0},
};

void HandOver(GtkClipboard*, GtkSelectionData* selection, guint, gpointer text) {
    const auto& utf8 = *static_cast<const std::string*>(text);
    gtk_selection_data_set(selection, gtk_selection_data_get_target(selection), 8,
                           reinterpret_cast<const guchar*>(utf8.data()), static_cast<gint>(utf8.size()));
}

void Forget(GtkClipboard*, gpointer text) { delete static_cast<std::string*>(text); }

bool OfferUtf8Text(const std::wstring& text) {
    auto utf8 = std::make_unique<std::string>(wxString(text).utf8_string());
    // The clipboard owns the text from here and frees it through Forget when it is replaced.
    if (!gtk_clipboard_set_with_data(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), kTextTargets,
                                     G_N_ELEMENTS(kTextTargets), &HandOver, &Forget, utf8.get())) {
        return false;
    }
    (void)utf8.release();
    return true;
}

}  // namespace

bool CopyTextToClipboard(const std::wstring& text) {
    if (text.empty()) return false;
    // On Wayland the toolkit's clipboard makes several offers for one copy, and the one that
    // wins may carry no UTF-8 text or nothing at all.
    if (OnWaylandDisplay()) return OfferUtf8Text(text);
    wxClipboardLocker locker;
    if (!locker) return false;
    return wxTheClipboard->SetData(new wxTextDataObject(wxString(text)));  // the clipboard owns it
}

}  // namespace varnholt
