// FindDialog.cpp - the find window's controls, its restoring and saving, and the find button.

#include "app/dialogs/FindDialog.h"

#include "app/CMainFrame.h"
#include "app/VarnholtView.h"
#include "app/dialogs/choice_list_tips.h"
#include "app/dialogs/dialog_sizes.h"
#include "app/find_events.h"
#include "app/focus_marks.h"
#include "layouts/LayoutStore.h"
#include "shell/find_next.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"
#include "views/core/View.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace varnholt {
namespace {

constexpr int kFieldListWidth = 240;  // the least, in DIPs

}  // namespace

FindDialog::FindDialog(CMainFrame& frame)
    : wxDialog(&frame, wxID_ANY, LoadText(IDS_FIND_TITLE)), m_frame(frame) {
    BuildControls();
    Bind(wxEVT_SHOW, &FindDialog::OnShow, this);
    m_fields->Bind(wxEVT_CHOICE, &FindDialog::OnFieldChosen, this);
    m_value_text->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { m_find->Enable(!m_value_text->IsEmpty()); });
    m_find->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { FindNextMatch(); });
    Bind(wxEVT_BUTTON, &FindDialog::OnCloseButton, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { HideAndReport(); });
    // Filled once before the first showing too, so that the frame centres the dialog at the
    // size it shows with.
    Restore();
}

void FindDialog::BuildControls() {
    auto* grid = new wxFlexGridSizer(2, FromDIP(wxSize(8, 6)));
    grid->AddGrowableCol(1);
    grid->Add(new wxStaticText(this, wxID_ANY, LoadText(IDS_FIND_FIELD)), wxSizerFlags().CenterVertical());
    m_fields = new wxChoice(this, wxID_ANY);
    ShowCutNamesWholeInOpenedList(*m_fields, [this](const wxString& name) { return IsCutShort(name); });
    grid->Add(m_fields, wxSizerFlags().Expand());
    grid->Add(new wxStaticText(this, wxID_ANY, LoadText(IDS_FIND_VALUE)), wxSizerFlags().CenterVertical());
    // The two value editors share one place, as tall as the taller of them: one of them is
    // shown at a time, and the dialog keeps its size when they change places.
    auto* editors = new wxBoxSizer(wxVERTICAL);
    m_value_text = new wxTextCtrl(this, wxID_ANY);
    m_value_list = new wxChoice(this, wxID_ANY);
    editors->SetMinSize(wxSize(-1, std::max(m_value_text->GetBestSize().y, m_value_list->GetBestSize().y)));
    editors->Add(m_value_text, wxSizerFlags(1).Expand());
    editors->Add(m_value_list, wxSizerFlags(1).Expand());
    m_value_list->Hide();
    grid->Add(editors, wxSizerFlags().Expand());

    m_whole_text = new wxCheckBox(this, wxID_ANY, LoadText(IDS_FIND_WHOLE_TEXT));
    m_match_case = new wxCheckBox(this, wxID_ANY, LoadText(IDS_FIND_MATCH_CASE));
    auto* options = new wxBoxSizer(wxVERTICAL);
    options->Add(m_whole_text, wxSizerFlags().Border(wxBOTTOM, FromDIP(4)));
    options->Add(m_match_case);
    auto* direction = new wxStaticBoxSizer(wxHORIZONTAL, this, LoadText(IDS_FIND_DIRECTION));
    m_up = new wxRadioButton(direction->GetStaticBox(), wxID_ANY, LoadText(IDS_FIND_UP), wxDefaultPosition,
                             wxDefaultSize, wxRB_GROUP);
    m_down = new wxRadioButton(direction->GetStaticBox(), wxID_ANY, LoadText(IDS_FIND_DOWN));
    // Room round the buttons for their focus outline: the box's frame takes a pixel more on each
    // side than the sizer leaves it, and would cut through the outline.
    direction->Add(m_up, wxSizerFlags().Border(wxALL, FromDIP(4)));
    direction->Add(m_down, wxSizerFlags().Border(wxALL, FromDIP(4)));
    for (wxWindow* toggle : std::initializer_list<wxWindow*>{m_whole_text, m_match_case, m_up, m_down})
        OutlineFocusPlainly(*toggle);
    auto* choices = new wxBoxSizer(wxHORIZONTAL);
    choices->Add(options, wxSizerFlags(1).CenterVertical());
    choices->Add(direction);

    // The buttons stand in a row under the choices, so that Tab, which follows the order the
    // controls are made in, walks the dialog from its top to its bottom as the user reads it.
    auto* close = new wxButton(this, wxID_CANCEL, LoadText(IDS_FIND_CLOSE));
    m_find = new wxButton(this, wxID_FIND, LoadText(IDS_FIND_NEXT));
    m_find->SetDefault();
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(close, wxSizerFlags().Border(wxRIGHT, FromDIP(6)));
    buttons->Add(m_find);
    SetEscapeId(wxID_CANCEL);

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(grid, wxSizerFlags().Expand().Border(wxLEFT | wxTOP | wxRIGHT, FromDIP(10)));
    all->Add(choices, wxSizerFlags().Expand().Border(wxLEFT | wxTOP | wxRIGHT, FromDIP(10)));
    all->Add(buttons, wxSizerFlags().Right().Border(wxALL, FromDIP(10)));
    SetSizerAndFit(all);
}

