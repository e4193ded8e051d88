// GroupSummaries.cpp - the cells of group rows: earliest and latest dates, totals, working
// time between summary dates, group names, and the calendars that durations use.
#include "views/grid/GroupItem.h"

#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "model/Document.h"
#include "model/derived/working_time.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/calendar_factors.h"
#include "model/s_date.h"
#include "model/s_dur.h"
#include "model/s_integers.h"
#include "model/s_string.h"
#include "model/s_unit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace varnholt::view {
namespace {

constexpr std::int32_t kActivityGroupNameField = 213;
constexpr std::int32_t kWbsGroupNameField = 511;

constexpr GroupDurationSpan kActivitySpans[] = {
    {84, 54, 212, false, false},  // actual duration: actual start to progress date
    {85, 82, 70, false, false},   // at-completion duration: start to finish
    {89, 74, 73, false, false},   // planned duration
    {90, 77, 76, false, false},   // remaining duration
    {92, 65, 71, true, true},     // total float: latest early finish to latest late finish
};
constexpr GroupDurationSpan kWbsSpans[] = {
    {435, 418, 512, false, false},
    {436, 434, 429, false, false},
    {438, 433, 432, false, false},
};
constexpr GroupDurationSpan kProjectSpans[] = {{281, 279, 271, false, false}};

constexpr GroupSummaryScheme kActivityScheme{true, true, true, kActivitySpans};
constexpr GroupSummaryScheme kWbsScheme{false, false, true, kWbsSpans};
constexpr GroupSummaryScheme kObsScheme{false, false, false, kWbsSpans};
constexpr GroupSummaryScheme kProjectScheme{false, false, true, kProjectSpans};

// A text value holding exactly this text (the file-text constructor would un-double quotes).
s_val_ptr TextValue(std::wstring text) {
    s_string value;
    value.text = std::move(text);
    value.null_flag = 0;
    return value.clone();
}

// The calendar column's text that every row shows, or empty text when they differ.
std::wstring CommonCalendarText(RowSpan rows) {
    if (rows.empty()) return {};
    std::wstring first = rows.front()->GetFieldValue(kCalendarField).to_string();
    for (const auto& row : rows.subspan(1))
        if (row->GetFieldValue(kCalendarField).to_string() != first) return {};
    return first;
}

// The one calendar the rows share, else the fallback. A row without one (a group row, a
// project without a top WBS element) counts as having the null calendar.
template <class CalendarOf>
const CalendarRecord* CommonCalendar(RowSpan rows, CalendarOf calendar_of, const CalendarRecord* fallback) {
    if (rows.empty()) return fallback;
    const CalendarRecord* common = calendar_of(*rows.front());
    if (common == nullptr) return fallback;
    for (const auto& row : rows.subspan(1))
        if (calendar_of(*row) != common) return fallback;
    return common;
}

std::int32_t ClampToInt32(std::int64_t sum) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// The rows' amounts added in ascending order, so that the total does not hang on the order the
// user last sorted the rows in, and with the rounding error of each addition carried along
// (Neumaier's sum), so that amounts of very different sizes that cancel leave the small ones
// whole: 1e20, -1e20 and 8000 total 8000. NaN goes last.
double SumInAnyOrder(RowSpan rows, std::int32_t field_id) {
    std::vector<double> amounts;
    amounts.reserve(rows.size());
    for (const auto& row : rows) amounts.push_back(row->GetFieldValue(field_id).as_double());
    std::sort(amounts.begin(), amounts.end(), [](double a, double b) { return std::isnan(b) ? !std::isnan(a) : a < b; });
    double sum = 0.0;
    double lost = 0.0;
    for (const double amount : amounts) {
        const double next = sum + amount;
        lost += std::fabs(sum) >= std::fabs(amount) ? (sum - next) + amount : (amount - next) + sum;
        sum = next;
    }
    // An infinite or NaN amount leaves nothing to carry: the plain sum says what it is.
    return std::isfinite(sum) ? sum + lost : sum;
}

}  // namespace

