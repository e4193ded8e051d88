// ActivityFiltersDialog.cpp - the filter list with its check boxes, the all/any choice and OK.

#include "app/dialogs/ActivityFiltersDialog.h"

#include "app/CMainFrame.h"
#include "app/dialogs/GroupedList.h"
#include "layouts/Layout.h"
#include "layouts/LayoutStore.h"
#include "layouts/filter_operator.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"
#include "views/core/View.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>

namespace varnholt {
namespace {

// Control ids, shared with the dialog's own resources.
enum : int { kFilterList = 1093, kPassAll = 1266, kPassAny = 1267, kClearAll = 3 };

}  // namespace

ActivityFiltersDialog::ActivityFiltersDialog(CMainFrame& frame)
    : wxDialog(&frame, wxID_ANY, LoadText(IDS_FILTERS_TITLE), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    // Only the activity table has filters to choose.
    const view::View* table = frame.GetCurrentTableView();
    LayoutStore* store = frame.GetLayoutStore();
    const FilterSelection* selection = nullptr;
    if (table != nullptr && table->IsActivityTableView() && store != nullptr) {
        m_layout = store->GetCurrentActivityLayout();
        if (m_layout != nullptr) selection = m_layout->GetFilter();
    }
    if (table != nullptr && store != nullptr) m_items = FilterItems(store->ActivityFilters(), selection);

    m_list = new GroupedList(this, kFilterList,
                             {.multiple = false, .checkable = true, .grid_lines = true,
                              .title = LoadText(IDS_FILTER_COLUMN), .width = 250, .align = wxALIGN_LEFT});
    std::vector<GroupedListEntry> entries;
    // Every filter but the built-in ones is named in a layout file.
    for (const FilterItem& item : m_items) {
        entries.push_back({.text = item.filter->name, .group = item.group, .checked = item.checked,
                           .named_by_file = item.group != kBuiltInFilterGroup});
    }
    m_list->Fill({{kBuiltInFilterGroup, LoadText(IDS_BUILT_IN_FILTERS)}, {kOtherFilterGroup, LoadText(IDS_OTHER_FILTERS)}},
                 entries);

    m_all = new wxRadioButton(this, kPassAll, LoadText(IDS_FILTERS_ALL), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    m_any = new wxRadioButton(this, kPassAny, LoadText(IDS_FILTERS_ANY));
    (selection != nullptr && selection->mode != kMatchAll ? m_any : m_all)->SetValue(true);
    m_clear = new wxButton(this, kClearAll, LoadText(IDS_FILTERS_CLEAR_ALL));
    m_clear->Enable(m_list->AnyChecked());

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(m_list, wxSizerFlags(1).Expand().Border(wxALL, FromDIP(10)));
    all->Add(m_all, wxSizerFlags().Border(wxLEFT | wxRIGHT, FromDIP(10)));
    all->Add(m_any, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, FromDIP(10)));
    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    bottom->Add(m_clear, wxSizerFlags().CenterVertical());
    bottom->AddStretchSpacer();
    wxStdDialogButtonSizer* buttons = CreateStdDialogButtonSizer(wxOK | wxCANCEL);
    buttons->GetAffirmativeButton()->SetLabel(LoadText(IDS_OK));
    buttons->GetCancelButton()->SetLabel(LoadText(IDS_CANCEL));
    bottom->Add(buttons);
    all->Add(bottom, wxSizerFlags().Expand().Border(wxALL, FromDIP(10)));
    SetSizerAndFit(all);
    GiveRoomToNamesFromFiles(*this, {m_list});

    m_list->Bind(wxEVT_DATAVIEW_ITEM_VALUE_CHANGED, [this](wxDataViewEvent& event) {
        m_clear->Enable(m_list->AnyChecked());
        event.Skip();
    });
    m_clear->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ClearAll(); });
    Bind(wxEVT_BUTTON, &ActivityFiltersDialog::OnOk, this, wxID_OK);
}

void ActivityFiltersDialog::ClearAll() {
    for (std::size_t i = 0; i < m_list->EntryCount(); ++i) m_list->SetChecked(i, false);
    m_clear->Enable(m_list->AnyChecked());
}

// Without a current activity layout there is nothing to install the choice into.
void ActivityFiltersDialog::OnOk(wxCommandEvent& event) {
    for (std::size_t i = 0; i < m_items.size(); ++i) m_items[i].checked = m_list->IsChecked(i);
    ApplyFilterChoice(m_layout, m_all->GetValue() ? kMatchAll : kMatchAny, m_items);
    event.Skip();  // the dialog's own handling closes it with OK
}

}  // namespace varnholt
