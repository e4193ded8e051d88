// command_ids.h - the numeric ids of the ribbon's controls and of the frame's commands.
// A ribbon control and the command it issues share one id, so one handler and one update
// handler serve each command. Every id lies outside the toolkit's reserved 4999..5999 range.
#pragma once

#include "shell/category_tabs.h"

namespace varnholt {

// The ribbon's tab pages, by index: the File page first, then the six categories.
inline constexpr int kFileTabPage = static_cast<int>(Category::file_page);
inline constexpr int kActivitiesTabPage = static_cast<int>(Category::activities);
inline constexpr int kWbsTabPage = static_cast<int>(Category::wbs);
inline constexpr int kProjectsTabPage = static_cast<int>(Category::projects);
inline constexpr int kResourcesTabPage = static_cast<int>(Category::resources);
inline constexpr int kObsTabPage = static_cast<int>(Category::obs);
inline constexpr int kRolesTabPage = static_cast<int>(Category::roles);
inline constexpr int kTabPageCount = kLastCategory + 1;

// Activities.
inline constexpr int IDC_COMBO_ACTIVITY_LAYOUT = 1130;
inline constexpr int IDC_BUTTON_ACT_DETAILS = 1116;
inline constexpr int IDC_BUTTON_ACT_GANTT = 1134;
inline constexpr int IDC_BUTTON_ACT_TABLE = 1118;
inline constexpr int IDC_BUTTON_ACT_PRED_TABLE = 1119;
inline constexpr int IDC_BUTTON_ACT_SUCC_TABLE = 1120;
inline constexpr int IDC_BUTTON_ACT_EXP_ALL = 1121;
inline constexpr int IDC_BUTTON_ACT_COLL_ALL = 1122;
inline constexpr int IDC_BUTTON_ACT_GOTO_ACT = 1123;
inline constexpr int IDC_BUTTON_ACT_REL = 1270;
inline constexpr int IDC_BUTTON_ACT_CALENDAR = 1170;
inline constexpr int IDC_COMBO_ACT_TIMESCALE = 1140;
inline constexpr int IDC_SLIDER_ACT_TIMESCALE = 1148;
inline constexpr int IDC_BUTTON_ACT_FILTER = 1269;

// WBS.
inline constexpr int IDC_COMBO_WBS_LAYOUT = 1131;
inline constexpr int IDC_BUTTON_WBS_DETAILS = 1136;
inline constexpr int IDC_BUTTON_WBS_GANTT = 1135;
inline constexpr int IDC_BUTTON_WBS_TABLE = 1144;
inline constexpr int IDC_BUTTON_WBS_EXP_ALL = 1151;
inline constexpr int IDC_BUTTON_WBS_COLL_ALL = 1152;
inline constexpr int IDC_BUTTON_WBS_GOTO_ACT = 1153;
inline constexpr int IDC_BUTTON_WBS_CALENDAR = 1185;
inline constexpr int IDC_COMBO_WBS_TIMESCALE = 1141;
inline constexpr int IDC_SLIDER_WBS_TIMESCALE = 1149;

// Projects.
inline constexpr int IDC_COMBO_PROJ_LAYOUT = 1143;
inline constexpr int IDC_BUTTON_PROJ_DETAILS = 1137;
inline constexpr int IDC_BUTTON_PROJ_GANTT = 1138;
inline constexpr int IDC_BUTTON_PROJ_TABLE = 1145;
inline constexpr int IDC_BUTTON_PROJ_EXP_ALL = 1161;
inline constexpr int IDC_BUTTON_PROJ_COLL_ALL = 1162;
inline constexpr int IDC_BUTTON_PROJ_GOTO_ACT = 1163;
inline constexpr int IDC_BUTTON_PROJ_CALENDAR = 1186;
inline constexpr int IDC_COMBO_PROJ_TIMESCALE = 1142;
inline constexpr int IDC_SLIDER_PROJ_TIMESCALE = 1150;

// Resources.
inline constexpr int IDC_COMBO_RES_LAYOUT = 1146;
inline constexpr int IDC_BUTTON_RES_DETAILS = 1139;
inline constexpr int IDC_BUTTON_RES_TABLE = 1147;
inline constexpr int IDC_BUTTON_RES_EXP_ALL = 1154;
inline constexpr int IDC_BUTTON_RES_COLL_ALL = 1155;
inline constexpr int IDC_BUTTON_RES_CALENDAR = 1187;
inline constexpr int IDC_BUTTON_RES_RES_SHIFTS = 1205;

// OBS.
inline constexpr int IDC_BUTTON_OBS_DETAILS = 1196;
inline constexpr int IDC_BUTTON_OBS_EXP_ALL = 1197;
inline constexpr int IDC_BUTTON_OBS_COLL_ALL = 1198;
inline constexpr int IDC_BUTTON_OBS_CALENDAR = 1199;

// Roles.
inline constexpr int IDC_BUTTON_ROL_DETAILS = 1203;
inline constexpr int IDC_BUTTON_ROL_EXP_ALL = 1201;
inline constexpr int IDC_BUTTON_ROL_COLL_ALL = 1202;
inline constexpr int IDC_BUTTON_ROL_CALENDAR = 1200;

// On the Activities, WBS, Projects and Resources pages alike.
inline constexpr int IDC_BUTTON_FIND = 1264;

// Copying the table pane as text: four ids, one command, no ribbon button (the panes' own
// copy key reaches it too).
inline constexpr int ID_COPY_TABLE_FIRST = 1157;
inline constexpr int ID_COPY_TABLE_LAST = 1160;

// The ribbon's commands lie in one block, so one update handler can answer for all of them.
inline constexpr int kFirstRibbonCommand = 1116;
inline constexpr int kLastRibbonCommand = 1270;

// The File page's commands, the hidden quick-access commands, the help button and the styles.
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_TOOLS_OPTIONS = 32856;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_VIEW_APPLOOK_2016_1 = 32847;
inline constexpr int ID_VIEW_APPLOOK_2016_2 = 32848;
inline constexpr int ID_VIEW_APPLOOK_2016_3 = 32849;

// Requests of our own to the frame. The File page asks to go back to the last category
// (Esc, or an item that leaves the page).
inline constexpr int ID_CLOSE_FILE_PAGE = 33001;
// The Print page's "Page settings" button.
inline constexpr int ID_OPEN_PAGE_SETTINGS = 33002;
// The tab row's "Customize..." entry: the options sheet at its layouts page.
inline constexpr int ID_RIBBON_CUSTOMIZE = 33003;

}  // namespace varnholt
