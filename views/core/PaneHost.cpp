// PaneHost.cpp - how a pane window drives the content view it shows.

#include "views/core/PaneHost.h"

#include "views/core/View.h"
#include "views/draw/display_scale.h"

#include <algorithm>
#include <cmath>

namespace varnholt::view {
namespace {

// The largest scroll position: the whole pixels of content past the client area, plus a
// margin of 10 so that the last row or column never ends flush with the window's edge.
std::int32_t ScrollRange(float content, std::int32_t client) {
    const double whole = std::isfinite(content) ? std::trunc(static_cast<double>(content)) : 0.0;
    return static_cast<std::int32_t>(std::clamp(whole - client + 10.0, 0.0, 1e9));
}

}  // namespace

PaneHost::PaneHost(PaneOwner& owner) : m_owner(owner) {}

PaneHost::~PaneHost() {
    if (m_cursor_slot) m_cursor_slot->owner = nullptr;
}

void PaneHost::SetView(View* view) {
    // The previous view is not touched: it may be gone, or hosted by another pane by now.
    if (m_cursor_slot) m_cursor_slot->owner = nullptr;
    m_cursor_slot.reset();
    m_view = view;
    if (m_view == nullptr) return;
    m_cursor_slot = std::make_shared<CursorSlot>(CursorSlot{&m_owner});
    m_view->GetDrawContext().SetCursorHandler([slot = m_cursor_slot](CursorKind kind) {
        if (slot->owner != nullptr) slot->owner->SetPaneCursor(kind);
    });
}

void PaneHost::SetClientSize(std::int32_t width, std::int32_t height) {
    m_client_width = width;
    m_client_height = height;
}

void PaneHost::ScrollTo(std::int32_t x, std::int32_t y) {
    m_scroll_x = x;
    m_scroll_y = y;
}

void PaneHost::Paint(DrawBackend& device) {
    if (m_view == nullptr) {
        m_range_x = m_range_y = m_scroll_x = m_scroll_y = 0;
        m_owner.SetScrollBars(0, 0, 0, 0);
        return;
    }
    // An empty client area takes its origin before the ranges clamp the positions.
    const bool empty = m_client_width <= 0 || m_client_height <= 0;
    const std::int32_t unclamped_x = m_scroll_x;
    const std::int32_t unclamped_y = m_scroll_y;
    m_range_x = ScrollRange(m_view->GetWidth(), m_client_width);
    m_range_y = ScrollRange(m_view->GetHeight(), m_client_height);
    m_scroll_x = std::clamp(m_scroll_x, 0, m_range_x);
    m_scroll_y = std::clamp(m_scroll_y, 0, m_range_y);
    m_owner.SetScrollBars(m_range_x, m_range_y, m_scroll_x, m_scroll_y);

    DrawContext& context = m_view->GetDrawContext();
    context.SetDevice(&device);
    context.SetOrigin(empty ? unclamped_x : m_scroll_x, empty ? unclamped_y : m_scroll_y);
    m_view->Draw(RectF{0.0f, 0.0f, static_cast<float>(m_client_width), static_cast<float>(m_client_height)});
    context.SetDevice(nullptr);  // the device lives for one paint
}

bool PaneHost::MouseMove(std::uint32_t flags, float x, float y) {
    if (m_view == nullptr) return false;
    const bool repaint = m_view->OnMouseMove(flags, x, y);
    if (repaint) m_owner.RepaintPane();
    return repaint;
}

bool PaneHost::LButtonDown(std::uint32_t flags, float x, float y) {
    if (m_view == nullptr) return false;
    const bool answer = m_view->OnLButtonDown(flags, x, y);
    AfterClick();
    return answer;
}

bool PaneHost::LButtonUp(std::uint32_t flags, float x, float y) {
    if (m_view == nullptr) return false;
    const bool answer = m_view->OnLButtonUp(flags, x, y);
    AfterClick();
    return answer;
}

void PaneHost::AfterClick() {
    if (!IsFlatSubTable(*m_view)) m_view->Update();
    m_owner.RepaintPane();
    for (PaneHost* partner : m_partners) partner->m_owner.RepaintPane();
}

bool PaneHost::IsFlatSubTable(const View& view) {
    return view.IsActivityCodeTableView() || view.IsActivityStepTableView() || view.IsOBSResponsibilityTableView() ||
           view.IsProjectCodeTableView() || view.IsRelationshipTableView() || view.IsResourceCodeTableView() ||
           view.IsResourceRoleTableView() || view.IsRoleLimitTableView() || view.IsRoleRateTableView() ||
           view.IsTaskMemoTableView() || view.IsWBSMemoTableView();
}

void ChangeDisplayScale(float scale, std::span<View* const> views) {
    DisplayScale() = scale;
    for (View* view : views) {
        if (view != nullptr) view->SetScale();
    }
}

}  // namespace varnholt::view
