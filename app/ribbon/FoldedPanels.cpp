// FoldedPanels.cpp - finding the ribbon's windows in the pop-ups, and the pictures of folded
// panels.

#include "app/ribbon/FoldedPanels.h"

#include "app/ribbon/RibbonGlyphs.h"

#include <wx/ribbon/bar.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>

#include <gtk/gtk.h>

#include <algorithm>

namespace varnholt {

wxRibbonPanel* FoldedPanelHolding(wxWindow* window) {
    for (; window != nullptr; window = window->GetParent()) {
        auto* panel = dynamic_cast<wxRibbonPanel*>(window);
        if (panel != nullptr && panel->GetExpandedDummy() != nullptr) return panel->GetExpandedDummy();
        if (window->IsTopLevel()) break;
    }
    return nullptr;
}

bool IsRibbonWindow(const wxRibbonBar& bar, wxWindow* window) {
    if (wxRibbonPanel* folded = FoldedPanelHolding(window)) window = folded;
    return window == &bar || bar.IsDescendant(window);
}

wxWindow* FindRibbonControl(wxRibbonBar& bar, int id) {
    if (wxWindow* control = bar.FindWindow(id)) return control;
    for (size_t index = 0; index < bar.GetPageCount(); ++index) {
        for (wxWindow* child : bar.GetPage(index)->GetChildren()) {
            auto* panel = dynamic_cast<wxRibbonPanel*>(child);
            wxRibbonPanel* popup = panel != nullptr ? panel->GetExpandedPanel() : nullptr;
            if (wxWindow* control = popup != nullptr ? popup->FindWindow(id) : nullptr) return control;
        }
    }
    return nullptr;
}

void SetFoldedPicture(wxRibbonPanel& panel, ribbon::Glyph glyph, bool usable) {
    panel.GetMinimisedIcon() = usable ? ribbon::GlyphBitmap(glyph, ribbon::kSmallGlyphSize)
                                      : ribbon::FadedGlyphBitmap(glyph, ribbon::kSmallGlyphSize);
    // The panel draws a copy of its picture, sized anew when it is realised. While its pop-up is
    // open its controls are away and it would measure itself without them; the toolkit realises
    // it again as the pop-up closes.
    if (panel.GetExpandedPanel() != nullptr) return;
    (void)panel.Realize();
    panel.Refresh();
}

bool HoldsOpenList(wxWindow& window) {
    if (GtkWidget* widget = window.GetHandle(); widget != nullptr && GTK_IS_COMBO_BOX(widget)) {
        gboolean shown = FALSE;
        g_object_get(widget, "popup-shown", &shown, nullptr);
        if (shown) return true;
    }
    return std::ranges::any_of(window.GetChildren(), [](wxWindow* child) { return HoldsOpenList(*child); });
}

}  // namespace varnholt
