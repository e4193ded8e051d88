// MainFramePaneCommands.cpp - the commands that act on the panes: the Details and Gantt
// toggles, Go to, the chart's relationship lines and copying the table as text.

#include "app/CMainFrame.h"

#include "app/CVarnSplitterWnd.h"
#include "app/VarnholtView.h"
#include "app/clipboard.h"
#include "model/s_date.h"
#include "shell/frame_geometry.h"
#include "shell/go_to_date.h"

namespace varnholt {
namespace {

// A splitter takes 0 as "the middle"; a sash at the very top is one pixel down.
int SashPosition(std::int32_t sash) { return sash > 0 ? sash : 1; }

}  // namespace

// Each toggle takes its pane out of the layout, so that no later resize can bring it back,
// or puts it back at the toggle's size.
void CMainFrame::OnToggleDetails(wxCommandEvent&) {
    if (m_outer->SecondPaneExtent() > 0) {
        m_outer->HideColumn();
        return;
    }
    m_outer->ShowColumnAt(SashPosition(DetailsShownSash(GetClientSize().y)));
}

void CMainFrame::OnToggleGantt(wxCommandEvent&) {
    if (m_views->Gantt(GetActiveCategory()) == nullptr) return;  // the categories without a chart
    if (m_inner->SecondPaneExtent() > 0) {
        m_gantt_closed = true;
        m_inner->HideColumn();
        return;
    }
    m_gantt_closed = false;
    m_inner->ShowColumnAt(kDefaultTablePaneWidth);
}

void CMainFrame::OnGoToActivity(wxCommandEvent&) { GoToSelectedStart(Category::activities); }
void CMainFrame::OnGoToWbs(wxCommandEvent&) { GoToSelectedStart(Category::wbs); }
void CMainFrame::OnGoToProject(wxCommandEvent&) { GoToSelectedStart(Category::projects); }

// Scrolls the chart so that the start of the selected row stands a little in from its left.
void CMainFrame::GoToSelectedStart(Category category) {
    const view::View* table = m_table_pane->GetContentView();
    if (!IsDocumentLoaded() || table == nullptr || table != m_views->Table(category)) return;
    const std::int64_t date = GoToDate(table->GetSelectedRow(), category);
    if (date == 0) return;
    const view::View* chart = m_gantt_pane->GetContentView();
    if (chart != nullptr && chart->IsGanttView()) {
        const float x = static_cast<const view::GanttView*>(chart)->DateToX(s_date::from_seconds(date));
        if (const auto scroll = GoToScrollX(x)) {
            m_gantt_pane->Host().ScrollTo(*scroll, m_gantt_pane->Host().ScrollY());
            m_gantt_pane->Refresh();
        }
    }
    RedrawNow();
}

void CMainFrame::OnRelationshipLines(wxCommandEvent&) {
    view::View* chart = m_gantt_pane->GetContentView();
    if (!IsDocumentLoaded() || chart == nullptr || !chart->IsGanttView()) return;
    auto* gantt = static_cast<view::GanttView*>(chart);
    gantt->SetShowRelationships(!gantt->GetShowRelationships());
    RedrawNow();
}

void CMainFrame::OnCopyTable(wxCommandEvent&) { (void)CopyTable(); }

bool CMainFrame::CopyTable() {
    const view::View* table = m_table_pane->GetContentView();
    return IsDocumentLoaded() && table != nullptr && CopyTextToClipboard(table->GetText());
}

}  // namespace varnholt
