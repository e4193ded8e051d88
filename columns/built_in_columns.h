// built_in_columns.h - the built-in rows of the six column tables, in table order. Each list
// lives in its own source file; the builders of ColumnCatalog append them.
#pragma once

#include "columns/ColumnDef.h"

#include <span>

namespace varnholt {

[[nodiscard]] std::span<const BuiltInColumn> BuiltInActivityColumns() noexcept;
[[nodiscard]] std::span<const BuiltInColumn> BuiltInProjectColumns() noexcept;
[[nodiscard]] std::span<const BuiltInColumn> BuiltInWbsColumns() noexcept;
[[nodiscard]] std::span<const BuiltInColumn> BuiltInResourceColumns() noexcept;
[[nodiscard]] std::span<const BuiltInColumn> BuiltInPredecessorColumns() noexcept;
[[nodiscard]] std::span<const BuiltInColumn> BuiltInSuccessorColumns() noexcept;

}  // namespace varnholt
