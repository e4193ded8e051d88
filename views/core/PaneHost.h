// PaneHost.h - how a pane window drives the content view it shows, without a toolkit. The
// window owns the device and the scroll bars; it turns its paint and mouse events into calls
// here and does what the host asks of it through PaneOwner. One host per pane window.
//
// Painting: the scroll ranges follow the content's size on every paint, so a view that grows
// or shrinks needs only a repaint. A move between paints measures the content afresh too:
// rows opened or closed since the last paint (find opening a collapsed group) count at once.
// A press or release lets the view list its rows again (its selection may have changed them),
// except on the flat sub-tables, whose rows never change with a click; then this pane and its
// partners are repainted.
//
// Partners follow this pane's vertical position (the table and its Gantt chart, a memo list
// and its text), so both always show the same rows; the horizontal position is each pane's
// own. That holds for a position clamped to shorter content too (another category's view,
// another schedule), whichever pane measures it first. The steps themselves are the rules of
// pane_scroll_rules.h.
#pragma once

#include "views/core/pane_scroll_rules.h"
#include "views/draw/DrawBackend.h"
#include "views/draw/DrawContext.h"

#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace varnholt::view {

class View;

// What a pane host asks of the window that shows it.
class PaneOwner {
public:
    virtual ~PaneOwner() = default;
    // The window paints again soon; it calls PaneHost::Paint from there.
    virtual void RepaintPane() = 0;
    // The window paints now, so that partners never show different rows for long.
    virtual void RedrawPaneNow() { RepaintPane(); }
    // Ranges are 0..range; the positions are already clamped to them.
    virtual void SetScrollBars(std::int32_t range_x, std::int32_t range_y, std::int32_t x, std::int32_t y) = 0;
    virtual void SetPaneCursor(CursorKind kind) = 0;
};

class PaneHost {
public:
    explicit PaneHost(PaneOwner& owner);
    PaneHost(const PaneHost&) = delete;
    PaneHost& operator=(const PaneHost&) = delete;
    // Silences the cursor handler it set on its view without touching the view, which may be
    // gone already.
    ~PaneHost();

    // Not owned; null shows nothing. The view's cursor requests go to this pane's owner from
    // now on, and the previous view's no longer reach it.
    void SetView(View* view);
    [[nodiscard]] View* GetView() const noexcept { return m_view; }
    // Panes repainted, in this order, after a press or release here. Not owned.
    void SetPartners(std::vector<PaneHost*> partners) { m_partners = std::move(partners); }

    void SetClientSize(std::int32_t width, std::int32_t height);
    // Clamped to the scroll ranges at the next paint.
    void ScrollTo(std::int32_t x, std::int32_t y);
    [[nodiscard]] std::int32_t ScrollX() const noexcept { return m_scroll_x; }
    [[nodiscard]] std::int32_t ScrollY() const noexcept { return m_scroll_y; }
    // As set at the last paint or the last move.
    [[nodiscard]] std::int32_t RangeX() const noexcept { return m_range_x; }
    [[nodiscard]] std::int32_t RangeY() const noexcept { return m_range_y; }
    [[nodiscard]] std::int32_t ClientWidth() const noexcept { return m_client_width; }
    [[nodiscard]] std::int32_t ClientHeight() const noexcept { return m_client_height; }

    // Sets the scroll bars from the content size and draws the view on `device`, which is
    // attached for this one paint. The owner clears the client area first. With an empty
    // client area the view still draws (it may size itself there), from the positions as they
    // stood before the ranges were set.
    void Paint(DrawBackend& device);

    // Client points in pixels; the view adds its scroll origin itself. Each answers the view's
    // own answer (false without a view).
    bool MouseMove(std::uint32_t flags, float x, float y);
    bool LButtonDown(std::uint32_t flags, float x, float y);
    bool LButtonUp(std::uint32_t flags, float x, float y);

    // The eleven sub-tables of the detail panes that a click never relists.
    [[nodiscard]] static bool IsFlatSubTable(const View& view);
    // The lists whose partner shows the text of their selected row.
    [[nodiscard]] static bool IsTextMaster(const View& view);

    // A scroll-bar code. The horizontal bar moves this pane alone and repaints it; the vertical
    // bar moves the partners to the same position and redraws them and this pane at once.
    enum class Axis : std::uint8_t { horizontal, vertical };
    void ScrollBar(Axis axis, ScrollCode code, std::int32_t track);
    // A vertical wheel turn (120 a notch) on this pane and its partners; false, and nothing
    // moves, without a view or over a detail view, which does not scroll by the wheel.
    bool Wheel(std::int32_t delta);
    // A key press: the arrows step over columns, move the selection with two rows of margin
    // or, without one, scroll; the partners follow and a memo or step list lets its text
    // partner update. This pane is redrawn at once. False without a view.
    bool KeyDown(PaneKey key);
    // Scrolls this pane and its partners so that row `index` shows with two rows of margin;
    // the partners are redrawn at once, this pane is not.
    void RevealRow(std::size_t index);

private:
    // The view's cursor handler reaches the owner through this slot, which outlives the host
    // when the view does.
    struct CursorSlot {
        PaneOwner* owner = nullptr;
    };

    void AfterClick(bool release);
    // The ranges from the content's size now, and the positions clamped to them. A clamp of
    // the vertical position moves the partners along unless the caller sets that position next.
    void MeasureContent(bool share_clamp = true);
    // Each partner not at this pane's vertical position goes there and is redrawn at once.
    void ShareVerticalPosition();
    // Positions clamped to the content's ranges, as a scroll bar clamps them.
    void SetPosition(Axis axis, std::int32_t position);
    // This pane and each partner to the vertical position; the partners are redrawn at once.
    void MoveVertically(std::int32_t position);

    PaneOwner& m_owner;
    View* m_view = nullptr;
    std::shared_ptr<CursorSlot> m_cursor_slot;  // shared with the view's cursor handler
    std::vector<PaneHost*> m_partners;
    std::int32_t m_client_width = 0;
    std::int32_t m_client_height = 0;
    std::int32_t m_scroll_x = 0;
    std::int32_t m_scroll_y = 0;
    std::int32_t m_range_x = 0;
    std::int32_t m_range_y = 0;
};

// Sets DisplayScale and lets every given view re-derive its sizes from it.
void ChangeDisplayScale(float scale, std::span<View* const> views);

}  // namespace varnholt::view
