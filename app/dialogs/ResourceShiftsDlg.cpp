// ResourceShiftsDlg.cpp - the shift list and its period table.

#include "app/dialogs/ResourceShiftsDlg.h"

#include "app/focus_marks.h"
#include "shell/ui_text.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace varnholt {
namespace {

// Control ids, shared with the dialog's own resources.
enum : int { kShiftList = 1206, kPeriodTable = 1207 };

constexpr int kPeriodColumnWidth = 120;
const wxSize kShiftListSize(200, 240);

}  // namespace

ResourceShiftsDlg::ResourceShiftsDlg(wxWindow* parent, const document::Document& document)
    : wxDialog(parent, wxID_ANY, wxString(LoadText(IDS_SHIFTS_CAPTION))), m_entries(ListShifts(document)) {
    // A list of one column without a header: unlike the toolkit's list box, it chooses no entry
    // when it takes the focus, so the dialog opens with nothing chosen.
    m_list = new wxListView(this, kShiftList, wxDefaultPosition, kShiftListSize,
                            wxLC_REPORT | wxLC_NO_HEADER | wxLC_SINGLE_SEL);
    m_list->InsertColumn(0, wxString());
    long row = 0;
    for (const ShiftEntry& entry : m_entries) m_list->InsertItem(row++, entry.name);
    m_list->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent&) { OnShiftSelChange(); });
    m_list->Bind(wxEVT_LIST_ITEM_DESELECTED, [this](wxListEvent&) { OnShiftSelChange(); });
    // With nothing chosen, the first arrow key chooses the first shift, as in a list box.
    m_list->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if ((key == WXK_DOWN || key == WXK_UP) && m_list->GetFirstSelected() < 0 && m_list->GetItemCount() > 0) {
            m_list->Focus(0);
            m_list->Select(0);
            return;
        }
        event.Skip();
    });

    m_table = new wxListCtrl(this, kPeriodTable, wxDefaultPosition, wxSize(3 * kPeriodColumnWidth + 8, 240),
                             wxLC_REPORT | wxLC_SINGLE_SEL);
    const StringId titles[] = {IDS_UNIT_SHIFT, IDS_SHIFT_START, IDS_SHIFT_HOURS};
    for (int column = 0; column < 3; ++column) {
        m_table->InsertColumn(column, wxString(LoadText(titles[column])), wxLIST_FORMAT_LEFT, kPeriodColumnWidth);
    }

    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    for (auto [label, control] : {std::pair<StringId, wxWindow*>{IDS_SHIFTS_LIST, m_list},
                                  std::pair<StringId, wxWindow*>{IDS_SHIFTS_PERIODS, m_table}}) {
        auto* column = new wxBoxSizer(wxVERTICAL);
        column->Add(new wxStaticText(this, wxID_ANY, wxString(LoadText(label))), 0, wxBOTTOM, 4);
        column->Add(control, 1, wxEXPAND);
        columns->Add(column, 0, wxEXPAND | wxALL, 8);
    }
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_CANCEL, wxString(LoadText(IDS_CLOSE))), 0, wxALL, 8);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(columns, 1, wxEXPAND);
    top->Add(buttons, 0, wxEXPAND);
    SetSizerAndFit(top);
    m_list->SetColumnWidth(0, m_list->GetClientSize().x);
    // Neither list marks the focus while it has no rows or no current row, as at opening.
    RingFocusedControl(*this, {m_list, m_table});
    CentreOnParent();
    FillPeriodList();
}

void ResourceShiftsDlg::OnShiftSelChange() {
    m_current = nullptr;
    const long selection = m_list->GetFirstSelected();
    // The entry keeps its own record: shifts that share a name each show their own periods.
    if (selection >= 0 && static_cast<std::size_t>(selection) < m_entries.size()) {
        m_current = m_entries[static_cast<std::size_t>(selection)].shift;
    }
    FillPeriodList();
}

void ResourceShiftsDlg::FillPeriodList() {
    m_table->DeleteAllItems();
    long index = 0;
    for (const ShiftPeriodRow& row : ShiftPeriodRows(m_current)) {
        m_table->InsertItem(index, wxString());
        m_table->SetItem(index, 0, row.number);
        m_table->SetItem(index, 1, row.start);
        m_table->SetItem(index, 2, row.hours);
        ++index;
    }
}

}  // namespace varnholt
