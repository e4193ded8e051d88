// PrintSettingsDialog.cpp - the notebook of settings pages and its OK.

#include "app/print/PrintSettingsDialog.h"

#include "app/fixed_ground.h"
#include "app/print/PrintSettingsPages.h"
#include "shell/ui_text.h"

#include <wx/button.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

namespace varnholt {
namespace {

constexpr int kNotebookId = 1250;

}  // namespace

PrintSettingsDialog::PrintSettingsDialog(wxWindow* parent, PrintSettings& settings, const view::GanttView* chart)
    : wxDialog(parent, wxID_ANY, wxString(LoadText(IDS_PRINT_SETTINGS_TITLE))), m_settings(settings) {
    m_notebook = new wxNotebook(this, kNotebookId);
    m_options = new PrintOptionsPage(m_notebook, settings, chart);
    m_margins = new PrintMarginsPage(m_notebook, settings);
    m_header_footer = new PrintHeaderFooterPage(m_notebook, settings);
    m_notebook->AddPage(m_options, wxString(LoadText(IDS_OPTIONS)), true);
    m_notebook->AddPage(m_margins, wxString(LoadText(IDS_PRINT_MARGINS)));
    m_notebook->AddPage(m_header_footer, wxString(LoadText(IDS_PRINT_HEADER_FOOTER)));
    for (wxWindow* page : {static_cast<wxWindow*>(m_options), static_cast<wxWindow*>(m_margins),
                           static_cast<wxWindow*>(m_header_footer)}) {
        WriteLabelsDarkOnWhite(*page);  // the pages are white in every theme
    }

    auto* ok = new wxButton(this, ID_PRINT_SETTINGS_OK, wxString(LoadText(IDS_PRINT_APPLY)));
    auto* cancel = new wxButton(this, ID_PRINT_SETTINGS_CANCEL, wxString(LoadText(IDS_CANCEL)));
    ok->SetDefault();
    SetAffirmativeId(ID_PRINT_SETTINGS_OK);
    SetEscapeId(ID_PRINT_SETTINGS_CANCEL);
    m_options->LeaveChecksPendingOn(*cancel);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ApplySettings(); }, ID_PRINT_SETTINGS_OK);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(ok, 0, wxRIGHT, 6);
    buttons->Add(cancel);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_notebook, 1, wxEXPAND | wxALL, 8);
    sizer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizerAndFit(sizer);
    CentreOnParent();
}

void PrintSettingsDialog::ApplySettings() {
    // A date still being typed is checked now; one the checks refuse keeps the dialog open.
    if (!m_options->CheckChangedDates()) return;
    m_options->Apply(m_settings);
    m_header_footer->Apply(m_settings);
    m_margins->Apply(m_settings);
    if (IsModal()) {
        EndModal(wxID_OK);
    } else {
        SetReturnCode(wxID_OK);
        Hide();
    }
}

}  // namespace varnholt
