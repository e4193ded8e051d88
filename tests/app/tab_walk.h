// tab_walk.h - Tab pressed through a dialog as a user presses it: the controls it can stop at in
// the order they stand on screen, where each press leaves the focus, and whether each stop
// looks different while it holds the focus.
#pragma once

#include "gui_input.h"
#include "screen_pixels.h"

#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace varnholt::testing_gui {

// The controls Tab can stop at, those inside a box included; of a group of radio buttons only
// the chosen one, where Tab enters the group.
inline void CollectTabStops(const wxWindow& parent, std::vector<wxWindow*>& stops) {
    for (wxWindow* child : parent.GetChildren()) {
        if (!child->IsShownOnScreen() || !child->IsEnabled()) continue;
        if (dynamic_cast<const wxStaticBox*>(child) != nullptr) {
            CollectTabStops(*child, stops);
        } else if (const auto* radio = dynamic_cast<const wxRadioButton*>(child)) {
            if (radio->GetValue()) stops.push_back(child);
        } else if (child->AcceptsFocusFromKeyboard()) {
            stops.push_back(child);
        }
    }
}

namespace detail {

// Orders the controls in rows of controls whose spans overlap from top to bottom, each row from
// left to right (a column of buttons from its top).
inline void ReadRows(std::vector<wxWindow*>& controls) {
    std::ranges::sort(controls, {}, [](const wxWindow* control) { return control->GetScreenRect().y; });
    std::map<const wxWindow*, int> row_of;
    int row = 0;
    int row_bottom = std::numeric_limits<int>::min();
    for (const wxWindow* control : controls) {
        const wxRect rect = control->GetScreenRect();
        if (rect.y >= row_bottom) ++row;
        row_bottom = std::max(row_bottom, rect.GetBottom() + 1);
        row_of[control] = row;
    }
    std::ranges::sort(controls, {}, [&row_of](const wxWindow* control) {
        const wxRect rect = control->GetScreenRect();
        return std::tuple(row_of[control], rect.x, rect.y);
    });
}

// Where a rectangle begins and ends, half-open, down the screen (`across`) or along it.
inline std::pair<int, int> SpanOf(const wxRect& rect, bool across) {
    return across ? std::pair(rect.y, rect.y + rect.height) : std::pair(rect.x, rect.x + rect.width);
}

// Reads the stops that lie in `area` into `out`. The area is cut along lines that no child of
// the dialog crosses (`blocks`: every shown child, labels and pictures too): into bands from top
// to bottom where it can be, else into columns from left to right; each part is read the same
// way. Stops that nothing cuts apart are read in rows (ReadRows).
inline void ReadArea(const wxRect& area, std::vector<wxWindow*> stops, const std::vector<wxRect>& blocks,
                     std::vector<wxWindow*>& out) {
    for (const bool across : {true, false}) {
        if (stops.size() < 2) break;
        std::vector<std::pair<int, int>> bands;  // the spans the blocks cover, merged where they overlap
        for (const wxRect& block : blocks) {
            if (const wxRect part = block.Intersect(area); !part.IsEmpty()) bands.push_back(SpanOf(part, across));
        }
        std::ranges::sort(bands);
        std::vector<std::pair<int, int>> merged;
        for (const auto& band : bands) {
            if (!merged.empty() && band.first < merged.back().second) {
                merged.back().second = std::max(merged.back().second, band.second);
            } else {
                merged.push_back(band);
            }
        }
        std::vector<std::vector<wxWindow*>> parts(merged.size());
        for (wxWindow* stop : stops) {
            const int start = SpanOf(stop->GetScreenRect(), across).first;
            const auto band =
                std::ranges::find_if(merged, [start](const auto& b) { return b.first <= start && start < b.second; });
            if (band != merged.end()) parts[static_cast<std::size_t>(band - merged.begin())].push_back(stop);
        }
        if (std::ranges::count_if(parts, [](const auto& part) { return !part.empty(); }) < 2) continue;
        for (std::size_t k = 0; k < merged.size(); ++k) {
            wxRect part_area = area;
            if (across) {
                part_area.y = merged[k].first;
                part_area.height = merged[k].second - merged[k].first;
            } else {
                part_area.x = merged[k].first;
                part_area.width = merged[k].second - merged[k].first;
            }
            ReadArea(part_area, std::move(parts[k]), blocks, out);
        }
        return;
    }
    ReadRows(stops);
    out.insert(out.end(), stops.begin(), stops.end());
}

}  // namespace detail