s_val_ptr GroupItem::Summarize(RowSpan rows, const ColumnDef* column, const GroupSummaryScheme& scheme) const {
    if (column == nullptr) return s_val::null_value().clone();
    switch (column->summary_rule) {
    case ColumnSummaryRule::earliest:
    case ColumnSummaryRule::latest: {
        const s_val& value = column->summary_rule == ColumnSummaryRule::earliest ? EarliestValue(rows, *column)
                                                                                 : LatestValue(rows, *column);
        if (!scheme.clear_date_marks || !value.is_date()) return value.clone();
        s_date date = static_cast<const s_date&>(value);
        date.mark = s_date::kNoMark;
        date.blank = false;
        return date.clone();
    }
    case ColumnSummaryRule::total:
        if (column->value_kind == ColumnValueKind::integer) {
            std::int64_t sum = 0;
            for (const auto& row : rows) {
                const s_val& value = row->GetFieldValue(column->field_id);
                if (value.null_flag == 0) sum += value.as_int();
            }
            return s_int(ClampToInt32(sum)).clone();
        }
        if (column->value_kind == ColumnValueKind::quantity) {
            s_unit total(SumInAnyOrder(rows, column->field_id), s_unit::kQuantity);
            WithCalendarFactors(total, QuantityCalendar(rows));
            return total.clone();
        }
        return s_val::null_value().clone();
    case ColumnSummaryRule::duration_span: {
        const auto span = std::find_if(scheme.spans.begin(), scheme.spans.end(),
                                       [column](const GroupDurationSpan& s) { return s.field_id == column->field_id; });
        if (span == scheme.spans.end() && scheme.blank_durations) return s_val::null_value().clone();
        s_dur result = scheme.blank_durations ? s_dur() : s_dur(0.0);
        if (span == scheme.spans.end()) return result.clone();
        const CalendarRecord* calendar = DurationCalendar(rows);
        if (calendar == nullptr) return result.clone();
        const ColumnDef* start_column = FindSummaryColumn(span->start_field_id);
        const ColumnDef* end_column = FindSummaryColumn(span->end_field_id);
        const s_val& start = start_column == nullptr ? s_val::null_value()
                             : span->start_is_latest ? LatestValue(rows, *start_column)
                                                     : EarliestValue(rows, *start_column);
        const s_val& end = end_column == nullptr ? s_val::null_value() : LatestValue(rows, *end_column);
        // Only the seconds of the two dates count, not their marks or whether they show: a
        // milestone's hidden other end keeps the date of its one end, which the span reaches.
        // A span that would count from 1970 is blank in every scheme, as on the rows themselves.
        const std::optional<double> hours =
            SpanWorkingHours(*calendar, SpanEndSeconds(&start), SpanEndSeconds(&end), span->signed_span);
        if (!hours) return s_dur().clone();
        s_dur duration(*hours);
        if (scheme.durations_take_hours) WithCalendarFactors(duration, calendar);
        return duration.clone();
    }
    case ColumnSummaryRule::none: break;
    }
    return s_val::null_value().clone();
}

const ColumnDef* GroupItem::FindSummaryColumn(std::int32_t) const { return nullptr; }
const CalendarRecord* GroupItem::QuantityCalendar(RowSpan) const { return nullptr; }
const CalendarRecord* GroupItem::DurationCalendar(RowSpan) const { return nullptr; }

// --- activity groups ---

s_val_ptr ActivityGroupItem::ComputeSummary(RowSpan rows, std::int32_t field_id) const {
    if (field_id == kActivityGroupNameField) return TextValue(GetTitle());
    if (field_id == kCalendarField) return TextValue(CommonCalendarText(rows));
    return Summarize(rows, FindSummaryColumn(field_id), kActivityScheme);
}

const ColumnDef* ActivityGroupItem::FindSummaryColumn(std::int32_t field_id) const {
    return ColumnCatalog::Instance().FindActivityByFieldId(field_id);
}

const CalendarRecord* ActivityGroupItem::GroupCalendar(RowSpan rows) const {
    const ColumnDef* calendar_column = ColumnCatalog::Instance().FindActivityByFieldId(kCalendarField);
    if (calendar_column == nullptr || calendar_column->present == 0 || GetDocument() == nullptr) return nullptr;
    // The calendar cell as shown, when it has been asked for; else worked out and not kept.
    const s_val* shown = CachedSummary(kCalendarField);
    std::wstring name = shown != nullptr ? shown->to_string() : CommonCalendarText(rows);
    if (name.empty()) name = kStandardCalendarName;
    s_string key;
    key.text = std::move(name);
    key.null_flag = 0;
    return GetDocument()->FindCalendarByName(key);
}

// --- WBS, OBS and project groups ---

s_val_ptr WBSGroupItem::ComputeSummary(RowSpan rows, std::int32_t field_id) const {
    if (field_id == kWbsGroupNameField) return TextValue(GetTitle());
    return Summarize(rows, FindSummaryColumn(field_id), kWbsScheme);
}

const ColumnDef* WBSGroupItem::FindSummaryColumn(std::int32_t field_id) const {
    return ColumnCatalog::Instance().FindWbsByFieldId(field_id);
}

const CalendarRecord* WBSGroupItem::GetSummaryCalendar(RowSpan rows) const {
    return CommonCalendar(
        rows,
        [](const Row& row) -> const CalendarRecord* {
            const ProjWbsRecord* wbs = row.GetWBS();
            return wbs != nullptr ? wbs->summary_calendar : nullptr;
        },
        StandardCalendar());
}

s_val_ptr OBSGroupItem::ComputeSummary(RowSpan rows, std::int32_t field_id) const {
    if (field_id == kWbsGroupNameField) return TextValue(GetTitle());
    return Summarize(rows, FindSummaryColumn(field_id), kObsScheme);
}

const ColumnDef* OBSGroupItem::FindSummaryColumn(std::int32_t field_id) const {
    return ColumnCatalog::Instance().FindAnyByFieldId(field_id);
}

s_val_ptr ProjectGroupItem::ComputeSummary(RowSpan rows, std::int32_t field_id) const {
    return Summarize(rows, FindSummaryColumn(field_id), kProjectScheme);
}

const ColumnDef* ProjectGroupItem::FindSummaryColumn(std::int32_t field_id) const {
    return ColumnCatalog::Instance().FindProjectByFieldId(field_id);
}

const CalendarRecord* ProjectGroupItem::GetSummaryCalendar(RowSpan rows) const {
    return CommonCalendar(
        rows,
        [](const Row& row) -> const CalendarRecord* {
            const ProjectRecord* project = row.GetProject();
            const ProjWbsRecord* top = project != nullptr ? project->root_wbs : nullptr;
            return top != nullptr ? top->summary_calendar : nullptr;
        },
        StandardCalendar());
}

}  // namespace varnholt::view
