// xls_resource_cells.h - one RSRC-sheet cell into one resource value. Each column is given
// its reader once, from its header: the resource's own fields first, then the prices and
// limit of its rate, then its user-defined fields, then the sheet's own columns (currency,
// calendar, role lists, shift).
#pragma once

#include "import/xls_import_state.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {
class CalendarRecord;
class CurrTypeRecord;
class RsrcRateRecord;
class RsrcRecord;
class ShiftRecord;
class UdfTypeRecord;
}  // namespace varnholt

namespace varnholt::document {

class Document;

enum class resource_cell_kind : std::uint8_t {
    none,
    flag,          // no only for the exact text "N"
    resource_type,
    text,
    notes,         // an unfinished tag at the end is cut off
    ot_factor,
    default_units,  // def_qty_per_hr
    rate_units,     // max_qty_per_hr of the rate
    rate_price,     // cost_per_qty .. cost_per_qty5 of the rate
    user_field,
    currency,       // "curr_id": names the row's currency
    calendar,       // "clndr_id": names the row's calendar
    role_codes,     // "role_code_list"
    role_names,     // "role_list"
    shift,          // "shift_id": a shift, named when the cell is not empty
};

struct ResourceColumnReader {
    resource_cell_kind kind = resource_cell_kind::none;
    std::uint8_t slot = 0;              // the field within its group
    UdfTypeRecord* udf_type = nullptr;  // user_field
};

// The reader of one column, read once the sheet has a data row. A "user_field_<n>" column
// whose field type n does not exist yet makes the type and a resource column for it, captioned
// with `caption`. The names of the columns it fills go into the resource filled-name set.
[[nodiscard]] ResourceColumnReader ChooseResourceColumnReader(std::string_view header, std::string_view caption,
                                                              Document& doc, XlsImportState& state);

// The records of one RSRC row.
struct ResourceRow {
    RsrcRecord* resource = nullptr;
    RsrcRateRecord* rate = nullptr;
    CurrTypeRecord* currency = nullptr;
    CalendarRecord* calendar = nullptr;
};

void ReadResourceCell(const ResourceColumnReader& reader, std::string_view cell, const ResourceRow& row, Document& doc,
                      XlsImportState& state);

// The notes text up to and including its last ">" when a "<" follows that: an export cuts
// long notes inside a tag.
[[nodiscard]] std::wstring CutUnfinishedTag(std::wstring notes);

}  // namespace varnholt::document
