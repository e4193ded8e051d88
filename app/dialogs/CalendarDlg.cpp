// CalendarDlg.cpp - the calendar dialog's controls and how they follow each other.

#include "app/dialogs/CalendarDlg.h"

#include "app/dialogs/CalendarSubDialogs.h"
#include "app/dialogs/DrawnArea.h"
#include "app/dialogs/dialog_sizes.h"
#include "shell/calendar/calendar_painting.h"
#include "shell/ui_text.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <tuple>
#include <utility>

namespace varnholt {
namespace {

// Control ids, shared with the dialog's own resources.
enum : int {
    kCalendarList = 1093, kGlobalKind = 1171, kResourceKind = 1172, kProjectKind = 1173, kNameEdit = 1175,
    kDayGrid = 1176, kMonthGrid = 1177, kTimePeriods = 1178, kWorkWeek = 1179, kBaseEdit = 1180,
    kWorkingSwatch = 1181, kNonWorkingSwatch = 1182, kExceptionSwatch = 1183,
};

constexpr int kListWidth = 220;  // the least: the usual width
constexpr int kListHeight = 200;
// The drawn areas at the usual text size; they grow with the text, as their drawing does.
const wxSize kMonthGridSize(364, 288);
const wxSize kDayGridSize(230, 612);
const wxSize kSwatchSize(16, 16);

wxString Text(StringId id) { return LoadText(id); }

// How many days an arrow key moves the month grid's selected day; 0 for any other key.
int DayStepOf(int key) {
    switch (key) {
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT: return -1;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT: return 1;
    case WXK_UP:
    case WXK_NUMPAD_UP: return -7;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN: return 7;
    default: return 0;
    }
}

}  // namespace

CalendarDlg::CalendarDlg(wxWindow* parent, const document::Document& document)
    : wxDialog(parent, wxID_ANY, Text(IDS_CALENDAR_CAPTION)), m_document(document), m_scale(DrawnAreaScale(*this, kDayGridSize.y)) {
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(CreateListColumn(), 0, wxEXPAND | wxALL, 8);
    WidenForNames();
    columns->Add(CreateGridColumn(), 0, wxALL, 8);
    m_day_area = new DrawnArea(this, kDayGrid, ScaledSize(kDayGridSize, m_scale),
                               [this](view::DrawContext& dc, const GridRect& area) {
                                   // The title rows match the month grid's row height.
                                   const std::int32_t header = m_month_area->GetClientSize().y / 8;
                                   PaintHourGrid(dc, area, header, PeriodsOfDate(m_current, m_browser.Selected()), m_scale);
                               });
    columns->Add(m_day_area, 0, wxALL, 8);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(columns, 1, wxEXPAND);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_CANCEL, Text(IDS_CLOSE)), 0, wxALL, 8);
    top->Add(buttons, 0, wxEXPAND);
    SetSizerAndFit(top);
    CentreOnParent();

    m_kinds.front()->SetValue(true);
    FillCalendarList();
}

wxSizer* CalendarDlg::CreateListColumn() {
    auto* column = new wxBoxSizer(wxVERTICAL);
    auto* kinds = new wxStaticBoxSizer(wxVERTICAL, this, Text(IDS_CALENDAR_TYPE));
    const std::pair<int, StringId> labels[] = {
        {kGlobalKind, IDS_CALENDAR_GLOBAL}, {kResourceKind, IDS_CALENDAR_RESOURCE}, {kProjectKind, IDS_CALENDAR_PROJECT}};
    for (const auto& [id, label] : labels) {
        // The first button opens the group, so that the three exclude each other.
        auto* button = new wxRadioButton(kinds->GetStaticBox(), id, Text(label), wxDefaultPosition,
                                         wxDefaultSize, m_kinds.empty() ? wxRB_GROUP : 0);
        button->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { FillCalendarList(); });
        kinds->Add(button, 0, wxALL, 3);
        m_kinds.push_back(button);
    }
    column->Add(kinds, 0, wxEXPAND | wxBOTTOM, 6);

    m_list = new wxListBox(this, kCalendarList, wxDefaultPosition, wxSize(kListWidth, kListHeight));
    m_list->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { OnCalendarSelChange(); });
    column->Add(m_list, 1, wxEXPAND | wxBOTTOM, 6);

    const std::tuple<int, StringId, wxTextCtrl**> edits[] = {{kNameEdit, IDS_CALENDAR_NAME, &m_name},
                                                             {kBaseEdit, IDS_CALENDAR_BASE, &m_base}};
    for (const auto& [id, label, edit] : edits) {
        column->Add(new wxStaticText(this, wxID_ANY, Text(label)), 0, wxTOP, 4);
        *edit = new wxTextCtrl(this, id, wxString(), wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
        FitFieldToItsText(**edit);
        column->Add(*edit, 0, wxEXPAND | wxTOP, 2);
    }

    auto* periods = new wxButton(this, kTimePeriods, Text(IDS_CALENDAR_TIME_PERIODS));
    periods->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnTimePeriods(); });
    auto* week = new wxButton(this, kWorkWeek, Text(IDS_CALENDAR_WORK_WEEK));
    week->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnWorkweek(); });
    column->Add(periods, 0, wxEXPAND | wxTOP, 10);
    column->Add(week, 0, wxEXPAND | wxTOP, 4);
    return column;
}

