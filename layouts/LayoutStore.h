// LayoutStore.h - everything one open schedule is shown with: the Document, the layouts of the
// four view kinds with the name of the current one of each, and the named filters the layouts
// choose from. The main frame owns exactly one store and builds a new one for every file it
// opens; the store is never copied or shared.
//
// Ownership: the store owns the Document, every layout and every named filter. Views,
// selections inside layouts and the frame's choosers only borrow them and must not outlive
// the store.
#pragma once

#include "layouts/store_helpers.h"
#include "model/Document.h"

#include <memory>
#include <string>

namespace varnholt {

class LayoutStore {
public:
    // Rebuilds the six column tables (so the store starts with the built-in columns only), then
    // makes the built-in filters, then loads the layouts that come with the program.
    LayoutStore();
    LayoutStore(const LayoutStore&) = delete;
    LayoutStore& operator=(const LayoutStore&) = delete;
    // Destroys the document first, then the layouts kind by kind, then the filters.
    ~LayoutStore();

    // Replaces the document with a new, empty XER document and returns it.
    document::Document* CreateXerDocument();
    // Replaces the document with the given one (the old one is destroyed first) and returns it.
    document::Document* AdoptDocument(std::unique_ptr<document::Document> document);
    [[nodiscard]] document::Document* GetDocument() const noexcept { return m_document.get(); }
    // Forgets the document, as after a load that failed: views must never see half a schedule.
    void DropDocument() noexcept { m_document.reset(); }

    // The first layout of the kind whose name equals the current name of that kind; null when
    // none does.
    [[nodiscard]] view::Layout* GetCurrentActivityLayout() const;
    [[nodiscard]] view::Layout* GetCurrentWbsLayout() const;
    [[nodiscard]] view::Layout* GetCurrentProjectLayout() const;
    [[nodiscard]] view::Layout* GetCurrentResourceLayout() const;

    [[nodiscard]] const std::wstring& CurrentActivityLayoutName() const noexcept { return m_current_activity_layout; }
    [[nodiscard]] const std::wstring& CurrentWbsLayoutName() const noexcept { return m_current_wbs_layout; }
    [[nodiscard]] const std::wstring& CurrentProjectLayoutName() const noexcept { return m_current_project_layout; }
    [[nodiscard]] const std::wstring& CurrentResourceLayoutName() const noexcept { return m_current_resource_layout; }
    void SetCurrentActivityLayoutName(std::wstring name) { m_current_activity_layout = std::move(name); }
    void SetCurrentWbsLayoutName(std::wstring name) { m_current_wbs_layout = std::move(name); }
    void SetCurrentProjectLayoutName(std::wstring name) { m_current_project_layout = std::move(name); }
    void SetCurrentResourceLayoutName(std::wstring name) { m_current_resource_layout = std::move(name); }

    // The layouts of each kind in load order, and the filters offered to each kind. The
    // readers and the post-open passes append to them and remove from them.
    [[nodiscard]] LayoutList& ActivityLayouts() noexcept { return m_activity_layouts; }
    [[nodiscard]] LayoutList& WbsLayouts() noexcept { return m_wbs_layouts; }
    [[nodiscard]] LayoutList& ProjectLayouts() noexcept { return m_project_layouts; }
    [[nodiscard]] LayoutList& ResourceLayouts() noexcept { return m_resource_layouts; }
    [[nodiscard]] NamedFilterList& ActivityFilters() noexcept { return m_activity_filters; }
    [[nodiscard]] NamedFilterList& WbsFilters() noexcept { return m_wbs_filters; }
    [[nodiscard]] NamedFilterList& ProjectFilters() noexcept { return m_project_filters; }
    [[nodiscard]] const LayoutList& ActivityLayouts() const noexcept { return m_activity_layouts; }
    [[nodiscard]] const LayoutList& WbsLayouts() const noexcept { return m_wbs_layouts; }
    [[nodiscard]] const LayoutList& ProjectLayouts() const noexcept { return m_project_layouts; }
    [[nodiscard]] const LayoutList& ResourceLayouts() const noexcept { return m_resource_layouts; }
    [[nodiscard]] const NamedFilterList& ActivityFilters() const noexcept { return m_activity_filters; }
    [[nodiscard]] const NamedFilterList& WbsFilters() const noexcept { return m_wbs_filters; }
    [[nodiscard]] const NamedFilterList& ProjectFilters() const noexcept { return m_project_filters; }

    // The filters every store starts with, appended to the three filter lists.
    void BuildBuiltInFilters();
    // The layout files that come with the program, appended to the layout lists.
    void LoadShippedLayouts();
    // After the document has loaded, whether or not the load succeeded: fits the layouts to the
    // loaded file and applies the user's column and filter files.
    void RunPostOpenPasses();

private:
    std::unique_ptr<document::Document> m_document;
    LayoutList m_activity_layouts;
    LayoutList m_wbs_layouts;
    LayoutList m_project_layouts;
    LayoutList m_resource_layouts;
    std::wstring m_current_activity_layout = L"Default Activities";
    std::wstring m_current_wbs_layout = L"Default WBS";
    std::wstring m_current_project_layout = L"All Projects";
    std::wstring m_current_resource_layout = L"Default Resources";
    NamedFilterList m_activity_filters;
    NamedFilterList m_wbs_filters;
    NamedFilterList m_project_filters;
    // There is no filter list for resource layouts: resource tables are not filtered.
};

}  // namespace varnholt