bool FindDialog::Destroy() {
    SaveChoices();
    return wxDialog::Destroy();
}

void FindDialog::OnShow(wxShowEvent& event) {
    event.Skip();
    if (event.IsShown()) Restore();
}

void FindDialog::Restore() {
    m_down->SetValue(true);
    m_kind = SearchKindOfView(m_frame.GetCurrentTableView());
    const std::vector<const ColumnDef*> fields = FillFieldList();
    // The keys start where the user's choice does, until a field restored takes them on to its
    // value: a dialog without a focused control has no keys at all, not even Escape.
    m_fields->SetFocus();
    if (!m_kind) return;
    const RestoredFind restored = RestoreFindChoices(m_frame.FindStates(), *m_kind, fields);
    m_whole_text->SetValue(restored.state.whole_text);
    m_match_case->SetValue(restored.state.match_case);
    m_up->SetValue(!restored.state.search_down);
    m_down->SetValue(restored.state.search_down);
    if (!restored.field_index) return;
    m_fields->SetSelection(static_cast<int>(*restored.field_index));
    ShowWholeNameOnHover();
    m_value_kind = fields[*restored.field_index]->value_kind;
    ShowValueEditor(m_value_kind);
}

bool FindDialog::IsCutShort(const wxString& name) const {
    if (m_field_text_room == 0) return false;
    int width = 0;
    m_fields->GetTextExtent(name, &width, nullptr);
    return width > m_field_text_room;
}

void FindDialog::ShowWholeNameOnHover() {
    const wxString chosen = m_fields->GetStringSelection();
    if (IsCutShort(chosen)) {
        m_fields->SetToolTip(chosen);
    } else {
        m_fields->UnsetToolTip();
    }
}

// Every searchable column of the table, known by its id: captions from the file may repeat.
std::vector<const ColumnDef*> FindDialog::FillFieldList() {
    m_fields->Clear();
    const LayoutStore* store = m_frame.GetLayoutStore();
    if (!m_kind || store == nullptr) return {};
    std::vector<const ColumnDef*> columns = SearchableColumns(*m_kind, *store);
    for (const ColumnDef* column : columns) m_fields->Append(column->caption, wxUIntToPtr(column->column_id));
    // Wide enough for the longest caption, so that the chosen field reads whole; names from the
    // file (code types, user fields) widen it only as far as the dialog stays within their bound.
    const int least = FromDIP(kFieldListWidth);
    m_fields->SetMinSize(wxSize(least, -1));
    GetSizer()->SetSizeHints(this);
    m_field_text_room = BoundChoiceWidth(*m_fields, least + RoomForNamesFromFiles(*this));
    if (m_field_text_room == 0) m_fields->SetMinSize(wxSize(std::max(least, m_fields->GetBestSize().x), -1));
    GetSizer()->SetSizeHints(this);
    return columns;
}

