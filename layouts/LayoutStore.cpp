// LayoutStore.cpp - building and destroying the store, its document and its current layouts.

#include "layouts/LayoutStore.h"

#include "columns/ColumnCatalog.h"
#include "import/Document_xer.h"
#include "import/Document_xls.h"

namespace varnholt {

namespace {

view::Layout* CurrentOf(const LayoutList& layouts, const std::wstring& name) {
    const auto found = FindByName(layouts, name);
    return found != layouts.end() ? found->get() : nullptr;
}

// Front to back, so that the order of destruction is the order of the list.
template <class Owned>
void DestroyInOrder(std::vector<std::unique_ptr<Owned>>& items) {
    for (auto& item : items) item.reset();
    items.clear();
}

}  // namespace

LayoutStore::LayoutStore() {
    // A new store starts from the built-in columns: the previous file's load-time columns go,
    // and the coming load adds its own.
    ColumnCatalog::Instance().BuildAllColumns();
    BuildBuiltInFilters();
    LoadShippedLayouts();
}

LayoutStore::~LayoutStore() {
    m_document.reset();
    DestroyInOrder(m_activity_layouts);
    DestroyInOrder(m_wbs_layouts);
    DestroyInOrder(m_project_layouts);
    DestroyInOrder(m_resource_layouts);
    // Last: the layouts' selections point at these filters.
    DestroyInOrder(m_activity_filters);
    DestroyInOrder(m_wbs_filters);
    DestroyInOrder(m_project_filters);
}

document::Document* LayoutStore::CreateXerDocument() {
    // The old document goes first, so that two schedules are never held at once.
    m_document.reset();
    return AdoptDocument(std::make_unique<document::Document_xer>());
}

document::Document* LayoutStore::CreateXlsDocument() {
    m_document.reset();
    return AdoptDocument(std::make_unique<document::Document_xls>());
}

document::Document* LayoutStore::AdoptDocument(std::unique_ptr<document::Document> document) {
    m_document.reset();
    m_document = std::move(document);
    return m_document.get();
}

view::Layout* LayoutStore::GetCurrentLayout(view::LayoutKind kind) const {
    switch (kind) {
    case view::LayoutKind::activity: return GetCurrentActivityLayout();
    case view::LayoutKind::wbs: return GetCurrentWbsLayout();
    case view::LayoutKind::project: return GetCurrentProjectLayout();
    case view::LayoutKind::resource: return GetCurrentResourceLayout();
    }
    return nullptr;
}

view::Layout* LayoutStore::GetCurrentActivityLayout() const {
    return CurrentOf(m_activity_layouts, m_current_activity_layout);
}
view::Layout* LayoutStore::GetCurrentWbsLayout() const { return CurrentOf(m_wbs_layouts, m_current_wbs_layout); }
view::Layout* LayoutStore::GetCurrentProjectLayout() const {
    return CurrentOf(m_project_layouts, m_current_project_layout);
}
view::Layout* LayoutStore::GetCurrentResourceLayout() const {
    return CurrentOf(m_resource_layouts, m_current_resource_layout);
}

// BuildBuiltInFilters is in built_in_filters.cpp, LoadShippedLayouts in layout_files.cpp and
// RunPostOpenPasses in post_open_passes.cpp.

}  // namespace varnholt
