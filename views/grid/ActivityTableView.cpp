// ActivityTableView.cpp - the activity table's row tree: filtering, grouping level by level or
// under the WBS tree, and ordering.
//
// The first grouping level finds or makes each activity's group before the filter test, so a
// group whose activities are all filtered out still shows, empty; deeper levels regroup only
// the rows that passed.

#include "views/grid/ActivityTableView.h"

#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "layouts/FilterSelection.h"
#include "layouts/GroupSortBy.h"
#include "layouts/Layout.h"
#include "layouts/layout_records.h"
#include "model/Document.h"
#include "model/derived/wbs_walk.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"
#include "rows/ActivityRow.h"
#include "rows/RecordRows.h"
#include "views/core/RowList.h"
#include "views/grid/ActivityGroupOrders.h"
#include "views/grid/GroupIndex.h"
#include "views/grid/GroupItem.h"
#include "views/grid/GroupRow.h"
#include "views/grid/StableSortRows.h"

namespace varnholt::view {

const GroupBy* ActivityTableView::GetGroupBy(std::int32_t level) const {
    Layout* layout = GetLayout();
    ColumnSet* columns = layout != nullptr ? layout->GetTaskView() : nullptr;
    if (columns == nullptr || level < 0) return nullptr;
    const auto& entries = columns->group_sort_by.group_bys;
    if (static_cast<std::size_t>(level) >= entries.size()) return nullptr;
    const GroupBy* entry = entries[static_cast<std::size_t>(level)].get();
    if (entry == nullptr || entry->field < 0) return nullptr;
    if (ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry->field)) == nullptr) return nullptr;
    return entry;
}

bool ActivityTableView::Passes(const Row& row) const {
    const FilterSelection* filter = GetLayout()->GetFilter();
    return filter == nullptr || filter->filters.empty() || filter->Match(row);
}

void ActivityTableView::BuildTree() {
    SetRoot(std::make_unique<RootRow>());
    Row& root = *Root();
    const GroupBy* entry = GetGroupBy(0);
    if (entry == nullptr) {
        AddActivities(root);
        SortTree(root);
        return;
    }
    const ColumnDef* column = ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry->field));
    if (column->field_id == kActivityWbsField && entry->include_all) {
        AddWbsGroups(root, nullptr, *entry, 0);
        SortGroups(root);
        return;
    }
    GroupActivities(root);
    SortTree(root);
}

void ActivityTableView::AddActivities(Row& parent) {
    for (const auto& task : GetDocument()->Tasks()) {
        auto row = std::make_unique<ActivityRow>(task.get());
        if (!Passes(*row)) continue;
        row->level = parent.level + 1;
        parent.AddChild(std::move(row));
    }
}

void ActivityTableView::GroupActivities(Row& root) {
    const GroupBy* entry = GetGroupBy(root.level);
    if (entry == nullptr) return;
    GroupIndex index(*entry);
    for (const auto& task : GetDocument()->Tasks()) {
        auto row = std::make_unique<ActivityRow>(task.get());
        GroupRow& group = FindOrAddGroupRow(root, index, *row, *entry);
        if (!Passes(*row)) continue;
        row->level = group.level;
        group.AddChild(std::move(row));
    }
    OrderGroups(root, *entry);
    for (const auto& child : root.children) RegroupLevel(*child);
}

void ActivityTableView::RegroupLevel(Row& row) {
    const GroupBy* entry = GetGroupBy(row.level);
    if (entry == nullptr) return;
    std::vector<std::unique_ptr<Row>> old_children = std::move(row.children);
    row.children.clear();
    GroupIndex index(*entry);
    for (auto& child : old_children) {
        if (!child->IsActivityRow()) continue;
        GroupRow& group = FindOrAddGroupRow(row, index, static_cast<const ActivityRow&>(*child), *entry);
        child->level = group.level;
        group.AddChild(std::move(child));
    }
    OrderGroups(row, *entry);
    for (const auto& child : row.children) RegroupLevel(*child);
}

void ActivityTableView::OrderGroups(Row& parent, const GroupBy& entry) {
    const ColumnDef* column = ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry.field));
    if (column != nullptr && column->field_id == kPrimaryResourceField) {
        SortLevel(parent);
        return;
    }
    StableSortRows(parent.children, CompareActivities(entry));
}

GroupRow& ActivityTableView::FindOrAddGroupRow(Row& parent, GroupIndex& index, const ActivityRow& row,
                                               const GroupBy& entry) {
    if (GroupRow* found = FindGroupRow(index, row)) return *found;
    const ColumnDef& column = *ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry.field));
    std::unique_ptr<GroupItem> item;
    if (column.field_id == kPrimaryResourceField) {
        item = ActivityGroupItem::ForResource(entry, GetDocument(), row.GetFieldValue(kPrimaryResourceField),
                                              row.GetActivity()->resource);
    } else if (IsUserFieldOrActivityCode(column.field_id)) {
        item = ActivityGroupItem::ForValue(entry, GetDocument(), row.GetCodeValue(column.column_id), row.GetActivity());
    } else {
        item = ActivityGroupItem::ForValue(entry, GetDocument(), row.GetFieldValue(column.field_id), row.GetActivity());
    }
    auto group = std::make_unique<GroupRow>(std::move(item));
    group->level = parent.level + 1;
    auto& added = static_cast<GroupRow&>(parent.AddChild(std::move(group)));
    index.Add(added);
    return added;
}

void ActivityTableView::AddWbsGroups(Row& parent, const ProjWbsRecord* node, const GroupBy& entry,
                                     std::int32_t depth) {
    if (node == nullptr) {
        for (const auto& project : GetDocument()->Projects()) {
            if (project->root_wbs != nullptr) AddWbsGroup(parent, *project->root_wbs, entry, depth);
        }
        return;
    }
    // The build pass refuses loops; the bound keeps a damaged tree from exhausting the stack.
    if (depth >= kMaxWbsDepth) return;
    for (const ProjWbsRecord* child : node->children) AddWbsGroup(parent, *child, entry, depth + 1);
}

void ActivityTableView::AddWbsGroup(Row& parent, const ProjWbsRecord& node, const GroupBy& entry,
                                    std::int32_t depth) {
    // Keyed with the text the WBS column shows for the element's activities, so the group
    // shows the element's WBS code as a WBS value group would.
    auto group = std::make_unique<GroupRow>(
        std::make_unique<ActivityGroupItem>(entry, GetDocument(), node.wbs_concat_name, &node));
    group->level = parent.level + 1;
    Row& added = parent.AddChild(std::move(group));
    for (TaskRecord* task : node.activities) {
        auto row = std::make_unique<ActivityRow>(task);
        if (!Passes(*row)) continue;
        row->level = added.level;
        added.AddChild(std::move(row));
    }
    SortTree(added);
    AddWbsGroups(added, &node, entry, depth);
}

void ActivityTableView::SortGroups(Row& row) {
    StableSortRows(row.children, LessByWbs);
    for (const auto& child : row.children) {
        if (child->IsGroupRow()) SortGroups(*child);
    }
}

void ActivityTableView::SortLevel(Row& row) { StableSortRows(row.children, LessByResource); }

void ActivityTableView::SortAfterHeaderPress() {
    if (Root() != nullptr) SortTree(*Root());
}

}  // namespace varnholt::view
