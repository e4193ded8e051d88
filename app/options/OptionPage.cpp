// OptionPage.cpp - what the option pages share: noticing that they were shown, labelled rows
// and the program's messages.

#include "app/options/OptionPage.h"
#include "app/options/option_page_parts.h"

#include "shell/open_document.h"

#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace varnholt {

OptionPage::OptionPage(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
    // The book shows a page whenever it becomes the current one: by a click or keys in the page
    // list, or by the program. While the sheet is still being built nobody sees it.
    Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
        if (event.IsShown() && IsShownOnScreen()) MarkShown();
        event.Skip();
    });
}

wxSizer* LabelledRow(wxWindow* parent, StringId label, wxWindow* control) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(parent, wxID_ANY, wxString(LoadText(label))), 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    row->Add(control, 0, wxALIGN_CENTER_VERTICAL);
    return row;
}

wxChoice* NewChoice(wxWindow* parent, wxWindowID id, const std::vector<std::wstring>& entries,
                    const std::wstring& selected) {
    auto* choice = new wxChoice(parent, id, wxDefaultPosition, wxSize(140, -1));
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
