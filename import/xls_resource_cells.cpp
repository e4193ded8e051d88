// xls_resource_cells.cpp - the field tables of the RSRC sheet and the reading of one cell.

#include "import/xls_resource_cells.h"

#include "columns/ColumnCatalog.h"
#include "import/xls_text.h"
#include "model/Document.h"
#include "model/number_text.h"
#include "model/records/CalendarRecord.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/ShiftRecord.h"
#include "model/records/UdfTypeRecord.h"

#include <span>

namespace varnholt::document {

namespace {

template <class Record, class Value>
struct ResourceField {
    std::string_view header;
    Value Record::*member;
};

constexpr ResourceField<RsrcRecord, s_bool> kFlagFields[] = {
    {"active_flag", &RsrcRecord::active_flag},   {"auto_compute_act_flag", &RsrcRecord::auto_compute_act_flag},
    {"ot_flag", &RsrcRecord::ot_flag},           {"def_cost_qty_link_flag", &RsrcRecord::def_cost_qty_link_flag},
    {"primary_flag", &RsrcRecord::primary_flag}, {"assigned_flag", &RsrcRecord::assigned_flag},
};

// The "user_id" column shows a text, held apart from the file's numeric user_id.
constexpr ResourceField<RsrcRecord, s_string> kTextFields[] = {
    {"rsrc_short_name", &RsrcRecord::rsrc_short_name}, {"rsrc_name", &RsrcRecord::rsrc_name},
    {"user_id", &RsrcRecord::user_id_text},            {"office_phone", &RsrcRecord::office_phone},
    {"other_phone", &RsrcRecord::other_phone},         {"rsrc_title_name", &RsrcRecord::rsrc_title_name},
    {"email_addr", &RsrcRecord::email_addr},
};

constexpr ResourceField<RsrcRateRecord, s_unit> kPriceFields[] = {
    {"cost_per_qty", &RsrcRateRecord::cost_per_qty},   {"cost_per_qty2", &RsrcRateRecord::cost_per_qty2},
    {"cost_per_qty3", &RsrcRateRecord::cost_per_qty3}, {"cost_per_qty4", &RsrcRateRecord::cost_per_qty4},
    {"cost_per_qty5", &RsrcRateRecord::cost_per_qty5},
};

constexpr std::string_view kUserFieldPrefix = "user_field_";

template <class Record, class Value>
int SlotOf(std::span<const ResourceField<Record, Value>> table, std::string_view header) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].header == header) return static_cast<int>(i);
    }
    return -1;
}

ResourceColumnReader Accepted(resource_cell_kind kind, int slot, std::string_view header, XlsImportState& state) {
    state.resource.filled.emplace(header);
    return {.kind = kind, .slot = static_cast<std::uint8_t>(slot)};
}

// The resource's own fields and its rate's; none when neither takes the header.
ResourceColumnReader ChooseFieldReader(std::string_view header, XlsImportState& state) {
    using K = resource_cell_kind;
    if (const int s = SlotOf<RsrcRecord, s_bool>(kFlagFields, header); s >= 0) return Accepted(K::flag, s, header, state);
    if (header == "rsrc_type") return Accepted(K::resource_type, 0, header, state);
    if (const int s = SlotOf<RsrcRecord, s_string>(kTextFields, header); s >= 0) return Accepted(K::text, s, header, state);
    if (header == "rsrc_notes") return Accepted(K::notes, 0, header, state);
    if (header == "ot_factor") return Accepted(K::ot_factor, 0, header, state);
    if (header == "def_qty_per_hr") return Accepted(K::default_units, 0, header, state);
    if (header == "max_qty_per_hr") return Accepted(K::rate_units, 0, header, state);
    if (const int s = SlotOf<RsrcRateRecord, s_unit>(kPriceFields, header); s >= 0)
        return Accepted(K::rate_price, s, header, state);
    // "employee_code", "unit_id" and "role_id" are known and fill nothing; the resource's role
    // comes from its "role_id" in a pass of its own, so that column still counts as supplied.
    if (header == "role_id") state.resource.filled.emplace(header);
    return {};
}

// "user_field_<n>", n not 0: the field type n, made with its resource column when missing.
UdfTypeRecord* ResourceFieldType(std::string_view header, std::string_view caption, Document& doc) {
    if (header.size() <= kUserFieldPrefix.size() || !header.starts_with(kUserFieldPrefix)) return nullptr;
    const std::string_view digits = header.substr(kUserFieldPrefix.size());
    if (!all_digits(digits)) return nullptr;
    const std::uint32_t number = digits_value(digits);
    if (number == 0) return nullptr;
    if (UdfTypeRecord* type = doc.FindUdfType(s_unsigned_long(number))) return type;
    UdfTypeRecord* type = doc.NewUdfType();
    if (type == nullptr) return nullptr;
    const std::wstring wide_caption = widen_cell(caption);
    const std::wstring field_name = widen_cell(header);
    (void)ColumnCatalog::Instance().AddResourceColumnWithCaption({.kind = LoadTimeKind::udf,
                                                                  .type_id = number,
                                                                  .caption = wide_caption,
                                                                  .field_name = field_name,
                                                                  .xer_field_name = header,
                                                                  .value_kind = ColumnValueKind::text,
                                                                  .group = ColumnGroup::user_defined});
    type->udf_type_id = s_unsigned_long(number);
    type->logical_data_type = s_logical_data_type(std::wstring_view(L"FT_TEXT"));
    return type;
}

