// ColumnsDialog.cpp - the column chooser's window over the chooser model.

#include "app/dialogs/ColumnsDialog.h"

#include "app/dialogs/GroupedList.h"
#include "app/dialogs/arrow_glyphs.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace varnholt {
namespace {

// Control ids, shared with the dialog's own resources.
enum : int {
    kAvailableList = 1271, kSelectedList = 1272, kAddButton = 1097, kRemoveButton = 1098, kUpButton = 1099,
    kDownButton = 1100,
};

// An arrow button, with a pale arrow of its own while it cannot be used.
wxButton* ArrowButton(wxWindow* parent, int id, ArrowDirection direction, StringId tooltip) {
    auto* button = new wxButton(parent, id, wxString(), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    button->SetBitmap(ArrowGlyph(direction));
    button->SetBitmapDisabled(FadedArrowGlyph(direction));
    button->SetToolTip(LoadText(tooltip));
    button->SetMinSize(parent->FromDIP(wxSize(36, 30)));
    return button;
}

wxBoxSizer* Titled(wxWindow* parent, StringId title, wxWindow* list) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(parent, wxID_ANY, LoadText(title)), wxSizerFlags().Border(wxBOTTOM, 4));
    column->Add(list, wxSizerFlags(1).Expand());
    return column;
}

// The list entries of chooser items, under the items' groups.
std::vector<GroupedListEntry> Entries(const std::vector<ChooserItem>& items) {
    std::vector<GroupedListEntry> entries;
    for (const ChooserItem& item : items) {
        entries.push_back({.text = item.caption, .group = static_cast<std::int32_t>(item.group), .checked = false,
                           .named_by_file = item.named_by_file});
    }
    return entries;
}

}  // namespace

ColumnsDialog::ColumnsDialog(wxWindow* parent, const wxString& title, std::unique_ptr<ColumnList> list)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_list(std::move(list)) {
    // Created in the order they stand on screen, which is the order Tab visits them in. One
    // centred column in each list; grid lines in the available one.
    m_available = new GroupedList(this, kAvailableList,
                                  {.multiple = true, .checkable = false, .grid_lines = true, .title = {}, .width = 200,
                                   .align = wxALIGN_CENTER});
    m_add = ArrowButton(this, kAddButton, ArrowDirection::right, IDS_COLUMNS_ADD);
    m_remove = ArrowButton(this, kRemoveButton, ArrowDirection::left, IDS_COLUMNS_REMOVE);
    m_selected = new GroupedList(this, kSelectedList,
                                 {.multiple = true, .checkable = false, .grid_lines = false, .title = {}, .width = 220,
                                  .align = wxALIGN_CENTER});
    m_up = ArrowButton(this, kUpButton, ArrowDirection::up, IDS_COLUMNS_UP);
    m_down = ArrowButton(this, kDownButton, ArrowDirection::down, IDS_COLUMNS_DOWN);
    // Filled before the layout, which then gives each list the width of its longest text; the
    // shown list makes room for every column that may be added to it.
    Refill();
    m_selected->MakeRoomFor(Entries(m_lists.available));

    auto* middle = new wxBoxSizer(wxVERTICAL);
    middle->AddStretchSpacer();
    middle->Add(m_add, wxSizerFlags().Border(wxBOTTOM, FromDIP(6)));
    middle->Add(m_remove);
    middle->AddStretchSpacer();
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->AddStretchSpacer();
    right->Add(m_up, wxSizerFlags().Border(wxBOTTOM, FromDIP(6)));
    right->Add(m_down);
    right->AddStretchSpacer();
    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(Titled(this, IDS_COLUMNS_AVAILABLE, m_available), wxSizerFlags(1).Expand());
    lists->Add(middle, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, FromDIP(8)));
    lists->Add(Titled(this, IDS_COLUMNS_SELECTED, m_selected), wxSizerFlags(1).Expand());
    lists->Add(right, wxSizerFlags().Expand().Border(wxLEFT, FromDIP(8)));

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(lists, wxSizerFlags(1).Expand().Border(wxALL, FromDIP(10)));
    wxStdDialogButtonSizer* buttons = CreateStdDialogButtonSizer(wxOK | wxCANCEL);
    buttons->GetAffirmativeButton()->SetLabel(LoadText(IDS_OK));
    buttons->GetCancelButton()->SetLabel(LoadText(IDS_CANCEL));
    all->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(10)));
    SetSizerAndFit(all);
    GiveRoomToNamesFromFiles(*this, {m_available, m_selected});

    m_add->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AddChosen(); });
    m_remove->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RemoveChosen(); });
    m_up->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MoveUp(); });
    m_down->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MoveDown(); });
    for (GroupedList* list : {m_available, m_selected}) {
        list->Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, [this](wxDataViewEvent& event) {
            event.Skip();
            // The list drops a chosen heading in its own handler, which may run after this one.
            CallAfter([this] { UpdateButtons(); });
            UpdateButtons();
        });
    }
}

void ColumnsDialog::Refill() {
    m_lists = FillChooserLists(*m_list);
    std::vector<GroupedListGroup> groups;
    for (const ChooserGroup& group : m_lists.groups) {
        groups.push_back({static_cast<std::int32_t>(group.group), group.caption});
    }
    m_available->Fill(groups, Entries(m_lists.available));
    std::vector<GroupedListEntry> selected = Entries(m_lists.selected);
    for (GroupedListEntry& entry : selected) entry.group = 0;  // no headings in the shown list
    m_selected->Fill({}, selected);
    UpdateButtons();
}

void ColumnsDialog::UpdateButtons() {
    wxWindow* focused = FindFocus();
    m_add->Enable(!m_available->ChosenEntries().empty());
    const std::vector<std::size_t> chosen = m_selected->ChosenEntries();
    const SelectedButtons states = SelectedButtonStates(m_lists.selected.size(), chosen);
    m_remove->Enable(states.remove);
    m_up->Enable(states.up);
    m_down->Enable(states.down);
    // The toolkit leaves the keyboard nowhere when it disables the focused button, as Add and
    // Remove pressed from the keyboard do: the list the button took its columns from takes it.
    // Up and Down already hand it to the list with the moved column.
    if (focused == m_add && !m_add->IsEnabled()) m_available->SetFocus();
    if (focused == m_remove && !m_remove->IsEnabled()) m_selected->SetFocus();
}

void ColumnsDialog::AddChosen() {
    AddColumns(*m_list, m_lists, m_available->ChosenEntries());
    Refill();
}

void ColumnsDialog::RemoveChosen() {
    RemoveColumns(*m_list, m_lists, m_selected->ChosenEntries());
    Refill();
}

void ColumnsDialog::MoveUp() {
    const std::vector<std::size_t> chosen = m_selected->ChosenEntries();
    if (chosen.empty()) return;
    Reselect(MoveColumnUp(*m_list, m_lists, chosen.front()));
}

void ColumnsDialog::MoveDown() {
    const std::vector<std::size_t> chosen = m_selected->ChosenEntries();
    if (chosen.empty()) return;
    Reselect(MoveColumnDown(*m_list, m_lists, chosen.front()));
}

void ColumnsDialog::Reselect(std::optional<std::size_t> index) {
    if (!index) return;
    Refill();
    m_selected->ChooseEntry(*index);
    UpdateButtons();
}

}  // namespace varnholt
