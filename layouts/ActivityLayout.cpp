// ActivityLayout.cpp - the activity layout's column lists.

#include "layouts/ActivityLayout.h"

namespace varnholt {

namespace {

// The extra lists report their counts as signed numbers, -1 being the base's "no such list".
std::int32_t CountOf(const view::LayoutColumnList& columns) { return static_cast<std::int32_t>(columns.size()); }

}  // namespace

ActivityLayout::~ActivityLayout() = default;

view::LayoutColumn* ActivityLayout::GetColumn(std::size_t index) const {
    return view::ColumnAt(m_column_set.columns, index);
}

view::LayoutColumn* ActivityLayout::FindColumn(std::int32_t column_id) const {
    return view::FindColumnIn(m_column_set.columns, column_id);
}

view::LayoutColumn* ActivityLayout::AddColumn(std::int32_t column_id, float width) {
    return view::AppendColumn(m_column_set.columns, column_id, width);
}

void ActivityLayout::MovePredColumn(std::size_t from, std::size_t to) { view::MoveListItem(m_pred_columns, from, to); }
void ActivityLayout::RemovePredColumn(std::size_t index) { view::RemoveListItem(m_pred_columns, index); }
void ActivityLayout::MoveSuccColumn(std::size_t from, std::size_t to) { view::MoveListItem(m_succ_columns, from, to); }
void ActivityLayout::RemoveSuccColumn(std::size_t index) { view::RemoveListItem(m_succ_columns, index); }

std::int32_t ActivityLayout::GetRsrcColumnCount() const { return CountOf(m_rsrc_columns); }
view::LayoutColumn* ActivityLayout::GetRsrcColumn(std::size_t index) const {
    return view::ColumnAt(m_rsrc_columns, index);
}
view::LayoutColumn* ActivityLayout::AddRsrcColumn(std::int32_t field_id, float width) {
    return view::AppendColumn(m_rsrc_columns, field_id, width);
}

std::int32_t ActivityLayout::GetPredColumnCount() const { return CountOf(m_pred_columns); }
view::LayoutColumn* ActivityLayout::GetPredColumn(std::size_t index) const {
    return view::ColumnAt(m_pred_columns, index);
}
view::LayoutColumn* ActivityLayout::AddPredColumn(std::int32_t field_id, float width) {
    return view::AppendColumn(m_pred_columns, field_id, width);
}

std::int32_t ActivityLayout::GetSuccColumnCount() const { return CountOf(m_succ_columns); }
view::LayoutColumn* ActivityLayout::GetSuccColumn(std::size_t index) const {
    return view::ColumnAt(m_succ_columns, index);
}
view::LayoutColumn* ActivityLayout::AddSuccColumn(std::int32_t field_id, float width) {
    return view::AppendColumn(m_succ_columns, field_id, width);
}

}  // namespace varnholt
