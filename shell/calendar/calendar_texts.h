// calendar_texts.h - what the calendar and shift dialogs list: the calendars of the chosen
// kinds, a calendar's base name and hour counts, and the rows of a shift's periods. Entries
// keep their record, so two records of one name each show themselves.
#pragma once

#include <string>
#include <vector>

namespace varnholt {

class CalendarRecord;
class ShiftRecord;
class s_val;

namespace document {
class Document;
}

// Calendar kinds by their clndr_type: 0 global, 1 resource, 2 project.
struct CalendarKinds {
    bool global = false;
    bool resource = false;
    bool project = false;
};

struct CalendarEntry {
    std::wstring name;
    const CalendarRecord* calendar = nullptr;
};
// The calendars of the checked kinds, in document order.
[[nodiscard]] std::vector<CalendarEntry> ListCalendars(const document::Document& document, CalendarKinds kinds);

// The name of the calendar's base calendar; empty without one.
[[nodiscard]] std::wstring BaseCalendarName(const CalendarRecord* calendar);

// An hour count with one decimal and a full stop, whatever the locale ("8.0").
[[nodiscard]] std::wstring HourCountText(const s_val& value);
// Hours per day, week, month and year; empty texts without a calendar.
[[nodiscard]] std::vector<std::wstring> TimePeriodTexts(const CalendarRecord* calendar);

struct ShiftEntry {
    std::wstring name;
    const ShiftRecord* shift = nullptr;
};
[[nodiscard]] std::vector<ShiftEntry> ListShifts(const document::Document& document);

// One row of the period table: the period's number from 1, its start and its whole hours.
struct ShiftPeriodRow {
    std::wstring number;
    std::wstring start;
    std::wstring hours;
    friend bool operator==(const ShiftPeriodRow&, const ShiftPeriodRow&) = default;
};
[[nodiscard]] std::vector<ShiftPeriodRow> ShiftPeriodRows(const ShiftRecord* shift);

}  // namespace varnholt
