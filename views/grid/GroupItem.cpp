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

// A date without value, or the shared null value standing in for one.
bool IsEmptyDate(const s_val& value) {
    return s_val::is_null_value(&value) || value.null_flag != 0;
}

// Latest-date fields where a row without the date does not make the group's date empty.
bool LatestSkipsEmpty(std::int32_t field_id) {
    static constexpr std::array kFields{55, 65, 67, 69, 70, 71, 73, 76, 78, 212};
    return std::find(kFields.begin(), kFields.end(), field_id) != kFields.end();
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
    const s_val* candidate = &rows.front()->GetFieldValue(column.field_id);
    for (const auto& row : rows.subspan(1)) {
        const s_val& value = row->GetFieldValue(column.field_id);
        // The shared null value compares with nothing; it counts as an empty date.
        if (value.less(*candidate) || (s_val::is_null_value(candidate) && !s_val::is_null_value(&value)))
            candidate = &value;
    }
    return *candidate;
}

const s_val& GroupItem::LatestValue(RowSpan rows, const ColumnDef& column) {
    if (column.value_kind != ColumnValueKind::date || rows.empty()) return s_val::null_value();
    const bool skip_empty = LatestSkipsEmpty(column.field_id);
    const s_val* candidate = &rows.front()->GetFieldValue(column.field_id);
    for (const auto& row : rows.subspan(1)) {
        const s_val& value = row->GetFieldValue(column.field_id);
        if (skip_empty && IsEmptyDate(value) != IsEmptyDate(*candidate)) {
            if (!IsEmptyDate(value)) candidate = &value;
            continue;
        }
        if (!candidate->greater(value)) candidate = &value;  // ties go to the later row
    }
    return *candidate;
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
