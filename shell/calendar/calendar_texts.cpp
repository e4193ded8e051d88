// calendar_texts.cpp - calendar and shift lists and their texts.

#include "shell/calendar/calendar_texts.h"

#include "model/Document.h"
#include "model/number_text.h"
#include "model/records/CalendarRecord.h"
#include "model/records/ShiftRecord.h"

namespace varnholt {

std::vector<CalendarEntry> ListCalendars(const document::Document& document, CalendarKinds kinds) {
    std::vector<CalendarEntry> entries;
    for (const auto& calendar : document.Calendars()) {
        if (calendar == nullptr) continue;
        const std::int32_t type = calendar->clndr_type.value;
        if ((type == 0 && kinds.global) || (type == 1 && kinds.resource) || (type == 2 && kinds.project)) {
            entries.push_back({calendar->clndr_name.to_string(), calendar.get()});
        }
    }
    return entries;
}

std::wstring BaseCalendarName(const CalendarRecord* calendar) {
    if (calendar == nullptr || calendar->base_calendar == nullptr) return {};
    return calendar->base_calendar->clndr_name.to_string();
}

std::wstring HourCountText(const s_val& value) { return format_fixed(value.as_double(), 1); }

std::vector<std::wstring> TimePeriodTexts(const CalendarRecord* calendar) {
    if (calendar == nullptr) return std::vector<std::wstring>(4);
    return {HourCountText(calendar->day_hr_cnt), HourCountText(calendar->week_hr_cnt),
            HourCountText(calendar->month_hr_cnt), HourCountText(calendar->year_hr_cnt)};
}

std::vector<ShiftEntry> ListShifts(const document::Document& document) {
    std::vector<ShiftEntry> entries;
    for (const auto& shift : document.Shifts()) {
        if (shift != nullptr) entries.push_back({shift->shift_name.to_string(), shift.get()});
    }
    return entries;
}

std::vector<ShiftPeriodRow> ShiftPeriodRows(const ShiftRecord* shift) {
    std::vector<ShiftPeriodRow> rows;
    if (shift == nullptr) return rows;
    for (const ShiftPerRecord* period : shift->periods) {
        if (period == nullptr) continue;
        rows.push_back({std::to_wstring(rows.size() + 1), period->shift_start_hr_num.to_string(),
                        period->length_hr_cnt.to_string()});
    }
    return rows;
}

}  // namespace varnholt
