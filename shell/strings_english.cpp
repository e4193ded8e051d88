// strings_english.cpp - the English interface texts. Placeholders are {1}, {2}, ...

#include "shell/string_tables.h"

namespace varnholt {
namespace {

constexpr StringEntry kEnglish[] = {
    {IDS_LANGUAGE_ENGLISH, L"English"},
    {IDS_LANGUAGE_FRENCH, L"French"},
    {IDS_INFO_VERSION, L"Version {1}.{2}.{3}.{4}"},
    {IDS_INFO_DOCUMENT, L"Open schedule"},
    {IDS_OPEN_FAILED, L"\"{1}\" could not be opened.\n\nOnly XER files and .xls workbooks exported "
                      L"from a scheduling application can be opened, and the file must be complete."},
    {IDS_PRINT_SCALE_SMALL, L"The pages are printed at {1}% of their size and may be hard to read."},
    {IDS_PRINT_SCALE_RESET, L"No print scale could be found; the pages are printed at {1}%."},
    {IDS_PRINT_NO_PAGES, L"The table cannot be divided into pages: a column is wider than the page."},
    {IDS_PRINT_MANY_PAGES, L"This printout takes {1} pages."},
    {IDS_PRINT_NOTHING, L"There is nothing to print in this category."},
    {IDS_PRINT_FOOTER, L"Page {1} of {2}"},
    {IDS_START_BEFORE_CHART, L"The start date cannot be earlier than the first date of the chart, {1}."},
    {IDS_START_AFTER_END, L"The start date cannot be later than the end date."},
    {IDS_END_AFTER_CHART, L"The end date cannot be later than the last date of the chart, {1}."},
    {IDS_END_BEFORE_START, L"The end date cannot be earlier than the start date."},
    {IDS_OPTIONS, L"Options"},
    {IDS_HELP_TOOLTIP, L"Open the online help"},
    {IDS_WEB_SITE_TOOLTIP, L"Visit the Oskeldan web site"},
    {IDS_PRINT_MARGINS, L"Margins"},
    {IDS_PRINT_HEADER_FOOTER, L"Header and footer"},
    {IDS_CALENDAR_HOURS, L"Working hours"},
    {240, L"Sunday"},
    {241, L"Monday"},
    {242, L"Tuesday"},
    {243, L"Wednesday"},
    {244, L"Thursday"},
    {245, L"Friday"},
    {IDS_SATURDAY, L"Saturday"},
    {IDS_FIND_NO_MATCH, L"No further match was found."},
    {IDS_UNIT_QUARTER, L"Quarter"},
    {IDS_UNIT_MONTH, L"Month"},
    {IDS_UNIT_WEEK, L"Week"},
    {IDS_UNIT_DAY, L"Day"},
    {IDS_UNIT_SHIFT, L"Shift"},
    {IDS_UNIT_HOUR, L"Hour"},
    {IDS_SHIFT_START, L"Start"},
    {IDS_SHIFT_HOURS, L"Hours"},
    {IDS_UNIT_YEAR, L"Year"},
    {272, L"Year / Quarter"},
    {273, L"Year / Month"},
    {274, L"Quarter / Month"},
    {275, L"Month / Week"},
    {276, L"Week / Day (letters)"},
    {277, L"Week / Day (names)"},
    {IDS_TIMESCALE_LAST, L"Day / Hour"},
    {IDS_LANGUAGE_CHANGED, L"The new language takes effect the next time VarnholtReader starts."},
    {IDS_NO_SCHEDULE, L"No schedule is open"},
    {IDS_FILE_TAB, L"File"},
    {IDS_OK, L"OK"},
    {IDS_CANCEL, L"Cancel"},
    {IDS_FILTER_COLUMN, L"Filter"},
    {IDS_BUILT_IN_FILTERS, L"Built-in filters"},
    {IDS_OTHER_FILTERS, L"Layout filters"},
    {IDS_DETAILS_BUTTON, L"Details"},
};

}  // namespace

std::span<const StringEntry> EnglishStrings() noexcept { return kEnglish; }

}  // namespace varnholt
