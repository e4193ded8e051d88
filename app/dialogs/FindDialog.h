// FindDialog.h - the modeless find window of the four record tables. The user picks a field of
// the table's columns, types a text or picks a label, and each press of the find button selects
// the next matching row, opening collapsed rows on the way, and tells the table pane to scroll
// to it. The choices are kept per table kind in the frame's find states.
//
// The frame owns the pointer and destroys the dialog; the dialog saves its choices when asked
// to go (Destroy), because the deferred destruction of wxWidgets may run after the frame.
#pragma once

#include "columns/column_codes.h"
#include "shell/find_fields.h"

#include <wx/dialog.h>

#include <optional>
#include <vector>

class wxButton;
class wxCheckBox;
class wxChoice;
class wxRadioButton;
class wxShowEvent;
class wxTextCtrl;

namespace varnholt {

class CMainFrame;

class FindDialog final : public wxDialog {
public:
    explicit FindDialog(CMainFrame& frame);

    // Saves the choices into the frame's find state of the table kind, then goes.
    bool Destroy() override;

    // What the find button does: the next match selected and shown, or the message that there
    // is none; the frame is redrawn either way.
    void FindNextMatch();
    // The choices into the frame's find state of the table kind shown last.
    void SaveChoices();

    // The controls, for the program's tests.
    [[nodiscard]] wxChoice& FieldList() const { return *m_fields; }
    [[nodiscard]] wxTextCtrl& ValueText() const { return *m_value_text; }
    [[nodiscard]] wxChoice& ValueList() const { return *m_value_list; }
    [[nodiscard]] wxCheckBox& WholeText() const { return *m_whole_text; }
    [[nodiscard]] wxCheckBox& MatchCase() const { return *m_match_case; }
    [[nodiscard]] wxRadioButton& SearchUp() const { return *m_up; }
    [[nodiscard]] wxRadioButton& SearchDown() const { return *m_down; }
    [[nodiscard]] wxButton& FindButton() const { return *m_find; }
    // Chooses the field list's item of the column, as the user would; false when none has it.
    bool ChooseField(std::uint32_t column_id);

private:
    void BuildControls();
    void Restore();
    // Lists the columns of the kind shown (m_kind) and answers them in list order.
    std::vector<const ColumnDef*> FillFieldList();
    void ShowValueEditor(ColumnValueKind kind);
    // Whether the field list shows the name ending in "…", its face and its opened list alike.
    [[nodiscard]] bool IsCutShort(const wxString& name) const;
    // The chosen field's name, where it ends in "…", whole in a tip.
    void ShowWholeNameOnHover();
    [[nodiscard]] std::optional<std::uint32_t> ChosenColumnId() const;
    void OnShow(wxShowEvent& event);
    void OnFieldChosen(wxCommandEvent& event);
    void OnCloseButton(wxCommandEvent& event);
    void HideAndReport();

    CMainFrame& m_frame;
    std::optional<SearchKind> m_kind;  // set each time the dialog is shown
    ColumnValueKind m_value_kind = ColumnValueKind::text;

    wxChoice* m_fields = nullptr;  // each item's client data is its column id
    int m_field_text_room = 0;     // the widest name it shows whole; 0: every name
    wxTextCtrl* m_value_text = nullptr;
    wxChoice* m_value_list = nullptr;
    wxCheckBox* m_whole_text = nullptr;
    wxCheckBox* m_match_case = nullptr;
    wxRadioButton* m_up = nullptr;
    wxRadioButton* m_down = nullptr;
    wxButton* m_find = nullptr;
};

}  // namespace varnholt
