// layout_file_tables.cpp - reading WBS ("VP_WBS"), project ("VP_PROJ") and resource
// ("VP_RES") layout files. Their nodes are children of the root; WBS and project layouts have
// grouping, sorting, Gantt bars and a time scale, resource layouts only columns.

#include "layouts/LayoutStore.h"

#include "layouts/TableLayouts.h"
#include "layouts/column_files.h"
#include "layouts/layout_file_parts.h"

namespace varnholt {

namespace {

using namespace layout_file;

// What a group-by's "join_path" names in the table of one kind, by column id; 0 for nothing.
struct JoinColumns {
    std::uint32_t obs = 0;
    std::uint32_t wbs = 0;
};

// The group-bys of a WBS or project layout: by field name, else by join path. A field name the
// table does not know skips the child.
void ReadTableGroupBys(GroupSortBy& target, const data_node* group_bys, NameLookup lookup,
                       const ColumnDef* (ColumnCatalog::*by_id)(std::uint32_t) const, JoinColumns joins) {
    if (group_bys == nullptr) return;
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    for (const auto& child : group_bys->children) {
        const ColumnDef* def = nullptr;
        if (const auto field = Property(*child, L"source_field")) {
            def = FindColumn(lookup, *field);
        } else if (const auto join = Property(*child, L"join_path")) {
            const std::uint32_t column = *join == L"OBS" ? joins.obs : *join == L"PROJWBS" ? joins.wbs : 0;
            if (column != 0) def = (catalog.*by_id)(column);
        }
        const std::optional<std::int32_t> column_id = def != nullptr ? LayoutColumnId(*def) : std::nullopt;
        if (!column_id) continue;
        ReadGroupByOptions(target.AddGroupBy(*column_id), *child, false);
    }
}

// Steps shared by WBS and project layouts: columns, grouping, sorting, bars and time scale.
void ReadGanttTable(view::Layout& layout, const data_node& root, NameLookup lookup,
                    const ColumnDef* (ColumnCatalog::*by_id)(std::uint32_t) const, JoinColumns joins,
                    const FilterLookup& find_filter) {
    layout.SetName(std::wstring(Property(root, L"view_name").value_or(std::wstring_view{})));
    ReadMainColumns(layout, root.find_child(L"Columns"), lookup);
    if (const data_node* grouping = root.find_child(L"GroupSortBy")) {
        GroupSortBy& target = *layout.GetGroupSortBy();
        ReadTableGroupBys(target, grouping->find_child(L"GroupBys"), lookup, by_id, joins);
        ReadSortBys(target, grouping->find_child(L"SortBys"), lookup);
        ReadLevels(target, grouping->find_child(L"Levels"));
    }
    ReadGanttBars(*layout.GetGanttBars(), root.find_child(L"GanttSettings"), lookup, BarNames::any, find_filter);
    ReadTimescale(layout.GetTimescale(), root);
}

}  // namespace

void LayoutStore::ReadWbsLayout(const data_node& root) {
    auto layout = std::make_unique<WBSLayout>();
    // OBS: the responsible manager (473); PROJWBS: the WBS code (374).
    ReadGanttTable(*layout, root, &ColumnCatalog::FindWbsByName, &ColumnCatalog::FindWbsByColumnId, {473, 374},
                   [this](std::int32_t id) { return FindWbsFilter(id); });
    m_wbs_layouts.push_back(std::move(layout));
}

void LayoutStore::ReadProjectLayout(const data_node& root) {
    auto layout = std::make_unique<ProjectLayout>();
    // OBS: the responsible manager (335); a project layout has no WBS join.
    ReadGanttTable(*layout, root, &ColumnCatalog::FindProjectByName, &ColumnCatalog::FindProjectByColumnId, {335, 0},
                   [this](std::int32_t id) { return FindProjectFilter(id); });
    m_project_layouts.push_back(std::move(layout));
}

void LayoutStore::ReadResourceLayout(const data_node& root) {
    auto layout = std::make_unique<ResourceLayout>();
    layout->SetName(std::wstring(Property(root, L"view_name").value_or(std::wstring_view{})));
    ReadMainColumns(*layout, root.find_child(L"Columns"), &ColumnCatalog::FindResourceByName);
    m_resource_layouts.push_back(std::move(layout));
}

}  // namespace varnholt
