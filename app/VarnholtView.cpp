// VarnholtView.cpp - painting, scroll bars, wheel, keys, mouse and clipboard of a pane.

#include "app/VarnholtView.h"

#include "app/CMainFrame.h"
#include "app/app_services.h"
#include "app/clipboard.h"
#include "app/details_arrangement.h"
#include "app/draw/WxCursor.h"
#include "app/draw/WxDrawBackend.h"
#include "app/find_events.h"
#include "rows/Row.h"
#include "shell/command_ids.h"
#include "shell/related_activity.h"
#include "views/core/View.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/splitter.h>

#include <gtk/gtk.h>

#include <utility>

namespace varnholt {
namespace {

// Panes painting right now: a redraw asked for from inside a paint only invalidates.
int g_painting = 0;

view::ScrollCode ToScrollCode(wxEventType type) {
    if (type == wxEVT_SCROLLWIN_LINEUP) return view::ScrollCode::line_up;
    if (type == wxEVT_SCROLLWIN_LINEDOWN) return view::ScrollCode::line_down;
    if (type == wxEVT_SCROLLWIN_PAGEUP) return view::ScrollCode::page_up;
    if (type == wxEVT_SCROLLWIN_PAGEDOWN) return view::ScrollCode::page_down;
    if (type == wxEVT_SCROLLWIN_TOP) return view::ScrollCode::top;
    if (type == wxEVT_SCROLLWIN_BOTTOM) return view::ScrollCode::bottom;
    if (type == wxEVT_SCROLLWIN_THUMBTRACK || type == wxEVT_SCROLLWIN_THUMBRELEASE) return view::ScrollCode::thumb;
    return view::ScrollCode::other;
}

view::PaneKey ToPaneKey(int key_code) {
    switch (key_code) {
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT: return view::PaneKey::left;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT: return view::PaneKey::right;
    case WXK_UP:
    case WXK_NUMPAD_UP: return view::PaneKey::up;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN: return view::PaneKey::down;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP: return view::PaneKey::page_up;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN: return view::PaneKey::page_down;
    default: return view::PaneKey::other;
    }
}

// The six detail views, on which a click may choose another tab.
bool IsCategoryDetailView(const view::View& view) {
    return view.IsActivityDetailView() || view.IsWBSDetailView() || view.IsProjectDetailView() ||
           view.IsResourceDetailView() || view.IsOBSDetailView() || view.IsRoleDetailView();
}

// Sets a bar only when it changes. The range 0..max becomes a bar of max + thumb, whose
// largest position is max; the bars are always shown, so this never resizes the client area.
void SetBar(wxWindow& window, int orientation, std::int32_t position, std::int32_t thumb, std::int32_t max) {
    thumb = std::max(thumb, 0);
    const int range = max + thumb;
    if (window.GetScrollPos(orientation) == position && window.GetScrollThumb(orientation) == thumb &&
        window.GetScrollRange(orientation) == range) {
        return;
    }
    window.SetScrollbar(orientation, position, thumb, range, true);
}

// The native scrolled window under a pane binds Home, End and their Ctrl forms (and whatever a
// key theme adds) to scrolling it: the bars would move behind the pane's back, across the
// columns or down past its partner. A pane moves only for the keys it answers itself, so the
// bindings' scroll is stopped and the key goes on as one nobody took.
gboolean RefuseBoundScroll(GtkWidget* widget, GtkScrollType, gboolean, gpointer) {
    g_signal_stop_emission_by_name(widget, "scroll-child");
    return FALSE;
}

void RefuseKeyBindingScrolls(wxWindow& window) {
    auto* widget = static_cast<GtkWidget*>(window.GetHandle());
    if (widget != nullptr && GTK_IS_SCROLLED_WINDOW(widget)) {
        g_signal_connect(widget, "scroll-child", G_CALLBACK(RefuseBoundScroll), nullptr);
    }
}

}  // namespace

VarnholtView::VarnholtView(wxWindow* parent, wxWindowID id, long style)
    : wxWindow(parent, id, wxDefaultPosition, wxSize(10, 10),
               style | wxHSCROLL | wxVSCROLL | wxALWAYS_SHOW_SB | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE) {
    // A pane may shrink to nothing (a splitter keeps a child's minimum size).
    SetMinSize(wxSize(0, 0));
    // The paint covers the whole client area, so the background is never erased first.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    RefuseKeyBindingScrolls(*this);
    Bind(wxEVT_PAINT, &VarnholtView::OnPaint, this);
    Bind(wxEVT_SIZE, &VarnholtView::OnSize, this);
    Bind(wxEVT_SCROLLWIN_TOP, &VarnholtView::OnScrollWin, this);
    Bind(wxEVT_SCROLLWIN_BOTTOM, &VarnholtView::OnScrollWin, this);
    Bind(wxEVT_SCROLLWIN_LINEUP, &VarnholtView::OnScrollWin, this);
    Bind(wxEVT_SCROLLWIN_LINEDOWN, &VarnholtView::OnScrollWin, this);
    Bind(wxEVT_SCROLLWIN_PAGEUP, &VarnholtView::OnScrollWin, this);
    Bind(wxEVT_SCROLLWIN_PAGEDOWN, &VarnholtView::OnScrollWin, this);
    Bind(wxEVT_SCROLLWIN_THUMBTRACK, &VarnholtView::OnScrollWin, this);
    Bind(wxEVT_SCROLLWIN_THUMBRELEASE, &VarnholtView::OnScrollWin, this);
    Bind(wxEVT_MOUSEWHEEL, &VarnholtView::OnMouseWheel, this);
    Bind(wxEVT_KEY_DOWN, &VarnholtView::OnKeyDown, this);
    Bind(wxEVT_CHAR_HOOK, &VarnholtView::OnCharHook, this);
    Bind(wxEVT_LEFT_DOWN, &VarnholtView::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &VarnholtView::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &VarnholtView::OnLeftDoubleClick, this);
    m_pointer_watch.OnReleaseUnseen([this] {
        wxMouseEvent release(wxEVT_LEFT_UP);
        const wxPoint at = ScreenToClient(wxGetMousePosition());
        release.SetPosition(at);
        EndPress(release);
        // The window system may still deliver the release itself, which must not end the press
        // a second time (an expander would fold back).
        m_press_ended_early = true;
    });
    Bind(wxEVT_MOTION, &VarnholtView::OnMotion, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &VarnholtView::OnCaptureLost, this);
    Bind(wxEVT_BUTTON, &VarnholtView::OnGoToRelatedActivity, this, kDetailsButtonId);
    Bind(EVT_FIND_DIALOG_DID_FIND, &VarnholtView::OnFindDialogDidFind, this);
    // Print preview runs from the File page, and the panes draw in their own colours whatever
    // the theme: both notices are taken and left without effect.
    Bind(wxEVT_MENU, [](wxCommandEvent&) {}, ID_FILE_PRINT_PREVIEW);
    Bind(wxEVT_SYS_COLOUR_CHANGED, [](wxSysColourChangedEvent&) {});
}

// The content view belongs to the frame and may already be gone: it is not touched here.
// A release the pane never got (the window system may keep it while it activates the window)
// leaves the capture with it; a window must not go with the capture held.
VarnholtView::~VarnholtView() {
    if (HasCapture()) ReleaseMouse();
}

void VarnholtView::SetContentView(view::View* content) {
    if (content == m_host.GetView()) return;
    m_host.SetView(content);
    Refresh();
}

void VarnholtView::SetPartner(VarnholtView* partner) {
    m_partner = partner;
    std::vector<view::PaneHost*> partners;
    if (partner != nullptr) partners.push_back(&partner->m_host);
    m_host.SetPartners(std::move(partners));
}

CMainFrame* VarnholtView::Frame() const { return dynamic_cast<CMainFrame*>(wxGetTopLevelParent(const_cast<VarnholtView*>(this))); }

void VarnholtView::RenderTo(wxDC& dc) {
    const wxSize size = GetClientSize();
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(0, 0, size.x, size.y);
    m_host.SetClientSize(size.x, size.y);
    WxDrawBackend backend(dc, m_cache);
    m_host.Paint(backend);
}

void VarnholtView::OnPaint(wxPaintEvent&) {
    ++g_painting;
    {
        // Straight into the paint DC: the toolkit already double-buffers the window, and a
        // buffer of our own would cost a copy of the whole pane on every paint.
        wxPaintDC dc(this);
        RenderTo(dc);
    }
    --g_painting;
    // The details pane follows what this pane shows. Its windows move and show right after
    // the paint, not inside it, where the toolkit is drawing; it draws with the next paint, as
    // drawing it at once would draw this pane again too wherever the toolkit repaints the
    // whole window, and each paint would ask for another without end.
    const wxSize size = GetClientSize();
    if (m_details_pane != nullptr && GetContentView() != nullptr && size.x > 0 && size.y > 0 && !m_sync_queued) {
        m_sync_queued = true;
        CallAfter([this] {
            m_sync_queued = false;
            if (m_details_pane != nullptr) m_details_pane->SyncWithCategory(false);
        });
    }
}

void VarnholtView::DoSetSize(int x, int y, int width, int height, int size_flags) {
    wxWindow::DoSetSize(x, y, width, height, size_flags);
    if (dynamic_cast<wxSplitterWindow*>(GetParent()) == nullptr) return;
    const wxSize size = GetSize();
    const int bars = wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, this) + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
    const bool room = size.x >= 2 * bars && size.y >= 2 * bars;
    if (IsShown() != room) Show(room);
}

