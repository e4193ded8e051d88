// layout_file_parts.cpp - reading the parts that every kind of layout file shares.

#include "layouts/layout_file_parts.h"

#include "layouts/LayoutStore.h"
#include "layouts/column_files.h"
#include "layouts/file_access.h"
#include "layouts/settings_file.h"
#include "model/number_text.h"

#include <algorithm>
#include <array>

namespace varnholt::layout_file {

namespace {

constexpr std::array<std::wstring_view, 8> kActivityBarNames = {
    L"Remaining Level of Effort", L"Actual Level of Effort", L"Actual Work", L"Remaining Work",
    L"Critical Remaining Work",   L"Current Bar Labels",     L"Milestone",   L"Summary"};

bool IsActivityBarName(std::wstring_view name) {
    return std::find(kActivityBarNames.begin(), kActivityBarNames.end(), name) != kActivityBarNames.end();
}

ColorWord ColorFromText(std::wstring_view text) { return ColorFromFileNumber(int_from_text(text)); }

// A bar part needs its shape and its colour; the border takes the colour when it has none.
std::unique_ptr<GanttBarShape> ReadShape(const data_node* node) {
    if (node == nullptr) return nullptr;
    const std::optional<std::wstring_view> shape = Property(*node, L"shape");
    const std::optional<std::wstring_view> color = Property(*node, L"color");
    if (!shape || !color) return nullptr;
    const std::optional<std::wstring_view> border = Property(*node, L"border_color");
    auto part = std::make_unique<GanttBarShape>();
    part->shape = int_from_text(*shape);
    part->color = ColorFromText(*color);
    part->border_color = border ? ColorFromText(*border) : part->color;
    part->style = 1;
    return part;
}

// A bar's FilterList with at least one child: the filters its ids name, all or any.
std::unique_ptr<FilterSelection> ReadBarFilters(const data_node* list, const FilterLookup& find_filter) {
    if (list == nullptr || list->children.empty()) return nullptr;
    const std::optional<std::wstring_view> mode = Property(*list, L"source_field");
    auto selection = std::make_unique<FilterSelection>(mode && *mode == L"bool_or" ? kMatchAny : kMatchAll);
    for (const auto& child : list->children) {
        const std::optional<std::wstring_view> id = Property(*child, L"filter_id");
        if (!id) continue;
        if (const NamedFilter* filter = find_filter(int_from_text(*id))) selection->AddFilter(filter);
    }
    return selection;
}

void ReadBar(GanttBarSet& target, const data_node& node, NameLookup lookup, const FilterLookup& find_filter) {
    const std::optional<std::wstring_view> start = Property(node, L"start_source_field");
    const std::optional<std::wstring_view> end = Property(node, L"end_source_field");
    if (!start || !end) return;
    const ColumnDef* start_column = FindColumn(lookup, *start);
    const ColumnDef* end_column = FindColumn(lookup, *end);
    if (start_column == nullptr || end_column == nullptr) return;

    GanttBar& bar = target.AddBar(node.name, start_column->field_id, end_column->field_id,
                                  !IsYes(Property(node, L"hide")), IsYes(Property(node, L"summary")));
    bar.filter = ReadBarFilters(Child(&node, L"FilterList"), find_filter);
    bar.mid_rect = ReadShape(Child(&node, L"MidRect"));
    bar.start_point = ReadShape(Child(&node, L"StartPoint"));
    bar.end_point = ReadShape(Child(&node, L"EndPoint"));
    if (const data_node* labels = Child(&node, L"Labels")) {
        for (const auto& label : labels->children) {
            const ColumnDef* column = FindColumn(lookup, label->name);
            const std::optional<std::wstring_view> position = Property(*label, L"position");
            if (column == nullptr || !position) continue;
            bar.AddLabel(column->field_id, *position == L"L" ? kLabelLeft : kLabelRight);
        }
    }
}

}  // namespace

std::optional<std::wstring_view> Property(const data_node& node, std::wstring_view key) {
    const data_props* property = FindByName(node.properties, key);
    return property != nullptr ? std::optional<std::wstring_view>(property->value) : std::nullopt;
}

const data_node* Child(const data_node* node, std::wstring_view name) {
    return node != nullptr ? node->find_child(name) : nullptr;
}

bool IsYes(std::optional<std::wstring_view> text) { return text && *text == L"Y"; }

const ColumnDef* FindColumn(NameLookup lookup, std::wstring_view field_name) {
    // A node without a name (what a line break between nodes parses to) names no column.
    if (field_name.empty()) return nullptr;
    return (ColumnCatalog::Instance().*lookup)(field_name);
}

void ReadMainColumns(view::Layout& layout, const data_node* columns, NameLookup lookup) {
    if (layout_settings().layout_rememberChanges) {
        const std::wstring path = PerUserFilePath(layout.GetKind(), layout.GetName(), kColumnsFileSuffix);
        // The user's file wins, even an empty one.
        if (LayoutStore::LoadColumnsFile(layout, path)) return;
    }
    ReadColumnsNode(layout, columns, lookup);
}

void ReadColumnsNode(view::Layout& layout, const data_node* columns, NameLookup lookup) {
    if (columns == nullptr) return;
    view::ColumnWidthMap* remembered = layout.GetColumnWidths();
    std::int32_t index = 0;
    for (const auto& child : columns->children) {
        if (child->name.empty()) continue;  // not a column, and no place among them
        const std::optional<std::wstring_view> width = Property(*child, L"width");
        const ColumnDef* def = FindColumn(lookup, child->name);
        const std::optional<std::int32_t> column_id = def != nullptr ? LayoutColumnId(*def) : std::nullopt;
        if (column_id && def->present != 0) {
            if (width) layout.AddColumn(*column_id, SaneColumnWidth(number_from_text(*width)));
        } else if (remembered != nullptr) {
            const float kept = width ? SaneColumnWidth(number_from_text(*width)) : kDefaultColumnWidth;
            remembered->try_emplace(index, view::ColumnWidthEntry{child->name, kept});
        }
        ++index;
    }
}

void ReadListColumns(view::Layout& layout, const data_node* list, NameLookup lookup, AddListColumn add) {
    if (list == nullptr) return;
    // The joined resource-name field, spelled with the control character 7 before "C".
    static const std::wstring kJoinedResourceName = std::wstring(L"rsrc") + L'\x07' + L"Crsrc_name";
    for (const auto& child : list->children) {
        const std::wstring_view name =
            child->name == kJoinedResourceName ? std::wstring_view(L"rsrc_name") : std::wstring_view(child->name);
        const ColumnDef* def = FindColumn(lookup, name);
        const std::optional<std::wstring_view> width = Property(*child, L"width");
        if (def == nullptr || !width) continue;
        (layout.*add)(def->field_id, SaneColumnWidth(number_from_text(*width)));
    }
}

void ReadSortBys(GroupSortBy& target, const data_node* sort_bys, NameLookup lookup) {
    if (sort_bys == nullptr) return;
    for (const auto& child : sort_bys->children) {
        const std::optional<std::wstring_view> field = Property(*child, L"source_field");
        const std::optional<std::wstring_view> type = Property(*child, L"sort_type");
        if (!field || !type) continue;
        const ColumnDef* def = FindColumn(lookup, *field);
        if (def == nullptr) continue;
        target.AddSortBy(def->field_id, *type == L"ASC" ? kSortAscending : kSortDescending);
    }
}

void ReadLevels(GroupSortBy& target, const data_node* levels) {
    if (levels == nullptr) return;
    for (const auto& child : levels->children) {
        const std::optional<std::wstring_view> back = Property(*child, L"back_color");
        if (!back) continue;
        GroupLevel& level = target.AddLevel(ColorFromText(*back));
        if (const std::optional<std::wstring_view> text = Property(*child, L"color")) level.color = ColorFromText(*text);
    }
}

void ReadGroupByOptions(GroupBy& group_by, const data_node& child, bool with_date_unit) {
    if (const std::optional<std::wstring_view> include_all = Property(child, L"include_all"))
        group_by.include_all = *include_all == L"Y";
    if (!with_date_unit) return;
    const std::optional<std::wstring_view> unit = Property(child, L"date_unit");
    if (!unit) return;
    if (*unit == L"D") group_by.date_unit = kGroupDateDay;
    else if (*unit == L"W") group_by.date_unit = kGroupDateWeek;
    else if (*unit == L"M") group_by.date_unit = kGroupDateMonth;
    else if (*unit == L"Q") group_by.date_unit = kGroupDateQuarter;
    else if (*unit == L"Y") group_by.date_unit = kGroupDateYear;
}

void ReadGanttBars(GanttBarSet& target, const data_node* gantt_settings, NameLookup lookup, BarNames names,
                   const FilterLookup& find_filter) {
    const data_node* bars = Child(gantt_settings, L"GanttBars");
    if (bars == nullptr) return;
    for (const auto& child : bars->children) {
        if (names == BarNames::activity && !IsActivityBarName(child->name)) continue;
        ReadBar(target, *child, lookup, find_filter);
    }
}

void ReadTimescale(TimescaleSettings* timescale, const data_node& root) {
    const data_node* range = root.find_child(L"DateRange");
    if (timescale == nullptr || range == nullptr) return;
    if (const std::optional<std::wstring_view> scale = Property(*range, L"date_scale"))
        timescale->unit = int_from_text(*scale);
}

}  // namespace varnholt::layout_file
