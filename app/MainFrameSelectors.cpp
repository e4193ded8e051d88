// MainFrameSelectors.cpp - the ribbon's layout combos, timescale combos and zoom sliders:
// filled from the layout store (before any file they stay as they were made), and what a
// choice or a slider move does to the category's current layout.

#include "app/CMainFrame.h"

#include "app/VarnholtView.h"
#include "app/app_services.h"
#include "app/ribbon/FoldedPanels.h"
#include "layouts/Layout.h"
#include "layouts/layout_records.h"
#include "rows/display_scale.h"
#include "shell/command_ids.h"
#include "shell/layout_selection.h"
#include "shell/string_ids.h"
#include "shell/timescale_choices.h"
#include "shell/ui_text.h"

#include <wx/choice.h>
#include <wx/slider.h>

namespace varnholt {
namespace {

struct Selectors {
    int layout_combo = wxID_NONE;
    int timescale_combo = wxID_NONE;
    int zoom_slider = wxID_NONE;
};

Selectors SelectorsOf(Category category) {
    switch (category) {
    case Category::activities: return {IDC_COMBO_ACTIVITY_LAYOUT, IDC_COMBO_ACT_TIMESCALE, IDC_SLIDER_ACT_TIMESCALE};
    case Category::wbs: return {IDC_COMBO_WBS_LAYOUT, IDC_COMBO_WBS_TIMESCALE, IDC_SLIDER_WBS_TIMESCALE};
    case Category::projects: return {IDC_COMBO_PROJ_LAYOUT, IDC_COMBO_PROJ_TIMESCALE, IDC_SLIDER_PROJ_TIMESCALE};
    case Category::resources: return {IDC_COMBO_RES_LAYOUT, wxID_NONE, wxID_NONE};
    default: return {};
    }
}

// The timescale of the category's current layout; none without a store or a layout.
TimescaleSettings* CurrentTimescale(Category category, const LayoutStore* store) {
    view::Layout* layout = store != nullptr ? CurrentLayout(category, *store) : nullptr;
    return layout != nullptr ? layout->GetTimescale() : nullptr;
}

}  // namespace

void CMainFrame::RefreshSelectors(Category category) {
    FillLayoutCombo(category);
    FillTimescaleCombo(category);
    SetZoomSlider(category);
}

void CMainFrame::FillLayoutCombo(Category category) {
    auto* combo = dynamic_cast<wxChoice*>(FindRibbonControl(*m_ribbon, SelectorsOf(category).layout_combo));
    const LayoutList* layouts = m_store ? LayoutsOf(category, *m_store) : nullptr;
    if (combo == nullptr || layouts == nullptr) return;
    combo->Clear();
    for (const auto& layout : *layouts) combo->Append(layout->GetName());
    const int current = combo->FindString(*CurrentLayoutNameOf(category, *m_store), true);
    if (current != wxNOT_FOUND) combo->SetSelection(current);
    // The list is narrower than many names: the whole one shows as its tooltip.
    combo->SetToolTip(combo->GetStringSelection());
}

void CMainFrame::FillTimescaleCombo(Category category) {
    auto* combo = dynamic_cast<wxChoice*>(FindRibbonControl(*m_ribbon, SelectorsOf(category).timescale_combo));
    if (combo == nullptr || m_store == nullptr) return;
    combo->Clear();
    for (StringId id = IDS_TIMESCALE_FIRST; id <= IDS_TIMESCALE_LAST; ++id) combo->Append(LoadText(id));
    const TimescaleSettings* timescale = CurrentTimescale(category, m_store.get());
    if (timescale == nullptr) return;
    if (const auto choice = TimescaleChoiceOfUnit(timescale->unit)) combo->SetSelection(*choice);
}

void CMainFrame::SetZoomSlider(Category category) {
    auto* slider = dynamic_cast<wxSlider*>(FindRibbonControl(*m_ribbon, SelectorsOf(category).zoom_slider));
    if (slider == nullptr || m_store == nullptr) return;
    const TimescaleSettings* timescale = CurrentTimescale(category, m_store.get());
    if (timescale == nullptr) return;
    slider->SetValue(ZoomPositionOfWidth(timescale->cell_width, view::DisplayScale()));
}

void CMainFrame::OnActivityLayoutChange(wxCommandEvent&) { ChangeLayout(Category::activities); }
void CMainFrame::OnWbsLayoutChange(wxCommandEvent&) { ChangeLayout(Category::wbs); }
void CMainFrame::OnProjectLayoutChange(wxCommandEvent&) { ChangeLayout(Category::projects); }
void CMainFrame::OnResourceLayoutChange(wxCommandEvent&) { ChangeLayout(Category::resources); }

// The chosen layout becomes current and the category is shown again: its table changes rows
// only when the layout did, and its selectors show the new layout's timescale.
void CMainFrame::ChangeLayout(Category category) {
    const auto* combo = dynamic_cast<wxChoice*>(FindRibbonControl(*m_ribbon, SelectorsOf(category).layout_combo));
    if (m_store == nullptr || combo == nullptr) return;
    if (!ChooseLayout(*m_store, category, combo->GetStringSelection().ToStdWstring())) return;
    DisplayCategory(category);
    FocusTable();
    RedrawNow();
}

void CMainFrame::OnActivityTimescale(wxCommandEvent&) { ChangeTimescale(Category::activities); }
void CMainFrame::OnWbsTimescale(wxCommandEvent&) { ChangeTimescale(Category::wbs); }
void CMainFrame::OnProjectTimescale(wxCommandEvent&) { ChangeTimescale(Category::projects); }

// The chart in the Gantt pane recomputes its cells for the new unit.
void CMainFrame::ChangeTimescale(Category category) {
    const auto* combo = dynamic_cast<wxChoice*>(FindRibbonControl(*m_ribbon, SelectorsOf(category).timescale_combo));
    if (m_store == nullptr || combo == nullptr) return;
    TimescaleSettings* timescale = CurrentTimescale(category, m_store.get());
    const auto unit = UnitOfTimescaleChoice(combo->GetSelection());
    if (timescale != nullptr && unit) timescale->unit = *unit;
    view::View* chart = m_gantt_pane->GetContentView();
    if (chart != nullptr && chart->IsGanttView()) chart->Update();
    RedrawNow();
}

void CMainFrame::OnActivityZoom(wxCommandEvent&) { ChangeZoom(Category::activities); }
void CMainFrame::OnWbsZoom(wxCommandEvent&) { ChangeZoom(Category::wbs); }
void CMainFrame::OnProjectZoom(wxCommandEvent&) { ChangeZoom(Category::projects); }

// The chart draws with the new width at once; its cells stay as they are.
void CMainFrame::ChangeZoom(Category category) {
    const auto* slider = dynamic_cast<wxSlider*>(FindRibbonControl(*m_ribbon, SelectorsOf(category).zoom_slider));
    if (m_store == nullptr || slider == nullptr) return;
    TimescaleSettings* timescale = CurrentTimescale(category, m_store.get());
    if (timescale != nullptr) timescale->cell_width = UnitWidthOfZoomPosition(slider->GetValue(), view::DisplayScale());
    RedrawNow();
}

}  // namespace varnholt
