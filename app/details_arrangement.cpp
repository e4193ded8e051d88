// details_arrangement.cpp - the sub-view windows of the details pane for the current tab.

#include "app/details_arrangement.h"

#include "app/VarnholtView.h"
#include "layouts/LayoutStore.h"
#include "shell/ContentViews.h"
#include "shell/subview_placement.h"

#include <optional>

namespace varnholt {
namespace {

// The category whose detail view the pane shows, if it shows one.
std::optional<Category> DetailCategory(const view::View* content, const ContentViews& views) {
    if (content == nullptr) return std::nullopt;
    for (std::int32_t page = kFirstCategory; page <= kLastCategory; ++page) {
        const auto category = static_cast<Category>(page);
        if (views.Details(category) == content) return category;
    }
    return std::nullopt;
}

struct WantedWindow {
    VarnholtView* window;
    view::View* content;  // null: the window hides
    PaneRect place;
};

void MoveIfElsewhere(wxWindow& window, const PaneRect& place) {
    const wxRect rect(place.x, place.y, place.width, place.height);
    if (window.GetRect() == rect) return;
    window.SetSize(rect);
    window.Refresh();
}

void ShowSubView(const WantedWindow& wanted, const view::Row* selection, DetailsArrangement kind) {
    VarnholtView& window = *wanted.window;
    const bool fresh = window.GetContentView() != wanted.content || !window.IsShown();
    window.SetContentView(wanted.content);
    MoveIfElsewhere(window, wanted.place);
    if (!window.IsShown()) window.Show();
    const VarnholtView::ArrangedFor now{wanted.content, selection};
    if (kind == DetailsArrangement::category_display || fresh || window.arranged_for != now) {
        wanted.content->Update();
        window.arranged_for = now;
        window.Refresh();
    }
}

}  // namespace

bool NeedsSecondSubViewWindow(Category category) {
    return category == Category::activities || category == Category::wbs || category == Category::resources;
}

void ArrangeDetailsPane(VarnholtView& pane, ContentViews& views, LayoutStore& store, float scale,
                        DetailsArrangement kind) {
    const bool own = kind == DetailsArrangement::pane;
    const std::optional<Category> category = DetailCategory(pane.GetContentView(), views);
    view::DetailView* details = category ? views.Details(*category) : nullptr;
    const bool windows_exist = category && pane.first_sub_view != nullptr &&
                               (!NeedsSecondSubViewWindow(*category) || pane.second_sub_view != nullptr);
    const TabSubViews* tab = windows_exist ? FindTabSubViews(*category, details->GetCurrentTab()) : nullptr;

    SubViewPlacement placement = tab != nullptr ? tab->placement : SubViewPlacement::single;
    // The category display places the relationship tables like any single list; the pane
    // lowers them below the details button.
    if (!own && placement == SubViewPlacement::relationship) placement = SubViewPlacement::single;
    if (tab != nullptr && *category == Category::activities) {
        // The relationship tables list the current activity layout's relationship columns.
        view::Layout* activity_layout = store.GetCurrentActivityLayout();
        views.predecessors->SetLayout(activity_layout);
        views.successors->SetLayout(activity_layout);
    }
    const SubViewPlaces places = PlaceSubViews(placement, 0, 0, pane.GetClientSize().x, scale);
    const bool side_by_side = placement == SubViewPlacement::side_by_side;
    const WantedWindow wanted[] = {
        {pane.first_sub_view, tab != nullptr ? views.Find(tab->first) : nullptr, places.first},
        {pane.second_sub_view, tab != nullptr ? views.Find(tab->second) : nullptr,
         side_by_side ? places.second : places.first},
    };

    // Hidden first, so a list left from another tab or category never shows beside this one.
    for (const WantedWindow& want : wanted) {
        if (want.window == nullptr || want.content != nullptr) continue;
        if (want.window->IsShown()) want.window->Hide();
        want.window->arranged_for = {};
    }
    // The text window scrolls with its list only while the two stand side by side.
    if (pane.first_sub_view != nullptr) {
        const bool pair = side_by_side && wanted[0].content != nullptr && wanted[1].content != nullptr;
        pane.first_sub_view->SetPartner(pair ? pane.second_sub_view : nullptr);
    }
    const view::View* master = details != nullptr ? details->GetMaster() : nullptr;
    const view::Row* selection = master != nullptr ? master->GetSelectedRow() : nullptr;
    for (const WantedWindow& want : wanted) {
        if (want.window != nullptr && want.content != nullptr) ShowSubView(want, selection, kind);
    }

    if (own && pane.details_button != nullptr) {
        const bool button = placement == SubViewPlacement::relationship;
        if (button) MoveIfElsewhere(*pane.details_button, places.button);
        if (pane.details_button->IsShown() != button) pane.details_button->Show(button);
    }
}

}  // namespace varnholt
