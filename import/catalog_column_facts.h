// catalog_column_facts.h - answers the model's questions about the open file's columns from
// the column catalogue, for the documents of both file kinds.
#pragma once

#include "model/column_facts.h"

#include <cstdint>

namespace varnholt {

[[nodiscard]] ColumnFact CatalogColumnFact(ColumnFactTable table, std::int32_t field_id);

}  // namespace varnholt
