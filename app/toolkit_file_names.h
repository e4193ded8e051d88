// toolkit_file_names.h - a file name that the toolkit gives (its file chooser, a drop) as the
// program's own path text, which keeps the file system's bytes whatever the locale.
#pragma once

#include <wx/string.h>

namespace varnholt {

[[nodiscard]] wxString FileNameFromToolkit(const wxString& name);

}  // namespace varnholt
