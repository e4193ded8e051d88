// MainFrameCommands.cpp - the ribbon's command table: which handler each command id reaches,
// and the one update handler that asks the command rules for every id's enabled and pressed
// state from a description of the frame.

#include "app/CMainFrame.h"

#include "app/CVarnSplitterWnd.h"
#include "app/VarnholtView.h"
#include "app/ribbon/FoldedPanels.h"
#include "app/ribbon/MainRibbon.h"
#include "layouts/FilterSelection.h"
#include "layouts/Layout.h"
#include "shell/command_ids.h"
#include "shell/command_rules.h"

namespace varnholt {
namespace {

using Handler = void (CMainFrame::*)(wxCommandEvent&);

struct CommandBinding {
    int first_id;
    int last_id;
    Handler handler;
};

// The Calendar buttons bound as ranges are numbered one after the other.
static_assert(IDC_BUTTON_PROJ_CALENDAR == IDC_BUTTON_WBS_CALENDAR + 1 && IDC_BUTTON_RES_CALENDAR == IDC_BUTTON_WBS_CALENDAR + 2);
static_assert(IDC_BUTTON_ROL_CALENDAR == IDC_BUTTON_OBS_CALENDAR + 1);

}  // namespace

void CMainFrame::BindRibbonCommands() {
    const CommandBinding table[] = {
        {IDC_COMBO_ACTIVITY_LAYOUT, IDC_COMBO_ACTIVITY_LAYOUT, &CMainFrame::OnActivityLayoutChange},
        {IDC_COMBO_WBS_LAYOUT, IDC_COMBO_WBS_LAYOUT, &CMainFrame::OnWbsLayoutChange},
        {IDC_COMBO_PROJ_LAYOUT, IDC_COMBO_PROJ_LAYOUT, &CMainFrame::OnProjectLayoutChange},
        {IDC_COMBO_RES_LAYOUT, IDC_COMBO_RES_LAYOUT, &CMainFrame::OnResourceLayoutChange},
        {IDC_BUTTON_ACT_DETAILS, IDC_BUTTON_ACT_DETAILS, &CMainFrame::OnToggleDetails},
        {IDC_BUTTON_WBS_DETAILS, IDC_BUTTON_WBS_DETAILS, &CMainFrame::OnToggleDetails},
        {IDC_BUTTON_PROJ_DETAILS, IDC_BUTTON_PROJ_DETAILS, &CMainFrame::OnToggleDetails},
        {IDC_BUTTON_RES_DETAILS, IDC_BUTTON_RES_DETAILS, &CMainFrame::OnToggleDetails},
        {IDC_BUTTON_OBS_DETAILS, IDC_BUTTON_OBS_DETAILS, &CMainFrame::OnToggleDetails},
        {IDC_BUTTON_ROL_DETAILS, IDC_BUTTON_ROL_DETAILS, &CMainFrame::OnToggleDetails},
        {IDC_BUTTON_ACT_GANTT, IDC_BUTTON_ACT_GANTT, &CMainFrame::OnToggleGantt},
        {IDC_BUTTON_WBS_GANTT, IDC_BUTTON_WBS_GANTT, &CMainFrame::OnToggleGantt},
        {IDC_BUTTON_PROJ_GANTT, IDC_BUTTON_PROJ_GANTT, &CMainFrame::OnToggleGantt},
        {IDC_BUTTON_ACT_TABLE, IDC_BUTTON_ACT_TABLE, &CMainFrame::OnActivityTable},
        {IDC_BUTTON_WBS_TABLE, IDC_BUTTON_WBS_TABLE, &CMainFrame::OnWbsTable},
        {IDC_BUTTON_PROJ_TABLE, IDC_BUTTON_PROJ_TABLE, &CMainFrame::OnProjectTable},
        {IDC_BUTTON_RES_TABLE, IDC_BUTTON_RES_TABLE, &CMainFrame::OnResourceTable},
        {IDC_BUTTON_ACT_PRED_TABLE, IDC_BUTTON_ACT_PRED_TABLE, &CMainFrame::OnPredecessorsTable},
        {IDC_BUTTON_ACT_SUCC_TABLE, IDC_BUTTON_ACT_SUCC_TABLE, &CMainFrame::OnSuccessorsTable},
        {ID_COPY_TABLE_FIRST, ID_COPY_TABLE_LAST, &CMainFrame::OnCopyTable},
        {IDC_BUTTON_ACT_EXP_ALL, IDC_BUTTON_ACT_EXP_ALL, &CMainFrame::OnActivityExpandAll},
        {IDC_BUTTON_ACT_COLL_ALL, IDC_BUTTON_ACT_COLL_ALL, &CMainFrame::OnActivityCollapseAll},
        {IDC_BUTTON_WBS_EXP_ALL, IDC_BUTTON_WBS_EXP_ALL, &CMainFrame::OnWbsExpandAll},
        {IDC_BUTTON_WBS_COLL_ALL, IDC_BUTTON_WBS_COLL_ALL, &CMainFrame::OnWbsCollapseAll},
        {IDC_BUTTON_PROJ_EXP_ALL, IDC_BUTTON_PROJ_EXP_ALL, &CMainFrame::OnProjectExpandAll},
        {IDC_BUTTON_PROJ_COLL_ALL, IDC_BUTTON_PROJ_COLL_ALL, &CMainFrame::OnProjectCollapseAll},
        {IDC_BUTTON_RES_EXP_ALL, IDC_BUTTON_RES_EXP_ALL, &CMainFrame::OnResourceExpandAll},
        {IDC_BUTTON_RES_COLL_ALL, IDC_BUTTON_RES_COLL_ALL, &CMainFrame::OnResourceCollapseAll},
        {IDC_BUTTON_OBS_EXP_ALL, IDC_BUTTON_OBS_EXP_ALL, &CMainFrame::OnObsExpandAll},
        {IDC_BUTTON_OBS_COLL_ALL, IDC_BUTTON_OBS_COLL_ALL, &CMainFrame::OnObsCollapseAll},
        {IDC_BUTTON_ROL_EXP_ALL, IDC_BUTTON_ROL_EXP_ALL, &CMainFrame::OnRoleExpandAll},
        {IDC_BUTTON_ROL_COLL_ALL, IDC_BUTTON_ROL_COLL_ALL, &CMainFrame::OnRoleCollapseAll},
        {IDC_BUTTON_ACT_GOTO_ACT, IDC_BUTTON_ACT_GOTO_ACT, &CMainFrame::OnGoToActivity},
        {IDC_BUTTON_WBS_GOTO_ACT, IDC_BUTTON_WBS_GOTO_ACT, &CMainFrame::OnGoToWbs},
        {IDC_BUTTON_PROJ_GOTO_ACT, IDC_BUTTON_PROJ_GOTO_ACT, &CMainFrame::OnGoToProject},
        {IDC_BUTTON_ACT_REL, IDC_BUTTON_ACT_REL, &CMainFrame::OnRelationshipLines},
        {IDC_BUTTON_ACT_CALENDAR, IDC_BUTTON_ACT_CALENDAR, &CMainFrame::OnCalendar},
        {IDC_BUTTON_WBS_CALENDAR, IDC_BUTTON_RES_CALENDAR, &CMainFrame::OnCalendar},  // WBS, Projects, Resources
        {IDC_BUTTON_OBS_CALENDAR, IDC_BUTTON_ROL_CALENDAR, &CMainFrame::OnCalendar},  // OBS, Roles
        {IDC_COMBO_ACT_TIMESCALE, IDC_COMBO_ACT_TIMESCALE, &CMainFrame::OnActivityTimescale},
        {IDC_COMBO_WBS_TIMESCALE, IDC_COMBO_WBS_TIMESCALE, &CMainFrame::OnWbsTimescale},
        {IDC_COMBO_PROJ_TIMESCALE, IDC_COMBO_PROJ_TIMESCALE, &CMainFrame::OnProjectTimescale},
        {IDC_SLIDER_ACT_TIMESCALE, IDC_SLIDER_ACT_TIMESCALE, &CMainFrame::OnActivityZoom},
        {IDC_SLIDER_WBS_TIMESCALE, IDC_SLIDER_WBS_TIMESCALE, &CMainFrame::OnWbsZoom},
        {IDC_SLIDER_PROJ_TIMESCALE, IDC_SLIDER_PROJ_TIMESCALE, &CMainFrame::OnProjectZoom},
        {IDC_BUTTON_ACT_FILTER, IDC_BUTTON_ACT_FILTER, &CMainFrame::OnActivityFilter},
        {IDC_BUTTON_RES_RES_SHIFTS, IDC_BUTTON_RES_RES_SHIFTS, &CMainFrame::OnResourceShifts},
        {IDC_BUTTON_FIND, IDC_BUTTON_FIND, &CMainFrame::OnFind},
    };
    for (const CommandBinding& binding : table) Bind(wxEVT_MENU, binding.handler, this, binding.first_id, binding.last_id);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateRibbonCommand, this, kFirstRibbonCommand, kLastRibbonCommand);
}

