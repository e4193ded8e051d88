// post_open_passes.cpp - fitting the layouts to the file just opened: the user's own layouts
// join, layouts and columns that depend on fields the file lacks are set aside, the current
// names are repaired, and the Gantt bars are fitted to the dates the file has.

#include "layouts/post_open_passes.h"

#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "layouts/LayoutStore.h"
#include "layouts/built_in_filters.h"
#include "layouts/column_files.h"
#include "layouts/layout_files.h"
#include "layouts/layout_records.h"
#include "platform/program_folder.h"

#include <algorithm>
#include <limits>

namespace varnholt {

namespace {

// A column that a layout names by id, looked up in one table (or the whole catalogue); null
// when the id names none.
using IdLookup = const ColumnDef* (ColumnCatalog::*)(std::uint32_t) const;

const ColumnDef* ColumnById(IdLookup lookup, std::int32_t column_id) {
    if (column_id < 0) return nullptr;
    return (ColumnCatalog::Instance().*lookup)(static_cast<std::uint32_t>(column_id));
}

bool IsAbsent(const ColumnDef* column) { return column != nullptr && column->present == 0; }

// A layout grouped by a field the file lacks cannot be shown for it at all.
bool GroupsByAbsentField(view::Layout& layout) {
    const GroupSortBy* grouping = layout.GetGroupSortBy();
    if (grouping == nullptr) return false;
    return std::any_of(grouping->group_bys.rbegin(), grouping->group_bys.rend(), [](const auto& group_by) {
        return group_by != nullptr && IsAbsent(ColumnById(&ColumnCatalog::FindAnyByColumnId, group_by->field));
    });
}

// Columns the file lacks leave the layout but are remembered, so that a file that has them
// shows them at their old place again. The last column goes first, so each keeps its index.
void SetAsideAbsentColumns(view::Layout& layout, IdLookup lookup) {
    view::ColumnWidthMap* remembered = layout.GetColumnWidths();
    for (std::size_t index = layout.GetColumnCount(); index-- > 0;) {
        const view::LayoutColumn* column = layout.GetColumn(index);
        if (column == nullptr) continue;
        const ColumnDef* def = ColumnById(lookup, column->field);
        if (!IsAbsent(def)) continue;
        if (remembered != nullptr) {
            // The first free key from the column's own index on.
            auto key = static_cast<std::int64_t>(index);
            while (key < std::numeric_limits<std::int32_t>::max() && remembered->contains(static_cast<std::int32_t>(key)))
                ++key;
            // Unscaled, as the columns file and every other remembered width hold it: a width
            // taken at the display scale would grow by that scale at each open under large text.
            const float width = SaneColumnWidth(static_cast<double>(column->width));
            remembered->try_emplace(static_cast<std::int32_t>(key), view::ColumnWidthEntry{def->field_name, width});
        }
        layout.RemoveColumn(index);
    }
}

// Visits the layouts from the last to the first; a layout grouped by an absent field leaves
// the store. Then, when no layout bears the current name, the first one's name becomes it.
void PruneLayouts(LayoutList& layouts, IdLookup lookup, std::wstring& current_name) {
    for (std::size_t index = layouts.size(); index-- > 0;) {
        view::Layout* layout = layouts[index].get();
        if (layout == nullptr) continue;
        if (GroupsByAbsentField(*layout)) {
            layouts.erase(layouts.begin() + static_cast<std::ptrdiff_t>(index));
            continue;
        }
        SetAsideAbsentColumns(*layout, lookup);
    }
    if (FindByName(layouts, current_name) != layouts.end()) return;
    const auto first = std::find_if(layouts.begin(), layouts.end(), [](const auto& layout) { return layout != nullptr; });
    if (first != layouts.end()) current_name = (*first)->GetName();
}

std::unique_ptr<GanttBarShape> LightBlueShape(std::int32_t shape) {
    constexpr ColorWord kLightBlue = 0xFFFFBC79;
    auto part = std::make_unique<GanttBarShape>();
    part->shape = shape;
    part->color = kLightBlue;
    part->border_color = kLightBlue;
    part->style = 1;
    return part;
}

// From start to finish for the normal and level-of-effort activities; the filters are found by
// id, so the bar is the same under every caption language.
void AddUniversalBar(GanttBarSet& bars, const LayoutStore& store) {
    GanttBar& bar = bars.AddBar(std::wstring(kUniversalBarName), kStartField, kFinishField, true, false);
    bar.filter = std::make_unique<FilterSelection>(kMatchAny);
    for (const std::int32_t id : {kFilterNormal, kFilterLevelOfEffort})
        if (const NamedFilter* filter = store.FindActivityFilter(id)) bar.filter->AddFilter(filter);
    bar.mid_rect = LightBlueShape(1);
    bar.start_point = LightBlueShape(0);
    bar.end_point = LightBlueShape(0);
}

bool IsProgressBar(const std::unique_ptr<GanttBar>& bar) {
    return bar != nullptr &&
           std::find(kProgressBarNames.begin(), kProgressBarNames.end(), bar->name) != kProgressBarNames.end();
}

// WBS and project bars are drawn from the start and finish of their rows: without either
// column no bar of the kind can be drawn.
using FieldLookup = const ColumnDef* (ColumnCatalog::*)(std::int32_t) const;

void DropBarsWithoutDates(LayoutList& layouts, FieldLookup lookup, std::int32_t start_field, std::int32_t finish_field) {
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    if (!IsAbsent((catalog.*lookup)(start_field)) && !IsAbsent((catalog.*lookup)(finish_field))) return;
    for (const auto& layout : layouts) {
        if (layout == nullptr) continue;
        if (GanttBarSet* bars = layout->GetGanttBars()) bars->bars.clear();
    }
}

}  // namespace

void LayoutStore::RunPostOpenPasses() {
    LoadCustomLayouts();
    PruneActivityLayouts();
    PruneWbsLayouts();
    PruneResourceLayouts();
    PruneProjectLayouts();
    PrepareActivityGanttBars();
    PrepareWbsGanttBars();
    PrepareProjectGanttBars();
    LoadAllColumnsFiles();
    LoadAllFiltersFiles();
}

void LayoutStore::LoadCustomLayouts() {
    const std::filesystem::path program_folder = GetProgramFolder();
    const std::filesystem::path folder =
        program_folder.empty() ? std::filesystem::path(kCustomLayoutFolder) : program_folder / kCustomLayoutFolder;
    LoadLayoutFiles(custom_layout_files(), folder);
}

void LayoutStore::PruneActivityLayouts() {
    PruneLayouts(m_activity_layouts, &ColumnCatalog::FindActivityByColumnId, m_current_activity_layout);
}
void LayoutStore::PruneWbsLayouts() {
    PruneLayouts(m_wbs_layouts, &ColumnCatalog::FindWbsByColumnId, m_current_wbs_layout);
}
void LayoutStore::PruneResourceLayouts() {
    PruneLayouts(m_resource_layouts, &ColumnCatalog::FindResourceByColumnId, m_current_resource_layout);
}
void LayoutStore::PruneProjectLayouts() {
    PruneLayouts(m_project_layouts, &ColumnCatalog::FindProjectByColumnId, m_current_project_layout);
}

void LayoutStore::PrepareActivityGanttBars() {
    // Only a workbook lacking some schedule column asks for this; an XER file never does.
    const document::Document* document = m_document.get();
    if (document == nullptr || !document->IsMissingScheduleColumns()) return;
    for (auto layout = m_activity_layouts.rbegin(); layout != m_activity_layouts.rend(); ++layout) {
        ColumnSet* columns = *layout != nullptr ? (*layout)->GetTaskView() : nullptr;
        if (columns == nullptr) continue;
        std::vector<std::unique_ptr<GanttBar>>& bars = columns->gantt_bars.bars;
        std::erase_if(bars, IsProgressBar);
        if (!document->HasStartAndFinishColumns()) {
            bars.clear();
            continue;
        }
        AddUniversalBar(columns->gantt_bars, *this);
    }
}

void LayoutStore::PrepareWbsGanttBars() {
    // WBS start 434 and finish 429.
    DropBarsWithoutDates(m_wbs_layouts, &ColumnCatalog::FindWbsByFieldId, 434, 429);
}

void LayoutStore::PrepareProjectGanttBars() {
    // Project start 279 and finish 271.
    DropBarsWithoutDates(m_project_layouts, &ColumnCatalog::FindProjectByFieldId, 279, 271);
}

}  // namespace varnholt
