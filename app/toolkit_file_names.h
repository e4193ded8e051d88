// toolkit_file_names.h - a file name that the toolkit gives (its file chooser, a drop) as the
// program's own path text, which keeps the file system's bytes whatever the locale.
#pragma once

#include <wx/string.h>

class wxFileDialog;

namespace varnholt {

// A name the toolkit converted by its file-name character set, as a drop gives it.
[[nodiscard]] wxString FileNameFromToolkit(const wxString& name);

// The file chosen in the dialog after it closed with OK. The toolkit's own answer comes empty for
// a name that is not UTF-8: the chooser itself has its bytes.
[[nodiscard]] wxString ChosenFileName(wxFileDialog& dialog);

}  // namespace varnholt
