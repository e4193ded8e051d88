// ResourceShiftsDlg.h - the read-only list of the schedule's shifts and, for the chosen one,
// a table of its periods: number, start and whole hours. Nothing is chosen at opening, and
// the list taking the focus chooses nothing either: only the user's pick does.
#pragma once

#include "shell/calendar/calendar_texts.h"

#include <wx/dialog.h>

#include <vector>

class wxListCtrl;
class wxListView;

namespace varnholt {

class ResourceShiftsDlg final : public wxDialog {
public:
    ResourceShiftsDlg(wxWindow* parent, const document::Document& document);

    // The list's selection becomes the current shift and the table shows its periods.
    void OnShiftSelChange();

    [[nodiscard]] const ShiftRecord* GetCurrentShift() const noexcept { return m_current; }
    [[nodiscard]] wxListView* GetShiftList() const noexcept { return m_list; }
    [[nodiscard]] wxListCtrl* GetPeriodTable() const noexcept { return m_table; }

private:
    void FillPeriodList();

    const ShiftRecord* m_current = nullptr;
    std::vector<ShiftEntry> m_entries;  // as listed
    wxListView* m_list = nullptr;
    wxListCtrl* m_table = nullptr;
};

}  // namespace varnholt
