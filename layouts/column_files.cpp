// column_files.cpp - reading and writing the text of the per-user column and filter files.

#include "layouts/column_files.h"

#include "columns/ColumnCatalog.h"
#include "layouts/file_access.h"
#include "model/number_text.h"
#include "model/text_utils.h"
#include "rows/display_scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace varnholt {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::wstring_view kAllMode = L"bool_and";
constexpr std::wstring_view kAnyMode = L"bool_or";

// Calls `use` for every non-empty token of the text: lines end at LF (a CR before it goes
// too), tokens at TAB.
template <class Use>
void ForEachToken(std::wstring_view text, Use&& use) {
    while (!text.empty()) {
        const std::size_t end = text.find(L'\n');
        std::wstring_view line = text.substr(0, end);
        text.remove_prefix(end == std::wstring_view::npos ? text.size() : end + 1);
        if (line.ends_with(L'\r')) line.remove_suffix(1);
        while (!line.empty()) {
            const std::size_t tab = line.find(L'\t');
            if (tab != 0) use(line.substr(0, tab));
            line.remove_prefix(tab == std::wstring_view::npos ? line.size() : tab + 1);
        }
    }
}

const ColumnDef* FindColumnOfKind(view::LayoutKind kind, std::wstring_view field_name) {
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    switch (kind) {
    case view::LayoutKind::activity: return catalog.FindActivityByName(field_name);
    case view::LayoutKind::wbs: return catalog.FindWbsByName(field_name);
    case view::LayoutKind::project: return catalog.FindProjectByName(field_name);
    case view::LayoutKind::resource: return catalog.FindResourceByName(field_name);
    }
    return nullptr;  // a kind outside the four matches no column
}

const ColumnDef* CatalogColumnOf(const view::LayoutColumn& column) {
    if (column.field < 0) return nullptr;
    return ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(column.field));
}

std::string IntegerText(std::int64_t number) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, result.ptr);
}

// What a column in the layout is written with: the whole number of its unscaled width. The
// width is not multiplied by the display scale and divided again: in floats that loses a hair
// (260 at 1.1 came back 259.99999), and truncated it lost a pixel at every exit. A drag stores
// whole widths already; one that a division left a hair short stays whole too.
std::string WholeWidthText(float width) { return IntegerText(truncate_to_int32(view::WholePixelsOf(width))); }

// A remembered width: at most six significant digits, no trailing zeros (120, 87.5).
std::string ShortWidthText(float width) { return narrow_string(format_general(static_cast<double>(width), 6)); }

void AppendToken(std::string& out, std::wstring_view field_name, std::string_view width) {
    out += narrow_string(field_name);
    out += ':';
    out += width;
    out += kLineEnd;
}

void AppendColumn(std::string& out, const view::LayoutColumn* column) {
    if (column == nullptr) return;
    if (const ColumnDef* def = CatalogColumnOf(*column)) AppendToken(out, def->field_name, WholeWidthText(column->width));
}

}  // namespace

float SaneColumnWidth(double width, float fallback) noexcept {
    if (!std::isfinite(width) || width < kMinColumnWidth || width > kMaxColumnWidth) return fallback;
    return static_cast<float>(width);
}

std::optional<std::int32_t> LayoutColumnId(const ColumnDef& column) noexcept {
    if (column.column_id > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) return std::nullopt;
    return static_cast<std::int32_t>(column.column_id);
}

