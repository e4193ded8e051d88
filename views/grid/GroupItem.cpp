// GroupItem.cpp - group keys and date buckets, titles, membership, earliest and latest dates.
#include "views/grid/GroupItem.h"

#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "model/Document.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/load_time_values.h"
#include "model/records/TaskRecord.h"
#include "model/s_date.h"

#include <algorithm>
#include <array>

namespace varnholt::view {
namespace {

// Latest-date fields where a row without the date does not make the group's date empty.
bool LatestSkipsEmpty(std::int32_t field_id) {
    static constexpr std::array kFields{55, 65, 67, 69, 70, 71, 73, 76, 78, 212};
    return std::find(kFields.begin(), kFields.end(), field_id) != kFields.end();
}

// What a row gives for a date column: a date, a date the file left empty, or no date at all
// (the shared null value, which an empty group gives).
enum class DateKind : std::uint8_t { set, empty, none };

DateKind KindOf(const s_val& value) {
    if (!value.is_date()) return DateKind::none;
    return value.null_flag != 0 ? DateKind::empty : DateKind::set;
}

enum class DatePick : std::uint8_t { earliest, latest_set, latest_empty_wins };

// Lower is preferred. Earliest dates, and the latest dates that skip rows without one, look for
// a set date; any other latest date is empty as soon as one row has no date.
int KindRank(DateKind kind, DatePick pick) {
    if (pick == DatePick::latest_empty_wins) return kind == DateKind::empty ? 0 : kind == DateKind::none ? 1 : 2;
    return kind == DateKind::set ? 0 : kind == DateKind::empty ? 1 : 2;
}

// Whether `value` is to replace `candidate`. Rows are in whatever order the user last sorted
// them, so equal dates are told apart by what they show, never by which row comes first: a
// date that shows beats the hidden other end of a milestone, then the plainer mark wins.
bool Preferred(const s_val& value, const s_val& candidate, DatePick pick) {
    const DateKind kind = KindOf(value), candidate_kind = KindOf(candidate);
    if (kind != candidate_kind) return KindRank(kind, pick) < KindRank(candidate_kind, pick);
    if (kind == DateKind::none) return false;
    const auto& date = static_cast<const s_date&>(value);
    const auto& held = static_cast<const s_date&>(candidate);
    if (date.seconds != held.seconds) return pick == DatePick::earliest ? date.seconds < held.seconds : date.seconds > held.seconds;
    if (date.blank != held.blank) return !date.blank;
    return date.mark < held.mark;
}

const s_val& PickDate(RowSpan rows, std::int32_t field_id, DatePick pick) {
    const s_val* candidate = &rows.front()->GetFieldValue(field_id);
    for (const auto& row : rows.subspan(1)) {
        const s_val& value = row->GetFieldValue(field_id);
        if (Preferred(value, *candidate, pick)) candidate = &value;
    }
    return *candidate;
}

}  // namespace

GroupItem::GroupItem(const GroupBy& entry, const document::Document* doc, const s_val& value)
    : m_entry(&entry),
      m_column(ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry.field))),
      m_doc(doc) {
    if (entry.date_unit == kGroupDateNone) {
        m_key = value.clone();
        return;
    }
    m_range = BucketOf(entry.date_unit, value);
    if (m_range) {
        m_range_start = s_date::from_seconds(m_range->start).clone();
        m_range_end = s_date::from_seconds(m_range->end).clone();
    }
}

GroupItem::~GroupItem() = default;

const s_val* GroupItem::GetKey() const { return m_range ? m_range_start.get() : m_key.get(); }

std::wstring GroupItem::NoValueTitle() const {
    return m_column != nullptr ? L"No " + m_column->caption : std::wstring();
}

std::wstring GroupItem::GetTitle() const {
    if (m_entry->date_unit == kGroupDateNone) {
        std::wstring text = m_key->to_string();
        return text.empty() ? NoValueTitle() : text;
    }
    if (!IsBucketUnit(m_entry->date_unit)) return {};
    // A bucket group made from a row without a date gathers all such rows.
    if (!m_range) return NoValueTitle();
    return m_range_start->to_string() + L" to " + m_range_end->to_string();
}

const s_val& GroupItem::GroupingValue(const Row& row, const ColumnDef& column) {
    return IsUserFieldOrActivityCode(column.field_id) ? row.GetCodeValue(static_cast<std::int32_t>(column.column_id))
                                     : row.GetFieldValue(column.field_id);
}