void FindDialog::ShowValueEditor(ColumnValueKind kind) {
    m_value_text->Hide();
    m_value_list->Hide();
    if (kind == ColumnValueKind::text) {
        m_value_text->Show();
        m_value_text->ChangeValue(wxString());
        m_value_text->SetFocus();
        m_find->Disable();
        m_whole_text->Enable();
        m_match_case->Enable();
    } else if (IsListValueKind(kind)) {
        m_value_list->Show();
        m_value_list->Clear();
        for (const std::wstring& label : ValueLabels(kind)) m_value_list->Append(label);
        m_value_list->SetSelection(0);
        m_value_list->SetFocus();
        m_find->Enable();
        m_whole_text->Disable();
        m_match_case->Disable();
    }
    Layout();
}

std::optional<std::uint32_t> FindDialog::ChosenColumnId() const {
    const int chosen = m_fields->GetSelection();
    if (chosen == wxNOT_FOUND) return std::nullopt;
    return static_cast<std::uint32_t>(wxPtrToUInt(m_fields->GetClientData(static_cast<unsigned>(chosen))));
}

bool FindDialog::ChooseField(std::uint32_t column_id) {
    for (unsigned i = 0; i < m_fields->GetCount(); ++i) {
        if (wxPtrToUInt(m_fields->GetClientData(i)) != column_id) continue;
        m_fields->SetSelection(static_cast<int>(i));
        wxCommandEvent event(wxEVT_CHOICE, m_fields->GetId());
        event.SetEventObject(m_fields);
        event.SetInt(static_cast<int>(i));
        m_fields->GetEventHandler()->ProcessEvent(event);
        return true;
    }
    return false;
}

void FindDialog::OnFieldChosen(wxCommandEvent&) {
    const std::optional<std::uint32_t> id = ChosenColumnId();
    ShowWholeNameOnHover();
    if (!m_kind || !id) return;
    if (const ColumnDef* column = FindSearchColumn(*m_kind, *id)) {
        m_value_kind = column->value_kind;
        ShowValueEditor(m_value_kind);
    }
}

void FindDialog::FindNextMatch() {
    view::View* table = m_frame.GetCurrentTableView();
    const std::optional<SearchKind> kind = SearchKindOfView(table);
    const std::optional<std::uint32_t> id = ChosenColumnId();
    const ColumnDef* column = kind && id ? FindSearchColumn(*kind, *id) : nullptr;
    if (column != nullptr) {
        FindRequest request;
        request.column_id = static_cast<std::int32_t>(column->column_id);
        request.value_kind = m_value_kind;
        if (m_value_kind == ColumnValueKind::text) {
            request.value = m_value_text->GetValue().ToStdWstring();
        } else if (IsListValueKind(m_value_kind) && m_value_list->GetSelection() != wxNOT_FOUND) {
            request.value = m_value_list->GetStringSelection().ToStdWstring();
        }
        request.match_case = m_match_case->GetValue();
        request.whole_text = m_whole_text->GetValue();
        request.search_down = m_down->GetValue();
        if (FindNext(*table, *kind, request) != nullptr) {
            if (wxWindow* pane = m_frame.GetTablePane()) {
                wxCommandEvent found(EVT_FIND_DIALOG_DID_FIND);
                found.SetEventObject(this);
                pane->GetEventHandler()->ProcessEvent(found);
            }
        } else {
            wxMessageBox(LoadText(IDS_FIND_NO_MATCH), LoadText(IDS_FIND_TITLE), wxOK | wxICON_INFORMATION, &m_frame);
        }
    }
    m_frame.Refresh();
    m_frame.Update();
}

void FindDialog::SaveChoices() {
    if (!m_kind || wxTheApp == nullptr || wxTheApp->GetTopWindow() == nullptr) return;
    SaveFindChoices(m_frame.FindStates(), *m_kind,
                    {ChosenColumnId(), m_whole_text->GetValue(), m_match_case->GetValue(), m_down->GetValue()});
}

void FindDialog::OnCloseButton(wxCommandEvent&) { HideAndReport(); }

// The frame answers the notice by destroying the dialog; queued, so that this handler ends first.
void FindDialog::HideAndReport() {
    Hide();
    wxQueueEvent(&m_frame, new wxCommandEvent(EVT_FIND_DIALOG_DID_CLOSE));
}

}  // namespace varnholt
