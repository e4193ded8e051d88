// dialog_sizes.cpp - controls sized for the desktop's text.

#include "app/dialogs/dialog_sizes.h"

#include "app/app_services.h"

#include <wx/choice.h>
#include <wx/display.h>
#include <wx/textctrl.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>

namespace varnholt {

wxSize ScaledSize(wxSize size, float scale) {
    return {static_cast<int>(std::lround(size.x * scale)), static_cast<int>(std::lround(size.y * scale))};
}

float DrawnAreaScale(const wxWindow& dialog, int tallest_area) {
    // Room on the screen for the dialog's title bar, margins and row of buttons.
    constexpr int kAroundTheAreas = 160;
    const int screen = wxDisplay(&dialog).GetClientArea().height;
    const float fitting = static_cast<float>(screen - kAroundTheAreas) / static_cast<float>(std::max(tallest_area, 1));
    return std::max(1.0f, std::min(GetDisplayScale(dialog), fitting));
}

int MostWidthForNames(const wxWindow& dialog) { return wxDisplay(&dialog).GetClientArea().width / 2; }

int RoomForNamesFromFiles(const wxWindow& dialog) { return std::max(0, MostWidthForNames(dialog) - dialog.GetSize().x); }

namespace {

GtkCellRenderer* TextRendererOf(const wxChoice& choice) {
    auto* combo = static_cast<GtkWidget*>(choice.GetHandle());
    if (combo == nullptr || !GTK_IS_CELL_LAYOUT(combo)) return nullptr;
    GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(combo));
    GtkCellRenderer* text = nullptr;
    for (GList* cell = cells; cell != nullptr && text == nullptr; cell = cell->next) {
        if (GTK_IS_CELL_RENDERER_TEXT(cell->data)) text = GTK_CELL_RENDERER(cell->data);
    }
    g_list_free(cells);
    return text;
}

}  // namespace

int BoundChoiceWidth(wxChoice& choice, int most) {
    GtkCellRenderer* text = TextRendererOf(choice);
    if (text == nullptr) return 0;
    // The toolkit sizes the list's face and its opened list by the widest name; a renderer of a
    // fixed width that ends longer names in "…" bounds both, as the choosers' lists are bounded.
    gtk_cell_renderer_set_fixed_size(text, -1, -1);
    g_object_set(text, "ellipsize", PANGO_ELLIPSIZE_END, nullptr);
    choice.InvalidateBestSize();
    if (choice.GetBestSize().x <= most) return 0;
    auto* combo = static_cast<GtkWidget*>(choice.GetHandle());
    constexpr int kProbe = 10;  // a width that leaves the rest of the face to be measured
    gtk_cell_renderer_set_fixed_size(text, kProbe, -1);
    int natural = 0;
    gtk_widget_get_preferred_width(combo, nullptr, &natural);
    const int cell = std::max(kProbe, most - (natural - kProbe));
    gtk_cell_renderer_set_fixed_size(text, cell, -1);
    choice.SetMinSize(wxSize(most, choice.GetMinSize().y));
    int padding = 0;
    gtk_cell_renderer_get_padding(text, &padding, nullptr);
    return cell - 2 * padding;
}

void FitFieldToItsText(wxTextCtrl& field) {
    int least = 0;
    int natural = 0;
    // The entry's own measure, font, padding and border as the theme has them.
    if (auto* entry = static_cast<GtkWidget*>(field.GetHandle()); entry != nullptr)
        gtk_widget_get_preferred_height(entry, &least, &natural);
    const wxSize kept = field.GetMinSize();
    field.SetMinSize(wxSize(kept.x, std::max({kept.y, field.GetBestSize().y, natural})));
}

}  // namespace varnholt
