// command_rules.cpp - the enable and check rules of the ribbon's commands.

#include "shell/command_rules.h"

#include "layouts/Layout.h"
#include "shell/command_ids.h"

#include <algorithm>
#include <initializer_list>

namespace varnholt {
namespace {

bool IsOneOf(int id, std::initializer_list<int> ids) { return std::ranges::find(ids, id) != ids.end(); }

bool HasLayout(const CommandContext& context, view::LayoutKind kind) {
    return context.has_current_layout[static_cast<std::size_t>(kind)];
}

// The relationship-column buttons act on the list the details pane shows.
bool RelationshipListShown(const CommandContext& context, RelationshipTab tab) {
    return context.document_loaded && HasLayout(context, view::LayoutKind::activity) &&
           context.details_shows_activity_view && context.details_height > 0 && context.details_tab == tab;
}

// The commands that need nothing but an open schedule.
bool NeedsDocumentOnly(int id) {
    return IsOneOf(id, {IDC_COMBO_ACTIVITY_LAYOUT, IDC_COMBO_WBS_LAYOUT, IDC_COMBO_PROJ_LAYOUT, IDC_COMBO_RES_LAYOUT,
                        IDC_BUTTON_ACT_EXP_ALL, IDC_BUTTON_ACT_COLL_ALL, IDC_BUTTON_WBS_EXP_ALL,
                        IDC_BUTTON_WBS_COLL_ALL, IDC_BUTTON_PROJ_EXP_ALL, IDC_BUTTON_PROJ_COLL_ALL,
                        IDC_BUTTON_RES_EXP_ALL, IDC_BUTTON_RES_COLL_ALL, IDC_BUTTON_OBS_EXP_ALL,
                        IDC_BUTTON_OBS_COLL_ALL, IDC_BUTTON_ROL_EXP_ALL, IDC_BUTTON_ROL_COLL_ALL,
                        IDC_BUTTON_ACT_GOTO_ACT, IDC_BUTTON_WBS_GOTO_ACT, IDC_BUTTON_PROJ_GOTO_ACT,
                        IDC_COMBO_ACT_TIMESCALE, IDC_COMBO_WBS_TIMESCALE, IDC_COMBO_PROJ_TIMESCALE,
                        IDC_SLIDER_ACT_TIMESCALE, IDC_SLIDER_WBS_TIMESCALE, IDC_SLIDER_PROJ_TIMESCALE,
                        IDC_BUTTON_RES_RES_SHIFTS}) ||
           (id >= ID_COPY_TABLE_FIRST && id <= ID_COPY_TABLE_LAST);
}

bool IsDetailsCommand(int id) {
    return IsOneOf(id, {IDC_BUTTON_ACT_DETAILS, IDC_BUTTON_WBS_DETAILS, IDC_BUTTON_PROJ_DETAILS,
                        IDC_BUTTON_RES_DETAILS, IDC_BUTTON_OBS_DETAILS, IDC_BUTTON_ROL_DETAILS});
}

bool IsGanttCommand(int id) { return IsOneOf(id, {IDC_BUTTON_ACT_GANTT, IDC_BUTTON_WBS_GANTT, IDC_BUTTON_PROJ_GANTT}); }

bool IsCalendarCommand(int id) {
    return IsOneOf(id, {IDC_BUTTON_ACT_CALENDAR, IDC_BUTTON_WBS_CALENDAR, IDC_BUTTON_PROJ_CALENDAR,
                        IDC_BUTTON_RES_CALENDAR, IDC_BUTTON_OBS_CALENDAR, IDC_BUTTON_ROL_CALENDAR});
}

// The column chooser of a table opens for its kind's current layout.
bool IsTableCommand(int id, view::LayoutKind& kind) {
    switch (id) {
    case IDC_BUTTON_ACT_TABLE: kind = view::LayoutKind::activity; return true;
    case IDC_BUTTON_WBS_TABLE: kind = view::LayoutKind::wbs; return true;
    case IDC_BUTTON_PROJ_TABLE: kind = view::LayoutKind::project; return true;
    case IDC_BUTTON_RES_TABLE: kind = view::LayoutKind::resource; return true;
    default: return false;
    }
}

}  // namespace

CommandState StateOf(int id, const CommandContext& context) {
    const bool loaded = context.document_loaded;
    if (id == ID_TOOLS_OPTIONS) return {true, false};
    if (NeedsDocumentOnly(id)) return {loaded, false};
    if (IsDetailsCommand(id)) return {loaded, context.details_height > 0};
    if (IsGanttCommand(id)) return {loaded, context.gantt_width > 0};
    if (IsCalendarCommand(id)) return {loaded && context.read_from_xer, false};
    if (view::LayoutKind kind{}; IsTableCommand(id, kind)) return {loaded && HasLayout(context, kind), false};
    switch (id) {
    case IDC_BUTTON_ACT_PRED_TABLE: return {RelationshipListShown(context, RelationshipTab::predecessors), false};
    case IDC_BUTTON_ACT_SUCC_TABLE: return {RelationshipListShown(context, RelationshipTab::successors), false};
    case IDC_BUTTON_ACT_REL: return {loaded && context.gantt_has_content, context.relationship_lines};
    case IDC_BUTTON_ACT_FILTER:
        return {loaded && context.active_category == Category::activities, context.filter_count > 0};
    case IDC_BUTTON_FIND: return {loaded, context.find_dialog_open};
    default: return {};
    }
}

bool IsToggleCommand(int id) noexcept {
    return IsDetailsCommand(id) || IsGanttCommand(id) ||
           IsOneOf(id, {IDC_BUTTON_ACT_REL, IDC_BUTTON_ACT_FILTER, IDC_BUTTON_FIND});
}

RelationshipTab RelationshipTabOf(std::wstring_view title) {
    const TabSubViews* tab = FindTabSubViews(Category::activities, title);
    if (tab == nullptr) return RelationshipTab::none;
    if (tab->first == SubView::predecessors) return RelationshipTab::predecessors;
    if (tab->first == SubView::successors) return RelationshipTab::successors;
    return RelationshipTab::none;
}

}  // namespace varnholt
