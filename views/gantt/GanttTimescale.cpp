// GanttTimescale.cpp - span, cell alignment and stepping, grid dates, data date and the
// date-to-x mapping of the Gantt timescale.

#include "views/gantt/GanttTimescale.h"

#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "model/Document.h"
#include "model/civil_date.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace varnholt::view {

namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kWeek = 7 * kDay;

constexpr std::int32_t kDataDateField = 270;  // project data_date

// One lower cell per unit index, the length the margin is counted in; unit 7 has none.
constexpr std::array<std::int64_t, 8> kMarginStep = {90 * kDay, 30 * kDay, 30 * kDay, kWeek, kDay, kDay, 0, kHour};

std::int64_t day_start(std::int64_t s) { return days_of_seconds(s) * kDay; }
std::int64_t hour_start(std::int64_t s) { return s / kHour * kHour - (s % kHour < 0 ? kHour : 0); }
civil_date civil_of(std::int64_t s) { return civil_from_days(days_of_seconds(s)); }
std::int64_t first_of_month(std::int64_t year, std::int64_t month) { return days_from_civil(year, month, 1) * kDay; }
std::int64_t month_start(std::int64_t s) { const civil_date c = civil_of(s); return first_of_month(c.year, c.month); }
std::int64_t quarter_start(std::int64_t s) {
    const civil_date c = civil_of(s);
    return first_of_month(c.year, (c.month - 1) / 3 * 3 + 1);
}
std::int64_t year_start(std::int64_t s) { return first_of_month(civil_of(s).year, 1); }
// Days since the last Sunday: 0 on Sundays.
std::int64_t days_after_sunday(std::int64_t s) { return weekday_of_days(days_of_seconds(s)) - 1; }
// The first day of the month `months` after the month of s; days_from_civil rolls the year.
std::int64_t months_later(std::int64_t s, std::int32_t months) {
    const civil_date c = civil_of(s);
    return first_of_month(c.year, static_cast<std::int64_t>(c.month) + months);
}

// Every date the timescale makes is given, not blank and unmarked, whatever the target held
// before (s_date assignment keeps the target's blank flag).
void set_seconds(s_date& date, std::int64_t seconds) {
    date = s_date::from_seconds(seconds);
    date.blank = false;
}

std::optional<std::int64_t> usable_seconds(const s_val* value) {
    if (value == nullptr || !IsPlaceableDate(*value)) return std::nullopt;
    return value->as_int64();
}

template <class Pick>
std::optional<std::int64_t> extreme_date(const document::Document& doc, std::int32_t field, Pick pick) {
    std::optional<std::int64_t> result;
    for (const auto& task : doc.Tasks()) {
        const auto seconds = usable_seconds(task->GetFieldValue(field));
        if (seconds) result = result ? pick(*result, *seconds) : *seconds;
    }
    return result;
}

constexpr auto kEarlier = [](std::int64_t a, std::int64_t b) { return std::min(a, b); };
constexpr auto kLater = [](std::int64_t a, std::int64_t b) { return std::max(a, b); };

bool is_grid_date(std::int64_t s, std::int32_t spacing) {
    switch (spacing) {
    case 2: return civil_of(s).day == 1;
    case 4: return days_after_sunday(s) == 0;
    case 5: return s - day_start(s) < kHour;
    default: return false;
    }
}

// Steps of the first-grid-date search after which no later day can qualify: a month holds
// a first day within 31 days, a week a Sunday within 7, and a day step keeps the hour.
std::int32_t grid_search_limit(std::int32_t spacing) {
    switch (spacing) {
    case 2: return 31;
    case 4: return 7;
    case 5: return 1;
    default: return 0;
    }
}

std::int64_t next_grid_date(std::int64_t s, std::int32_t spacing) {
    switch (spacing) {
    case 2: return months_later(s, 1);
    case 4: return s + kWeek;
    default: return s + kDay;
    }
}

bool usable_cell(float cell) { return std::isfinite(cell) && cell > 0.0f; }

// Float to index, clamped: NaN and negatives give 0, anything past the range its end.
std::size_t clamped_index(double value, std::size_t limit) {
    if (!(value > 0.0)) return 0;
    if (value >= static_cast<double>(limit)) return limit;
    return static_cast<std::size_t>(value);
}

}  // namespace

bool IsPlaceableDate(const s_val& value) {
    return value.is_date() && value.null_flag == 0 && value.as_int64() > 0;
}

