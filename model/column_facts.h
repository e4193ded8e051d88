// column_facts.h - what the model asks of the column catalogue, which it does not link: whether
// a table has a column of a field id, whether the open file supplies it (its `present` byte)
// and the column's value kind. The import's documents answer from the catalogue
// (Document::FindColumnFact); the roll-ups and the workbook passes ask.
#pragma once

#include <cstdint>

namespace varnholt {

// The column tables the model asks about.
enum class ColumnFactTable : std::uint8_t { activity, wbs, resource };

struct ColumnFact {
    bool exists = false;           // the table has a column of the field id
    bool present = false;          // ... and the open file supplies its values
    std::int32_t value_kind = -1;  // the column's value-kind number; -1 without a column
};

// The value-kind numbers of the catalogue that the roll-ups tell apart (columns/column_codes.h
// checks them against its ColumnValueKind).
inline constexpr std::int32_t kIntegerValueKind = 1;
inline constexpr std::int32_t kQuantityValueKind = 5;
inline constexpr std::int32_t kDateValueKind = 6;

}  // namespace varnholt
