// WBSDetailView.cpp - the element's header pair and General sheet. Unlike the activity pane,
// every value here, the header pair included, shows only when the file supplies its column.

#include "views/details/WBSDetailView.h"

#include "columns/ColumnCatalog.h"
#include "model/records/ProjWbsRecord.h"
#include "rows/Row.h"

namespace varnholt::view {
namespace {

constexpr SheetField kHeader[] = {
    {1, 0, 50158, 374},  // WBS Code: wbs_concat_name
    {1, 1, 30358, 510},  // WBS Name: wbs_name
};

constexpr SheetField kGeneralSheet[] = {
    {3, 0, 51945, 472},  // Status: status_code
    {3, 1, 30575, 473},  // Responsible Manager: obs_id, shown as the OBS node's name
};

std::wstring Value(const ProjWbsRecord* element, std::int32_t field_id) {
    if (element == nullptr) return {};
    const ColumnDef* column = ColumnCatalog::Instance().FindWbsByFieldId(field_id);
    if (column == nullptr || column->present == 0) return {};
    return element->GetFieldValue(field_id)->to_string();
}

}  // namespace

void WBSDetailView::DrawRecord(const Row* selected) {
    const ProjWbsRecord* element = selected != nullptr && selected->IsWBSRow() ? selected->GetWBS() : nullptr;
    for (const SheetField& field : kHeader) DrawField(field, Value(element, field.field_id));
    if (!IsCurrentTab(kGeneralTabCaption)) return;
    for (const SheetField& field : kGeneralSheet) DrawField(field, Value(element, field.field_id));
}

}  // namespace varnholt::view
