// FoldedPanels.cpp - finding the ribbon's windows in the pop-ups, and closing a pop-up as a menu
// closes.

#include "app/ribbon/FoldedPanels.h"

#include "app/ribbon/RibbonGlyphs.h"

#include <wx/ribbon/bar.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>
#include <wx/toplevel.h>

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
    (void)panel.Realize();  // the panel draws a copy of its picture, sized anew here
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

void ClosePopUpWhenDone(wxWindow& moved, wxRibbonPanel& panel) {
    // The handlers go with the pop-up's window. Closing destroys the window an event is being
    // handled in, so it waits until the event has been handled.
    wxWindow* popup = wxGetTopLevelParent(&moved);
    popup->Bind(wxEVT_CHAR_HOOK, [&panel](wxKeyEvent& event) {
        if (event.GetKeyCode() != WXK_ESCAPE || event.HasAnyModifiers()) {
            event.Skip();
            return;
        }
        panel.CallAfter([&panel] { (void)panel.HideExpanded(); });
    });
    // A click on another program or on the desktop takes the focus from the pop-up. So does a
    // drop-down list of the pop-up while it is open: the pop-up stays for it.
    popup->Bind(wxEVT_ACTIVATE, [&panel](wxActivateEvent& event) {
        event.Skip();
        if (event.GetActive()) return;
        panel.CallAfter([&panel] {
            wxRibbonPanel* expanded = panel.GetExpandedPanel();
            if (expanded == nullptr || HoldsOpenList(*expanded)) return;
            if (auto* window = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(expanded)); window->IsActive()) return;
            (void)panel.HideExpanded();
        });
    });
}

}  // namespace varnholt
