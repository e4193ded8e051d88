// MainFrameSelectors.cpp - the ribbon's layout combos, timescale combos and zoom sliders,
// filled from the layout store; before any file they stay as they were made.

#include "app/CMainFrame.h"

#include "app/app_services.h"
#include "layouts/Layout.h"
#include "layouts/layout_records.h"
#include "shell/command_ids.h"
#include "shell/string_ids.h"
#include "shell/timescale_choices.h"
#include "shell/ui_text.h"
#include "views/base/display_scale.h"

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

const LayoutList* LayoutsOf(Category category, const LayoutStore& store) {
    switch (category) {
    case Category::activities: return &store.ActivityLayouts();
    case Category::wbs: return &store.WbsLayouts();
    case Category::projects: return &store.ProjectLayouts();
    case Category::resources: return &store.ResourceLayouts();
    default: return nullptr;
    }
}

const std::wstring* CurrentNameOf(Category category, const LayoutStore& store) {
    switch (category) {
    case Category::activities: return &store.CurrentActivityLayoutName();
    case Category::wbs: return &store.CurrentWbsLayoutName();
    case Category::projects: return &store.CurrentProjectLayoutName();
    case Category::resources: return &store.CurrentResourceLayoutName();
    default: return nullptr;
    }
}

}  // namespace

void CMainFrame::RefreshSelectors(Category category) {
    FillLayoutCombo(category);
    FillTimescaleCombo(category);
    SetZoomSlider(category);
}

void CMainFrame::FillLayoutCombo(Category category) {
    auto* combo = dynamic_cast<wxChoice*>(FindWindow(SelectorsOf(category).layout_combo));
    const LayoutList* layouts = m_store ? LayoutsOf(category, *m_store) : nullptr;
    if (combo == nullptr || layouts == nullptr) return;
    combo->Clear();
    for (const auto& layout : *layouts) combo->Append(layout->GetName());
    const int current = combo->FindString(*CurrentNameOf(category, *m_store), true);
    if (current != wxNOT_FOUND) combo->SetSelection(current);
}

void CMainFrame::FillTimescaleCombo(Category category) {
    auto* combo = dynamic_cast<wxChoice*>(FindWindow(SelectorsOf(category).timescale_combo));
    if (combo == nullptr || m_store == nullptr) return;
    combo->Clear();
    for (StringId id = IDS_TIMESCALE_FIRST; id <= IDS_TIMESCALE_LAST; ++id) combo->Append(LoadText(id));
    view::Layout* layout = CurrentLayout(category, *m_store);
    const TimescaleSettings* timescale = layout != nullptr ? layout->GetTimescale() : nullptr;
    if (timescale == nullptr) return;
    if (const auto choice = TimescaleChoiceOfUnit(timescale->unit)) combo->SetSelection(*choice);
}

void CMainFrame::SetZoomSlider(Category category) {
    auto* slider = dynamic_cast<wxSlider*>(FindWindow(SelectorsOf(category).zoom_slider));
    if (slider == nullptr || m_store == nullptr) return;
    view::Layout* layout = CurrentLayout(category, *m_store);
    const TimescaleSettings* timescale = layout != nullptr ? layout->GetTimescale() : nullptr;
    if (timescale == nullptr) return;
    slider->SetValue(ZoomPositionOfWidth(timescale->cell_width, view::DisplayScale()));
}

}  // namespace varnholt
