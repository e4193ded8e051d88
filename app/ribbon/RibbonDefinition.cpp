// RibbonDefinition.cpp - the panels and controls of the six category pages, in display order.

#include "app/ribbon/RibbonDefinition.h"

#include "shell/command_ids.h"

namespace varnholt::ribbon {
namespace {

using enum ControlKind;

constexpr ControlDef Layout(int id) { return {layout_choice, id, "Layout", Glyph::layout}; }
constexpr ControlDef Timescale(int id) { return {timescale_choice, id, "Timescale", Glyph::timescale}; }
constexpr ControlDef Zoom(int id) { return {zoom_slider, id, "Slider", Glyph::zoom_in}; }
constexpr ControlDef Details(int id) { return {toggle, id, "Details", Glyph::details}; }
constexpr ControlDef Gantt(int id) { return {toggle, id, "Gantt", Glyph::gantt}; }
constexpr ControlDef ExpandAll(int id) { return {button, id, "Expand All", Glyph::expand}; }
constexpr ControlDef CollapseAll(int id) { return {button, id, "Collapse All", Glyph::collapse}; }
constexpr ControlDef Calendar(int id) { return {button, id, "Calendar", Glyph::calendar}; }
constexpr ControlDef kFind{toggle, IDC_BUTTON_FIND, "Find", Glyph::find};

// Activities.
constexpr ControlDef kActLayout[] = {Layout(IDC_COMBO_ACTIVITY_LAYOUT)};
constexpr ControlDef kActPanes[] = {Details(IDC_BUTTON_ACT_DETAILS), Gantt(IDC_BUTTON_ACT_GANTT)};
constexpr ControlDef kActTable[] = {
    {button, IDC_BUTTON_ACT_TABLE, "Activity Table", Glyph::table},
    {button, IDC_BUTTON_ACT_PRED_TABLE, "Predecessors Table", Glyph::predecessors},
    {button, IDC_BUTTON_ACT_SUCC_TABLE, "Successors Table", Glyph::successors},
};
constexpr ControlDef kActView[] = {
    ExpandAll(IDC_BUTTON_ACT_EXP_ALL),
    CollapseAll(IDC_BUTTON_ACT_COLL_ALL),
    {button, IDC_BUTTON_ACT_GOTO_ACT, "Go to Activity", Glyph::go_to},
    {toggle, IDC_BUTTON_ACT_REL, "Relationship Lines", Glyph::relationships},
};
constexpr ControlDef kActCalendar[] = {Calendar(IDC_BUTTON_ACT_CALENDAR)};
constexpr ControlDef kActTimescale[] = {Timescale(IDC_COMBO_ACT_TIMESCALE), Zoom(IDC_SLIDER_ACT_TIMESCALE)};
constexpr ControlDef kActFilter[] = {{toggle, IDC_BUTTON_ACT_FILTER, "Filter", Glyph::filter}};
constexpr ControlDef kFindPanel[] = {kFind};

constexpr PanelDef kActivities[] = {
    {"Layout", Glyph::layout, kActLayout},         {"Panes", Glyph::details, kActPanes},
    {"Table", Glyph::table, kActTable},            {"View", Glyph::expand, kActView},
    {"Calendar", Glyph::calendar, kActCalendar},   {"Timescale", Glyph::timescale, kActTimescale},
    {"Filter", Glyph::filter, kActFilter},         {"Find", Glyph::find, kFindPanel},
};

// WBS.
constexpr ControlDef kWbsLayout[] = {Layout(IDC_COMBO_WBS_LAYOUT)};
constexpr ControlDef kWbsPanes[] = {Details(IDC_BUTTON_WBS_DETAILS), Gantt(IDC_BUTTON_WBS_GANTT)};
constexpr ControlDef kWbsTable[] = {{button, IDC_BUTTON_WBS_TABLE, "WBS Table", Glyph::table}};
constexpr ControlDef kWbsView[] = {
    ExpandAll(IDC_BUTTON_WBS_EXP_ALL),
    CollapseAll(IDC_BUTTON_WBS_COLL_ALL),
    {button, IDC_BUTTON_WBS_GOTO_ACT, "Go to WBS", Glyph::go_to},
};
constexpr ControlDef kWbsCalendar[] = {Calendar(IDC_BUTTON_WBS_CALENDAR)};
constexpr ControlDef kWbsTimescale[] = {Timescale(IDC_COMBO_WBS_TIMESCALE), Zoom(IDC_SLIDER_WBS_TIMESCALE)};

constexpr PanelDef kWbs[] = {
    {"Layout", Glyph::layout, kWbsLayout},       {"Panes", Glyph::details, kWbsPanes},
    {"Table", Glyph::table, kWbsTable},          {"View", Glyph::expand, kWbsView},
    {"Calendar", Glyph::calendar, kWbsCalendar}, {"Timescale", Glyph::timescale, kWbsTimescale},
    {"Find", Glyph::find, kFindPanel},
};

// Projects.
constexpr ControlDef kProjLayout[] = {Layout(IDC_COMBO_PROJ_LAYOUT)};
constexpr ControlDef kProjPanes[] = {Details(IDC_BUTTON_PROJ_DETAILS), Gantt(IDC_BUTTON_PROJ_GANTT)};
constexpr ControlDef kProjTable[] = {{button, IDC_BUTTON_PROJ_TABLE, "Project Table", Glyph::table}};
constexpr ControlDef kProjView[] = {
    ExpandAll(IDC_BUTTON_PROJ_EXP_ALL),
    CollapseAll(IDC_BUTTON_PROJ_COLL_ALL),
    {button, IDC_BUTTON_PROJ_GOTO_ACT, "Go to Project", Glyph::go_to},
};
constexpr ControlDef kProjCalendar[] = {Calendar(IDC_BUTTON_PROJ_CALENDAR)};
constexpr ControlDef kProjTimescale[] = {Timescale(IDC_COMBO_PROJ_TIMESCALE), Zoom(IDC_SLIDER_PROJ_TIMESCALE)};

constexpr PanelDef kProjects[] = {
    {"Layout", Glyph::layout, kProjLayout},       {"Panes", Glyph::details, kProjPanes},
    {"Table", Glyph::table, kProjTable},          {"View", Glyph::expand, kProjView},
    {"Calendar", Glyph::calendar, kProjCalendar}, {"Timescale", Glyph::timescale, kProjTimescale},
    {"Find", Glyph::find, kFindPanel},
};

// Resources.
constexpr ControlDef kResLayout[] = {Layout(IDC_COMBO_RES_LAYOUT)};
constexpr ControlDef kResPanes[] = {Details(IDC_BUTTON_RES_DETAILS)};
constexpr ControlDef kResTable[] = {{button, IDC_BUTTON_RES_TABLE, "Resource Table", Glyph::table}};
constexpr ControlDef kResView[] = {ExpandAll(IDC_BUTTON_RES_EXP_ALL), CollapseAll(IDC_BUTTON_RES_COLL_ALL)};
constexpr ControlDef kResCalendar[] = {
    Calendar(IDC_BUTTON_RES_CALENDAR),
    {button, IDC_BUTTON_RES_RES_SHIFTS, "Resource Shifts", Glyph::shifts},
};

constexpr PanelDef kResources[] = {
    {"Layout", Glyph::layout, kResLayout}, {"Panes", Glyph::details, kResPanes},
    {"Table", Glyph::table, kResTable},    {"View", Glyph::expand, kResView},
    {"Calendar", Glyph::calendar, kResCalendar}, {"Find", Glyph::find, kFindPanel},
};

// OBS.
constexpr ControlDef kObsPanes[] = {Details(IDC_BUTTON_OBS_DETAILS)};
constexpr ControlDef kObsView[] = {ExpandAll(IDC_BUTTON_OBS_EXP_ALL), CollapseAll(IDC_BUTTON_OBS_COLL_ALL)};
constexpr ControlDef kObsCalendar[] = {Calendar(IDC_BUTTON_OBS_CALENDAR)};

constexpr PanelDef kObs[] = {
    {"Panes", Glyph::details, kObsPanes},
    {"View", Glyph::expand, kObsView},
    {"Calendar", Glyph::calendar, kObsCalendar},
};

// Roles.
constexpr ControlDef kRolPanes[] = {Details(IDC_BUTTON_ROL_DETAILS)};
constexpr ControlDef kRolView[] = {ExpandAll(IDC_BUTTON_ROL_EXP_ALL), CollapseAll(IDC_BUTTON_ROL_COLL_ALL)};
constexpr ControlDef kRolCalendar[] = {Calendar(IDC_BUTTON_ROL_CALENDAR)};

constexpr PanelDef kRoles[] = {
    {"Panes", Glyph::details, kRolPanes},
    {"View", Glyph::expand, kRolView},
    {"Calendar", Glyph::calendar, kRolCalendar},
};

constexpr CategoryDef kCategories[] = {
    {"Activities", kActivities}, {"WBS", kWbs}, {"Projects", kProjects},
    {"Resources", kResources},   {"OBS", kObs}, {"Roles", kRoles},
};

}  // namespace

std::span<const CategoryDef> Categories() noexcept { return kCategories; }

}  // namespace varnholt::ribbon
