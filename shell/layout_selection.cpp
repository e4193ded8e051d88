// layout_selection.cpp - the layouts of a category and the choice of its current one.

#include "shell/layout_selection.h"

#include "layouts/Layout.h"

namespace varnholt {

const LayoutList* LayoutsOf(Category category, const LayoutStore& store) noexcept {
    switch (category) {
    case Category::activities: return &store.ActivityLayouts();
    case Category::wbs: return &store.WbsLayouts();
    case Category::projects: return &store.ProjectLayouts();
    case Category::resources: return &store.ResourceLayouts();
    default: return nullptr;
    }
}

const std::wstring* CurrentLayoutNameOf(Category category, const LayoutStore& store) noexcept {
    switch (category) {
    case Category::activities: return &store.CurrentActivityLayoutName();
    case Category::wbs: return &store.CurrentWbsLayoutName();
    case Category::projects: return &store.CurrentProjectLayoutName();
    case Category::resources: return &store.CurrentResourceLayoutName();
    default: return nullptr;
    }
}

view::Layout* LayoutNamed(const LayoutList& layouts, std::wstring_view name) {
    const auto found = FindByName(layouts, name);
    return found != layouts.end() ? found->get() : nullptr;
}

bool ChooseLayout(LayoutStore& store, Category category, std::wstring_view name) {
    const LayoutList* layouts = LayoutsOf(category, store);
    const view::Layout* layout = layouts != nullptr ? LayoutNamed(*layouts, name) : nullptr;
    if (layout == nullptr) return false;
    std::wstring chosen = layout->GetName();
    switch (category) {
    case Category::activities: store.SetCurrentActivityLayoutName(std::move(chosen)); break;
    case Category::wbs: store.SetCurrentWbsLayoutName(std::move(chosen)); break;
    case Category::projects: store.SetCurrentProjectLayoutName(std::move(chosen)); break;
    case Category::resources: store.SetCurrentResourceLayoutName(std::move(chosen)); break;
    default: return false;
    }
    return true;
}

}  // namespace varnholt
