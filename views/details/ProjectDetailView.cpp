// ProjectDetailView.cpp - the project's header pair and General row, each value only when the
// file supplies the project column of its field.

#include "views/details/ProjectDetailView.h"

#include "columns/ColumnCatalog.h"
#include "model/records/ProjectRecord.h"
#include "rows/Row.h"

namespace varnholt::view {
namespace {

constexpr SheetField kHeader[] = {
    {1, 0, 51025, 328},  // Project ID: proj_short_name
    {1, 1, 51024, 330},  // Project Name: proj_name
};

constexpr SheetField kGeneralRow[] = {
    {3, 0, 51945, 331},  // Status: status_code
    {3, 1, 30575, 335},  // Responsible Manager: obs_id
};

std::wstring Value(const ProjectRecord* project, std::int32_t field_id) {
    if (project == nullptr) return {};
    const auto columns = ColumnCatalog::Instance().project_columns();
    const auto column = ColumnCatalog::FindInRangeByFieldId(columns, field_id);
    if (column == columns.end() || column->present == 0) return {};
    return project->GetFieldValue(field_id)->to_string();
}

}  // namespace

void ProjectDetailView::DrawRecord(const Row* selected) {
    const ProjectRecord* project = selected != nullptr && selected->IsProjectRow() ? selected->GetProject() : nullptr;
    for (const SheetField& field : kHeader) DrawField(field, Value(project, field.field_id));
    if (!IsCurrentTab(kGeneralTabCaption)) return;
    for (const SheetField& field : kGeneralRow) DrawField(field, Value(project, field.field_id));
}

}  // namespace varnholt::view
