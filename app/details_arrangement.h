// details_arrangement.h - puts the details pane's sub-view windows (and the details button)
// where the detail view's current tab wants them. The category display arranges them when a
// category is shown; the pane arranges them again after the table pane paints, so the
// sub-views follow the selection and the current tab. Only what changes is applied: a window
// that stays shown is neither hidden nor moved again, so nothing flickers.
#pragma once

#include "shell/category_tabs.h"

namespace varnholt {

class ContentViews;
class LayoutStore;
class VarnholtView;

enum class DetailsArrangement {
    // The category display: the relationship tables sit where any single list does, the
    // button is left as it is, and every shown sub-view lists its rows afresh.
    category_display,
    // The pane's own: the relationship tables below the details button, which shows only
    // for them; a sub-view lists its rows again only when it is newly shown, shows another
    // view, or the category table's selection has changed since.
    pane,
};

// The command of the details button, which the details pane answers.
inline constexpr int kDetailsButtonId = 103;

// Activities, WBS and Resources show a list and its text, or one view in either window; the
// other categories only ever need the first window.
[[nodiscard]] bool NeedsSecondSubViewWindow(Category category);

// Arranges `pane`, which shows one of the six detail views (anything else hides the
// sub-views), at the display scale.
void ArrangeDetailsPane(VarnholtView& pane, ContentViews& views, LayoutStore& store, float scale,
                        DetailsArrangement kind);

}  // namespace varnholt
