// LanguagePropertyPage.cpp - the interface language, stored for the next start.

#include "app/options/OptionPage.h"
#include "app/app_services.h"
#include "app/options/option_page_parts.h"
#include "app/registry.h"
#include "shell/options/option_settings.h"
#include "shell/ui_text.h"

#include <wx/sizer.h>

namespace varnholt {
namespace {

// The list's control id, shared with the page's own resources.
constexpr int kLanguageList = 1174;

}  // namespace

LanguagePropertyPage::LanguagePropertyPage(wxWindow* parent) : OptionPage(parent) {
    m_language = NewChoice(this, kLanguageList, {LoadText(IDS_LANGUAGE_ENGLISH), LoadText(IDS_LANGUAGE_FRENCH)}, {});
    // Any code but the two offered leaves the list without a selection.
    if (const std::optional<int> entry = LanguageEntryOf(StoredLanguageCode().ToStdWstring())) m_language->SetSelection(*entry);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(LabelledRow(this, IDS_LANGUAGE_LABEL, m_language), 0, wxEXPAND | wxALL, 8);
    SetSizer(top);
}

void LanguagePropertyPage::OnOK() {
    const std::optional<std::wstring> code = LanguageCodeToWrite(StoredLanguageCode().ToStdWstring(), SelectedText(*m_language));
    if (!code) return;
    if (WriteRegistryString(kProgramKey, kLanguageValue, wxString(*code))) {
        ShowOptionMessage(this, IDS_LANGUAGE_CHANGED, wxICON_INFORMATION);
    } else {
        ShowOptionMessage(this, IDS_LANGUAGE_NOT_SAVED, wxICON_WARNING);
    }
}

}  // namespace varnholt
