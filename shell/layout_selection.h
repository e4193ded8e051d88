// layout_selection.h - the layouts a category's layout combo lists and the choice of one of
// them as the category's current layout. A layout is found by its name, the first of equal
// names winning, as everywhere the store looks a layout up.
#pragma once

#include "layouts/LayoutStore.h"
#include "shell/category_tabs.h"

#include <string>
#include <string_view>

namespace varnholt {

// The layouts of the category's kind in the store's order, and the name of its current one;
// null for OBS, Roles and the File page, which have no layouts.
[[nodiscard]] const LayoutList* LayoutsOf(Category category, const LayoutStore& store) noexcept;
[[nodiscard]] const std::wstring* CurrentLayoutNameOf(Category category, const LayoutStore& store) noexcept;

// The first layout of that name; null when none has it.
[[nodiscard]] view::Layout* LayoutNamed(const LayoutList& layouts, std::wstring_view name);

// Makes the first layout of that name the category's current one. False, with nothing
// changed, when the category has no layout of that name.
bool ChooseLayout(LayoutStore& store, Category category, std::wstring_view name);

}  // namespace varnholt
