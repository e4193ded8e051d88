// CVarnSplitterWnd.cpp - hiding and showing the second pane of a splitter.

#include "app/CVarnSplitterWnd.h"

#include <algorithm>

namespace varnholt {

CVarnSplitterWnd::CVarnSplitterWnd(wxWindow* parent, wxWindowID id)
    : wxSplitterWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxSP_LIVE_UPDATE | wxSP_3DSASH | wxNO_BORDER) {
    SetMinimumPaneSize(0);  // the pane toggles set a pane to nothing
}

void CVarnSplitterWnd::HideColumn() {
    if (!IsSplit()) return;
    wxWindow* second = GetWindow2();
    m_saved_sash = GetSashPosition();
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
    if (IsSplit() || m_hidden == nullptr) return;
    wxWindow* second = m_hidden;
    m_hidden = nullptr;
    second->Show();
    if (GetSplitMode() == wxSPLIT_HORIZONTAL) {
        SplitHorizontally(GetWindow1(), second, m_saved_sash);
    } else {
        SplitVertically(GetWindow1(), second, m_saved_sash);
    }
}

int CVarnSplitterWnd::OnSashPositionChanging(int new_position) {
    const int position = wxSplitterWindow::OnSashPositionChanging(new_position);
    if (position == -1) return position;
    const wxSize size = GetClientSize();
    const int extent = (GetSplitMode() == wxSPLIT_VERTICAL ? size.x : size.y) - GetSashSize();
    return std::clamp(position, 1, std::max(1, extent - 1));
}

void CVarnSplitterWnd::OnDoubleClickSash(int, int) {}

}  // namespace varnholt
