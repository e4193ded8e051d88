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

namespace {

// Whether any window of the program holds the desktop's focus.
bool ProgramIsActive() {
    return std::ranges::any_of(wxTopLevelWindows, [](wxWindow* window) {
        GtkWidget* widget = window->GetHandle();
        return widget != nullptr && GTK_IS_WINDOW(widget) && gtk_window_is_active(GTK_WINDOW(widget));
    });
}

// Closes the pop-up once the event at hand has been handled: closing destroys the window the
// event is handled in. Everything goes through the pop-up's window, whose pending calls go with
// it; the folded panel may already be gone when the frame closes with a pop-up open.
void CloseLater(wxWindow& popup, bool unless_still_used) {
    popup.CallAfter([&popup, unless_still_used] {
        for (wxWindow* child : popup.GetChildren()) {
            auto* expanded = dynamic_cast<wxRibbonPanel*>(child);
            wxRibbonPanel* folded = expanded != nullptr ? expanded->GetExpandedDummy() : nullptr;
            if (folded == nullptr) continue;
            if (unless_still_used && (HoldsOpenList(*expanded) || ProgramIsActive())) return;
            (void)folded->HideExpanded();
            return;
        }
    });
}

// The window system's word that the pop-up's window has lost the focus. The toolkit tells its
// windows only when the focus moves between them, not when it leaves the program; the window
// that takes the focus says so right after.
void OnPopUpActiveChanged(GtkWindow* window, GParamSpec*, gpointer popup) {
    if (!gtk_window_is_active(window)) CloseLater(*static_cast<wxWindow*>(popup), true);
}

}  // namespace

void ClosePopUpWhenDone(wxWindow& moved) {
    wxWindow* popup = wxGetTopLevelParent(&moved);
    popup->Bind(wxEVT_CHAR_HOOK, [popup](wxKeyEvent& event) {
        if (event.GetKeyCode() != WXK_ESCAPE || event.HasAnyModifiers()) {
            event.Skip();
            return;
        }
        CloseLater(*popup, false);
    });
    // A click on another program or on the desktop takes the focus from the program, and the
    // pop-up goes as a menu does. A click in the program's own window closes it as the toolkit
    // has it; a drop-down list of the pop-up takes the focus while it is open, and the pop-up stays.
    g_signal_connect(popup->GetHandle(), "notify::is-active", G_CALLBACK(&OnPopUpActiveChanged), popup);
}

}  // namespace varnholt
