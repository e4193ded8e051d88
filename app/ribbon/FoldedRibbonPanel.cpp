// FoldedRibbonPanel.cpp - opening a folded panel's controls in a pop-up of our own. The controls
// move into a copy of the panel in the pop-up and back again, as the toolkit moves them into its
// frame, so that its closing (HideExpanded) and everything that finds them there stay as they are.

#include "app/ribbon/FoldedRibbonPanel.h"

#include "app/ribbon/FoldedPopUp.h"
#include "app/ribbon/FoldedPopUpClosing.h"
#include "shell/popup_place.h"

#include <wx/display.h>
#include <wx/sizer.h>

#include <gtk/gtk.h>

#include <optional>

namespace varnholt {
namespace {

ScreenBox Box(const wxRect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

// The press being handled, in screen pixels and the display server's time, if a press is.
std::optional<ScreenPress> PressBeingHandled() {
    GdkEvent* event = gtk_get_current_event();
    if (event == nullptr) return std::nullopt;
    std::optional<ScreenPress> press;
    if (event->type == GDK_BUTTON_PRESS || event->type == GDK_2BUTTON_PRESS) {
        press = ScreenPress{static_cast<int>(event->button.x_root), static_cast<int>(event->button.y_root), event->button.time};
    }
    gdk_event_free(event);
    return press;
}

}  // namespace

FoldedRibbonPanel::FoldedRibbonPanel(wxWindow* page, const wxString& label, const wxBitmap& folded_picture)
    : wxRibbonPanel(page, wxID_ANY, label, folded_picture) {
    Bind(wxEVT_LEFT_DOWN, &FoldedRibbonPanel::OnPress, this);
    // A quick second click comes as a double click alone: it opens the pop-up too.
    Bind(wxEVT_LEFT_DCLICK, &FoldedRibbonPanel::OnPress, this);
}

FoldedRibbonPanel::FoldedRibbonPanel(FoldedPopUp& popup, FoldedRibbonPanel& folded, wxSize size)
    : wxRibbonPanel(&popup, wxID_ANY, folded.GetLabel(), folded.m_minimised_icon, wxPoint(0, 0), size, folded.m_flags) {
    SetArtProvider(folded.GetArtProvider());
    m_expanded_dummy = &folded;
    folded.m_expanded_panel = this;
    // The toolkit closes an unfolded panel as its focus leaves; the pop-up closes by its own rule.
    Bind(wxEVT_KILL_FOCUS, [](wxFocusEvent&) {});
}

void FoldedRibbonPanel::OnPress(wxMouseEvent& event) {
    if (!IsMinimised()) {
        event.Skip();  // the toolkit's own handling of an unfolded panel
        return;
    }
    // An open pop-up holds the pointer (a GTK grab, whatever the window system granted): a press
    // here goes to it, and it decides.
    (void)Unfold();
}

bool FoldedRibbonPanel::Unfold() {
    if (!IsMinimised() || m_expanded_dummy != nullptr || m_expanded_panel != nullptr) return false;
    const wxSize size = GetBestSize();
    auto* popup = new FoldedPopUp(*this);
    auto* unfolded = new FoldedRibbonPanel(*popup, *this, size);
    // The controls go over one by one: each finds the pop-up it is in as it arrives.
    while (!GetChildren().IsEmpty()) {
        wxWindow* control = GetChildren().GetFirst()->GetData();
        (void)control->Reparent(unfolded);
        control->Show();
    }
    if (wxSizer* sizer = GetSizer()) {
        SetSizer(nullptr, false);
        unfolded->SetSizer(sizer);
    }
    (void)unfolded->Realize();
    Refresh();
    const int display = wxDisplay::GetFromWindow(this);
    const wxRect screen = wxDisplay(display == wxNOT_FOUND ? 0 : static_cast<unsigned>(display)).GetClientArea();
    const ScreenBox place = PopUpPlace(Box(GetScreenRect()), size.x, size.y, Box(screen));
    popup->Open(wxRect(place.x, place.y, place.width, place.height), PressBeingHandled());
    WatchFoldedPopUp(*popup);
    popup->FocusWhenActive(*unfolded);
    return true;
}

}  // namespace varnholt
