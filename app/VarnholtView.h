// VarnholtView.h - the pane window: shows one content view of the main window, painted
// through the wx drawing backend, with scroll bars that follow the content's size. The frame
// gives it its view and its links (the partner pane that scrolls with it, the details pane it
// refreshes); the details pane also holds the two sub-view windows and the details button of
// the category display. The scroll, wheel and key rules are the pane host's; this window
// reads the events, hands them on and redraws.
#pragma once

#include "app/draw/WxDrawCache.h"
#include "app/pointer_watch.h"
#include "views/core/PaneHost.h"

#include <wx/button.h>
#include <wx/window.h>

namespace varnholt {

namespace view {
class Row;
}

class CMainFrame;

class VarnholtView final : public wxWindow, private view::PaneOwner {
public:
    // `style` adds to the pane's own (both scroll bars always shown, keys); sub-view windows
    // add a border.
    VarnholtView(wxWindow* parent, wxWindowID id, long style = 0);
    ~VarnholtView() override;

    // The view shown; not owned, null for a blank pane. The pane repaints.
    void SetContentView(view::View* content);
    [[nodiscard]] view::View* GetContentView() const noexcept { return m_host.GetView(); }

    // The pane that follows this one's vertical position; null for none.
    void SetPartner(VarnholtView* partner);
    [[nodiscard]] VarnholtView* GetPartner() const noexcept { return m_partner; }
    void SetDetailsPane(VarnholtView* details) noexcept { m_details_pane = details; }
    [[nodiscard]] VarnholtView* GetDetailsPane() const noexcept { return m_details_pane; }

    // The details pane's children, made by the category display on first use; owned by the
    // window system as this window's children.
    VarnholtView* first_sub_view = nullptr;
    VarnholtView* second_sub_view = nullptr;
    wxButton* details_button = nullptr;

    // In a sub-view window: the content and the category table's selected row its content
    // last listed its rows for, so that the details arrangement lists them again only when
    // either changed.
    struct ArrangedFor {
        const view::View* content = nullptr;
        const view::Row* selection = nullptr;
        friend bool operator==(const ArrangedFor&, const ArrangedFor&) = default;
    };
    ArrangedFor arranged_for;

    // Paints the content as the pane shows it into any device, at the device's origin.
    void RenderTo(wxDC& dc);

    // The content's text on the clipboard; false for no view, an empty text or a clipboard
    // that cannot be opened.
    bool CopyToClipboard();
    // On the details pane: its sub-view windows and button for the detail view's current tab,
    // then the button's state. It draws itself again at once, or, when `at_once` is false, with
    // the window's next paint.
    void SyncWithCategory(bool at_once = true);
    // Enables the details button while both the activity table and the relationship table
    // (the first sub-view's content, or this pane's) have a selected row.
    void UpdateRelatedControls();

    [[nodiscard]] view::PaneHost& Host() noexcept { return m_host; }

protected:
    // A splitter's pane set smaller than its scroll bars need is hidden until it grows again:
    // the toolkit cannot lay the bars out in less.
    void DoSetSize(int x, int y, int width, int height, int size_flags) override;

private:
    [[nodiscard]] CMainFrame* Frame() const;
    // Paints now; inside a paint, where the toolkit paints every invalidated window in the same
    // frame, only invalidates.
    void RedrawNow();

    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnScrollWin(wxScrollWinEvent& event);
    void OnMouseWheel(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    // A press ends once: with its release, or with the pointer watch where that release was late.
    void EndPress(const wxMouseEvent& release);
    void OnMotion(wxMouseEvent& event);
    // The pointer at a client point while the left button drags.
    void FollowPointer(wxPoint at);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnGoToRelatedActivity(wxCommandEvent& event);
    void OnFindDialogDidFind(wxCommandEvent& event);
    [[nodiscard]] static std::uint32_t KeyFlags(const wxMouseEvent& event);

    // PaneOwner
    void RepaintPane() override;
    void RedrawPaneNow() override;
    void SetScrollBars(std::int32_t range_x, std::int32_t range_y, std::int32_t x, std::int32_t y) override;
    void SetPaneCursor(view::CursorKind kind) override;

    WxDrawCache m_cache;
    view::PaneHost m_host{*this};
    VarnholtView* m_partner = nullptr;
    VarnholtView* m_details_pane = nullptr;
    bool m_sync_queued = false;  // a details arrangement waits to run after this pane's paint
    bool m_press_ended_early = false;  // by the pointer watch, before its release came
    // A drag follows the pointer where the window system kept its motion events back.
    PointerWatch m_pointer_watch{*this, [this](wxPoint at) { FollowPointer(at); }};
};

}  // namespace varnholt
