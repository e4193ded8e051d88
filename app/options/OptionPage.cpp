// OptionPage.cpp - what the option pages share: labelled rows and the program's messages.

#include "app/options/option_page_parts.h"

#include "shell/open_document.h"

#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace varnholt {

wxSizer* LabelledRow(wxWindow* parent, StringId label, wxWindow* control) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(parent, wxID_ANY, wxString(LoadText(label))), 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    row->Add(control, 0, wxALIGN_CENTER_VERTICAL);
    return row;
}

wxChoice* NewChoice(wxWindow* parent, const std::vector<std::wstring>& entries, const std::wstring& selected) {
    auto* choice = new wxChoice(parent, wxID_ANY, wxDefaultPosition, wxSize(140, -1));
    for (const std::wstring& entry : entries) choice->Append(entry);
    (void)choice->SetStringSelection(selected);
    return choice;
}

std::optional<std::wstring> SelectedText(const wxChoice& choice) {
    if (choice.GetSelection() == wxNOT_FOUND) return std::nullopt;
    return choice.GetStringSelection().ToStdWstring();
}

void ShowOptionMessage(wxWindow* parent, StringId text, long icon) {
    (void)wxMessageBox(wxString(LoadText(text)), wxString(WindowTitle({})), wxOK | icon, parent);
}

}  // namespace varnholt
