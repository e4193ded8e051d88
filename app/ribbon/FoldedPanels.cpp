// FoldedPanels.cpp - finding the ribbon's windows in the pop-ups, and closing a pop-up as a menu
// closes.

#include "app/ribbon/FoldedPanels.h"

#include "app/focus_chain.h"
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

// Whether the window with the keyboard focus lies in `popup`.
bool HoldsFocus(wxWindow& popup) {
    wxWindow* focus = wxWindow::FindFocus();
    return focus != nullptr && (focus == &popup || popup.IsDescendant(focus));
}

// Closes the pop-up once the focus has settled, unless it stays inside it or one of its lists is
// open. Closing destroys the window the event at hand is handled in, so it waits; it goes
// through the pop-up's window, whose pending calls go with it: the folded panel may already be
// gone when the frame closes with a pop-up open.
void CloseLater(wxWindow& popup, bool unless_still_used) {
    popup.CallAfter([&popup, unless_still_used] {
        for (wxWindow* child : popup.GetChildren()) {
            auto* expanded = dynamic_cast<wxRibbonPanel*>(child);
            wxRibbonPanel* folded = expanded != nullptr ? expanded->GetExpandedDummy() : nullptr;
            if (folded == nullptr) continue;
            if (unless_still_used && (HoldsFocus(popup) || HoldsOpenList(*expanded))) return;
            (void)folded->HideExpanded();
            return;
        }
    });
}

// The focus leaving a control of a pop-up. Which pop-up is asked when it happens: the same
// controls go back to the ribbon when the pop-up closes, and into a new pop-up at the next click.
void OnControlLosesFocus(wxFocusEvent& event) {
    event.Skip();
    auto* control = dynamic_cast<wxWindow*>(event.GetEventObject());
    if (control != nullptr && FoldedPanelHolding(control) != nullptr) CloseLater(*wxGetTopLevelParent(control), true);
}

// Watches the focus leave `window` and every window inside it, once however often they are moved.
void CloseWhenFocusLeaves(wxWindow& window) {
    (void)window.Unbind(wxEVT_KILL_FOCUS, &OnControlLosesFocus);
    window.Bind(wxEVT_KILL_FOCUS, &OnControlLosesFocus);
    for (wxWindow* child : window.GetChildren()) CloseWhenFocusLeaves(*child);
}

}  // namespace

void FollowFoldedPanel(wxWindow& control, const wxRibbonPanel& panel) {
    if (FoldedPanelHolding(&control) != &panel) {
        // Back in the ribbon. A pop-up that closed while it held the focus may leave the main
        // window's containers naming no focused child; they name it again.
        NameFocusedChildAgain(*wxGetTopLevelParent(&control));
        return;
    }
    wxWindow* popup = wxGetTopLevelParent(&control);
    popup->Bind(wxEVT_CHAR_HOOK, [popup](wxKeyEvent& event) {
        if (event.GetKeyCode() != WXK_ESCAPE || event.HasAnyModifiers()) {
            event.Skip();
            return;
        }
        CloseLater(*popup, false);
    });
    // The toolkit closes the pop-up as soon as its panel loses the focus, and at that moment the
    // focus is nowhere: also when a click moves it to a control of the pop-up, which the click
    // then misses, or whose pointer grab (a slider's drag) outlives the pop-up and holds every
    // later input. The panel's own handler is passed by; the pop-up closes once the focus has
    // gone elsewhere.
    if (wxWindow* expanded = control.GetParent()) {
        expanded->Bind(wxEVT_KILL_FOCUS, [popup](wxFocusEvent&) { CloseLater(*popup, true); });
    }
    CloseWhenFocusLeaves(control);
}

}  // namespace varnholt
