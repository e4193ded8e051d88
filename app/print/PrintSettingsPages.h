// PrintSettingsPages.h - the three pages of the print-settings dialog: what to print with the
// chart's date range and the scale, the margins with a page sample, and the header and footer.
// Each page shows the settings when it is made and writes them back only when asked (the
// dialog's OK), so Cancel leaves the record as it was.
#pragma once

#include "shell/print/PrintSettings.h"

#include <wx/panel.h>

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
    // Always false here: the pickers report a change only once their calendar has closed.
    bool start_drop_down_open = false;
    bool end_drop_down_open = false;

private:
    void EnableScaleControls(bool fixed_scale);
    void OnStartChanged();
    void OnEndChanged();
    void ShowError(const std::wstring& text);

    const PrintSettings& m_settings;
    const view::GanttView* m_chart;  // null, or a chart that holds a schedule
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
