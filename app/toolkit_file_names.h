// toolkit_file_names.h - a file name that the toolkit gives (its file chooser, a drop) as the
// program's own path text, which keeps the file system's bytes whatever the locale; and a file
// chooser that lists files by their names' bytes.
#pragma once

#include <wx/string.h>

class wxFileDialog;

namespace varnholt {

// A name the toolkit converted by its file-name character set, as a drop gives it.
[[nodiscard]] wxString FileNameFromToolkit(const wxString& name);

// The file chosen in the dialog after it closed with OK. The toolkit's own answer comes empty for
// a name that is not UTF-8: the chooser itself has its bytes.
[[nodiscard]] wxString ChosenFileName(wxFileDialog& dialog);

// Lets the dialog's file types list a file whose name is not UTF-8. The toolkit matches their
// patterns against the name it shows, which for such a name ends in a note on its encoding, so
// that no pattern matches; each type then also matches its patterns against the name itself, each
// byte that is no part of a UTF-8 character standing as one mark. Call it before the dialog shows.
void ListNamesInAnyBytes(wxFileDialog& dialog);

}  // namespace varnholt
