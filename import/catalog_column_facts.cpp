// catalog_column_facts.cpp - column facts read from the column catalogue.

#include "import/catalog_column_facts.h"

#include "columns/ColumnCatalog.h"

namespace varnholt {

ColumnFact CatalogColumnFact(ColumnFactTable table, std::int32_t field_id) {
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    const ColumnDef* column = nullptr;
    switch (table) {
    case ColumnFactTable::activity: column = catalog.FindActivityByFieldId(field_id); break;
    case ColumnFactTable::wbs: column = catalog.FindWbsByFieldId(field_id); break;
    // Built-in resource columns have equal field and column ids.
    case ColumnFactTable::resource: column = catalog.FindResourceByColumnId(static_cast<std::uint32_t>(field_id)); break;
    }
    if (column == nullptr) return {};
    return {.exists = true, .present = column->present != 0, .value_kind = static_cast<std::int32_t>(column->value_kind)};
}

}  // namespace varnholt