void VarnholtView::OnSize(wxSizeEvent& event) {
    Refresh();
    event.Skip();
}

void VarnholtView::RedrawNow() {
    Refresh();
    if (g_painting == 0) Update();
}

void VarnholtView::OnScrollWin(wxScrollWinEvent& event) {
    const auto axis = event.GetOrientation() == wxHORIZONTAL ? view::PaneHost::Axis::horizontal
                                                             : view::PaneHost::Axis::vertical;
    m_host.ScrollBar(axis, ToScrollCode(event.GetEventType()), event.GetPosition());
}

void VarnholtView::OnMouseWheel(wxMouseEvent& event) {
    // Only the vertical wheel scrolls; the event is not handed on, or the native bar would
    // scroll a second time.
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) return;
    (void)m_host.Wheel(event.GetWheelRotation());
}

void VarnholtView::OnKeyDown(wxKeyEvent& event) {
    const view::PaneKey key = ToPaneKey(event.GetKeyCode());
    if (!m_host.KeyDown(key)) {
        event.Skip();
        return;
    }
    if (m_details_pane != nullptr) m_details_pane->Refresh();
    if (key == view::PaneKey::other) event.Skip();
}

// Ctrl+C reaches every pane from the focused one up, so the innermost pane with text copies.
void VarnholtView::OnCharHook(wxKeyEvent& event) {
    const int code = event.GetKeyCode();
    if (event.ControlDown() && (code == 'C' || code == 'c') && CopyToClipboard()) return;
    event.Skip();
}

