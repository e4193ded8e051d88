// LayoutColumn.cpp - column titles and the list operations shared by every layout column list.

#include "layouts/LayoutColumn.h"

#include "columns/ColumnCatalog.h"

#include <algorithm>

namespace varnholt::view {

std::wstring LayoutColumn::GetTitle() const {
    if (!title.empty()) return title;
    // Negative ids name no column; the cast would otherwise turn them into huge valid-looking ids.
    if (field < 0) return {};
    const ColumnDef* def = ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(field));
    return def != nullptr ? def->caption : std::wstring{};
}

LayoutColumn* ColumnAt(const LayoutColumnList& columns, std::size_t index) {
    return index < columns.size() ? columns[index].get() : nullptr;
}

LayoutColumn* FindColumnIn(const LayoutColumnList& columns, std::int32_t field) {
    const auto found = std::find_if(columns.begin(), columns.end(),
                                    [field](const auto& column) { return column && column->field == field; });
    return found != columns.end() ? found->get() : nullptr;
}

LayoutColumn* AppendColumn(LayoutColumnList& columns, std::int32_t field, float width) {
    return columns.emplace_back(std::make_unique<LayoutColumn>(LayoutColumn{field, width, {}})).get();
}

void MoveListItem(LayoutColumnList& columns, std::size_t from, std::size_t to) {
    if (to == from || to == from + 1) return;
    if (from >= columns.size() || to > columns.size()) return;
    std::unique_ptr<LayoutColumn> item = std::move(columns[from]);
    columns.erase(columns.begin() + static_cast<std::ptrdiff_t>(from));
    // The gap index counted the item itself when it stood before the gap.
    const std::size_t place = from < to ? to - 1 : to;
    columns.insert(columns.begin() + static_cast<std::ptrdiff_t>(std::min(place, columns.size())), std::move(item));
}

void RemoveListItem(LayoutColumnList& columns, std::size_t index) {
    if (index >= columns.size()) return;
    columns.erase(columns.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace varnholt::view