// The controls Tab can reach, in the order a reader meets them: bands from top to bottom, each
// from left to right, where a column that stands beside others (a grid beside a column of
// fields, with its legend below it) is read from its top before the next.
inline std::vector<wxWindow*> InVisibleOrder(const wxWindow& dialog) {
    std::vector<wxWindow*> stops;
    CollectTabStops(dialog, stops);
    std::vector<wxRect> blocks;
    wxRect area;
    for (const wxWindow* child : dialog.GetChildren()) {
        if (!child->IsShownOnScreen()) continue;
        blocks.push_back(child->GetScreenRect());
        area.Union(blocks.back());
    }
    std::vector<wxWindow*> order;
    detail::ReadArea(area, std::move(stops), blocks, order);
    return order;
}

inline std::string NameOf(const wxWindow* control) {
    if (control == nullptr) return "nothing";
    const wxString name = !control->GetLabel().empty()           ? control->GetLabel()
                          : !control->GetToolTipText().empty()   ? control->GetToolTipText()
                                                                 : wxString(control->GetClassInfo()->GetClassName());
    return std::string(name.utf8_str()) + " at " + std::to_string(control->GetScreenPosition().x) + "," +
           std::to_string(control->GetScreenPosition().y);
}

// The stop that holds the keyboard, as GTK has it: the toolkit's own record misses a drop-down
// list that the focus reaches by wrapping round from the last stop.
inline wxWindow* FocusedStop(const wxWindow& dialog, const std::vector<wxWindow*>& order) {
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(dialog.GetHandle()));
    if (focus == nullptr) return nullptr;
    for (wxWindow* control : order) {
        auto* widget = static_cast<GtkWidget*>(control->GetHandle());
        if (focus == widget || gtk_widget_is_ancestor(focus, widget)) return control;
    }
    return wxWindow::FindFocus();
}

// Presses Tab as often as the dialog has stops, and once more, from the first stop: where each
// press leaves the focus, and the dialog as it looks then. The pointer rests on the dialog's
// margin, where it keeps the keyboard and hovers over nothing.
struct TabWalk {
    std::vector<wxWindow*> stops;
    std::vector<wxImage> shots;
};
inline TabWalk WalkTab(wxWindow& dialog, const std::vector<wxWindow*>& order) {
    TabWalk walk;
    if (order.empty() || !ClickAt(dialog, wxPoint(3, 3))) return walk;
    order.front()->SetFocus();
    if (!WaitUntil([&] { return FocusedStop(dialog, order) == order.front(); })) return walk;
    wxUIActionSimulator keys;
    for (std::size_t k = 1; k <= order.size() + 1; ++k) {
        const wxWindow* before = FocusedStop(dialog, order);
        keys.Char(WXK_TAB);
        (void)WaitUntil([&] { return FocusedStop(dialog, order) != before; });
        walk.stops.push_back(FocusedStop(dialog, order));
        walk.shots.push_back(GrabSteady(&dialog));
    }
    return walk;
}

// Each Tab of a walk reached the next stop of the order, the last one the first again.
inline void ExpectStopsInOrder(const std::vector<wxWindow*>& stops, const std::vector<wxWindow*>& order) {
    for (std::size_t k = 1; k <= stops.size(); ++k) {
        const wxWindow* expected = order[k % order.size()];
        EXPECT_EQ(stops[k - 1], expected) << "Tab " << k << " reached " << NameOf(stops[k - 1]) << ", not "
                                          << NameOf(expected);
    }
}

// The control's place on screen as the toolkit draws it: a focus outline may reach past the
// control's own rectangle, as a radio button's round its label does.
inline wxRect DrawnRect(const wxWindow& control) {
    const wxRect rect = control.GetScreenRect();
    auto* widget = static_cast<GtkWidget*>(control.GetHandle());
    if (widget == nullptr) return rect;
    GtkAllocation allocation{};
    GtkAllocation clip{};
    gtk_widget_get_allocation(widget, &allocation);
    gtk_widget_get_clip(widget, &clip);
    return {rect.x + clip.x - allocation.x, rect.y + clip.y - allocation.y, rect.width + clip.width - allocation.width,
            rect.height + clip.height - allocation.height};
}

// How many pixels of the control's place differ between two pictures of its dialog.
inline int ChangedPixels(const wxImage& before, const wxImage& after, const wxWindow& dialog, const wxWindow& control) {
    wxRect region = DrawnRect(control);
    region.SetPosition(dialog.ScreenToClient(region.GetPosition()));
    region.Intersect(wxRect(before.GetSize()));
    int changed = 0;
    for (int y = region.y; y <= region.GetBottom(); ++y) {
        for (int x = region.x; x <= region.GetRight(); ++x) {
            changed += before.GetRed(x, y) != after.GetRed(x, y) || before.GetGreen(x, y) != after.GetGreen(x, y) ||
                       before.GetBlue(x, y) != after.GetBlue(x, y);
        }
    }
    return changed;
}

}  // namespace varnholt::testing_gui
