// UnitsPropertyPage.cpp - the units of durations and quantities.

#include "app/CMainFrame.h"
#include "app/options/OptionPage.h"
#include "app/options/option_page_parts.h"
#include "shell/options/option_conversions.h"
#include "shell/options/option_settings.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

namespace varnholt {
namespace {

// Control ids, shared with the page's own resources.
enum : int {
    kDurationUnit = 1101, kDurationDecimals = 1104, kDurationLabel = 1105, kQuantityUnit = 1103,
    kQuantityDecimals = 1107, kQuantityLabel = 1108,
};

// Only an XER schedule's units may be changed; a workbook brings its own.
bool UnitsChangeable(const CMainFrame& frame) {
    const LayoutStore* store = frame.GetLayoutStore();
    return store != nullptr && store->GetDocument() != nullptr && store->GetDocument()->IsXer();
}

}  // namespace

UnitsPropertyPage::UnitsPropertyPage(wxWindow* parent, const CMainFrame& frame) : OptionPage(parent) {
    const UnitsChoice shown = CurrentUnitsChoice();
    auto* top = new wxBoxSizer(wxVERTICAL);
    const struct {
        StringId title;
        const std::wstring& unit;
        const std::wstring& decimals;
        bool label;
        wxCheckBox*& box;
        int ids[3];  // unit, decimals, label
    } groups[] = {{IDS_UNITS_DURATIONS, shown.duration_unit, shown.duration_decimals, shown.duration_label, m_duration_label,
                   {kDurationUnit, kDurationDecimals, kDurationLabel}},
                  {IDS_UNITS_QUANTITIES, shown.unit_unit, shown.unit_decimals, shown.unit_label, m_unit_label,
                   {kQuantityUnit, kQuantityDecimals, kQuantityLabel}}};
    int list = 0;
    for (const auto& group : groups) {
        auto* box = new wxStaticBoxSizer(wxVERTICAL, this, wxString(LoadText(group.title)));
        wxWindow* inside = box->GetStaticBox();
        m_lists[list] = NewChoice(inside, group.ids[0], UnitTimeNames(), group.unit);
        m_lists[list + 1] = NewChoice(inside, group.ids[1], DecimalsTexts(), group.decimals);
        box->Add(LabelledRow(inside, IDS_UNITS_TIME_UNIT, m_lists[list]), 0, wxEXPAND | wxALL, 4);
        box->Add(LabelledRow(inside, IDS_UNITS_DECIMALS, m_lists[list + 1]), 0, wxEXPAND | wxALL, 4);
        group.box = new wxCheckBox(inside, group.ids[2], wxString(LoadText(IDS_UNITS_SHOW_LABEL)));
        group.box->SetValue(group.label);
        box->Add(group.box, 0, wxALL, 4);
        top->Add(box, 0, wxEXPAND | wxALL, 8);
        list += 2;
    }
    SetSizer(top);

    const bool changeable = UnitsChangeable(frame);
    for (wxWindow* control : {static_cast<wxWindow*>(m_lists[0]), static_cast<wxWindow*>(m_lists[1]),
                              static_cast<wxWindow*>(m_lists[2]), static_cast<wxWindow*>(m_lists[3]),
                              static_cast<wxWindow*>(m_duration_label), static_cast<wxWindow*>(m_unit_label)}) {
        control->Enable(changeable);
    }
}

void UnitsPropertyPage::OnOK() {
    // Disabled controls still store what they show.
    UnitsChoice choice;
    choice.duration_unit = m_lists[0]->GetStringSelection().ToStdWstring();
    choice.duration_decimals = m_lists[1]->GetStringSelection().ToStdWstring();
    choice.duration_label = m_duration_label->GetValue();
    choice.unit_unit = m_lists[2]->GetStringSelection().ToStdWstring();
    choice.unit_decimals = m_lists[3]->GetStringSelection().ToStdWstring();
    choice.unit_label = m_unit_label->GetValue();
    (void)StoreUnitsChoice(choice);
}

}  // namespace varnholt
