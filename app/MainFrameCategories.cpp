// MainFrameCategories.cpp - showing a category in the three panes, the detail tab's
// sub-views, and switching between the categories and the File page.

#include "app/CMainFrame.h"

#include "app/CVarnSplitterWnd.h"
#include "app/VarnholtView.h"
#include "app/app_services.h"
#include "app/backstage/CBackStagePageInfo.h"
#include "app/backstage/FilePage.h"
#include "app/details_arrangement.h"
#include "app/draw/WxDrawCache.h"
#include "app/ribbon/MainRibbon.h"
#include "shell/command_ids.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/ribbon/bar.h>

#include <utility>

namespace varnholt {
namespace {

constexpr wxWindowID kFirstSubViewId = 101;
constexpr wxWindowID kSecondSubViewId = 102;
constexpr int kDetailsButtonTextHeight = 15;

}  // namespace

view::View* CMainFrame::GetCurrentTableView() const {
    switch (GetActiveCategory()) {
    case Category::activities:
    case Category::wbs:
    case Category::projects:
    case Category::resources: return m_views->Table(GetActiveCategory());
    default: return nullptr;
    }
}

view::GanttView* CMainFrame::GetCurrentGanttView() const { return m_views->Gantt(GetActiveCategory()); }

void CMainFrame::ShowCategory(std::int32_t index) {
    if (IsCategory(index)) DisplayCategory(static_cast<Category>(index));
    Refresh();
    Update();
}

void CMainFrame::DisplayCategory(Category category) {
    if (m_store == nullptr) return;
    m_views->BindTable(category, *m_store);
    m_table_pane->SetContentView(m_views->Table(category));

    if (view::GanttView* chart = m_views->Gantt(category)) {
        if (!m_gantt_closed) m_inner->ShowColumn();
        m_table_pane->SetPartner(m_gantt_pane);
        m_gantt_pane->SetPartner(m_table_pane);
        m_views->BindGantt(category, *m_store);
        m_gantt_pane->SetContentView(chart);
    } else if (m_inner->IsSplit()) {
        m_inner->HideColumn();
    }

    m_details_pane->SetContentView(m_views->Details(category));
    // Every category links the details pane, so a click in any table refreshes it.
    m_table_pane->SetDetailsPane(m_details_pane);
    EnsureSubViewWindows(category);
    PlaceSubViews(category);
    RefreshSelectors(category);
}

void CMainFrame::EnsureSubViewWindows(Category category) {
    VarnholtView& pane = *m_details_pane;
    const long style = wxBORDER_SIMPLE | wxHSCROLL | wxVSCROLL;
    if (pane.first_sub_view == nullptr) pane.first_sub_view = new VarnholtView(&pane, kFirstSubViewId, style);
    if (pane.second_sub_view == nullptr && NeedsSecondSubViewWindow(category)) {
        pane.second_sub_view = new VarnholtView(&pane, kSecondSubViewId, style);
    }
    if (pane.details_button == nullptr && category == Category::activities) {
        pane.details_button = new wxButton(&pane, kDetailsButtonId, LoadText(IDS_DETAILS_BUTTON));
        WxDrawCache faces;
        wxFont font(wxFontInfo().FaceName(faces.ResolveFace(L"Calibri")));
        font.SetPixelSize(wxSize(0, kDetailsButtonTextHeight));
        pane.details_button->SetFont(font);
        pane.details_button->Hide();
    }
}

void CMainFrame::PlaceSubViews(Category) {
    ArrangeDetailsPane(*m_details_pane, *m_views, *m_store, GetDisplayScale(*this), DetailsArrangement::category_display);
}

void CMainFrame::OnRibbonPageChanged(wxRibbonBarEvent& event) {
    SwitchToPage(m_ribbon->GetActivePage());
    event.Skip();
}

void CMainFrame::SwitchToPage(std::int32_t page) {
    if (page == static_cast<std::int32_t>(Category::file_page)) {
        ShowFilePage();
        return;
    }
    if (!IsCategory(page)) return;
    if (m_ribbon->GetActivePage() != page) m_ribbon->SetActivePage(static_cast<size_t>(page));
    DestroyFindDialog();
    if (IsFilePageShown()) {
        m_file_page->Hide();
        m_outer->Show();
        static_cast<MainRibbonBar*>(m_ribbon)->ShowBand(true);
        Layout();
    }
    m_categories.PageShown(page);
    ShowCategory(page);
    FocusTable();  // a tab clicked or stepped to keeps the keys
}

// A window without the keyboard (not shown yet, or another program's in front) takes it when
// it is activated: asked for before, the focus would be owed to a window the toolkit then
// reports as focused while a dialog has the keys.
void CMainFrame::FocusTable() {
    wxWindow* focus = FindFocus();
    if (focus != nullptr && wxGetTopLevelParent(focus) != this) return;
    if (IsFilePageShown()) return;
    m_owed_focus.Owe(!IsActive());
    if (IsActive()) m_table_pane->SetFocus();
}

void CMainFrame::OnActivate(wxActivateEvent& event) {
    if (event.GetActive() && m_owed_focus.SettleAtActivation()) FocusTable();
    event.Skip();
}

void CMainFrame::ShowFilePage() {
    if (IsFilePageShown()) {
        m_file_page->TakeKeys();  // Alt+F once more, wherever on the page the keys are
        return;
    }
    DestroyFindDialog();
    TakeScreenshot();
    RebuildInfoPage(*this);
    m_categories.PageShown(static_cast<std::int32_t>(Category::file_page));
    if (m_ribbon->GetActivePage() != static_cast<int>(Category::file_page)) {
        m_ribbon->SetActivePage(static_cast<size_t>(Category::file_page));
    }
    m_file_page->RefreshRecent();
    m_outer->Hide();
    // The File tab has no panels: the page starts right under the tabs.
    static_cast<MainRibbonBar*>(m_ribbon)->ShowBand(false);
    m_file_page->Show();
    Layout();
    m_file_page->TakeKeys();
}

void CMainFrame::CloseFilePage() {
    if (IsFilePageShown()) SwitchToPage(static_cast<std::int32_t>(GetActiveCategory()));
}

// The File page hides the band below the tabs, which the toolkit takes for a ribbon folded by
// the user: a press on the current tab would unfold an empty band over the page and push the
// page down under the pointer. The page already shows, so the press changes nothing.
void CMainFrame::OnRibbonPress(wxMouseEvent& event) {
    const auto* bar = static_cast<const MainRibbonBar*>(m_ribbon);
    if (IsFilePageShown() && bar->GetTabRect(kFileTabPage).Contains(event.GetPosition())) return;
    event.Skip();
}

// Alt+F opens the File page; Ctrl+Page Down and Ctrl+Page Up step through the category tabs.
// Escape leaves the File page through the page's own keys.
void CMainFrame::OnRibbonKeys(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (event.GetModifiers() == wxMOD_ALT && (key == 'F' || key == 'f')) {
        ShowFilePage();
        return;
    }
    if (event.GetModifiers() == wxMOD_CONTROL) {
        const bool next = key == WXK_PAGEDOWN || key == WXK_NUMPAD_PAGEDOWN;
        if (next || key == WXK_PAGEUP || key == WXK_NUMPAD_PAGEUP) {
            SwitchToPage(StepCategoryTab(m_ribbon->GetActivePage(), next ? 1 : -1));
            return;
        }
    }
    event.Skip();
}

// The window as it was when the File page was asked for, for the Info page's miniature: the
// ribbon copied from the screen, the panes painted at their places by themselves, so that they
// come out whole even where another window covers them.
void CMainFrame::TakeScreenshot() {
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0) return;
    m_screenshot = wxBitmap(size.x, size.y, 24);
    wxMemoryDC dc(m_screenshot);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    if (m_ribbon->IsShownOnScreen()) {
        wxClientDC ribbon(m_ribbon);
        if (ribbon.IsOk()) {
            (void)dc.Blit(ScreenToClient(m_ribbon->GetScreenPosition()), m_ribbon->GetClientSize(), &ribbon,
                          wxPoint(0, 0));
        }
    }
    for (VarnholtView* pane : {m_table_pane, m_gantt_pane, m_details_pane}) {
        if (!pane->IsShownOnScreen()) continue;
        const wxPoint at = ScreenToClient(pane->GetScreenPosition());
        dc.SetDeviceOrigin(at.x, at.y);
        dc.SetClippingRegion(wxPoint(0, 0), pane->GetClientSize());
        pane->RenderTo(dc);
        dc.DestroyClippingRegion();
    }
    dc.SetDeviceOrigin(0, 0);
    dc.SelectObject(wxNullBitmap);
}

}  // namespace varnholt
