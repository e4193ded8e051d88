// MainRibbon.h - the main window's ribbon: the File tab and the six category pages with their
// panels and controls. Every control carries its command id; a click, a choice or a slider
// move reaches the top-level window as a menu command of that id (its int holds the toggle
// state, the chosen index or the slider position), and enable and check states come back from
// the window's update-UI handlers only.
#pragma once

#include <wx/gdicmn.h>
#include <wx/ribbon/bar.h>
#include <wx/string.h>

class wxWindow;

namespace varnholt {

// The toolkit's bar with two additions: where a tab lies, and a look at the pointer after a
// command. A command may run a dialog, and the pointer may leave a panel while the dialog holds
// the input without the panel being told, so it would go on looking hovered.
class MainRibbonBar final : public wxRibbonBar {
public:
    using wxRibbonBar::wxRibbonBar;

    // The tab of a page, in the bar's coordinates; empty for an unknown page.
    [[nodiscard]] wxRect GetTabRect(int page) const;

    // Every panel and button bar that believes the pointer is over it, and is wrong, stops
    // looking hovered.
    void ForgetStaleHover();

    // The least width that shows every tab's label whole beside the help button; with large
    // text it is more than the frame's least.
    [[nodiscard]] int GetLeastWholeTabsWidth() const;

    // Shows or hides the band below the tabs (the File page hides it), and has the parent lay
    // itself out again. Shown again, the panels fold as they do at the bar's width from the start.
    void ShowBand(bool show);

    // Measures the pages and panels again, once every folded panel's pop-up has closed.
    bool Realize() override;
};

// The ribbon, a child window of `parent`, realised and showing its first category. The File
// tab (page 0) holds no panels: while it is current the frame hides the band below the tabs
// and shows its File page in place of the panes.
[[nodiscard]] MainRibbonBar* CreateMainRibbon(wxWindow* parent);

// Gives the File tab a new text, after a language or style change.
void SetFileTabText(wxRibbonBar* bar, const wxString& text);

}  // namespace varnholt
