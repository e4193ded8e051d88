// TableLayouts.cpp - the column list of the WBS, project and resource layouts.

#include "layouts/TableLayouts.h"

namespace varnholt {

view::LayoutColumn* ColumnListLayout::GetColumn(std::size_t index) const { return view::ColumnAt(m_columns, index); }

view::LayoutColumn* ColumnListLayout::FindColumn(std::int32_t column_id) const {
    return view::FindColumnIn(m_columns, column_id);
}

view::LayoutColumn* ColumnListLayout::AddColumn(std::int32_t column_id, float width) {
    return view::AppendColumn(m_columns, column_id, width);
}

}  // namespace varnholt