ResourceColumnReader ChooseSheetReader(std::string_view header, XlsImportState& state) {
    using K = resource_cell_kind;
    struct SheetColumn {
        std::string_view header;
        K kind;
    };
    constexpr SheetColumn kSheetColumns[] = {
        {"curr_id", K::currency}, {"clndr_id", K::calendar}, {"role_code_list", K::role_codes},
        {"role_list", K::role_names}, {"shift_id", K::shift}};
    for (const SheetColumn& column : kSheetColumns) {
        if (column.header != header) continue;
        // A shift counts as supplied only once a row names one.
        if (column.kind != K::shift) state.resource.filled.emplace(header);
        return {.kind = column.kind};
    }
    return {};
}

// The resource's units and prices: an empty cell leaves the value blank.
s_unit UnitsOf(std::string_view cell, std::int32_t kind) {
    if (cell.empty()) return blank_unit(kind);
    return s_unit(number_from_text(widen_cell(cell)), kind);
}

void ReadShift(std::string_view cell, const ResourceRow& row, Document& doc, XlsImportState& state) {
    ShiftRecord* shift = doc.NewShift();
    if (shift == nullptr || cell.empty()) return;
    shift->shift_name = s_string(cell);
    row.resource->shift = shift;
    state.resource.filled.emplace("shift_id");
}

}  // namespace

std::wstring CutUnfinishedTag(std::wstring notes) {
    const std::size_t close = notes.rfind(L'>');
    const std::size_t open = notes.rfind(L'<');
    if (close != std::wstring::npos && open != std::wstring::npos && open > close) notes.resize(close + 1);
    return notes;
}

ResourceColumnReader ChooseResourceColumnReader(std::string_view header, std::string_view caption, Document& doc,
                                                XlsImportState& state) {
    if (const ResourceColumnReader field = ChooseFieldReader(header, state); field.kind != resource_cell_kind::none)
        return field;
    if (UdfTypeRecord* type = ResourceFieldType(header, caption, doc))
        return {.kind = resource_cell_kind::user_field, .udf_type = type};
    return ChooseSheetReader(header, state);
}

void ReadResourceCell(const ResourceColumnReader& reader, std::string_view cell, const ResourceRow& row, Document& doc,
                      XlsImportState& state) {
    RsrcRecord& resource = *row.resource;
    using K = resource_cell_kind;
    switch (reader.kind) {
    case K::none: return;
    case K::flag: resource.*kFlagFields[reader.slot].member = s_bool(cell != "N"); return;
    case K::resource_type: resource.rsrc_type = s_resource_type(widen_cell(cell)); return;
    case K::text: resource.*kTextFields[reader.slot].member = s_string(cell); return;
    case K::notes: resource.rsrc_notes = s_string(std::wstring_view(CutUnfinishedTag(widen_cell(cell)))); return;
    case K::ot_factor:
        resource.ot_factor = cell.empty() ? s_double{} : s_double(number_from_text(widen_cell(cell)));
        return;
    case K::default_units: resource.def_qty_per_hr = UnitsOf(cell, s_unit::kUnitsPerTime); return;
    case K::rate_units: row.rate->max_qty_per_hr = UnitsOf(cell, s_unit::kUnitsPerTime); return;
    case K::rate_price: row.rate->*kPriceFields[reader.slot].member = UnitsOf(cell, s_unit::kPricePerHour); return;
    case K::user_field:
        if (UdfValueRecord* value = doc.NewUdfValue()) {
            value->udf_type_id = reader.udf_type->udf_type_id;
            value->fk_id = resource.rsrc_id;
            value->proj_id = s_unsigned_long(1);
            value->udf_text = s_string(cell);
            LinkUdfValue(*value, reader.udf_type);
        }
        return;
    case K::currency: row.currency->curr_type = s_string(cell); return;
    case K::calendar: row.calendar->clndr_name = s_string(cell); return;
    case K::role_codes: resource.role_code_list = s_string(cell); return;
    case K::role_names: resource.role_list = s_string(cell); return;
    case K::shift: ReadShift(cell, row, doc, state); return;
    }
}

}  // namespace varnholt::document
