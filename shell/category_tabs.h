// category_tabs.h - the six categories of the main window, the tab lists of their detail
// panes, and which sub-views each detail tab shows beside the detail view. A tab is known by
// its title, compared with the caption texts of the current language, never by its position.
#pragma once

#include "model/caption_tables.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace varnholt {

// Ribbon page indexes: the File page first, then the categories in ribbon order.
enum class Category : std::int32_t { file_page = 0, activities, wbs, projects, resources, obs, roles };
inline constexpr std::int32_t kFirstCategory = 1;
inline constexpr std::int32_t kLastCategory = 6;

[[nodiscard]] constexpr bool IsCategory(std::int32_t page) noexcept {
    return page >= kFirstCategory && page <= kLastCategory;
}

// The tab page that Ctrl+Page Down (step +1) or Ctrl+Page Up (step -1) leads to: the categories
// follow each other in a ring, and the File tab stands just before the first of them.
[[nodiscard]] constexpr std::int32_t StepCategoryTab(std::int32_t page, std::int32_t step) noexcept {
    constexpr std::int32_t count = kLastCategory - kFirstCategory + 1;
    if (!IsCategory(page)) return step > 0 ? kFirstCategory : kLastCategory;
    return kFirstCategory + ((page - kFirstCategory + step) % count + count) % count;
}

// The active category is the last category page shown: while the File page shows, the
// category the user left stays active, so a file opened from the File page is displayed in it.
class CategoryTracker {
public:
    void PageShown(std::int32_t page) noexcept {
        m_page = page;
        if (IsCategory(page)) m_active = static_cast<Category>(page);
    }
    [[nodiscard]] Category Active() const noexcept { return m_active; }
    [[nodiscard]] bool FilePageShown() const noexcept { return m_page == static_cast<std::int32_t>(Category::file_page); }

private:
    std::int32_t m_page = static_cast<std::int32_t>(Category::activities);
    Category m_active = Category::activities;
};

// The content views a detail tab can put into the details pane's two sub-view windows.
enum class SubView : std::uint8_t {
    none,
    predecessors,
    successors,
    activity_codes,
    task_memos,
    task_memo_text,
    activity_steps,
    step_text,
    wbs_memos,
    wbs_memo_text,
    project_codes,
    resource_codes,
    resource_notes,
    obs_responsibility,
    role_resources,
    role_rates,
    role_limits,
};

// single: one window under the tab strip; relationship: one window lowered below the details
// button; side_by_side: a list and its text, the text window scrolling with the list.
enum class SubViewPlacement : std::uint8_t { single, relationship, side_by_side };

struct TabSubViews {
    CaptionId tab = 0;
    SubView first = SubView::none;   // none: the first window stays hidden
    SubView second = SubView::none;  // none: the second window stays hidden
    SubViewPlacement placement = SubViewPlacement::single;
};

// The tab titles of a category's detail view, as caption ids in display order; empty for the
// File page.
[[nodiscard]] std::span<const CaptionId> DetailTabCaptions(Category category) noexcept;

// The tabs of a category that show sub-views, in the order their titles are compared.
[[nodiscard]] std::span<const TabSubViews> TabSubViewTable(Category category) noexcept;

// The first row of the category's table whose caption text, in the current language, equals
// the title; null when none does (the detail view draws that tab itself). An empty title
// matches nothing, so tabs whose captions have no text in a language show no sub-view.
[[nodiscard]] const TabSubViews* FindTabSubViews(Category category, std::wstring_view title);

}  // namespace varnholt
