// WBSTableView.cpp - the WBS table's row tree in its four arrangements, and its order.
//
// The WBS path and the OBS tree are walked recursively, so both walks stop at the model's
// depth bound (deeper elements get no row, as the model's roll-ups leave them out) and visit
// each record at most once: a file that nests its WBS a hundred thousand deep, or a tree the
// import linked by other means into a loop, cannot exhaust the stack or the memory.

#include "views/grid/WBSTableView.h"

#include "columns/ColumnCatalog.h"
#include "layouts/GroupSortBy.h"
#include "layouts/Layout.h"
#include "model/Document.h"
#include "model/derived/wbs_walk.h"
#include "model/records/ObsRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "rows/RecordRows.h"
#include "views/grid/GroupIndex.h"
#include "views/grid/GroupItem.h"
#include "views/grid/GroupRow.h"
#include "views/grid/StableSortRows.h"

namespace varnholt::view {

namespace {

constexpr std::int32_t kWbsCodeField = 374;
constexpr std::int32_t kResponsibleManagerField = 473;

const GroupBy* FirstGroupBy(const GroupSortBy* grouping) {
    if (grouping == nullptr || grouping->group_bys.empty()) return nullptr;
    return grouping->group_bys.front().get();
}

// Equal sequence numbers fall back to the place in the file.
template <class Record>
bool LessBySeqThenOrder(const Record& a, const Record& b) {
    if (a.seq_num.equal(b.seq_num)) return a.load_order.value < b.load_order.value;
    return a.seq_num.less(b.seq_num);
}

const ObsRecord* ObsOf(const Row& row) {
    if (!row.IsGroupRow()) return nullptr;
    const GroupItem& item = static_cast<const GroupRow&>(row).GetItem();
    return item.IsOBSGroupItem() ? static_cast<const OBSGroupItem&>(item).GetOBS() : nullptr;
}

}  // namespace

WbsArrangement WBSTableView::Arrangement() const {
    const GroupBy* entry = FirstGroupBy(Grouping());
    if (entry == nullptr) return WbsArrangement::flat;
    const ColumnDef* column = ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry->field));
    if (column == nullptr) return WbsArrangement::unknown_column;
    if (column->field_id == kWbsCodeField) return WbsArrangement::wbs_path;
    if (column->field_id == kResponsibleManagerField) return WbsArrangement::responsible_manager;
    return WbsArrangement::value_groups;
}

void WBSTableView::BuildTree() {
    SetRoot(std::make_unique<RootRow>());
    Row& root = *Root();
    const GroupBy* entry = FirstGroupBy(Grouping());
    switch (Arrangement()) {
    case WbsArrangement::flat:
        AddAllWbs(root);
        SortTree(root);
        return;
    case WbsArrangement::wbs_path:
        AddWbsPaths(root);
        SortHierarchy(root);
        return;
    case WbsArrangement::responsible_manager:
        AddObsGroups(root, *entry);
        SortGroups(root);
        return;
    case WbsArrangement::value_groups:
        GroupWbsRows(root, *entry);
        SortTree(root);
        return;
    case WbsArrangement::unknown_column: return;
    }
}

void WBSTableView::AddAllWbs(Row& root) {
    for (const auto& wbs : GetDocument()->ProjWbs()) {
        auto row = std::make_unique<WBSRow>(wbs.get());
        row->level = root.level + 1;
        root.AddChild(std::move(row));
    }
}

void WBSTableView::AddWbsPaths(Row& root) {
    std::size_t budget = GetDocument()->ProjWbs().size();
    for (const auto& project : GetDocument()->Projects()) {
        // A project without WBS elements has no top element to show.
        if (project == nullptr || project->root_wbs == nullptr || budget == 0) continue;
        --budget;
        auto row = std::make_unique<WBSRow>(project->root_wbs);
        row->level = root.level + 1;
        row->summary = true;
        auto& added = static_cast<WBSRow&>(root.AddChild(std::move(row)));
        AddWbsChildren(added, 0, budget);
    }
}

