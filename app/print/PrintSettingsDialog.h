// PrintSettingsDialog.h - the page settings: a notebook of the options, margins and
// header/footer pages over the frame's print settings. OK (or Enter on any page) writes
// every page into the settings, opened or not, unless the date checks refuse a date still
// being typed; Cancel and Escape write nothing.
#pragma once

#include "shell/print/PrintSettings.h"

#include <wx/dialog.h>

class wxNotebook;

namespace varnholt {

namespace view { class GanttView; }

class PrintHeaderFooterPage;
class PrintMarginsPage;
class PrintOptionsPage;

class PrintSettingsDialog final : public wxDialog {
public:
    // `chart`: the current category's chart, or null.
    PrintSettingsDialog(wxWindow* parent, PrintSettings& settings, const view::GanttView* chart);

    // Checks a date changed and not yet checked; then reads the three pages into the settings
    // in their order and closes with OK. A refused date leaves the dialog open.
    void ApplySettings();

    [[nodiscard]] wxNotebook* GetNotebook() const noexcept { return m_notebook; }
    [[nodiscard]] PrintOptionsPage& GetOptionsPage() const noexcept { return *m_options; }
    [[nodiscard]] PrintMarginsPage& GetMarginsPage() const noexcept { return *m_margins; }

private:
    PrintSettings& m_settings;
    wxNotebook* m_notebook = nullptr;
    // Pages are children of the notebook, owned by the window system.
    PrintOptionsPage* m_options = nullptr;
    PrintMarginsPage* m_margins = nullptr;
    PrintHeaderFooterPage* m_header_footer = nullptr;
};

// The dialog's buttons.
inline constexpr int ID_PRINT_SETTINGS_OK = 1236;
inline constexpr int ID_PRINT_SETTINGS_CANCEL = 1237;

}  // namespace varnholt
