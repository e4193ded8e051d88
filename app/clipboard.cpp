// clipboard.cpp - a copy handed to GTK's clipboard, offered as the text types it can deliver whole.
//
// One path for every display. The toolkit's clipboard is not used for a copy: on X11 it gives the
// clipboard up before it takes it again, which a compositor bridging X11 to Wayland may not
// survive, and its STRING conversion delivers nothing for text outside ASCII; on Wayland it makes
// several offers for one copy. GTK's own clipboard takes the selection over directly, offering the
// types that X11 or Wayland programs ask for.

#include "app/clipboard.h"

#include <wx/string.h>

#include <gdk/gdk.h>
#include <gdk/gdkwayland.h>
#include <gtk/gtk.h>

#include <memory>
#include <span>
#include <string>

namespace varnholt {
namespace {

// The two encodings a copy is delivered in.
enum TextEncoding : guint { kUtf8, kLatin1 };

// The types a copy offers on X11, each delivering the whole text. STRING is Latin-1 by X11's rules.
// "text/plain" and "TEXT" are never offered: the first means ASCII to GTK and to X11 programs, the
// second lets the owner pick an encoding that many readers then ignore.
const GtkTargetEntry kX11TextTargets[] = {
    {const_cast<gchar*>("UTF8_STRING"), 0, kUtf8},
    {const_cast<gchar*>("text/plain;charset=utf-8"), 0, kUtf8},
    {const_cast<gchar*>("STRING"), 0, kLatin1},
};

// The types a copy offers on Wayland: those of a GTK program's own text copy there, each once.
// GTK offers UTF8_STRING also as "text/plain;charset=utf-8" and STRING also as "text/plain", so
// these four make six. Wayland programs, GTK's included, read every text type as UTF-8.
const GtkTargetEntry kWaylandTextTargets[] = {
    {const_cast<gchar*>("UTF8_STRING"), 0, kUtf8},
    {const_cast<gchar*>("COMPOUND_TEXT"), 0, kUtf8},
    {const_cast<gchar*>("TEXT"), 0, kUtf8},
    {const_cast<gchar*>("STRING"), 0, kUtf8},
};

std::span<const GtkTargetEntry> OfferedTargets() {
    GdkDisplay* display = gdk_display_get_default();
    if (display != nullptr && GDK_IS_WAYLAND_DISPLAY(display)) return kWaylandTextTargets;
    return kX11TextTargets;
}

struct CopiedText {
    std::string utf8;
    std::string latin1;  // each character Latin-1 lacks as one '?'
};

std::string ToLatin1(const std::wstring& text) {
    std::string latin1;
    latin1.reserve(text.size());
    for (const wchar_t c : text) {
        latin1.push_back(static_cast<unsigned long>(c) <= 0xFF ? static_cast<char>(c) : '?');
    }
    return latin1;
}

void HandOver(GtkClipboard*, GtkSelectionData* selection, guint encoding, gpointer copied) {
    const auto& text = *static_cast<const CopiedText*>(copied);
    const std::string& bytes = encoding == kLatin1 ? text.latin1 : text.utf8;
    gtk_selection_data_set(selection, gtk_selection_data_get_target(selection), 8,
                           reinterpret_cast<const guchar*>(bytes.data()),
                           static_cast<gint>(bytes.size()));
}

void Forget(GtkClipboard*, gpointer copied) { delete static_cast<CopiedText*>(copied); }

}  // namespace

bool CopyTextToClipboard(const std::wstring& text) {
    if (text.empty()) return false;
    auto copied =
        std::make_unique<CopiedText>(CopiedText{wxString(text).utf8_string(), ToLatin1(text)});
    // The clipboard owns the text from here and frees it through Forget when it is replaced.
    const std::span<const GtkTargetEntry> targets = OfferedTargets();
    if (!gtk_clipboard_set_with_data(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), targets.data(),
                                     static_cast<guint>(targets.size()), &HandOver, &Forget,
                                     copied.get())) {
        return false;
    }
    (void)copied.release();
    return true;
}

}  // namespace varnholt
