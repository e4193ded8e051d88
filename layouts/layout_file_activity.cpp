// layout_file_activity.cpp - reading an activity layout file ("VP_ACT"): its TaskView with
// columns, grouping, filter and Gantt bars, its time scale, and the column lists of the
// resource-assignment, predecessor and successor tables beside it.

#include "layouts/LayoutStore.h"

#include "columns/field_ids.h"
#include "layouts/ActivityLayout.h"
#include "layouts/column_files.h"
#include "layouts/layout_file_parts.h"

namespace varnholt {

namespace {

using namespace layout_file;

// A group-by names its column by field name, else by caption, else by the join to the WBS,
// else by its "fieldname"; a child that names none is skipped.
void ReadActivityGroupBys(GroupSortBy& target, const data_node* group_bys) {
    if (group_bys == nullptr) return;
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    for (const auto& child : group_bys->children) {
        const ColumnDef* def = nullptr;
        if (const auto field = Property(*child, L"source_field")) {
            def = FindColumn(&ColumnCatalog::FindActivityByName, *field);
        } else if (const auto title = Property(*child, L"column_title")) {
            def = catalog.FindActivityByCaption(*title);
        } else if (const auto join = Property(*child, L"join_path"); join && *join == L"PROJWBS") {
            def = catalog.FindActivityByColumnId(static_cast<std::uint32_t>(kActivityWbsField));
        }
        if (def == nullptr) {
            if (const auto field = Property(*child, L"fieldname"))
                def = FindColumn(&ColumnCatalog::FindActivityByName, *field);
        }
        const std::optional<std::int32_t> column_id = def != nullptr ? LayoutColumnId(*def) : std::nullopt;
        if (!column_id) continue;
        ReadGroupByOptions(target.AddGroupBy(*column_id), *child, true);
    }
}

}  // namespace

void LayoutStore::ReadActivityLayout(const data_node& root) {
    auto layout = std::make_unique<ActivityLayout>();
    layout->SetName(std::wstring(Property(root, L"view_name").value_or(std::wstring_view{})));

    // Without a TaskView the layout keeps only its name, time scale and extra column lists.
    if (const data_node* task_view = root.find_child(L"TaskView")) {
        ReadMainColumns(*layout, task_view->find_child(L"Columns"), &ColumnCatalog::FindActivityByName);
        if (const data_node* grouping = task_view->find_child(L"GroupSortBy")) {
            GroupSortBy& target = *layout->GetGroupSortBy();
            ReadActivityGroupBys(target, grouping->find_child(L"GroupBys"));
            ReadSortBys(target, grouping->find_child(L"SortBys"), &ColumnCatalog::FindActivityByName);
            ReadLevels(target, grouping->find_child(L"Levels"));
        }
        // The selection exists before its children are read: a definition adds itself to it.
        if (const data_node* filter = task_view->find_child(L"Filter")) {
            if (const auto mode = Property(*filter, L"source_field")) {
                layout->SetFilter(std::make_unique<FilterSelection>(*mode == L"bool_or" ? kMatchAny : kMatchAll));
                for (const auto& child : filter->children) ReadFilterDefinition(*child, *layout->GetFilter());
            }
        }
        ReadGanttBars(*layout->GetGanttBars(), task_view->find_child(L"GanttSettings"),
                      &ColumnCatalog::FindActivityByName, BarNames::activity,
                      [this](std::int32_t id) { return FindActivityFilter(id); });
    }
    ReadTimescale(layout->GetTimescale(), root);
    // The saved "_pred_columns.cfg" and "_succ_columns.cfg" are never read back: these three
    // lists always come from the layout file.
    ReadListColumns(*layout, root.find_child(L"TaskRsrcColumns"), &ColumnCatalog::FindResourceByName,
                    &view::Layout::AddRsrcColumn);
    ReadListColumns(*layout, root.find_child(L"TaskPredColumns"), &ColumnCatalog::FindPredecessorByName,
                    &view::Layout::AddPredColumn);
    ReadListColumns(*layout, root.find_child(L"TaskSuccColumns"), &ColumnCatalog::FindSuccessorByName,
                    &view::Layout::AddSuccColumn);
    m_activity_layouts.push_back(std::move(layout));
}

}  // namespace varnholt
