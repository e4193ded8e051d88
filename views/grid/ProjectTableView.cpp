// ProjectTableView.cpp - the project table's row tree and its order.
//
// Projects group by the text their value shows, so two values that display alike share a
// group. A group-by column the catalogue lacks lists the projects ungrouped, as the activity
// table does, rather than leaving them without a group to go in.

#include "views/grid/ProjectTableView.h"

#include "columns/ColumnCatalog.h"
#include "layouts/GroupSortBy.h"
#include "layouts/Layout.h"
#include "model/Document.h"
#include "model/records/ProjectRecord.h"
#include "rows/RecordRows.h"
#include "views/grid/GroupItem.h"
#include "views/grid/GroupRow.h"
#include "views/grid/StableSortRows.h"


namespace varnholt::view {

namespace {

// Grouped by this field, the groups stand in title order and the projects in file order.
constexpr std::int32_t kResponsibleManagerField = 335;

const ColumnDef* ColumnOf(const GroupBy& entry) {
    return ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry.field));
}

// The text as UTF-16 code units: a character above U+FFFF becomes its surrogate pair.
std::u16string Utf16Units(std::wstring_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (const wchar_t wide : text) {
        const auto c = static_cast<std::uint32_t>(wide);
        if (c <= 0xFFFF) {
            units.push_back(static_cast<char16_t>(c));
        } else if (c <= 0x10FFFF) {
            const std::uint32_t offset = c - 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
        } else {
            units.push_back(u'\xFFFD');  // not a character; stands where a replacement would
        }
    }
    return units;
}

}  // namespace

const GroupBy* ProjectTableView::GroupingEntry() const {
    const GroupSortBy* grouping = Grouping();
    if (grouping == nullptr || grouping->group_bys.empty()) return nullptr;
    const GroupBy* entry = grouping->group_bys.front().get();
    return entry != nullptr && ColumnOf(*entry) != nullptr ? entry : nullptr;
}

void ProjectTableView::BuildTree() {
    SetRoot(std::make_unique<RootRow>());
    Row& root = *Root();
    const GroupBy* entry = GroupingEntry();
    if (entry == nullptr) {
        AddProjectRows(root);
        SortTree(root);
        return;
    }
    const ColumnDef& column = *ColumnOf(*entry);
    GroupProjectRows(root, *entry, column);
    if (column.field_id == kResponsibleManagerField) {
        SortLevel(root);
    } else {
        SortTree(root);
    }
}

void ProjectTableView::AddProjectRows(Row& root) {
    for (const auto& project : GetDocument()->Projects()) {
        if (project == nullptr) continue;
        auto row = std::make_unique<ProjectRow>(project.get());
        row->level = root.level + 1;
        root.AddChild(std::move(row));
    }
}

void ProjectTableView::GroupProjectRows(Row& root, const GroupBy& entry, const ColumnDef& column) {
    GroupsByTitle groups;
    for (const auto& project : GetDocument()->Projects()) {
        if (project == nullptr) continue;
        auto row = std::make_unique<ProjectRow>(project.get());
        GroupRow& group = FindOrAddGroupRow(root, groups, *row, entry, column);
        row->level = group.level + 1;
        group.AddChild(std::move(row));
    }
}

std::wstring ProjectTableView::GroupTitleFor(const Row& row, const ColumnDef& column) {
    std::wstring text = GroupItem::GroupingValue(row, column).to_string();
    return text.empty() ? L"No " + column.caption : text;
}

GroupRow& ProjectTableView::FindOrAddGroupRow(Row& parent, GroupsByTitle& groups, const Row& row,
                                              const GroupBy& entry, const ColumnDef& column) {
    std::wstring title = GroupTitleFor(row, column);
    if (const auto found = groups.find(title); found != groups.end()) return *found->second;
    auto group = std::make_unique<GroupRow>(
        std::make_unique<ProjectGroupItem>(entry, GetDocument(), GroupItem::GroupingValue(row, column)));
    group->level = parent.level + 1;
    auto& added = static_cast<GroupRow&>(parent.AddChild(std::move(group)));
    groups.emplace(std::move(title), &added);
    return added;
}

bool ProjectTableView::LessByGroupTitle(const Row& a, const Row& b) {
    if (!a.IsGroupRow() || !b.IsGroupRow()) return false;
    return Utf16Units(static_cast<const GroupRow&>(a).GetTitle()) < Utf16Units(static_cast<const GroupRow&>(b).GetTitle());
}

void ProjectTableView::SortLevel(Row& row) { StableSortRows(row.children, LessByGroupTitle); }

void ProjectTableView::SortAfterHeaderPress() {
    if (Root() != nullptr) SortTree(*Root());
}

}  // namespace varnholt::view
