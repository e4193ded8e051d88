// toolkit_file_names.cpp - back to the bytes by the toolkit's own file-name conversion, which
// follows the locale where the program's path text does not.

#include "app/toolkit_file_names.h"

#include "platform/path_text.h"

#include <wx/strconv.h>

namespace varnholt {

wxString FileNameFromToolkit(const wxString& name) {
    const wxScopedCharBuffer bytes = name.mb_str(*wxConvFileName);
    if (bytes.length() == 0) return name;  // nothing, or nothing the conversion could take
    return WideFromPath(std::string(bytes.data(), bytes.length()));
}

}  // namespace varnholt
