// dialog_sizes.cpp - controls sized for the desktop's text.

#include "app/dialogs/dialog_sizes.h"

#include "app/app_services.h"

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
