// option_page_parts.h - small pieces the option pages build themselves from.
#pragma once

#include "shell/ui_text.h"

#include <wx/choice.h>

#include <optional>
#include <string>
#include <vector>

class wxSizer;

namespace varnholt {

// A label with its control on the right.
[[nodiscard]] wxSizer* LabelledRow(wxWindow* parent, StringId label, wxWindow* control);
// A drop-down list of the entries with `selected` chosen when it is one of them.
[[nodiscard]] wxChoice* NewChoice(wxWindow* parent, wxWindowID id, const std::vector<std::wstring>& entries,
                                  const std::wstring& selected);
// The chosen entry's text; none without a selection.
[[nodiscard]] std::optional<std::wstring> SelectedText(const wxChoice& choice);
// A message box of the program over the page.
void ShowOptionMessage(wxWindow* parent, StringId text, long icon);

}  // namespace varnholt
