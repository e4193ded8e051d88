// clipboard.cpp - the clipboard through the toolkit.

#include "app/clipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

namespace varnholt {

bool CopyTextToClipboard(const std::wstring& text) {
    if (text.empty()) return false;
    wxClipboardLocker locker;
    if (!locker) return false;
    return wxTheClipboard->SetData(new wxTextDataObject(wxString(text)));  // the clipboard owns it
}

}  // namespace varnholt
