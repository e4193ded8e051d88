// toolkit_file_names.cpp - back to the bytes by the toolkit's own file-name conversion, which
// follows the locale where the program's path text does not.

#include "app/toolkit_file_names.h"

#include "platform/path_text.h"

#include <wx/filedlg.h>
#include <wx/strconv.h>

#include <gtk/gtk.h>

namespace varnholt {

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

}  // namespace varnholt
