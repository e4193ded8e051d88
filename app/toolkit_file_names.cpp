// toolkit_file_names.cpp - back to the bytes by the toolkit's own file-name conversion, which
// follows the locale where the program's path text does not; the file chooser's types matched
// against the names' bytes.

#include "app/toolkit_file_names.h"

#include "platform/path_text.h"

#include <wx/filedlg.h>
#include <wx/strconv.h>

#include <gtk/gtk.h>

namespace varnholt {
namespace {

// Whether the file's name, each byte that is no part of a UTF-8 character made the replacement
// mark, matches a pattern of `same_patterns`: a copy of the type's own rules, so that the toolkit
// matches them as it matches the names it shows.
gboolean NameMatches(const GtkFileFilterInfo* file, gpointer same_patterns) {
    if (file->filename == nullptr) return FALSE;
    gchar* name = g_path_get_basename(file->filename);
    gchar* marked = g_utf8_make_valid(name, -1);
    GtkFileFilterInfo by_name{};
    by_name.contains = GTK_FILE_FILTER_DISPLAY_NAME;
    by_name.display_name = marked;
    const gboolean matches = gtk_file_filter_filter(static_cast<GtkFileFilter*>(same_patterns), &by_name);
    g_free(marked);
    g_free(name);
    return matches;
}

}  // namespace

wxString FileNameFromToolkit(const wxString& name) {
    const wxScopedCharBuffer bytes = name.mb_str(*wxConvFileName);
    if (bytes.length() == 0) return name;  // nothing, or nothing the conversion could take
    return WideFromPath(std::string(bytes.data(), bytes.length()));
}

wxString ChosenFileName(wxFileDialog& dialog) {
    auto* widget = static_cast<GtkWidget*>(dialog.GetHandle());
    if (widget == nullptr || !GTK_IS_FILE_CHOOSER(widget)) return FileNameFromToolkit(dialog.GetPath());
    gchar* bytes = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(widget));
    if (bytes == nullptr) return {};
    const wxString name = WideFromPath(bytes);
    g_free(bytes);
    return name;
}

void ListNamesInAnyBytes(wxFileDialog& dialog) {
    auto* widget = static_cast<GtkWidget*>(dialog.GetHandle());
    if (widget == nullptr || !GTK_IS_FILE_CHOOSER(widget)) return;
    // The chooser asks its type about each file once, as it reads the folder it was made in: the
    // rule goes in before the event loop runs again.
    GSList* filters = gtk_file_chooser_list_filters(GTK_FILE_CHOOSER(widget));
    for (GSList* item = filters; item != nullptr; item = item->next) {
        GtkFileFilter* filter = GTK_FILE_FILTER(item->data);
        // The copy takes the patterns and file types alone: no rule of code, as the one added here.
        GVariant* rules = g_variant_ref_sink(gtk_file_filter_to_gvariant(filter));
        GtkFileFilter* same_patterns = GTK_FILE_FILTER(g_object_ref_sink(gtk_file_filter_new_from_gvariant(rules)));
        g_variant_unref(rules);
        gtk_file_filter_add_custom(filter, GTK_FILE_FILTER_FILENAME, &NameMatches, same_patterns, g_object_unref);
    }
    g_slist_free(filters);
}

}  // namespace varnholt
