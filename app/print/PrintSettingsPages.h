// PrintSettingsPages.h - the three pages of the print-settings dialog: what to print with the
// chart's date range and the scale, the margins with a page sample, and the header and footer.
// Each page shows the settings when it is made and writes them back only when asked (the
// dialog's OK), so Cancel leaves the record as it was.
#pragma once

#include "shell/print/PrintSettings.h"
#include "shell/string_ids.h"

#include <wx/panel.h>

#include <optional>
#include <string>

class wxCheckBox;
class wxDatePickerCtrl;
class wxRadioButton;
class wxSpinButton;
class wxTextCtrl;
class wxTimePickerCtrl;

namespace varnholt {

namespace view { class GanttView; }

// A number edit with its spin button beside it; free typing, one step per click.
struct SpinEdit {
    wxTextCtrl* edit = nullptr;
    wxSpinButton* spin = nullptr;
    void Enable(bool on);
};

class PrintOptionsPage final : public wxPanel {
public:
    // Clamps the settings' date range to the chart (kept even when the dialog is cancelled)
    // when `chart` shows a schedule.
    PrintOptionsPage(wxWindow* parent, PrintSettings& settings, const view::GanttView* chart);
    void Apply(PrintSettings& settings) const;
    // Runs the checks of a date changed since they last ran, such as one typed into a field
    // the user has not left yet. False when a check refused a date and put the stored one back.
    bool CheckChangedDates();
    // Focus on the control (the dialog's Cancel, which a press focuses before its release
    // closes the dialog) runs no checks; they run once the focus moves on from it within the
    // dialog.
    void LeaveChecksPendingOn(wxWindow& control);

    wxDatePickerCtrl* start_day = nullptr;
    wxTimePickerCtrl* start_time = nullptr;
    wxDatePickerCtrl* end_day = nullptr;
    wxTimePickerCtrl* end_time = nullptr;
    wxCheckBox* print_table = nullptr;
    wxCheckBox* all_columns = nullptr;
    wxCheckBox* print_gantt = nullptr;
    wxRadioButton* use_scale = nullptr;
    wxRadioButton* fit_to_pages = nullptr;
    SpinEdit scale, pages_wide, pages_tall;
    // True while a picker's drop-down calendar is open.
    bool start_drop_down_open = false;
    bool end_drop_down_open = false;

private:
    using Check = bool (PrintOptionsPage::*)();

    void EnableScaleControls(bool fixed_scale);
    // A date field is a day picker with the time beside it. The pickers report every step of
    // a change: each keystroke that forms a date, each day browsed in the calendar. The
    // field's checks wait until the user is done: the focus leaves the field, the calendar
    // closes, or the dialog's OK.
    void WatchField(wxDatePickerCtrl* day, wxTimePickerCtrl* time, bool& drop_down_open, bool& changed, Check check);
    void CheckFieldsLeft();
    bool CheckStart();
    bool CheckEnd();
    // Shows the message of a check that refused the picked date (those about the chart name
    // its first or last date) and shows the stored date again; false when it did.
    bool PutBackIfRefused(std::optional<StringId> refusal, const s_date& chart_bound, const s_date& stored,
                          wxDatePickerCtrl& day, wxTimePickerCtrl& time);
    void ShowError(const std::wstring& text);

    const PrintSettings& m_settings;
    const view::GanttView* m_chart;  // null, or a chart that holds a schedule
    bool m_start_changed = false;    // since the start field's checks last ran
    bool m_end_changed = false;
    const wxWindow* m_leaves_unchecked = nullptr;
};

class PrintMarginsPage final : public wxPanel {
public:
    PrintMarginsPage(wxWindow* parent, const PrintSettings& settings);
    void Apply(PrintSettings& settings) const;

    SpinEdit top, bottom, left, right;

private:
    void OnPaint(wxPaintEvent& event);

    const PrintSettings& m_settings;
};

class PrintHeaderFooterPage final : public wxPanel {
public:
    PrintHeaderFooterPage(wxWindow* parent, const PrintSettings& settings);
    void Apply(PrintSettings& settings) const;

    wxCheckBox* header = nullptr;
    wxCheckBox* footer = nullptr;
};

}  // namespace varnholt