void ApplyColumnsText(view::Layout& layout, std::string_view file_bytes) {
    view::ColumnWidthMap* remembered = layout.GetColumnWidths();
    std::int32_t index = 0;
    ForEachToken(DecodeFileText(file_bytes), [&](std::wstring_view token) {
        const std::size_t colon = token.find(L':');
        // Tokens without a name before their first ":" do not count as positions either.
        if (colon == std::wstring_view::npos || colon == 0) return;
        const std::wstring_view field_name = token.substr(0, colon);
        const float width = SaneColumnWidth(number_from_text(token.substr(colon + 1)));

        const ColumnDef* def = FindColumnOfKind(layout.GetKind(), field_name);
        const std::optional<std::int32_t> column_id = def != nullptr ? LayoutColumnId(*def) : std::nullopt;
        if (!column_id || def->present == 0) {
            if (remembered != nullptr)
                remembered->try_emplace(index, view::ColumnWidthEntry{std::wstring(field_name), width});
        } else if (layout.FindColumn(*column_id) == nullptr) {
            layout.AddColumn(*column_id, width);
            if (remembered != nullptr) {
                if (const auto entry = FindColumnWidthEntry(*remembered, field_name); entry != remembered->end()) {
                    // A place past the end is ignored by the move: the column then stays last.
                    if (entry->first >= 0 && layout.GetColumnCount() > 0)
                        layout.MoveColumn(layout.GetColumnCount() - 1, static_cast<std::size_t>(entry->first));
                    remembered->erase(entry);
                }
            }
        }
        ++index;
    });
}

std::string ColumnsFileText(view::Layout& layout) {
    std::string text;
    const std::size_t count = layout.GetColumnCount();
    const view::ColumnWidthMap* widths = layout.GetColumnWidths();
    if (widths == nullptr || widths->empty()) {
        for (std::size_t c = 0; c < count; ++c) AppendColumn(text, layout.GetColumn(c));
        return text;
    }
    // Remembered columns go back to their positions among the shown ones; a copy keeps track of
    // what is still to be written, so that saving leaves the layout as it was.
    view::ColumnWidthMap pending = *widths;
    std::int64_t position = 0;
    for (std::size_t c = 0; c < count;) {
        const auto entry = position <= std::numeric_limits<std::int32_t>::max()
                                ? pending.find(static_cast<std::int32_t>(position))
                                : pending.end();
        if (entry != pending.end()) {
            AppendToken(text, entry->second.field_name, ShortWidthText(entry->second.width));
            pending.erase(entry);
        } else {
            AppendColumn(text, layout.GetColumn(c));  // a skipped column still takes its place
            ++c;
        }
        ++position;
    }
    WriteColumnWidths(pending, text);
    return text;
}

std::string RelationshipColumnsFileText(const view::LayoutColumnList* columns) {
    std::string text;
    if (columns == nullptr) return text;
    for (const auto& column : *columns) AppendColumn(text, column.get());
    return text;
}

view::ColumnWidthMap::iterator FindColumnWidthEntry(view::ColumnWidthMap& widths, std::wstring_view field_name) {
    return std::find_if(widths.begin(), widths.end(),
                        [field_name](const auto& entry) { return entry.second.field_name == field_name; });
}

void WriteColumnWidths(const view::ColumnWidthMap& widths, std::string& out) {
    for (const auto& [position, entry] : widths) AppendToken(out, entry.field_name, ShortWidthText(entry.width));
}

void ApplyFiltersText(view::Layout& layout, const NamedFilterList& filters, std::string_view file_bytes) {
    if (layout.GetKind() != view::LayoutKind::activity) return;
    FilterSelection* selection = nullptr;
    ForEachToken(DecodeFileText(file_bytes), [&](std::wstring_view token) {
        if (selection == nullptr) {
            if (token != kAllMode && token != kAnyMode) return;
            layout.SetFilter(std::make_unique<FilterSelection>(token == kAnyMode ? kMatchAny : kMatchAll));
            selection = layout.GetFilter();
            return;
        }
        const std::int32_t id = int_from_text(token);
        const auto found = std::find_if(filters.begin(), filters.end(),
                                        [id](const auto& filter) { return filter && filter->id == id; });
        if (found != filters.end()) selection->AddFilter(found->get());
    });
}

std::string FiltersFileText(const FilterSelection& selection) {
    std::string text(selection.mode == kMatchAll ? "bool_and" : "bool_or");
    text += kLineEnd;
    WriteFilterIds(selection.filters, text);
    return text;
}

void WriteFilterIds(const std::vector<const NamedFilter*>& filters, std::string& out) {
    for (const NamedFilter* filter : filters) {
        if (filter == nullptr) continue;
        out += IntegerText(filter->id);
        out += kLineEnd;
    }
}

}  // namespace varnholt
