// LayoutsPropertyPage.cpp - remembering column changes, and resetting the user's layout files.

#include "app/CMainFrame.h"
#include "app/options/OptionPage.h"
#include "app/options/option_page_parts.h"
#include "layouts/settings_file.h"
#include "platform/user_paths.h"
#include "shell/options/option_settings.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace varnholt {
namespace {

// Control ids, shared with the page's own resources.
enum : int { kRememberChanges = 1165, kResetLayouts = 1166 };

}  // namespace

LayoutsPropertyPage::LayoutsPropertyPage(wxWindow* parent, CMainFrame& frame) : OptionPage(parent), m_frame(frame) {
    m_remember = new wxCheckBox(this, kRememberChanges, wxString(LoadText(IDS_LAYOUTS_REMEMBER)));
    m_remember->SetValue(layout_settings().layout_rememberChanges);
    auto* reset = new wxButton(this, kResetLayouts, wxString(LoadText(IDS_LAYOUTS_RESET)));
    reset->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnResetLayouts(); });
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(m_remember, 0, wxALL, 8);
    top->Add(reset, 0, wxLEFT | wxRIGHT | wxTOP, 8);
    top->Add(new wxStaticText(this, wxID_ANY, wxString(LoadText(IDS_LAYOUTS_RESET_NOTE))), 0, wxALL, 8);
    SetSizer(top);
}

void LayoutsPropertyPage::OnOK() { (void)StoreRememberChanges(m_remember->GetValue()); }

void LayoutsPropertyPage::OnResetLayouts() {
    if (!ResetUserLayoutFolders(CreateUserDataFolders())) {
        ShowOptionMessage(this, IDS_RESET_REFUSED, wxICON_WARNING);
        return;
    }
    // The layouts in memory stay as they are; only what changes from now on is saved at exit.
    if (LayoutStore* store = m_frame.GetLayoutStore()) store->KeepUserFilesAsReset();
}

}  // namespace varnholt