bool CMainFrame::IsDocumentLoaded() const noexcept { return m_store != nullptr && m_store->GetDocument() != nullptr; }

void CMainFrame::RedrawNow() {
    Refresh();
    Update();
}

// A toggle button flips itself on a click; its pressed state is set here again at every
// update, so it always shows the frame's state rather than the click's. Only the ribbon's
// controls are answered, also in a folded panel's pop-up: other windows (the File page's Info
// controls) share some of the ids.
void CMainFrame::OnUpdateRibbonCommand(wxUpdateUIEvent& event) {
    auto* source = dynamic_cast<wxWindow*>(event.GetEventObject());
    if (source != nullptr && !IsRibbonWindow(*m_ribbon, source)) {
        event.Skip();
        return;
    }
    const CommandState state = StateOf(event.GetId(), DescribeForCommands());
    event.Enable(state.enabled);
    if (IsToggleCommand(event.GetId())) event.Check(state.checked);
}

CommandContext CMainFrame::DescribeForCommands() const {
    CommandContext context;
    context.document_loaded = IsDocumentLoaded();
    context.read_from_xer = context.document_loaded && m_store->GetDocument()->IsXer();
    context.active_category = GetActiveCategory();
    context.details_height = m_outer->SecondPaneExtent();
    context.gantt_width = m_inner->SecondPaneExtent();
    if (m_store != nullptr) {
        context.has_current_layout = {m_store->GetCurrentActivityLayout() != nullptr,
                                      m_store->GetCurrentWbsLayout() != nullptr,
                                      m_store->GetCurrentProjectLayout() != nullptr,
                                      m_store->GetCurrentResourceLayout() != nullptr};
        const view::Layout* activity_layout = m_store->GetCurrentActivityLayout();
        const FilterSelection* filters = activity_layout != nullptr ? activity_layout->GetFilter() : nullptr;
        context.filter_count = filters != nullptr ? filters->filters.size() : 0;
    }
    const view::View* details = m_details_pane->GetContentView();
    if (details != nullptr && details->IsActivityDetailView()) {
        context.details_shows_activity_view = true;
        context.details_tab = RelationshipTabOf(static_cast<const view::DetailView*>(details)->GetCurrentTab());
    }
    const view::View* chart = m_gantt_pane->GetContentView();
    context.gantt_has_content = chart != nullptr;
    context.relationship_lines =
        chart != nullptr && chart->IsGanttView() && static_cast<const view::GanttView*>(chart)->GetShowRelationships();
    context.find_dialog_open = m_find_dialog != nullptr;
    return context;
}

}  // namespace varnholt
