// GridlinesPropertyPage.cpp - the Gantt chart's vertical and horizontal grid lines.

#include "app/options/OptionPage.h"
#include "app/options/option_page_parts.h"
#include "layouts/settings_file.h"
#include "shell/options/option_conversions.h"
#include "shell/options/option_settings.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace varnholt {
namespace {

// Control ids, shared with the page's own resources.
enum : int { kVerticalEnabled = 1107, kVerticalScale = 1188, kHorizontalEnabled = 1190, kIntervalEdit = 1189,
             kIntervalSpin = 1193 };

constexpr int kMinimumInterval = 1;
constexpr int kMaximumInterval = 100;

}  // namespace

GridlinesPropertyPage::GridlinesPropertyPage(wxWindow* parent) : OptionPage(parent) {
    const GridlinesChoice shown = CurrentGridlinesChoice();
    m_vertical = new wxCheckBox(this, kVerticalEnabled, wxString(LoadText(IDS_GRID_VERTICAL)));
    m_vertical->SetValue(shown.vertical_enabled);
    std::vector<std::wstring> scales;
    for (const std::int32_t code : OfferedScaleCodes()) scales.push_back(ScaleName(code));
    // A stored scale the page does not offer leaves the list without a selection.
    m_scale = NewChoice(this, kVerticalScale, scales, shown.vertical_scale.value_or(std::wstring()));
    m_scale->Enable(shown.vertical_enabled);

    m_horizontal = new wxCheckBox(this, kHorizontalEnabled, wxString(LoadText(IDS_GRID_HORIZONTAL)));
    m_horizontal->SetValue(shown.horizontal_enabled);
    m_interval = new wxTextCtrl(this, kIntervalEdit, shown.horizontal_interval, wxDefaultPosition, wxSize(60, -1));
    m_interval->Enable(shown.horizontal_enabled);
    m_spin = new wxSpinButton(this, kIntervalSpin, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL | wxSP_ARROW_KEYS);
    m_spin->SetRange(kMinimumInterval, kMaximumInterval);
    m_spin->SetValue(std::clamp(static_cast<int>(HorizontalIntervalFromText(shown.horizontal_interval)),
                                kMinimumInterval, kMaximumInterval));
    m_spin->Bind(wxEVT_SPIN, [this](wxSpinEvent& event) { m_interval->ChangeValue(wxString::Format("%d", event.GetPosition())); });
    m_interval->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        m_spin->SetValue(static_cast<int>(HorizontalIntervalFromText(m_interval->GetValue().ToStdWstring())));
    });

    m_vertical->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnVerticalEnabled(); });
    m_horizontal->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnHorizontalEnabled(); });

    auto* interval = new wxBoxSizer(wxHORIZONTAL);
    interval->Add(m_interval, 0, wxALIGN_CENTER_VERTICAL);
    interval->Add(m_spin, 0, wxALIGN_CENTER_VERTICAL);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(m_vertical, 0, wxALL, 8);
    top->Add(LabelledRow(this, IDS_GRID_INTERVAL, m_scale), 0, wxEXPAND | wxLEFT | wxRIGHT, 24);
    top->Add(m_horizontal, 0, wxALL, 8);
    auto* every = new wxBoxSizer(wxHORIZONTAL);
    every->Add(new wxStaticText(this, wxID_ANY, wxString(LoadText(IDS_GRID_EVERY))), 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    every->Add(interval, 0, wxALIGN_CENTER_VERTICAL);
    top->Add(every, 0, wxEXPAND | wxLEFT | wxRIGHT, 24);
    SetSizer(top);
}

void GridlinesPropertyPage::OnVerticalEnabled() { m_scale->Enable(m_vertical->GetValue()); }

void GridlinesPropertyPage::OnHorizontalEnabled() { m_interval->Enable(m_horizontal->GetValue()); }

void GridlinesPropertyPage::OnOK() {
    GridlinesChoice choice;
    choice.vertical_scale = SelectedText(*m_scale);
    choice.vertical_enabled = m_vertical->GetValue();
    choice.horizontal_interval = m_interval->GetValue().ToStdWstring();
    choice.horizontal_enabled = m_horizontal->GetValue();
    (void)StoreGridlinesChoice(choice);
}

}  // namespace varnholt
