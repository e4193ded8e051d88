// PaneHost.cpp - how a pane window drives the content view it shows.

#include "views/core/PaneHost.h"

#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"
#include "views/core/View.h"

#include <algorithm>

namespace varnholt::view {

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
    MeasureContent();
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
    AfterClick(false);
    return answer;
}

bool PaneHost::LButtonUp(std::uint32_t flags, float x, float y) {
    if (m_view == nullptr) return false;
    const bool answer = m_view->OnLButtonUp(flags, x, y);
    AfterClick(true);
    return answer;
}

void PaneHost::AfterClick(bool release) {
    if (!IsFlatSubTable(*m_view)) m_view->Update();
    m_owner.RepaintPane();
    // A release may have chosen another memo or step: its text partner shows that one.
    const bool text_follows = release && IsTextMaster(*m_view);
    for (PaneHost* partner : m_partners) {
        if (text_follows && partner->m_view != nullptr) partner->m_view->Update();
        partner->m_owner.RepaintPane();
    }
}

bool PaneHost::IsTextMaster(const View& view) {
    return view.IsTaskMemoTableView() || view.IsActivityStepTableView() || view.IsWBSMemoTableView();
}

void PaneHost::MeasureContent(bool share_clamp) {
    m_range_x = m_view != nullptr ? ScrollRange(m_view->GetWidth(), m_client_width) : 0;
    m_range_y = m_view != nullptr ? ScrollRange(m_view->GetHeight(), m_client_height) : 0;
    m_scroll_x = std::clamp(m_scroll_x, 0, m_range_x);
    const std::int32_t clamped_y = std::clamp(m_scroll_y, 0, m_range_y);
    if (clamped_y == m_scroll_y) return;
    m_scroll_y = clamped_y;
    if (share_clamp) ShareVerticalPosition();
}

// A clamp happens when the content got shorter: another view, another schedule, rows closed.
// Left to itself, a partner whose content did not shrink, or that does not paint meanwhile
// (the chart's column stays hidden while a category without a chart shows), would keep its
// old position beside other rows; so it moves now.
void PaneHost::ShareVerticalPosition() {
    for (PaneHost* partner : m_partners) {
        if (partner->m_scroll_y == m_scroll_y) continue;
        partner->SetPosition(Axis::vertical, m_scroll_y);
        partner->m_owner.RedrawPaneNow();
    }
}

// A partner's content may have changed since its last paint too. A vertical position set here
// replaces whatever the measuring clamped, so that clamp is not passed on.
void PaneHost::SetPosition(Axis axis, std::int32_t position) {
    MeasureContent(axis == Axis::horizontal);
    if (axis == Axis::horizontal) {
        m_scroll_x = std::clamp(position, 0, m_range_x);
    } else {
        m_scroll_y = std::clamp(position, 0, m_range_y);
    }
    m_owner.SetScrollBars(m_range_x, m_range_y, m_scroll_x, m_scroll_y);
}

void PaneHost::MoveVertically(std::int32_t position) {
    SetPosition(Axis::vertical, position);
    for (PaneHost* partner : m_partners) {
        partner->SetPosition(Axis::vertical, position);
        partner->m_owner.RedrawPaneNow();
    }
}

void PaneHost::ScrollBar(Axis axis, ScrollCode code, std::int32_t track) {
    MeasureContent(axis == Axis::horizontal);
    if (axis == Axis::horizontal) {
        SetPosition(axis, ScrollBarPosition(code, kHorizontalLineStep, m_scroll_x, m_range_x, track));
        m_owner.RepaintPane();
        return;
    }
    // The partners take this bar's position, so the table and its chart show the same rows.
    MoveVertically(ScrollBarPosition(code, kVerticalLineStep, m_scroll_y, m_range_y, track));
    m_owner.RedrawPaneNow();
}

bool PaneHost::Wheel(std::int32_t delta) {
    if (m_view == nullptr || m_view->IsDetailView()) return false;
    MeasureContent(false);
    MoveVertically(WheelPosition(m_scroll_y, m_range_y, delta));
    m_owner.RedrawPaneNow();
    return true;
}

bool PaneHost::KeyDown(PaneKey key) {
    if (m_view == nullptr) return false;
    MeasureContent();
    if (key == PaneKey::left || key == PaneKey::right) {
        const std::optional<std::int32_t> x = ColumnStep(m_view->GetColumnWidths(), DisplayScale(), m_scroll_x, key == PaneKey::right);
        if (x) SetPosition(Axis::horizontal, *x);
    }
    const bool vertical = key == PaneKey::up || key == PaneKey::down || key == PaneKey::page_up || key == PaneKey::page_down;
    if (vertical) {
        if (Row* selected = m_view->GetSelectedRow(); selected != nullptr && selected->index >= 0) {
            const RowList& rows = m_view->GetRowList();
            const auto index = static_cast<std::size_t>(selected->index);
            const std::size_t moved = MovedRowIndex(
                key, index, rows.Size(), RowsPerPage(m_client_height, m_view->GetHeaderHeight(), m_view->GetRowHeight()));
            if (moved != index && moved < rows.Size()) m_view->SelectRow(rows.At(moved));
            RevealRow(moved);
        } else {
            const std::int32_t y =
                KeyScrollPosition(key, m_scroll_y, m_client_height, m_view->GetHeaderHeight(), m_view->GetRowHeight());
            if (y != m_scroll_y) MoveVertically(y);
        }
    }
    // The text beside a memo or step list follows its selection.
    for (PaneHost* partner : m_partners) {
        if (IsTextMaster(*m_view) && partner->m_view != nullptr) partner->m_view->Update();
        partner->m_owner.RepaintPane();
    }
    m_owner.RedrawPaneNow();
    return true;
}

void PaneHost::RevealRow(std::size_t index) {
    if (m_view == nullptr) return;
    MeasureContent();
    const std::optional<std::int32_t> y =
        KeepRowVisible(m_scroll_y, m_client_height, m_view->GetHeaderHeight(), m_view->GetRowHeight(), index);
    if (y) MoveVertically(*y);
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