std::uint32_t VarnholtView::KeyFlags(const wxMouseEvent& event) {
    return event.LeftIsDown() ? view::kLeftButtonDown : 0u;
}

void VarnholtView::OnLeftDown(wxMouseEvent& event) {
    m_press_ended_early = false;
    SetFocus();  // custom windows do not take the focus by themselves
    // A release outside the pane still ends a drag; a hidden pane has nothing to capture with.
    if (!HasCapture() && IsShownOnScreen()) CaptureMouse();
    (void)m_host.LButtonDown(KeyFlags(event) | view::kLeftButtonDown, static_cast<float>(event.GetX()),
                             static_cast<float>(event.GetY()));
    if (HasCapture()) m_pointer_watch.Watch(event.GetPosition());
    Update();
    for (VarnholtView* pane : {m_details_pane, first_sub_view, second_sub_view}) {
        if (pane != nullptr) pane->Refresh();
    }
}

// The second press of a double click comes as this alone; its release ends it as any other.
void VarnholtView::OnLeftDoubleClick(wxMouseEvent& event) {
    m_press_ended_early = false;
    event.Skip();
}

void VarnholtView::OnLeftUp(wxMouseEvent& event) {
    event.Skip();
    if (!std::exchange(m_press_ended_early, false)) EndPress(event);
}

void VarnholtView::EndPress(const wxMouseEvent& release) {
    m_pointer_watch.Stop();
    if (HasCapture()) ReleaseMouse();
    (void)m_host.LButtonUp(KeyFlags(release), static_cast<float>(release.GetX()), static_cast<float>(release.GetY()));
    if (m_details_pane != nullptr) m_details_pane->SyncWithCategory();
    // A click on a detail view may have chosen another tab.
    if (GetContentView() != nullptr && IsCategoryDetailView(*GetContentView())) SyncWithCategory();
    UpdateRelatedControls();
}

