// CVarnSplitterWnd.h - the main window's splitter. Its second pane can be taken out of the
// layout and put back later with the width it had, and the user can never unsplit it by
// double-clicking the sash, nor by dragging it while a minimum pane size is set, so "split"
// always means "second pane shown".
#pragma once

#include <wx/splitter.h>

namespace varnholt {

class CVarnSplitterWnd final : public wxSplitterWindow {
public:
    CVarnSplitterWnd(wxWindow* parent, wxWindowID id);

    // Remembers the sash and hides the second pane, which keeps its content and links. The
    // focus moves to the first pane when the second had it. Only while split.
    void HideColumn();
    // Splits again at the remembered sash, without moving the focus. Only while unsplit.
    void ShowColumn();
    // Shows the second pane with the sash at that position (negative: counted from the far
    // edge), whether it was hidden or not.
    void ShowColumnAt(int sash_position);
    [[nodiscard]] wxWindow* GetHiddenWindow() const noexcept { return m_hidden; }

    // What the user sees of the second pane: its width (height for a horizontal split), 0
    // while it is hidden. A hidden window may still report the size it had.
    [[nodiscard]] int SecondPaneExtent() const;
    // The sash position, or the one remembered while the second pane is hidden.
    [[nodiscard]] int KeptSashPosition() const { return IsSplit() ? GetSashPosition() : m_saved_sash; }

protected:
    // A double click keeps both panes.
    void OnDoubleClickSash(int x, int y) override;

private:
    wxWindow* m_hidden = nullptr;  // a child of this window while hidden
    int m_saved_sash = 0;
};

}  // namespace varnholt
