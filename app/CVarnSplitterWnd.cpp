// CVarnSplitterWnd.cpp - hiding and showing the second pane of a splitter.

#include "app/CVarnSplitterWnd.h"

#include <algorithm>
#include <climits>

namespace varnholt {

CVarnSplitterWnd::CVarnSplitterWnd(wxWindow* parent, wxWindowID id)
    : wxSplitterWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxSP_LIVE_UPDATE | wxSP_3DSASH | wxNO_BORDER) {}

void CVarnSplitterWnd::HideColumn() {
    if (!IsSplit()) return;
    wxWindow* second = GetWindow2();
    // Before its first layout the splitter still holds the position it was asked for.
    m_saved_sash = m_requestedSashPosition != INT_MAX ? m_requestedSashPosition : GetSashPosition();
    for (const wxWindow* focus = FindFocus(); focus != nullptr; focus = focus->GetParent()) {
        if (focus == second) {
            GetWindow1()->SetFocus();
            break;
        }
    }
    m_hidden = second;
    Unsplit(second);  // hides it, keeps it
}

void CVarnSplitterWnd::ShowColumn() {
    if (!IsSplit()) ShowColumnAt(m_saved_sash);
}

void CVarnSplitterWnd::ShowColumnAt(int sash_position) {
    if (IsSplit()) {
        SetSashPosition(sash_position);
        return;
    }
    if (m_hidden == nullptr) return;
    wxWindow* second = m_hidden;
    m_hidden = nullptr;
    second->Show();
    if (GetSplitMode() == wxSPLIT_HORIZONTAL) {
        SplitHorizontally(GetWindow1(), second, sash_position);
    } else {
        SplitVertically(GetWindow1(), second, sash_position);
    }
}

int CVarnSplitterWnd::SecondPaneExtent() const {
    const wxWindow* second = GetWindow2();
    if (!IsSplit() || second == nullptr || !second->IsShown()) return 0;
    const wxSize size = second->GetClientSize();
    return std::max(GetSplitMode() == wxSPLIT_VERTICAL ? size.x : size.y, 0);
}

void CVarnSplitterWnd::OnDoubleClickSash(int, int) {}

}  // namespace varnholt
