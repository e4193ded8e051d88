// string_ids.h - the ids of the interface texts: messages, dialog and page labels, the texts of
// the File tab and of the details button. Field captions and enumeration texts are not here:
// they come from the caption catalogue. The ids are shared with the dialogs that load them.
#pragma once

#include <cstdint>

namespace varnholt {

using StringId = std::uint32_t;

inline constexpr StringId IDS_LANGUAGE_ENGLISH = 203;       // language page entry
inline constexpr StringId IDS_LANGUAGE_FRENCH = 206;        // language page entry
inline constexpr StringId IDS_INFO_VERSION = 211;           // {1}.{2}.{3}.{4}: the version parts
inline constexpr StringId IDS_INFO_DOCUMENT = 212;          // heading above the document title
inline constexpr StringId IDS_OPEN_FAILED = 213;            // {1}: the path
inline constexpr StringId IDS_PRINT_SCALE_SMALL = 214;      // {1}: the percentage
inline constexpr StringId IDS_PRINT_SCALE_RESET = 215;      // {1}: the percentage (100)
inline constexpr StringId IDS_PRINT_NO_PAGES = 216;
inline constexpr StringId IDS_PRINT_MANY_PAGES = 217;       // {1}: the page count
inline constexpr StringId IDS_PRINT_NOTHING = 218;
inline constexpr StringId IDS_PRINT_FOOTER = 219;           // {1}: page, {2}: page count
inline constexpr StringId IDS_START_BEFORE_CHART = 220;     // {1}: the chart's first date
inline constexpr StringId IDS_START_AFTER_END = 221;
inline constexpr StringId IDS_END_AFTER_CHART = 222;        // {1}: the chart's last date
inline constexpr StringId IDS_END_BEFORE_START = 223;
inline constexpr StringId IDS_OPTIONS = 224;                // options sheet and print options page
inline constexpr StringId IDS_HELP_TOOLTIP = 235;
inline constexpr StringId IDS_WEB_SITE_TOOLTIP = 236;
inline constexpr StringId IDS_PRINT_MARGINS = 237;
inline constexpr StringId IDS_PRINT_HEADER_FOOTER = 238;
inline constexpr StringId IDS_CALENDAR_HOURS = 239;         // title of the calendar hour grids
inline constexpr StringId IDS_SUNDAY = 240;                 // 240 to 246: Sunday to Saturday
inline constexpr StringId IDS_SATURDAY = 246;
inline constexpr StringId IDS_FIND_NO_MATCH = 247;
inline constexpr StringId IDS_UNIT_QUARTER = 248;
inline constexpr StringId IDS_UNIT_MONTH = 249;
inline constexpr StringId IDS_UNIT_WEEK = 250;
inline constexpr StringId IDS_UNIT_DAY = 251;
inline constexpr StringId IDS_UNIT_SHIFT = 252;             // also the shift table's number column
inline constexpr StringId IDS_UNIT_HOUR = 253;
inline constexpr StringId IDS_SHIFT_START = 254;
inline constexpr StringId IDS_SHIFT_HOURS = 255;
inline constexpr StringId IDS_UNIT_YEAR = 260;
inline constexpr StringId IDS_TIMESCALE_FIRST = 272;        // 272 to 278: the timescale choices
inline constexpr StringId IDS_TIMESCALE_LAST = 278;
inline constexpr StringId IDS_LANGUAGE_CHANGED = 281;
inline constexpr StringId IDS_NO_SCHEDULE = 282;
inline constexpr StringId IDS_FILE_TAB = 283;               // the ribbon's File tab
inline constexpr StringId IDS_OK = 284;
inline constexpr StringId IDS_CANCEL = 285;
inline constexpr StringId IDS_OPEN_TITLE = 287;             // title of the File > Open dialog
inline constexpr StringId IDS_FILTER_COLUMN = 290;
inline constexpr StringId IDS_BUILT_IN_FILTERS = 291;
inline constexpr StringId IDS_OTHER_FILTERS = 292;
inline constexpr StringId IDS_DETAILS_BUTTON = 299;
// Dialog labels: the dialog's number followed by two digits.
inline constexpr StringId IDS_COLUMNS_TITLE = 16601;        // columns dialog
inline constexpr StringId IDS_COLUMNS_AVAILABLE = 16602;
inline constexpr StringId IDS_COLUMNS_SELECTED = 16603;
inline constexpr StringId IDS_COLUMNS_ADD = 16604;          // button tooltips, 16604 to 16607
inline constexpr StringId IDS_COLUMNS_REMOVE = 16605;
inline constexpr StringId IDS_COLUMNS_UP = 16606;
inline constexpr StringId IDS_COLUMNS_DOWN = 16607;
inline constexpr StringId IDS_PREDECESSOR_COLUMNS_TITLE = 16701;  // relationship columns dialog
inline constexpr StringId IDS_SUCCESSOR_COLUMNS_TITLE = 16702;
inline constexpr StringId IDS_FIND_TITLE = 19901;           // find dialog
inline constexpr StringId IDS_FIND_FIELD = 19902;
inline constexpr StringId IDS_FIND_VALUE = 19903;
inline constexpr StringId IDS_FIND_WHOLE_TEXT = 19904;
inline constexpr StringId IDS_FIND_MATCH_CASE = 19905;
inline constexpr StringId IDS_FIND_DIRECTION = 19906;
inline constexpr StringId IDS_FIND_UP = 19907;
inline constexpr StringId IDS_FIND_DOWN = 19908;
inline constexpr StringId IDS_FIND_NEXT = 19909;
inline constexpr StringId IDS_FIND_CLOSE = 19910;
inline constexpr StringId IDS_FILTERS_TITLE = 28901;        // activity filters dialog
inline constexpr StringId IDS_FILTERS_ALL = 28902;
inline constexpr StringId IDS_FILTERS_ANY = 28903;
inline constexpr StringId IDS_FILTERS_CLEAR_ALL = 28904;

// The dialogs' own labels and messages: calendars, shifts, options and the Info page.
inline constexpr StringId IDS_CALENDAR_CAPTION = 3300;
inline constexpr StringId IDS_CALENDAR_TYPE = 3301;
inline constexpr StringId IDS_CALENDAR_GLOBAL = 3302;
inline constexpr StringId IDS_CALENDAR_RESOURCE = 3303;
inline constexpr StringId IDS_CALENDAR_PROJECT = 3304;
inline constexpr StringId IDS_CALENDAR_NAME = 3305;
inline constexpr StringId IDS_CALENDAR_BASE = 3306;
inline constexpr StringId IDS_CALENDAR_TIME_PERIODS = 3307;
inline constexpr StringId IDS_CALENDAR_WORK_WEEK = 3308;
inline constexpr StringId IDS_LEGEND_WORKING = 3309;
inline constexpr StringId IDS_LEGEND_NON_WORKING = 3310;
inline constexpr StringId IDS_LEGEND_EXCEPTION = 3311;
inline constexpr StringId IDS_CLOSE = 3312;
inline constexpr StringId IDS_TIME_PERIODS_CAPTION = 3313;
inline constexpr StringId IDS_HOURS_PER_DAY = 3314;
inline constexpr StringId IDS_HOURS_PER_WEEK = 3315;
inline constexpr StringId IDS_HOURS_PER_MONTH = 3316;
inline constexpr StringId IDS_HOURS_PER_YEAR = 3317;
inline constexpr StringId IDS_WORK_WEEK_CAPTION = 3318;
inline constexpr StringId IDS_WORK_WEEK_DAY = 3319;
inline constexpr StringId IDS_SHIFTS_CAPTION = 3320;
inline constexpr StringId IDS_SHIFTS_LIST = 3321;
inline constexpr StringId IDS_SHIFTS_PERIODS = 3322;
inline constexpr StringId IDS_PAGE_UNITS = 3323;
inline constexpr StringId IDS_PAGE_LAYOUTS = 3324;
inline constexpr StringId IDS_PAGE_GRIDLINES = 3325;
inline constexpr StringId IDS_PAGE_LANGUAGE = 3326;
inline constexpr StringId IDS_UNITS_DURATIONS = 3327;
inline constexpr StringId IDS_UNITS_QUANTITIES = 3328;
inline constexpr StringId IDS_UNITS_TIME_UNIT = 3329;
inline constexpr StringId IDS_UNITS_DECIMALS = 3330;
inline constexpr StringId IDS_UNITS_SHOW_LABEL = 3331;
inline constexpr StringId IDS_LAYOUTS_REMEMBER = 3332;
inline constexpr StringId IDS_LAYOUTS_RESET = 3333;
inline constexpr StringId IDS_LAYOUTS_RESET_NOTE = 3334;
inline constexpr StringId IDS_GRID_VERTICAL = 3335;
inline constexpr StringId IDS_GRID_INTERVAL = 3336;
inline constexpr StringId IDS_GRID_HORIZONTAL = 3337;
inline constexpr StringId IDS_GRID_EVERY = 3338;
inline constexpr StringId IDS_LANGUAGE_LABEL = 3339;
inline constexpr StringId IDS_INFO_HEADER_TITLE = 3340;
inline constexpr StringId IDS_INFO_XER_VERSION = 3341;
inline constexpr StringId IDS_INFO_EXPORT_DATE = 3342;
inline constexpr StringId IDS_INFO_USER = 3343;
inline constexpr StringId IDS_INFO_USER_NAME = 3344;
inline constexpr StringId IDS_INFO_CURRENCY = 3345;
inline constexpr StringId IDS_INFO_PROGRAM = 3346;
inline constexpr StringId IDS_INFO_SUPPORT = 3347;
inline constexpr StringId IDS_INFO_HELP_LINK = 3348;
inline constexpr StringId IDS_INFO_WEB_LINK = 3349;
inline constexpr StringId IDS_LANGUAGE_NOT_SAVED = 3350;
inline constexpr StringId IDS_RESET_REFUSED = 3351;
inline constexpr StringId IDS_HELP_MISSING = 3352;           // {1}: the help page's path

// The labels of the print-settings dialog (template 187) and its pages: options (190),
// margins (192), header and footer (194). Numbered template × 100 + n.
inline constexpr StringId IDS_PRINT_SETTINGS_TITLE = 18700;
inline constexpr StringId IDS_PRINT_APPLY = 18701;
inline constexpr StringId IDS_PRINT_TABLE = 19000;
inline constexpr StringId IDS_PRINT_ALL_COLUMNS = 19001;
inline constexpr StringId IDS_PRINT_GANTT = 19002;
inline constexpr StringId IDS_PRINT_START_DATE = 19003;
inline constexpr StringId IDS_PRINT_END_DATE = 19004;
inline constexpr StringId IDS_PRINT_USE_SCALE = 19005;
inline constexpr StringId IDS_PRINT_PERCENT = 19006;
inline constexpr StringId IDS_PRINT_FIT_TO = 19007;
inline constexpr StringId IDS_PRINT_PAGES_WIDE = 19008;
inline constexpr StringId IDS_PRINT_PAGES_TALL = 19009;
inline constexpr StringId IDS_PRINT_WHAT = 19010;
inline constexpr StringId IDS_PRINT_DATES = 19011;
inline constexpr StringId IDS_PRINT_SCALING = 19012;
inline constexpr StringId IDS_MARGIN_TOP = 19200;
inline constexpr StringId IDS_MARGIN_BOTTOM = 19201;
inline constexpr StringId IDS_MARGIN_LEFT = 19202;
inline constexpr StringId IDS_MARGIN_RIGHT = 19203;
inline constexpr StringId IDS_MARGIN_INCHES = 19204;
inline constexpr StringId IDS_PRINT_HEADER = 19400;
inline constexpr StringId IDS_PRINT_FOOTER_BAND = 19401;

}  // namespace varnholt