bool HasCells(std::int32_t unit) noexcept { return unit >= 1 && unit <= 8 && unit != 7; }

s_date GetEarliestDate(const document::Document& doc) {
    auto earliest = extreme_date(doc, kStartField, kEarlier);
    if (!earliest) earliest = extreme_date(doc, kFinishField, kEarlier);
    if (!earliest) {
        s_date blank = s_date::from_seconds(0);
        blank.blank = true;
        return blank;
    }
    return s_date::from_seconds(*earliest);
}

s_date GetLatestDate(const document::Document& doc) {
    auto latest = extreme_date(doc, kFinishField, kLater);
    if (!latest) latest = extreme_date(doc, kStartField, kLater);
    return latest ? s_date::from_seconds(*latest) : s_date::from_ymdhm(1970, 1, 1, 0, 0);
}

void AlignToUnit(std::int32_t unit_index, s_date& start, s_date& end, std::int32_t margin,
                 s_date& upper_start, s_date& upper_end) {
    if (!HasCells(unit_index + 1)) return;
    const std::int64_t shift = margin * kMarginStep[static_cast<std::size_t>(unit_index)];
    std::int64_t s = start.seconds, e = end.seconds, us = upper_start.seconds, ue = upper_end.seconds;
    switch (unit_index + 1) {
    case 1:
        s = quarter_start(quarter_start(s) - shift);
        e = quarter_start(e) + shift;
        us = year_start(quarter_start(us) - shift);
        ue = quarter_start(ue) + shift;
        break;
    case 2:
    case 3:
        s = month_start(month_start(s) - shift);
        e = month_start(e) + shift;
        us = month_start(us) - shift;
        us = unit_index + 1 == 2 ? year_start(us) : quarter_start(us);
        ue = month_start(ue) + shift;
        break;
    case 4:
        s = day_start(s) - shift;
        s -= days_after_sunday(s) * kDay;
        e = day_start(e) + shift;
        us = month_start(day_start(us) - shift);
        ue = day_start(ue) + shift;
        break;
    case 5:
    case 6:
        s = day_start(s) - shift;
        e = day_start(e) + shift;
        us = day_start(us) - shift;
        us -= days_after_sunday(us) * kDay;
        ue = day_start(ue) + shift;
        break;
    case 8:
        s = hour_start(s) - shift;
        e = hour_start(e) + shift;
        us = day_start(hour_start(us) - shift);
        ue = hour_start(ue) + shift;
        break;
    }
    set_seconds(start, s);
    set_seconds(end, e);
    set_seconds(upper_start, us);
    set_seconds(upper_end, ue);
}

void NextCellStart(s_date& date, bool lower_tier, std::int32_t unit_index) {
    const std::int64_t s = date.seconds;
    switch (unit_index + 1) {
    case 1: set_seconds(date, months_later(s, lower_tier ? 3 : 12)); break;
    case 2: set_seconds(date, months_later(s, lower_tier ? 1 : 12)); break;
    case 3: set_seconds(date, months_later(s, lower_tier ? 1 : 3)); break;
    case 4: set_seconds(date, lower_tier ? s + kWeek : months_later(s, 1)); break;
    case 5:
    case 6: set_seconds(date, s + (lower_tier ? kDay : kWeek)); break;
    case 8: set_seconds(date, s + (lower_tier ? kHour : kDay)); break;
    default: break;  // no cells, no step
    }
}

std::wstring FormatCellLabel(const s_date& date, std::int32_t unit, bool lower_tier) {
    // Label codes of s_date::format_scale_label per unit: {upper, lower}; unit 7 has none.
    static constexpr std::array<std::array<std::int32_t, 2>, 8> kCodes = {{
        {11, 12}, {11, 10}, {13, 10}, {4, 3}, {7, 5}, {7, 6}, {0, 0}, {9, 8}}};
    if (!HasCells(unit)) return {};
    return s_date::format_scale_label(date, kCodes[static_cast<std::size_t>(unit - 1)][lower_tier ? 1 : 0]);
}

s_date GanttTimescale::BlankDate() {
    s_date date = s_date::from_seconds(0);
    date.blank = true;
    return date;
}