void VarnholtView::OnMotion(wxMouseEvent& event) {
    m_pointer_watch.Seen(event.GetPosition());
    (void)m_host.MouseMove(KeyFlags(event), static_cast<float>(event.GetX()), static_cast<float>(event.GetY()));
}

void VarnholtView::FollowPointer(wxPoint at) {
    (void)m_host.MouseMove(view::kLeftButtonDown, static_cast<float>(at.x), static_cast<float>(at.y));
}

// The capture ends with the release that comes next; the system only took it back early.
void VarnholtView::OnCaptureLost(wxMouseCaptureLostEvent&) {}

bool VarnholtView::CopyToClipboard() {
    const view::View* content = GetContentView();
    return content != nullptr && CopyTextToClipboard(content->GetText());
}

void VarnholtView::SyncWithCategory(bool at_once) {
    CMainFrame* frame = Frame();
    LayoutStore* store = frame != nullptr ? frame->GetLayoutStore() : nullptr;
    if (store != nullptr && GetContentView() != nullptr) {
        ArrangeDetailsPane(*this, frame->GetContentViews(), *store, GetDisplayScale(*this), DetailsArrangement::pane);
    } else {
        for (wxWindow* child : {static_cast<wxWindow*>(first_sub_view), static_cast<wxWindow*>(second_sub_view),
                                static_cast<wxWindow*>(details_button)}) {
            if (child != nullptr && child->IsShown()) child->Hide();
        }
    }
    if (at_once) {
        RedrawNow();
    } else {
        Refresh();
    }
    UpdateRelatedControls();
}

void VarnholtView::UpdateRelatedControls() {
    const view::View* relationships = nullptr;
    if (first_sub_view != nullptr && first_sub_view->GetContentView() != nullptr &&
        first_sub_view->GetContentView()->IsRelationshipTableView()) {
        relationships = first_sub_view->GetContentView();
    } else if (GetContentView() != nullptr && GetContentView()->IsRelationshipTableView()) {
        relationships = GetContentView();
    } else {
        return;
    }
    CMainFrame* frame = Frame();
    wxButton* button = frame != nullptr ? frame->GetDetailsPane()->details_button : nullptr;
    if (button != nullptr) button->Enable(CanGoToRelatedActivity(frame->GetCurrentTableView(), relationships));
}

void VarnholtView::OnGoToRelatedActivity(wxCommandEvent&) {
    CMainFrame* frame = Frame();
    view::View* table = frame != nullptr ? frame->GetCurrentTableView() : nullptr;
    if (table == nullptr) return;
    const view::View* relationships = first_sub_view != nullptr ? first_sub_view->GetContentView() : nullptr;
    const view::Row* row = GoToRelatedActivity(*table, relationships);
    VarnholtView* table_pane = frame->GetTablePane();
    if (row == nullptr || table_pane == nullptr || table_pane->GetContentView() == nullptr) return;
    table_pane->Host().RevealRow(static_cast<std::size_t>(std::max(row->index, 0)));
    table_pane->Refresh();
}

void VarnholtView::OnFindDialogDidFind(wxCommandEvent&) {
    const view::View* content = GetContentView();
    const view::Row* row = content != nullptr ? content->GetSelectedRow() : nullptr;
    if (row == nullptr || row->index < 0) return;
    m_host.RevealRow(static_cast<std::size_t>(row->index));
}

void VarnholtView::RepaintPane() { Refresh(); }

void VarnholtView::RedrawPaneNow() { RedrawNow(); }

void VarnholtView::SetScrollBars(std::int32_t range_x, std::int32_t range_y, std::int32_t x, std::int32_t y) {
    const wxSize client = GetClientSize();
    SetBar(*this, wxHORIZONTAL, x, client.x, range_x);
    SetBar(*this, wxVERTICAL, y, client.y, range_y);
}

void VarnholtView::SetPaneCursor(view::CursorKind kind) { SetCursor(wxCursor(ToWxStockCursor(kind))); }

}  // namespace varnholt
