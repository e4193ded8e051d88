// filter_definitions.cpp - filters defined inside an activity layout file: their conditions,
// groups and argument values.

#include "layouts/filter_definitions.h"

#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "import/data_node.h"
#include "layouts/FilterSelection.h"
#include "layouts/LayoutStore.h"
#include "model/number_text.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/CalendarRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/s_bool.h"
#include "model/s_date.h"
#include "model/s_doubles.h"
#include "model/s_dur.h"
#include "model/s_enums.h"
#include "model/s_integers.h"
#include "model/s_string.h"
#include "model/s_unit.h"

#include <array>
#include <limits>

namespace varnholt {

namespace {

constexpr std::array<std::wstring_view, 5> kUnitTokens = {L"QT_Hour=", L"QT_Day=", L"QT_Week=", L"QT_Month=",
                                                          L"QT_Year="};
constexpr std::wstring_view kUserFieldPrefix = L"user_field";

std::optional<std::wstring_view> Property(const data_node& node, std::wstring_view key) {
    const data_props* property = FindByName(node.properties, key);
    return property != nullptr ? std::optional<std::wstring_view>(property->value) : std::nullopt;
}

bool IsGroupMode(std::wstring_view text) { return text == L"bool_or" || text == L"bool_and"; }
std::int32_t GroupKind(std::wstring_view text) { return text == L"bool_or" ? kMatchAny : kMatchAll; }

// Days since 1899-12-30; days up to 1970-01-01, and texts that are no number, give no date.
s_date DateFromText(std::wstring_view text) {
    if (text == L"CD") return s_date::today();
    if (text == L"CW") return s_date::week_start();
    if (text == L"CM") return s_date::month_start();
    constexpr double kEpochDay = 25569.0;
    const double day = number_from_text(text);
    if (!(day > kEpochDay)) return s_date{};
    return s_date::from_seconds(ole_date_to_seconds(day));
}

// The leading decimal digits as an unsigned number (0 without digits); nullopt past 32 bits.
std::optional<std::uint32_t> LeadingUnsigned(std::wstring_view text) {
    std::uint64_t number = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') break;
        number = number * 10 + static_cast<std::uint64_t>(c - L'0');
        if (number > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

std::unique_ptr<view::FilterArgument> SingleText(const s_string& text) {
    return view::FilterArgument::MakeSingle(text);
}

// A duration or quantity argument: the number in the unit of its text.
std::unique_ptr<view::FilterArgument> UnitArgument(ColumnValueKind kind, std::wstring_view low_text,
                                                   std::optional<std::wstring_view> high_text) {
    const auto make = [kind](double number) -> s_val_ptr {
        if (kind == ColumnValueKind::duration) return s_dur(number).clone();
        return s_unit(number, s_unit::kQuantity).clone();
    };
    const std::optional<unit_amount> low = ReadUnitAmount(low_text);
    if (!low) return nullptr;
    const std::optional<unit_amount> high = high_text ? ReadUnitAmount(*high_text) : std::nullopt;
    std::unique_ptr<view::FilterArgument> argument =
        high ? view::FilterArgument::MakeRange(*make(low->number), *make(high->number))
             : view::FilterArgument::MakeSingle(*make(low->number));
    argument->low_unit = low->unit;
    if (high) argument->high_unit = high->unit;
    return argument;
}

// One condition of a definition or group: null when its field or operator cannot be read. A
// condition without an argument still counts (the filter model says how it evaluates).
std::unique_ptr<view::FilterEntry> ReadCondition(const LayoutStore& store, const data_node& node) {
    const ColumnDef* column = LayoutStore::ReadFilterField(node);
    if (column == nullptr) return nullptr;
    auto entry = LayoutStore::ReadFilterEntry(node, *column);
    if (entry == nullptr) return nullptr;
    if (auto argument = store.ReadFilterArguments(node, *column)) entry->AddArgument(std::move(argument));
    return entry;
}

}  // namespace

std::int32_t TimeUnitFromToken(std::wstring_view text) {
    const std::size_t equals = text.find(L'=');
    // The token runs from the second character through the "=": it needs the "=" past the first.
    if (equals == std::wstring_view::npos || equals < 1) return kTimeUnitHour;
    const std::wstring_view token = text.substr(1, equals);
    for (std::size_t unit = 0; unit < kUnitTokens.size(); ++unit)
        if (token == kUnitTokens[unit]) return static_cast<std::int32_t>(unit);
    return kTimeUnitHour;
}

std::optional<unit_amount> ReadUnitAmount(std::wstring_view text) {
    const std::size_t equals = text.find(L'=');
    if (equals == std::wstring_view::npos || equals < 1) return std::nullopt;
    std::wstring_view number = text.substr(equals + 1);
    if (number.empty()) return std::nullopt;
    number.remove_suffix(1);  // the closing character, whatever it is
    return unit_amount{number_from_text(number), TimeUnitFromToken(text)};
}

s_val_ptr FilterValueFromText(ColumnValueKind kind, std::wstring_view text) {
    using K = ColumnValueKind;
    switch (kind) {
    case K::flag: return s_bool(text).clone();
    case K::integer: return s_int(text).clone();
    case K::real: return s_double(text).clone();
    case K::text: return s_string(text).clone();
    case K::cost: return s_cost(text).clone();
    case K::date: return DateFromText(text).clone();
    case K::percent: return s_percent(text).clone();
    case K::activity_status: return s_activity_status(text).clone();
    case K::project_status: return s_project_status(text).clone();
    case K::percent_complete_type: return s_percent_comlete_type(text).clone();
    case K::activity_type: return s_activity_type(text).clone();
    case K::duration_type: return s_duration_type(text).clone();
    case K::constraint_type: return s_constraint_type(text).clone();
    case K::leveling_priority: return s_leveling_priority(text).clone();
    case K::indicator: return s_custom_indicator(text).clone();
    case K::quantity:
    case K::duration:
    case K::rate_type:
    case K::resource_type:
    case K::relationship_type: return {};
    }
    return {};
}

void LayoutStore::ReadFilterDefinition(const data_node& child, FilterSelection& selection) {
    const std::optional<std::wstring_view> id_text = Property(child, L"filter_id");
    const std::optional<std::wstring_view> name = Property(child, L"filter_name");
    const std::optional<std::wstring_view> mode = Property(child, L"source_field");
    const std::int32_t id = id_text ? int_from_text(*id_text) : 0;
    // A filter the store already has is chosen, whatever else the child says.
    if (id_text) {
        if (const NamedFilter* known = FindActivityFilter(id)) {
            selection.AddFilter(known);
            return;
        }
    }
    if (!name || !id_text) return;

    auto filter = std::make_unique<NamedFilter>(std::wstring(*name));
    filter->id = id;
    if (mode) {
        filter->root = std::make_unique<view::FilterGroup>(GroupKind(*mode));
        for (const auto& node : child.children) {
            const std::optional<std::wstring_view> node_mode = Property(*node, L"source_field");
            if (node_mode && IsGroupMode(*node_mode)) {
                if (auto group = ReadFilterGroup(*node)) filter->root->AddChild(std::move(group));
            } else if (auto entry = ReadCondition(*this, *node)) {
                filter->root->AddChild(std::move(entry));
            }
        }
    }
    // The store keeps the filter: later references by id and the filters file find it there.
    selection.AddFilter(filter.get());
    m_activity_filters.push_back(std::move(filter));
}

const ColumnDef* LayoutStore::ReadFilterField(const data_node& condition) {
    const std::optional<std::wstring_view> table = Property(condition, L"table_name");
    const std::optional<std::wstring_view> field = Property(condition, L"source_field");
    if (!table || !field || *table != L"TASK") return nullptr;

    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    // "user_field_12" names the user-defined field column of type 12.
    if (const std::size_t underscore = field->rfind(L'_');
        underscore != std::wstring_view::npos && field->substr(0, underscore) == kUserFieldPrefix &&
        underscore + 1 < field->size()) {
        const std::optional<std::uint32_t> type_id = LeadingUnsigned(field->substr(underscore + 1));
        const std::optional<std::uint32_t> column_id =
            type_id ? LoadTimeColumnId(LoadTimeKind::udf, *type_id) : std::nullopt;
        return column_id ? catalog.FindActivityByColumnId(*column_id) : nullptr;
    }
    return catalog.FindActivityByName(*field);
}

std::unique_ptr<view::FilterEntry> LayoutStore::ReadFilterEntry(const data_node& condition, const ColumnDef& column) {
    const std::optional<std::wstring_view> op_text = Property(condition, L"op");
    if (!op_text) return nullptr;
    std::int32_t op = OperatorCode(FilterOperator::equal);  // any other text reads as "="
    for (std::size_t code = 0; code < kFilterOperatorTexts.size(); ++code) {
        if (*op_text == kFilterOperatorTexts[code]) {
            op = static_cast<std::int32_t>(code);
            break;
        }
    }
    if (IsUserFieldOrActivityCode(column.field_id)) {
        // Load-time ids stay below 600000 for these two kinds, well inside the signed range.
        return view::FilterEntry::ForColumn(op, static_cast<std::int32_t>(column.column_id));
    }
    return view::FilterEntry::ForField(column.field_id, op);
}

std::unique_ptr<view::FilterArgument> LayoutStore::ReadFilterArguments(const data_node& condition,
                                                                       const ColumnDef& column) const {
    const std::optional<std::wstring_view> low = Property(condition, L"arg1");
    if (!low) return nullptr;
    const std::optional<std::wstring_view> high = Property(condition, L"arg2");
    const document::Document* document = m_document.get();

    switch (column.field_id) {
    case kActivityCodeField:
        // A code value named by its id compares as its short name; the first assignment of
        // that value tells which it is.
        if (document != nullptr) {
            for (const auto& assignment : document->TaskActvs()) {
                const ActvCodeRecord* code = assignment != nullptr ? assignment->actv_code : nullptr;
                if (code != nullptr && code->actv_code_id.to_string() == *low) return SingleText(code->short_name);
            }
        }
        break;  // otherwise the id text itself
    case kCalendarField: {
        const CalendarRecord* calendar = document != nullptr ? document->FindCalendar(s_unsigned_long(*low)) : nullptr;
        return calendar != nullptr ? SingleText(calendar->clndr_name) : nullptr;
    }
    case kActivityWbsField: {
        const ProjWbsRecord* wbs = document != nullptr ? document->FindWbs(s_unsigned_long(*low)) : nullptr;
        return wbs != nullptr ? SingleText(wbs->wbs_concat_name) : nullptr;
    }
    case kPrimaryResourceField: {
        const RsrcRecord* resource = document != nullptr ? document->FindResource(s_unsigned_long(*low)) : nullptr;
        if (resource == nullptr) return nullptr;
        // Display text, set directly: the resource tree test cuts it at the first ".".
        s_string text;
        text.null_flag = 0;
        text.text = resource->rsrc_short_name.text + L"." + resource->rsrc_name.text;
        return SingleText(text);
    }
    default: break;
    }

    if (column.value_kind == ColumnValueKind::quantity || column.value_kind == ColumnValueKind::duration)
        return UnitArgument(column.value_kind, *low, high);
    const s_val_ptr low_value = FilterValueFromText(column.value_kind, *low);
    if (!low_value) return nullptr;
    if (!high) return view::FilterArgument::MakeSingle(*low_value);
    const s_val_ptr high_value = FilterValueFromText(column.value_kind, *high);
    return view::FilterArgument::MakeRange(*low_value, *high_value);
}

std::unique_ptr<view::FilterGroup> LayoutStore::ReadFilterGroup(const data_node& group) const {
    const std::optional<std::wstring_view> mode = Property(group, L"source_field");
    if (!mode) return nullptr;
    auto result = std::make_unique<view::FilterGroup>(GroupKind(*mode));
    // The data tree is at most data_node::kMaxDepth deep, which bounds this recursion.
    for (const auto& node : group.children) {
        const std::optional<std::wstring_view> node_mode = Property(*node, L"source_field");
        if (!node_mode) continue;
        if (IsGroupMode(*node_mode)) {
            if (auto nested = ReadFilterGroup(*node)) result->AddChild(std::move(nested));
        } else if (auto entry = ReadCondition(*this, *node)) {
            result->AddChild(std::move(entry));
        }
    }
    return result;
}

}  // namespace varnholt
