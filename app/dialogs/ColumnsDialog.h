// ColumnsDialog.h - the modal column chooser of a layout's main list or of one of its
// relationship lists: the available columns under their groups, the shown ones in display
// order, and add, remove, up and down buttons that change the layout at once (closing the
// dialog undoes nothing).
#pragma once

#include "shell/column_chooser.h"

#include <wx/dialog.h>

#include <memory>

class wxButton;

namespace varnholt {

class GroupedList;

class ColumnsDialog final : public wxDialog {
public:
    ColumnsDialog(wxWindow* parent, const wxString& title, std::unique_ptr<ColumnList> list);

    // The four buttons' work.
    void AddChosen();
    void RemoveChosen();
    void MoveUp();
    void MoveDown();

    // For the program's tests.
    [[nodiscard]] GroupedList& Available() const { return *m_available; }
    [[nodiscard]] GroupedList& Selected() const { return *m_selected; }
    [[nodiscard]] wxButton& AddButton() const { return *m_add; }
    [[nodiscard]] wxButton& RemoveButton() const { return *m_remove; }
    [[nodiscard]] wxButton& UpButton() const { return *m_up; }
    [[nodiscard]] wxButton& DownButton() const { return *m_down; }
    [[nodiscard]] const ChooserLists& Lists() const noexcept { return m_lists; }
    // Brings the buttons in line with the two lists' choices.
    void UpdateButtons();

private:
    void Refill();
    // Selects the moved item at its new place and shows it.
    void Reselect(std::optional<std::size_t> index);

    std::unique_ptr<ColumnList> m_list;
    ChooserLists m_lists;  // what the two lists show now
    GroupedList* m_available = nullptr;
    GroupedList* m_selected = nullptr;
    wxButton* m_add = nullptr;
    wxButton* m_remove = nullptr;
    wxButton* m_up = nullptr;
    wxButton* m_down = nullptr;
};

}  // namespace varnholt
