// MainFrameTreeCommands.cpp - Expand All and Collapse All of each category's table.

#include "app/CMainFrame.h"

namespace varnholt {

void CMainFrame::OnActivityExpandAll(wxCommandEvent&) { ExpandTable(Category::activities, true); }
void CMainFrame::OnActivityCollapseAll(wxCommandEvent&) { ExpandTable(Category::activities, false); }
void CMainFrame::OnWbsExpandAll(wxCommandEvent&) { ExpandTable(Category::wbs, true); }
void CMainFrame::OnWbsCollapseAll(wxCommandEvent&) { ExpandTable(Category::wbs, false); }
void CMainFrame::OnProjectExpandAll(wxCommandEvent&) { ExpandTable(Category::projects, true); }
void CMainFrame::OnProjectCollapseAll(wxCommandEvent&) { ExpandTable(Category::projects, false); }
void CMainFrame::OnResourceExpandAll(wxCommandEvent&) { ExpandTable(Category::resources, true); }
void CMainFrame::OnResourceCollapseAll(wxCommandEvent&) { ExpandTable(Category::resources, false); }
void CMainFrame::OnObsExpandAll(wxCommandEvent&) { ExpandTable(Category::obs, true); }
void CMainFrame::OnObsCollapseAll(wxCommandEvent&) { ExpandTable(Category::obs, false); }
void CMainFrame::OnRoleExpandAll(wxCommandEvent&) { ExpandTable(Category::roles, true); }
void CMainFrame::OnRoleCollapseAll(wxCommandEvent&) { ExpandTable(Category::roles, false); }

// The repaint of the table pane also brings the details pane's lists up to date.
void CMainFrame::ExpandTable(Category category, bool expand) {
    view::View* table = m_views->Table(category);
    if (!IsDocumentLoaded() || table == nullptr) return;
    if (expand) {
        table->ExpandAll();
    } else {
        table->CollapseAll();
    }
    RedrawNow();
}

}  // namespace varnholt