bool GroupItem::Matches(const Row& row) const {
    if (m_column == nullptr) return false;
    const s_val& value = GroupingValue(row, *m_column);
    if (m_entry->date_unit == kGroupDateNone) {
        const bool key_is_null = s_val::is_null_value(m_key.get());
        // A row without any value of a code or user field opens a group of its own.
        if (IsUserFieldOrActivityCode(m_column->field_id)) return !key_is_null && !s_val::is_null_value(&value) && m_key->equal(value);
        // Elsewhere the rows without a value (no calendar, no WBS element, ...) share a group.
        if (key_is_null) return s_val::is_null_value(&value);
        return m_key->equal(value);
    }
    if (!IsBucketUnit(m_entry->date_unit)) return false;
    return BucketOf(m_entry->date_unit, value) == m_range;
}

const s_val& GroupItem::EarliestValue(RowSpan rows, const ColumnDef& column) {
    if (column.value_kind != ColumnValueKind::date || rows.empty()) return s_val::null_value();
    return PickDate(rows, column.field_id, DatePick::earliest);
}

const s_val& GroupItem::LatestValue(RowSpan rows, const ColumnDef& column) {
    if (column.value_kind != ColumnValueKind::date || rows.empty()) return s_val::null_value();
    return PickDate(rows, column.field_id,
                    LatestSkipsEmpty(column.field_id) ? DatePick::latest_set : DatePick::latest_empty_wins);
}

const s_val& GroupItem::GetSummaryValue(RowSpan rows, std::int32_t field_id) const {
    if (const s_val* cached = CachedSummary(field_id)) return *cached;
    s_val_ptr& slot = m_summaries[field_id];
    slot = ComputeSummary(rows, field_id);
    if (!slot) slot = s_val::null_value().clone();
    return *slot;
}

const s_val* GroupItem::CachedSummary(std::int32_t field_id) const {
    const auto found = m_summaries.find(field_id);
    return found != m_summaries.end() ? found->second.get() : nullptr;
}

s_val_ptr GroupItem::ComputeSummary(RowSpan, std::int32_t) const { return s_val::null_value().clone(); }

const CalendarRecord* GroupItem::StandardCalendar() const {
    return m_doc != nullptr ? m_doc->FindCalendarByName(s_string(kStandardCalendarName)) : nullptr;
}

// --- activity groups ---

std::unique_ptr<ActivityGroupItem> ActivityGroupItem::ForResource(const GroupBy& entry, const document::Document* doc,
                                                                  const s_val& value, const RsrcRecord* resource) {
    std::unique_ptr<ActivityGroupItem> item(new ActivityGroupItem(entry, doc, value));
    item->m_resource = resource;
    return item;
}

std::unique_ptr<ActivityGroupItem> ActivityGroupItem::ForValue(const GroupBy& entry, const document::Document* doc,
                                                               const s_val& value, const TaskRecord* activity) {
    std::unique_ptr<ActivityGroupItem> item(new ActivityGroupItem(entry, doc, value));
    item->m_activity = activity;
    return item;
}

ActivityGroupItem::ActivityGroupItem(const GroupBy& entry, const document::Document* doc, const s_val& value,
                                     const ProjWbsRecord* wbs)
    : GroupItem(entry, doc, value), m_wbs(wbs) {}

std::wstring ActivityGroupItem::GetTitle() const {
    const ColumnDef* column = GetColumn();
    if (column != nullptr && column->field_id == kPrimaryResourceField && m_resource == nullptr)
        return L"No primary Resource";
    // An XER code group shows the code's name rather than the code itself.
    const document::Document* doc = GetDocument();
    if (column != nullptr && column->field_id == kActivityCodeField &&
        GetGroupBy().date_unit == kGroupDateNone && m_activity != nullptr && doc != nullptr && doc->IsXer()) {
        const s_unsigned_long type_id(column->column_id - static_cast<std::uint32_t>(kActivityCodeColumnBase));
        const TaskActvRecord* assignment = doc->FindTaskActv(m_activity->task_id, type_id);
        if (assignment != nullptr && assignment->actv_code != nullptr) return assignment->actv_code->actv_code_name.to_string();
    }
    return GroupItem::GetTitle();
}

}  // namespace varnholt::view
