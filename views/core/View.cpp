// View.cpp - the base answers of every content view.

#include "views/core/View.h"

#include "views/core/RowList.h"

namespace varnholt::view {

View::View() : m_row_list(std::make_unique<RowList>()), m_draw_context(std::make_unique<DrawContext>()) {}

View::~View() = default;

bool View::OnMouseMove(std::uint32_t, float, float) { return false; }
bool View::OnLButtonUp(std::uint32_t, float, float) { return false; }
bool View::OnLButtonDown(std::uint32_t, float, float) { return false; }

}  // namespace varnholt::view
