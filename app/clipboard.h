// clipboard.h - putting a view's text on the system clipboard as Unicode text.
#pragma once

#include <string>

namespace varnholt {

// False, with the clipboard untouched, for an empty text or a clipboard that cannot be opened.
bool CopyTextToClipboard(const std::wstring& text);

}  // namespace varnholt
