// GroupItem.h - the bucket behind one group row of a grouped table: what defines the group (a
// value, a date bucket, or nothing for the rows without a date), the group row's title, the
// test whether a row belongs to it, and the summaries that the group row shows.
//
// Lifetime: a GroupRow owns its item. The item refers to the layout's group-by entry, to the
// catalogue's column and to the document; the frame drops the row tree before any of them
// goes away (a new layout, a new file, a rebuilt catalogue).
#pragma once

#include "layouts/GroupSortBy.h"
#include "model/records/record_classes.h"
#include "model/s_val.h"
#include "rows/Row.h"
#include "views/grid/date_buckets.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace varnholt {
struct ColumnDef;
}
namespace varnholt::document {
class Document;
}

namespace varnholt::view {

// The direct children of a group row, as the summaries read them.
using RowSpan = std::span<const std::unique_ptr<Row>>;

// The calendar name that groups without one common calendar fall back to.
inline constexpr std::wstring_view kStandardCalendarName = L"Standard 5 Day Workweek";

// A duration summary: the working time from the earliest (or latest) date of one field to
// the latest date of another.
struct GroupDurationSpan {
    std::int32_t field_id, start_field_id, end_field_id;
    bool start_is_latest;  // total float spans from the latest early finish
    bool signed_span;      // negative when the end lies before the start
};

// How one kind of group sums its columns up.
struct GroupSummaryScheme {
    bool clear_date_marks;      // earliest and latest dates lose their actual/constraint suffix
    bool blank_durations;       // durations start blank and unlisted spans give no value; else 0.0 h
    bool durations_take_hours;  // durations take their calendar's hours per period
    std::span<const GroupDurationSpan> spans;
};

class GroupItem {
public:
    // `value` is the opening row's value of the grouping column (see GroupingValue).
    GroupItem(const GroupBy& entry, const document::Document* doc, const s_val& value);
    // The item keeps referring to the entry, which a temporary would not outlive.
    GroupItem(GroupBy&& entry, const document::Document* doc, const s_val& value) = delete;
    GroupItem(const GroupItem&) = delete;
    GroupItem& operator=(const GroupItem&) = delete;
    virtual ~GroupItem();

    [[nodiscard]] virtual bool IsActivityGroupItem() const { return false; }
    [[nodiscard]] virtual bool IsWBSGroupItem() const { return false; }
    [[nodiscard]] virtual bool IsProjectGroupItem() const { return false; }
    [[nodiscard]] virtual bool IsOBSGroupItem() const { return false; }

    // The bucket start of a date group, else the key of a value group; null for neither.
    [[nodiscard]] const s_val* GetKey() const;
    [[nodiscard]] const s_val* GetRangeEnd() const { return m_range_end.get(); }
    [[nodiscard]] virtual std::wstring GetTitle() const;
    [[nodiscard]] virtual bool Matches(const Row& row) const;

    // The group's value of a field over its rows. The first answer for a field id is kept
    // and returned for the life of the item, whatever happens to the rows afterwards.
    [[nodiscard]] const s_val& GetSummaryValue(RowSpan rows, std::int32_t field_id) const;

    // The earliest or latest date of the column among the rows, owned by one of them; the
    // shared null value for no rows or a column that holds no dates. Of equal dates, the one
    // chosen hangs on what they show, not on the rows' order.
    [[nodiscard]] static const s_val& EarliestValue(RowSpan rows, const ColumnDef& column);
    [[nodiscard]] static const s_val& LatestValue(RowSpan rows, const ColumnDef& column);

    // The value a row is grouped by: user-defined field and code columns by their column id,
    // every other column by its field id.
    [[nodiscard]] static const s_val& GroupingValue(const Row& row, const ColumnDef& column);

    [[nodiscard]] const GroupBy& GetGroupBy() const { return *m_entry; }
    // The grouping column, found once; null when the catalogue lacks it.
    [[nodiscard]] const ColumnDef* GetColumn() const { return m_column; }
    [[nodiscard]] const document::Document* GetDocument() const { return m_doc; }

protected:
    // A summary not cached yet: a fresh value, or a pointer holding the shared null value.
    [[nodiscard]] virtual s_val_ptr ComputeSummary(RowSpan rows, std::int32_t field_id) const;
    // The cached summary of a field, or null.
    [[nodiscard]] const s_val* CachedSummary(std::int32_t field_id) const;
    // "No " and the grouping column's caption; empty without a column.
    [[nodiscard]] std::wstring NoValueTitle() const;
    // The document's "Standard 5 Day Workweek", or null.
    [[nodiscard]] const CalendarRecord* StandardCalendar() const;

