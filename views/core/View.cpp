// View.cpp - the base answers of every content view.

#include "views/core/View.h"

#include "layouts/Layout.h"
#include "rows/Row.h"
#include "views/core/RowList.h"

namespace varnholt::view {

View::View() : m_row_list(std::make_unique<RowList>()), m_draw_context(std::make_unique<DrawContext>()) {}

View::~View() = default;

// The kept row is checked rather than forgotten when a collapse or a filter takes it out of
// the list: a hidden row keeps its flag, and once listed again it is the selection again, as
// it was when the selection was found by looking at the listed rows. The kept row itself is
// never freed under the view: every path that frees rows forgets it first.
Row* View::GetSelectedRow() const {
    Row* row = m_selected_row;
    return row != nullptr && row->selected && m_row_list->Lists(*row) ? row : nullptr;
}

void View::SelectRow(Row* row) noexcept {
    if (m_selected_row != nullptr && m_selected_row != row) m_selected_row->selected = false;
    if (row != nullptr) row->selected = true;
    m_selected_row = row;
}

std::vector<float> View::GetColumnWidths() const {
    std::vector<float> widths;
    if (m_layout == nullptr) return widths;
    widths.reserve(m_layout->GetColumnCount());
    for (std::size_t index = 0; index < m_layout->GetColumnCount(); ++index) {
        if (const LayoutColumn* column = m_layout->GetColumn(index)) widths.push_back(column->width);
    }
    return widths;
}

bool View::OnMouseMove(std::uint32_t, float, float) { return false; }
bool View::OnLButtonUp(std::uint32_t, float, float) { return false; }
bool View::OnLButtonDown(std::uint32_t, float, float) { return false; }

}  // namespace varnholt::view
