// CalendarDlg.h - the read-only calendar dialog: the calendars of the checked kinds, and for
// the chosen one a month grid coloured by working time and a grid of the selected day's
// working half hours. Arrows step the month; a click on a day selects it. From the keyboard the
// month grid is a Tab stop, framed while it holds the focus: Page Up and Page Down step the
// month, the arrow keys move the selected day.
#pragma once

#include "shell/calendar/calendar_grid.h"
#include "shell/calendar/calendar_texts.h"

#include <wx/dialog.h>

#include <vector>

class wxListBox;
class wxRadioButton;
class wxTextCtrl;

namespace varnholt {

class DrawnArea;

namespace document {
class Document;
}

class CalendarDlg final : public wxDialog {
public:
    CalendarDlg(wxWindow* parent, const document::Document& document);

    // Lists the calendars of the checked kinds and chooses the first.
    void FillCalendarList();
    // The list's selection becomes the current calendar, with its name and base name.
    void OnCalendarSelChange();
    // A click in the month grid, in its own pixels.
    void ClickMonthGrid(int x, int y);
    // A key typed in the month grid; true when it is one of the grid's keys.
    bool OnMonthKey(int key);
    void OnTimePeriods();
    void OnWorkweek();

    [[nodiscard]] const CalendarRecord* GetCurrentCalendar() const noexcept { return m_current; }
    [[nodiscard]] const MonthBrowser& GetBrowser() const noexcept { return m_browser; }
    [[nodiscard]] wxListBox* GetCalendarList() const noexcept { return m_list; }
    [[nodiscard]] wxTextCtrl* GetNameEdit() const noexcept { return m_name; }
    [[nodiscard]] wxTextCtrl* GetBaseEdit() const noexcept { return m_base; }
    // Global, resource and project, in this order.
    [[nodiscard]] wxRadioButton* GetKindButton(int kind) const { return m_kinds.at(static_cast<std::size_t>(kind)); }
    [[nodiscard]] DrawnArea* GetMonthArea() const noexcept { return m_month_area; }
    [[nodiscard]] DrawnArea* GetDayArea() const noexcept { return m_day_area; }

private:
    wxSizer* CreateListColumn();
    wxSizer* CreateGridColumn();
    // Makes the list and the name fields wide enough for the longest name, in their own font.
    void WidenForNames();
    void InvalidateGrids();

    const document::Document& m_document;
    const float m_scale;  // of the drawn grids, which grow with the text
    const CalendarRecord* m_current = nullptr;
    MonthBrowser m_browser;
    std::vector<CalendarEntry> m_entries;  // as listed

    std::vector<wxRadioButton*> m_kinds;
    wxListBox* m_list = nullptr;
    wxTextCtrl* m_name = nullptr;
    wxTextCtrl* m_base = nullptr;
    DrawnArea* m_month_area = nullptr;
    DrawnArea* m_day_area = nullptr;
};

}  // namespace varnholt