wxSizer* CalendarDlg::CreateGridColumn() {
    auto* column = new wxBoxSizer(wxVERTICAL);
    m_month_area = new DrawnArea(this, kMonthGrid, ScaledSize(kMonthGridSize, m_scale),
                                 [this](view::DrawContext& dc, const GridRect& area) {
                                     PaintMonthGrid(dc, m_browser, area, m_current, m_scale);
                                 });
    m_month_area->SetClickHandler([this](int x, int y) { ClickMonthGrid(x, y); });
    m_month_area->SetKeyHandler([this](int key) { return OnMonthKey(key); });
    column->Add(m_month_area, 0);

    auto* legend = new wxBoxSizer(wxHORIZONTAL);
    const std::tuple<int, view::Color, StringId> swatches[] = {
        {kWorkingSwatch, view::Color::White(), IDS_LEGEND_WORKING},
        {kNonWorkingSwatch, kNonWorkingGrey, IDS_LEGEND_NON_WORKING},
        {kExceptionSwatch, kExceptionBlue, IDS_LEGEND_EXCEPTION}};
    for (const auto& [id, color, label] : swatches) {
        legend->Add(new DrawnArea(this, id, ScaledSize(kSwatchSize, m_scale),
                                  [color](view::DrawContext& dc, const GridRect& area) {
                                      PaintLegendSwatch(dc, area, color);
                                  }),
                    0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
        legend->Add(new wxStaticText(this, wxID_ANY, Text(label)), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 14);
    }
    column->Add(legend, 0, wxTOP, 10);
    return column;
}

void CalendarDlg::WidenForNames() {
    // Every kind's names at once, so that the dialog keeps its width when the kind changes; a
    // base calendar is one of them.
    const std::vector<CalendarEntry> every = ListCalendars(m_document, CalendarKinds{true, true, true});
    wxString widest;
    int widest_extent = 0;
    for (const CalendarEntry& entry : every) {
        const int extent = m_list->GetTextExtent(entry.name).x;
        if (extent > widest_extent) {
            widest_extent = extent;
            widest = entry.name;
        }
    }
    // Room for the list's scroll bar and its rows' padding beside the text, as the toolkit
    // reckons a list's best width. A name longer than half the screen scrolls instead.
    const int most = MostWidthForNames(*m_list);
    const int list = widest_extent + 3 * m_list->GetCharWidth() + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_list);
    m_list->SetMinSize(wxSize(std::clamp(list, kListWidth, std::max(kListWidth, most)), kListHeight));
    for (wxTextCtrl* field : {m_name, m_base})
        field->SetMinSize(wxSize(std::min(field->GetSizeFromText(widest).x, most), field->GetMinSize().y));
}

void CalendarDlg::FillCalendarList() {
    m_list->Clear();
    const CalendarKinds kinds{m_kinds[0]->GetValue(), m_kinds[1]->GetValue(), m_kinds[2]->GetValue()};
    m_entries = ListCalendars(m_document, kinds);
    for (const CalendarEntry& entry : m_entries) m_list->Append(entry.name);
    if (!m_entries.empty()) m_list->SetSelection(0);
    OnCalendarSelChange();
    InvalidateGrids();
}

void CalendarDlg::OnCalendarSelChange() {
    m_current = nullptr;
    m_name->Clear();
    m_base->Clear();
    const int selection = m_list->GetSelection();
    if (selection != wxNOT_FOUND && static_cast<std::size_t>(selection) < m_entries.size()) {
        // The entry keeps its own record: calendars that share a name each show themselves.
        const CalendarEntry& entry = m_entries[static_cast<std::size_t>(selection)];
        m_name->ChangeValue(entry.name);
        m_current = entry.calendar;
        m_base->ChangeValue(BaseCalendarName(m_current));
    }
    InvalidateGrids();
}

void CalendarDlg::ClickMonthGrid(int x, int y) {
    if (m_browser.Click(x, y)) InvalidateGrids();
}

bool CalendarDlg::OnMonthKey(int key) {
    // The page keys step the month as calendars do, keeping the day of the month.
    if (key == WXK_PAGEUP || key == WXK_NUMPAD_PAGEUP) {
        m_browser.StepMonthKeepingDay(-1);
    } else if (key == WXK_PAGEDOWN || key == WXK_NUMPAD_PAGEDOWN) {
        m_browser.StepMonthKeepingDay(1);
    } else if (const int days = DayStepOf(key); days != 0) {
        // At the month's edge the key does nothing, and the focus stays in the grid.
        if (!m_browser.SelectDayBy(days)) return true;
    } else {
        return false;
    }
    InvalidateGrids();
    return true;
}

void CalendarDlg::OnTimePeriods() {
    if (m_current == nullptr) return;
    CalendarTimePeriodsDlg dialog(this, *m_current);
    (void)dialog.ShowModal();
}

void CalendarDlg::OnWorkweek() {
    if (m_current == nullptr) return;
    CalendarWorkweekDlg dialog(this, *m_current);
    (void)dialog.ShowModal();
}

void CalendarDlg::InvalidateGrids() {
    m_month_area->Refresh();
    if (m_day_area != nullptr) m_day_area->Refresh();
}

}  // namespace varnholt
