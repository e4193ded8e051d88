// Layout.cpp - the base answers of the layout interface and the column moves shared by all kinds.

#include "layouts/Layout.h"

#include "layouts/FilterSelection.h"

namespace varnholt::view {

Layout::~Layout() = default;

LayoutColumn* Layout::GetColumn(std::size_t) const { return nullptr; }
LayoutColumn* Layout::FindColumn(std::int32_t) const { return nullptr; }
LayoutColumn* Layout::AddColumn(std::int32_t, float) { return nullptr; }
void Layout::MovePredColumn(std::size_t, std::size_t) {}
void Layout::RemovePredColumn(std::size_t) {}
void Layout::MoveSuccColumn(std::size_t, std::size_t) {}
void Layout::RemoveSuccColumn(std::size_t) {}
LayoutColumn* Layout::GetRsrcColumn(std::size_t) const { return nullptr; }
LayoutColumn* Layout::AddRsrcColumn(std::int32_t, float) { return nullptr; }
LayoutColumn* Layout::GetPredColumn(std::size_t) const { return nullptr; }
LayoutColumn* Layout::AddPredColumn(std::int32_t, float) { return nullptr; }
LayoutColumn* Layout::GetSuccColumn(std::size_t) const { return nullptr; }
LayoutColumn* Layout::AddSuccColumn(std::int32_t, float) { return nullptr; }
// A layout kind without a filter lets the given selection go.
void Layout::SetFilter(std::unique_ptr<FilterSelection>) {}

void Layout::MoveColumn(std::size_t from, std::size_t to) {
    if (LayoutColumnList* columns = GetColumns()) MoveListItem(*columns, from, to);
}

void Layout::RemoveColumn(std::size_t index) {
    if (LayoutColumnList* columns = GetColumns()) RemoveListItem(*columns, index);
}

}  // namespace varnholt::view
