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
inline constexpr StringId IDS_FILTER_COLUMN = 290;
inline constexpr StringId IDS_BUILT_IN_FILTERS = 291;
inline constexpr StringId IDS_OTHER_FILTERS = 292;
inline constexpr StringId IDS_DETAILS_BUTTON = 299;

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
