// ActivityFiltersDialog.h - the modal choice of the filters the current activity layout
// applies, and whether a row must pass all of them or any one. OK installs a new selection in
// the layout; the filters themselves belong to the layout store and are never changed here.
#pragma once

#include "shell/filter_chooser.h"

#include <wx/dialog.h>

#include <vector>

class wxButton;
class wxRadioButton;

namespace varnholt {

class CMainFrame;
class GroupedList;

class ActivityFiltersDialog final : public wxDialog {
public:
    explicit ActivityFiltersDialog(CMainFrame& frame);

    // For the program's tests.
    [[nodiscard]] GroupedList& FilterList() const { return *m_list; }
    [[nodiscard]] wxRadioButton& PassAll() const { return *m_all; }
    [[nodiscard]] wxRadioButton& PassAny() const { return *m_any; }
    [[nodiscard]] wxButton& ClearAllButton() const { return *m_clear; }
    [[nodiscard]] const std::vector<FilterItem>& Items() const noexcept { return m_items; }

private:
    void OnOk(wxCommandEvent& event);
    void ClearAll();

    view::Layout* m_layout = nullptr;  // the current activity layout; null when there is none
    std::vector<FilterItem> m_items;   // in list order, by name
    GroupedList* m_list = nullptr;
    wxRadioButton* m_all = nullptr;
    wxRadioButton* m_any = nullptr;
    wxButton* m_clear = nullptr;
};

}  // namespace varnholt
