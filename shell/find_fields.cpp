// find_fields.cpp - the searchable columns of each table and the labels of the list kinds.

#include "shell/find_fields.h"

#include "layouts/LayoutStore.h"
#include "model/s_bool.h"
#include "model/s_enums.h"
#include "views/core/View.h"

#include <initializer_list>

namespace varnholt {
namespace {

template <class Enum>
std::vector<std::wstring> EnumLabels(std::initializer_list<std::int32_t> codes) {
    std::vector<std::wstring> labels;
    labels.reserve(codes.size());
    for (std::int32_t code : codes) labels.push_back(enum_display_text(Enum::kDescriptor, code));
    return labels;
}

}  // namespace

std::optional<SearchKind> SearchKindOfView(const view::View* view) {
    if (view == nullptr) return std::nullopt;
    if (view->IsActivityTableView()) return SearchKind::activities;
    if (view->IsWBSTableView()) return SearchKind::wbs;
    if (view->IsProjectTableView()) return SearchKind::projects;
    if (view->IsResourceTableView()) return SearchKind::resources;
    return std::nullopt;
}

ColumnCatalog::Run SearchColumns(SearchKind kind) {
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    switch (kind) {
    case SearchKind::activities: return catalog.activity_columns();
    case SearchKind::projects: return catalog.project_columns();
    case SearchKind::wbs: return catalog.wbs_columns();
    case SearchKind::resources: return catalog.resource_columns();
    }
    return {};
}

const ColumnDef* FindSearchColumn(SearchKind kind, std::uint32_t column_id) {
    const ColumnCatalog::Run run = SearchColumns(kind);
    const auto found = ColumnCatalog::FindInRangeByColumnId(run, column_id);
    return found == run.end() || found->present == 0 ? nullptr : &*found;
}

bool IsListValueKind(ColumnValueKind kind) noexcept {
    using K = ColumnValueKind;
    switch (kind) {
    case K::flag:
    case K::activity_status:
    case K::project_status:
    case K::percent_complete_type:
    case K::activity_type:
    case K::duration_type:
    case K::constraint_type:
    case K::leveling_priority:
    case K::rate_type:
    case K::resource_type:
    case K::relationship_type: return true;
    default: return false;
    }
}

bool IsSearchableValueKind(ColumnValueKind kind) noexcept {
    return kind == ColumnValueKind::text || IsListValueKind(kind);
}

std::vector<const ColumnDef*> SearchableColumns(SearchKind kind, const LayoutStore& store) {
    const view::Layout* layout = nullptr;
    switch (kind) {
    case SearchKind::activities: layout = store.GetCurrentActivityLayout(); break;
    case SearchKind::projects: layout = store.GetCurrentProjectLayout(); break;
    case SearchKind::wbs: layout = store.GetCurrentWbsLayout(); break;
    case SearchKind::resources: layout = store.GetCurrentResourceLayout(); break;
    }
    std::vector<const ColumnDef*> columns;
    if (layout == nullptr) return columns;
    for (const ColumnDef& column : SearchColumns(kind)) {
        if (column.present != 0 && IsSearchableValueKind(column.value_kind)) columns.push_back(&column);
    }
    return columns;
}

std::vector<std::wstring> ValueLabels(ColumnValueKind kind) {
    using K = ColumnValueKind;
    switch (kind) {
    case K::flag: return {s_bool(true).to_string(), s_bool(false).to_string()};
    case K::activity_status: return EnumLabels<s_activity_status>({0, 1, 2});
    case K::project_status: return EnumLabels<s_project_status>({0, 1, 2, 4});
    case K::percent_complete_type: return EnumLabels<s_percent_comlete_type>({0, 1, 2});
    case K::activity_type: return EnumLabels<s_activity_type>({0, 1, 2, 3, 4, 5});
    case K::duration_type: return EnumLabels<s_duration_type>({0, 1, 2, 3});
    case K::constraint_type: return EnumLabels<s_constraint_type>({1, 2, 3, 4, 5, 6, 7, 8, 9});
    case K::leveling_priority: return EnumLabels<s_leveling_priority>({0, 1, 2, 3, 4});
    case K::rate_type: return EnumLabels<s_rate_type>({0, 1, 2, 3, 4});
    case K::resource_type: return EnumLabels<s_resource_type>({2, 0, 1});
    case K::relationship_type: return EnumLabels<s_relationship_type>({0, 1, 2, 3});
    default: return {};
    }
}

void SaveFindChoices(std::array<FindState, 4>& states, SearchKind kind, const FindChoices& choices) {
    FindState& state = FindStateOf(states, kind);
    state.whole_text = choices.whole_text;
    state.match_case = choices.match_case;
    state.search_down = choices.search_down;
    if (choices.column_id) state.column_id = static_cast<std::int32_t>(*choices.column_id);
}

RestoredFind RestoreFindChoices(const std::array<FindState, 4>& states, SearchKind kind,
                                std::span<const ColumnDef* const> fields) {
    RestoredFind restored{states[static_cast<std::size_t>(FindTableOf(kind))], std::nullopt};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (static_cast<std::int64_t>(fields[i]->column_id) == restored.state.column_id) {
            restored.field_index = i;
            break;
        }
    }
    return restored;
}

}  // namespace varnholt
