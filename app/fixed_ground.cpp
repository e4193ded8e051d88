// fixed_ground.cpp - dark labels on the program's white pages.

#include "app/fixed_ground.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/hyperlink.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include <gtk/gtk.h>

namespace varnholt {
namespace {

const wxColour kInkOnWhite(38, 38, 38);  // the ribbon's labels on its light band

bool IsLabel(const wxWindow& window) {
    if (dynamic_cast<const wxStaticText*>(&window) != nullptr || dynamic_cast<const wxCheckBox*>(&window) != nullptr ||
        dynamic_cast<const wxRadioButton*>(&window) != nullptr) {
        return true;
    }
    // A button without a border shows only its label, on the page's ground.
    return dynamic_cast<const wxButton*>(&window) != nullptr && window.HasFlag(wxBORDER_NONE);
}

// The desktop's own link, whose colour only the theme sets: a dark theme's is light, for its
// dark grounds. The link and the label inside it take the blue of links on white.
void StyleLinkForWhite(GtkWidget* widget) {
    static GtkCssProvider* const provider = [] {
        GtkCssProvider* css = gtk_css_provider_new();
        gtk_css_provider_load_from_data(css, "*, *:link, *:visited { color: #0066CC; }", -1, nullptr);
        return css;
    }();
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget), GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    if (GTK_IS_CONTAINER(widget)) {
        gtk_container_forall(GTK_CONTAINER(widget), [](GtkWidget* child, gpointer) { StyleLinkForWhite(child); },
                             nullptr);
    }
}

}  // namespace

void WriteLabelsDarkOnWhite(wxWindow& page) {
    for (wxWindow* child : page.GetChildren()) {
        if (IsLabel(*child) && !child->UseForegroundColour()) child->SetForegroundColour(kInkOnWhite);
        if (dynamic_cast<wxHyperlinkCtrl*>(child) != nullptr && child->GetHandle() != nullptr) {
            StyleLinkForWhite(child->GetHandle());
        }
        WriteLabelsDarkOnWhite(*child);
    }
}

}  // namespace varnholt