    // Summaries by the column's summary rule (GroupSummaries.cpp).
    [[nodiscard]] s_val_ptr Summarize(RowSpan rows, const ColumnDef* column, const GroupSummaryScheme& scheme) const;
    // The lookups that Summarize leaves to the subclass.
    [[nodiscard]] virtual const ColumnDef* FindSummaryColumn(std::int32_t field_id) const;
    [[nodiscard]] virtual const CalendarRecord* QuantityCalendar(RowSpan rows) const;
    [[nodiscard]] virtual const CalendarRecord* DurationCalendar(RowSpan rows) const;

private:
    const GroupBy* m_entry;
    const ColumnDef* m_column;
    const document::Document* m_doc;
    s_val_ptr m_key;
    std::optional<DateBucket> m_range;
    s_val_ptr m_range_start, m_range_end;
    mutable std::map<std::int32_t, s_val_ptr> m_summaries;
};

// The group of an activity table. Keeps the record that made it: the opening activity of a
// value group, the resource of a primary-resource group (null for "No primary Resource"), or
// the WBS element of a WBS-path group.
class ActivityGroupItem final : public GroupItem {
public:
    [[nodiscard]] static std::unique_ptr<ActivityGroupItem> ForResource(const GroupBy& entry, const document::Document* doc,
                                                                        const s_val& value, const RsrcRecord* resource);
    [[nodiscard]] static std::unique_ptr<ActivityGroupItem> ForValue(const GroupBy& entry, const document::Document* doc,
                                                                     const s_val& value, const TaskRecord* activity);
    ActivityGroupItem(const GroupBy& entry, const document::Document* doc, const s_val& value, const ProjWbsRecord* wbs);

    [[nodiscard]] bool IsActivityGroupItem() const override { return true; }
    [[nodiscard]] std::wstring GetTitle() const override;

    [[nodiscard]] const TaskRecord* GetActivity() const { return m_activity; }
    [[nodiscard]] const RsrcRecord* GetResource() const { return m_resource; }
    [[nodiscard]] const ProjWbsRecord* GetWbs() const { return m_wbs; }

    // The calendar of durations and quantities: by the name the group's calendar column
    // shows, else "Standard 5 Day Workweek"; null when the file has no calendar column.
    [[nodiscard]] const CalendarRecord* GroupCalendar(RowSpan rows) const;

protected:
    [[nodiscard]] s_val_ptr ComputeSummary(RowSpan rows, std::int32_t field_id) const override;
    [[nodiscard]] const ColumnDef* FindSummaryColumn(std::int32_t field_id) const override;
    [[nodiscard]] const CalendarRecord* QuantityCalendar(RowSpan rows) const override { return GroupCalendar(rows); }
    [[nodiscard]] const CalendarRecord* DurationCalendar(RowSpan rows) const override { return GroupCalendar(rows); }

private:
    ActivityGroupItem(const GroupBy& entry, const document::Document* doc, const s_val& value)
        : GroupItem(entry, doc, value) {}

    const TaskRecord* m_activity = nullptr;
    const RsrcRecord* m_resource = nullptr;
    const ProjWbsRecord* m_wbs = nullptr;
};

// A value group of the WBS table.
class WBSGroupItem final : public GroupItem {
public:
    using GroupItem::GroupItem;
    [[nodiscard]] bool IsWBSGroupItem() const override { return true; }
    // The one calendar of every child's WBS element, else "Standard 5 Day Workweek".
    [[nodiscard]] const CalendarRecord* GetSummaryCalendar(RowSpan rows) const;

protected:
    [[nodiscard]] s_val_ptr ComputeSummary(RowSpan rows, std::int32_t field_id) const override;
    [[nodiscard]] const ColumnDef* FindSummaryColumn(std::int32_t field_id) const override;
    [[nodiscard]] const CalendarRecord* DurationCalendar(RowSpan rows) const override {
        return GetSummaryCalendar(rows);
    }
};

// A responsible-manager group of the WBS table: the OBS node it stands for.
class OBSGroupItem final : public GroupItem {
public:
    OBSGroupItem(const GroupBy& entry, const document::Document* doc, const s_val& value, const ObsRecord* obs)
        : GroupItem(entry, doc, value), m_obs(obs) {}
    [[nodiscard]] bool IsOBSGroupItem() const override { return true; }
    [[nodiscard]] const ObsRecord* GetOBS() const { return m_obs; }

protected:
    [[nodiscard]] s_val_ptr ComputeSummary(RowSpan rows, std::int32_t field_id) const override;
    [[nodiscard]] const ColumnDef* FindSummaryColumn(std::int32_t field_id) const override;
    [[nodiscard]] const CalendarRecord* DurationCalendar(RowSpan) const override { return StandardCalendar(); }

private:
    const ObsRecord* m_obs;
};

// A value group of the project table.
class ProjectGroupItem final : public GroupItem {
public:
    using GroupItem::GroupItem;
    [[nodiscard]] bool IsProjectGroupItem() const override { return true; }
    // The one calendar of every child project's top WBS element, else "Standard 5 Day Workweek".
    [[nodiscard]] const CalendarRecord* GetSummaryCalendar(RowSpan rows) const;

protected:
    [[nodiscard]] s_val_ptr ComputeSummary(RowSpan rows, std::int32_t field_id) const override;
    [[nodiscard]] const ColumnDef* FindSummaryColumn(std::int32_t field_id) const override;
    [[nodiscard]] const CalendarRecord* QuantityCalendar(RowSpan rows) const override { return GetSummaryCalendar(rows); }
    [[nodiscard]] const CalendarRecord* DurationCalendar(RowSpan rows) const override { return GetSummaryCalendar(rows); }
};

}  // namespace varnholt::view
