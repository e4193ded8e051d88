// focus_marks.cpp - a plain focus outline for toggles and buttons, and a ring round a focused list
// or preview.

#include "app/focus_marks.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/window.h>

#include <gtk/gtk.h>

#include <utility>

namespace varnholt {
namespace {

constexpr int kRingGap = 1;    // DIPs between the control and its ring
constexpr int kRingWidth = 2;  // DIPs

// The ring's outer rectangle round the control, in the parent's client coordinates.
wxRect RingRect(const wxWindow& parent, const wxWindow& control) {
    return control.GetRect().Inflate(parent.FromDIP(kRingGap + kRingWidth));
}

GtkCssProvider* StyleFrom(const char* css) {
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css, -1, nullptr);
    return provider;
}

// The style goes on the control and on every part of it: a drop-down list takes the focus on a
// button deep inside it.
void AddStyle(wxWindow& control, GtkCssProvider* style) {
    static void (*const add)(GtkWidget*, gpointer) = [](GtkWidget* part, gpointer css) {
        gtk_style_context_add_provider(gtk_widget_get_style_context(part), GTK_STYLE_PROVIDER(css),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        if (GTK_IS_CONTAINER(part)) gtk_container_forall(GTK_CONTAINER(part), add, css);
    };
    if (auto* widget = static_cast<GtkWidget*>(control.GetHandle())) add(widget, style);
}

// `ink` is asked at each paint: the theme's colours change while the program runs.
void RingIn(wxColour (*ink)(), wxWindow& parent, std::vector<wxWindow*> controls) {
    for (wxWindow* control : controls) {
        // A list made of several windows reports the focus of its inner one as its own.
        const auto redraw = [&parent, control](wxFocusEvent& event) {
            parent.RefreshRect(RingRect(parent, *control));
            event.Skip();
        };
        control->Bind(wxEVT_SET_FOCUS, redraw);
        control->Bind(wxEVT_KILL_FOCUS, redraw);
    }
    parent.Bind(wxEVT_PAINT, [ink, &parent, controls = std::move(controls)](wxPaintEvent&) {
        wxPaintDC dc(&parent);
        for (const wxWindow* control : controls) {
            if (!control->HasFocus() || !control->IsShown()) continue;
            const int width = parent.FromDIP(kRingWidth);
            dc.SetPen(wxPen(ink(), width));
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            // A pen is centred on the outline: half of it lies inside the rectangle drawn.
            dc.DrawRectangle(RingRect(parent, *control).Deflate(width / 2));
        }
    });
}

}  // namespace

// Outlines are only drawn while the focus is to be seen, after the keyboard was used, as the
// theme's own.
void OutlineFocusPlainly(wxWindow& control) {
    static GtkCssProvider* const style = StyleFrom(
        "checkbutton, radiobutton { outline: 1px solid currentColor; outline-offset: 0; }"
        // A borderless button fills its place with its ground: the outline stands inside it.
        "button { outline: 2px solid currentColor; outline-offset: -2px; -gtk-outline-radius: 0; }"
        // A link has no room round its text of its own; the outline would cross its ends.
        "button.link { padding-left: 4px; padding-right: 4px; }");
    AddStyle(control, style);
    control.InvalidateBestSize();  // a link's size, taken as it was made, leaves out its new padding
}

void OutlineFramedFocusOnWhite(wxWindow& control) {
    // Round the frame, on the white: inside it a dark theme's light text colour would stand on
    // the white of the frame's rounded corners.
    static GtkCssProvider* const style =
        StyleFrom("button { outline: 2px solid rgb(38, 38, 38); outline-offset: 1px; -gtk-outline-radius: 0; }");
    AddStyle(control, style);
}

void ShowFocusMarks(wxWindow& window) {
    wxWindow* top = wxGetTopLevelParent(&window);
    auto* widget = top != nullptr ? static_cast<GtkWidget*>(top->GetHandle()) : nullptr;
    if (widget != nullptr && GTK_IS_WINDOW(widget)) gtk_window_set_focus_visible(GTK_WINDOW(widget), TRUE);
}

void RingFocusedControl(wxWindow& parent, std::vector<wxWindow*> controls) {
    RingIn([] { return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT); }, parent, std::move(controls));
}

void RingFocusedControlOnWhite(wxWindow& parent, std::vector<wxWindow*> controls) {
    // The framed buttons' outline on the same white.
    RingIn([] { return wxColour(38, 38, 38); }, parent, std::move(controls));
}

}  // namespace varnholt
