// shared_caption_columns.h - the columns a file may add under captions that are not unique: a
// user field named like the built-in "Start", and a global and a project activity code type
// that are both called "Phase".
#pragma once

#include "columns/load_time_columns.h"

#include <cstdint>
#include <optional>

namespace varnholt::testing_shell {

struct SharedCaptionColumns {
    std::uint32_t user_start = 0;
    std::uint32_t global_phase = 0;
    std::uint32_t project_phase = 0;
};

// Adds the three to the activity table; none when the catalogue refused one.
inline std::optional<SharedCaptionColumns> AddSharedCaptionColumns(ColumnCatalog& catalog) {
    const ColumnDef* start = RegisterUdfColumn(
        catalog, {.table_name = L"TASK", .udf_type_id = 7, .label = L"Start", .name = L"user_field_7"});
    if (start == nullptr) return std::nullopt;
    SharedCaptionColumns ids{start->column_id};
    const ColumnDef* global = RegisterActivityCodeColumn(catalog, {.type_id = 1, .type_name = L"Phase"});
    if (global == nullptr) return std::nullopt;
    ids.global_phase = global->column_id;
    const ColumnDef* project = RegisterActivityCodeColumn(
        catalog, {.type_id = 2, .type_name = L"Phase", .proj_id = 10, .group = ColumnGroup::activity_codes_project});
    if (project == nullptr) return std::nullopt;
    ids.project_phase = project->column_id;
    return ids;
}

}  // namespace varnholt::testing_shell