void WBSTableView::AddWbsChildren(WBSRow& row, std::int32_t depth, std::size_t& budget) {
    if (depth >= kMaxWbsDepth) return;
    for (ProjWbsRecord* child : row.GetWBS()->children) {
        if (child == nullptr || budget == 0) continue;
        --budget;
        auto child_row = std::make_unique<WBSRow>(child);
        child_row->level = row.level + 1;
        row.summary = true;
        auto& added = static_cast<WBSRow&>(row.AddChild(std::move(child_row)));
        AddWbsChildren(added, depth + 1, budget);
    }
}

void WBSTableView::AddObsGroups(Row& root, const GroupBy& entry) {
    std::size_t budget = GetDocument()->Obs().size();
    for (const auto& node : GetDocument()->Obs()) {
        if (node->parent == nullptr) AddObsGroup(root, *node, entry, 0, budget);
    }
}

void WBSTableView::AddObsGroup(Row& parent, const ObsRecord& node, const GroupBy& entry, std::int32_t depth,
                               std::size_t& budget) {
    if (budget == 0) return;
    --budget;
    auto group = std::make_unique<GroupRow>(std::make_unique<OBSGroupItem>(entry, GetDocument(), node.obs_name, &node));
    group->level = parent.level + 1;
    Row& added = parent.AddChild(std::move(group));
    for (ProjWbsRecord* wbs : node.wbs_elements) {
        auto row = std::make_unique<WBSRow>(wbs);
        row->level = added.level + 1;
        added.AddChild(std::move(row));
    }
    if (depth >= kMaxWbsDepth) return;
    for (const ObsRecord* child : node.children) {
        if (child != nullptr) AddObsGroup(added, *child, entry, depth + 1, budget);
    }
}

void WBSTableView::GroupWbsRows(Row& root, const GroupBy& entry) {
    GroupIndex index(entry);
    for (const auto& wbs : GetDocument()->ProjWbs()) {
        auto row = std::make_unique<WBSRow>(wbs.get());
        GroupRow& group = FindOrAddGroupRow(root, index, *row, entry);
        row->level = group.level + 1;
        group.AddChild(std::move(row));
    }
}

GroupRow& WBSTableView::FindOrAddGroupRow(Row& parent, GroupIndex& index, const WBSRow& row, const GroupBy& entry) {
    if (GroupRow* found = FindGroupRow(index, row)) return *found;
    const ColumnDef& column = *ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry.field));
    auto group = std::make_unique<GroupRow>(
        std::make_unique<WBSGroupItem>(entry, GetDocument(), GroupItem::GroupingValue(row, column)));
    group->level = parent.level + 1;
    auto& added = static_cast<GroupRow&>(parent.AddChild(std::move(group)));
    index.Add(added);
    return added;
}

bool WBSTableView::LessBySequence(const Row& a, const Row& b) {
    const ProjWbsRecord* wa = a.GetWBS();
    const ProjWbsRecord* wb = b.GetWBS();
    if (wa == nullptr || wb == nullptr) return false;
    return LessBySeqThenOrder(*wa, *wb);
}

bool WBSTableView::LessByOBS(const Row& a, const Row& b) {
    if (!a.IsGroupRow() || !b.IsGroupRow()) return false;
    const ObsRecord* oa = ObsOf(a);
    const ObsRecord* ob = ObsOf(b);
    if (oa == nullptr) return false;
    if (ob == nullptr) return true;
    return LessBySeqThenOrder(*oa, *ob);
}

// Recursion depth is the tree's depth, which the build bounded.
void WBSTableView::SortHierarchy(Row& row) {
    StableSortRows(row.children, LessBySequence);
    for (const auto& child : row.children) {
        if (child->IsWBSRow()) SortHierarchy(*child);
    }
}

void WBSTableView::SortGroups(Row& row) {
    StableSortRows(row.children, LessByOBS);
    for (const auto& child : row.children) {
        if (child->IsGroupRow()) SortGroups(*child);
    }
}

bool WBSTableView::HeaderPressSorts() const {
    const WbsArrangement arrangement = Arrangement();
    return arrangement != WbsArrangement::wbs_path && arrangement != WbsArrangement::unknown_column;
}

void WBSTableView::SortAfterHeaderPress() {
    if (Root() != nullptr) SortTree(*Root());
}

bool WBSTableView::ReleaseExpanders(PointF point, bool moved_column) {
    // WBS rows with child rows have expanders of their own.
    return ToggleExpanderAt(point) || moved_column;
}

}  // namespace varnholt::view
