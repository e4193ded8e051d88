// CalendarSubDialogs.h - the two dialogs the calendar dialog opens for its current calendar:
// the hours of its day, week, month and year, and the working half hours of each weekday of
// its standard week.
#pragma once

#include <wx/dialog.h>

#include <array>

class wxListBox;
class wxTextCtrl;

namespace varnholt {

class CalendarRecord;
class DrawnArea;

class CalendarTimePeriodsDlg final : public wxDialog {
public:
    CalendarTimePeriodsDlg(wxWindow* parent, const CalendarRecord& calendar);

    // Hours per day, week, month and year.
    [[nodiscard]] wxTextCtrl* GetHoursEdit(int index) const { return m_edits.at(static_cast<std::size_t>(index)); }

private:
    std::array<wxTextCtrl*, 4> m_edits{};
};

class CalendarWorkweekDlg final : public wxDialog {
public:
    CalendarWorkweekDlg(wxWindow* parent, const CalendarRecord& calendar);

    [[nodiscard]] wxListBox* GetDayList() const noexcept { return m_days; }
    [[nodiscard]] DrawnArea* GetWeekdayArea() const noexcept { return m_grid; }
    // The weekday shown, 1 = Sunday; 1 while no day is selected.
    [[nodiscard]] int ShownWeekday() const;

private:
    const CalendarRecord& m_calendar;
    wxListBox* m_days = nullptr;
    DrawnArea* m_grid = nullptr;
};

}  // namespace varnholt