void GanttTimescale::BuildTimescale(const document::Document& doc, std::int32_t unit) {
    ClearTiers();
    if (doc.Tasks().empty() || !HasCells(unit)) return;

    s_date start = GetEarliestDate(doc), end = GetLatestDate(doc);
    if (start.seconds <= kHour && end.seconds <= kHour) {
        const std::int64_t today = s_date::today().seconds;
        set_seconds(start, today);
        set_seconds(end, today);
    }
    s_date upper_start = start, upper_end = end;
    const std::int32_t unit_index = unit - 1;
    AlignToUnit(unit_index, start, end, kMarginCells, upper_start, upper_end);

    s_date cursor = start;
    while (cursor.seconds <= end.seconds && lowerTierDates.size() < kMaxTimescaleCells) {
        lowerTierDates.push_back(cursor);
        NextCellStart(cursor, true, unit_index);
    }
    lowerTierDates.push_back(cursor);  // closing entry

    // Upper cells are at least as long as lower ones, so this loop is bounded by the one above.
    const std::int64_t upper_limit = lowerTierDates.back().seconds;
    cursor = upper_start;
    while (cursor.seconds <= upper_limit && upperTierDates.size() < kMaxTimescaleCells) {
        upperTierDates.push_back(cursor);
        NextCellStart(cursor, false, unit_index);
    }
    upperTierDates.push_back(cursor);
}

void GanttTimescale::BuildGridDates(std::int32_t unit, std::int32_t spacing) {
    gridDates.clear();
    gridDatesStale = false;
    if (lowerTierDates.empty() || upperTierDates.empty()) return;

    std::int64_t cursor = lowerTierDates.front().seconds;
    std::int64_t limit = lowerTierDates.back().seconds;
    if (unit == 2 || unit == 3 || unit < 1 || unit > 8) limit = months_later(limit, 1);
    if (unit == 4) limit += kWeek;
    if (unit == 5 || unit == 6) limit += kDay;

    bool found = false;
    for (std::int32_t tries = 0; tries < grid_search_limit(spacing) && cursor <= limit; ++tries) {
        if ((found = is_grid_date(cursor, spacing))) break;
        cursor += kDay;
    }
    if (!found) return;
    for (; cursor <= limit && gridDates.size() < kMaxTimescaleCells; cursor = next_grid_date(cursor, spacing))
        gridDates.push_back(s_date::from_seconds(cursor));
}

void GanttTimescale::UpdateDataDate(const document::Document* doc) {
    dataDate = BlankDate();
    dataDate.blank = true;
    if (doc == nullptr) return;
    const ColumnDef* column = ColumnCatalog::Instance().FindProjectByFieldId(kDataDateField);
    if (column == nullptr || column->present == 0) return;

    bool have_first = false;
    for (const auto& project : doc->Projects()) {
        if (project == nullptr) continue;
        const s_val* value = project->GetFieldValue(kDataDateField);
        if (value == nullptr || !value->is_date()) continue;
        const auto& date = static_cast<const s_date&>(*value);
        if (!have_first || date.less(dataDate)) {
            dataDate = date;
            dataDate.blank = date.blank;
            have_first = true;
        }
    }
}

float GanttTimescale::GetWidth(float cell) const {
    if (!usable_cell(cell)) return 0.0f;
    return static_cast<float>(static_cast<double>(lowerTierDates.size()) * cell);
}

float GanttTimescale::SecondsToX(std::int64_t seconds, float cell) const {
    if (lowerTierDates.size() < 2 || !usable_cell(cell)) return 0.0f;
    // Differences as doubles: exact for any date within 285 million years of 1970, and no
    // wrap for spans beyond 68 years.
    const double first = static_cast<double>(lowerTierDates.front().seconds);
    const double last = static_cast<double>(lowerTierDates.back().seconds);
    const double pixels = static_cast<double>(lowerTierDates.size() - 1) * cell;
    if (!(last > first)) return 0.0f;
    const double seconds_per_pixel = (last - first) / pixels;
    return static_cast<float>((static_cast<double>(seconds) - first) / seconds_per_pixel);
}

CellWindow GanttTimescale::VisibleCells(float origin_x, float visible_width, float cell) const {
    if (!usable_cell(cell)) return {};
    const std::size_t count = lowerTierDates.size();
    const std::size_t first = clamped_index(std::max(static_cast<double>(origin_x), 0.0) / cell, count);
    const std::size_t fit = clamped_index(static_cast<double>(visible_width) / cell, count);
    return {first, std::min(first + fit + 2, count)};
}

s_date GanttTimescale::GetStartDate() const { return lowerTierDates.empty() ? BlankDate() : lowerTierDates.front(); }
s_date GanttTimescale::GetEndDate() const { return lowerTierDates.empty() ? BlankDate() : lowerTierDates.back(); }

}  // namespace varnholt::view
