// CalendarSubDialogs.cpp - the time periods and work week dialogs.

#include "app/dialogs/CalendarSubDialogs.h"

#include "app/dialogs/DrawnArea.h"
#include "app/dialogs/dialog_sizes.h"
#include "shell/calendar/calendar_painting.h"
#include "shell/calendar/calendar_texts.h"
#include "shell/ui_text.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cmath>

namespace varnholt {
namespace {

// Control ids, shared with the dialogs' own resources.
enum : int { kHoursPerDay = 1100, kWeekdayGrid = 1176, kDayList = 1184 };

const wxSize kWeekdayGridSize(230, 560);  // at the usual text size

wxSizer* CloseRow(wxWindow* dialog) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->AddStretchSpacer();
    row->Add(new wxButton(dialog, wxID_CANCEL, wxString(LoadText(IDS_CLOSE))), 0, wxALL, 8);
    return row;
}

}  // namespace

CalendarTimePeriodsDlg::CalendarTimePeriodsDlg(wxWindow* parent, const CalendarRecord& calendar)
    : wxDialog(parent, wxID_ANY, wxString(LoadText(IDS_TIME_PERIODS_CAPTION))) {
    auto* grid = new wxFlexGridSizer(2, wxSize(10, 6));
    const StringId labels[] = {IDS_HOURS_PER_DAY, IDS_HOURS_PER_WEEK, IDS_HOURS_PER_MONTH, IDS_HOURS_PER_YEAR};
    const std::vector<std::wstring> texts = TimePeriodTexts(&calendar);
    for (std::size_t index = 0; index < m_edits.size(); ++index) {
        grid->Add(new wxStaticText(this, wxID_ANY, wxString(LoadText(labels[index]))), 0, wxALIGN_CENTER_VERTICAL);
        // Hours per day, week, month and year take four ids in a row.
        m_edits[index] = new wxTextCtrl(this, kHoursPerDay + static_cast<int>(index), texts[index], wxDefaultPosition, wxSize(100, -1),
                                        wxTE_READONLY | wxTE_RIGHT);
        FitFieldToItsText(*m_edits[index]);
        grid->Add(m_edits[index]);
    }
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, 0, wxALL, 12);
    top->Add(CloseRow(this), 0, wxEXPAND);
    SetSizerAndFit(top);
    CentreOnParent();
}

CalendarWorkweekDlg::CalendarWorkweekDlg(wxWindow* parent, const CalendarRecord& calendar)
    : wxDialog(parent, wxID_ANY, wxString(LoadText(IDS_WORK_WEEK_CAPTION))), m_calendar(calendar) {
    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(new wxStaticText(this, wxID_ANY, wxString(LoadText(IDS_WORK_WEEK_DAY))), 0, wxBOTTOM, 4);
    m_days = new wxListBox(this, kDayList, wxDefaultPosition, wxSize(140, -1));
    for (StringId day = IDS_SUNDAY; day <= IDS_SATURDAY; ++day) m_days->Append(wxString(LoadText(day)));
    m_days->SetSelection(0);
    m_days->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { m_grid->Refresh(); });
    left->Add(m_days, 1, wxEXPAND);

    const float scale = DrawnAreaScale(*this, kWeekdayGridSize.y);
    m_grid = new DrawnArea(this, kWeekdayGrid, ScaledSize(kWeekdayGridSize, scale),
                           [this, scale](view::DrawContext& dc, const GridRect& area) {
                               const auto header = static_cast<std::int32_t>(std::lround(kWeekdayGridHeaderHeight * scale));
                               PaintHourGrid(dc, area, header, PeriodsOfWeekday(&m_calendar, ShownWeekday()), scale);
                           });
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(left, 0, wxEXPAND | wxALL, 8);
    columns->Add(m_grid, 0, wxALL, 8);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(columns, 1, wxEXPAND);
    top->Add(CloseRow(this), 0, wxEXPAND);
    SetSizerAndFit(top);
    CentreOnParent();
}

int CalendarWorkweekDlg::ShownWeekday() const {
    const int selection = m_days->GetSelection();
    return selection == wxNOT_FOUND ? 1 : selection + 1;
}

}  // namespace varnholt
