// OptionPage.h - the pages of the options sheet. The sheet builds every page at once, but a
// page's OK stores its settings only when the page was shown at least once: the pages the
// user never looked at keep their settings. A page notices itself when it comes on screen,
// whichever way the user reached it; the sheet marks the page it opens on.
#pragma once

#include <wx/panel.h>

class wxCheckBox;
class wxChoice;
class wxSpinButton;
class wxTextCtrl;

namespace varnholt {

class CMainFrame;

class OptionPage : public wxPanel {
public:
    explicit OptionPage(wxWindow* parent);

    void MarkShown() noexcept { m_shown = true; }
    [[nodiscard]] bool WasShown() const noexcept { return m_shown; }
    // The sheet's OK: the page stores its settings when it was shown.
    void ApplyIfShown() {
        if (m_shown) OnOK();
    }

protected:
    virtual void OnOK() = 0;

private:
    bool m_shown = false;
};

// How durations and quantities are shown; only an XER schedule lets the user change them.
class UnitsPropertyPage final : public OptionPage {
public:
    UnitsPropertyPage(wxWindow* parent, const CMainFrame& frame);
    void OnOK() override;

    // Duration unit, decimals; quantity unit, decimals.
    [[nodiscard]] wxChoice* GetList(int index) const { return m_lists[index]; }
    [[nodiscard]] wxCheckBox* GetDurationLabel() const noexcept { return m_duration_label; }
    [[nodiscard]] wxCheckBox* GetUnitLabel() const noexcept { return m_unit_label; }

private:
    wxChoice* m_lists[4] = {};
    wxCheckBox* m_duration_label = nullptr;
    wxCheckBox* m_unit_label = nullptr;
};

// Whether layouts remember the user's columns, and the reset of the user's layout files.
class LayoutsPropertyPage final : public OptionPage {
public:
    LayoutsPropertyPage(wxWindow* parent, CMainFrame& frame);
    void OnOK() override;
    // Deletes the user's column and filter files at once, whatever the sheet's end.
    void OnResetLayouts();

    [[nodiscard]] wxCheckBox* GetRememberBox() const noexcept { return m_remember; }

private:
    CMainFrame& m_frame;
    wxCheckBox* m_remember = nullptr;
};

// The Gantt chart's grid lines.
class GridlinesPropertyPage final : public OptionPage {
public:
    explicit GridlinesPropertyPage(wxWindow* parent);
    void OnOK() override;

    [[nodiscard]] wxCheckBox* GetVerticalBox() const noexcept { return m_vertical; }
    [[nodiscard]] wxChoice* GetScaleList() const noexcept { return m_scale; }
    [[nodiscard]] wxCheckBox* GetHorizontalBox() const noexcept { return m_horizontal; }
    [[nodiscard]] wxTextCtrl* GetIntervalEdit() const noexcept { return m_interval; }
    [[nodiscard]] wxSpinButton* GetIntervalSpin() const noexcept { return m_spin; }

private:
    void OnVerticalEnabled();
    void OnHorizontalEnabled();

    wxCheckBox* m_vertical = nullptr;
    wxChoice* m_scale = nullptr;
    wxCheckBox* m_horizontal = nullptr;
    wxTextCtrl* m_interval = nullptr;
    wxSpinButton* m_spin = nullptr;
};

// The interface language of the next start.
class LanguagePropertyPage final : public OptionPage {
public:
    explicit LanguagePropertyPage(wxWindow* parent);
    void OnOK() override;

    [[nodiscard]] wxChoice* GetLanguageList() const noexcept { return m_language; }

private:
    wxChoice* m_language = nullptr;
};

}  // namespace varnholt
