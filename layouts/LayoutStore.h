// LayoutStore.h - everything one open schedule is shown with: the Document, the layouts of the
// four view kinds with the name of the current one of each, and the named filters the layouts
// choose from. The main frame owns exactly one store and builds a new one for every file it
// opens; the store is never copied or shared.
//
// Ownership: the store owns the Document, every layout and every named filter. Views,
// selections inside layouts and the frame's choosers only borrow them and must not outlive
// the store.
#pragma once

#include "layouts/layout_files.h"
#include "layouts/store_helpers.h"
#include "model/Document.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace varnholt {

class FilterSelection;
class data_node;
struct ColumnDef;

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
    // The same with a new, empty workbook document.
    document::Document* CreateXlsDocument();
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
    // The current layout of the kind, as the four getters above answer it.
    [[nodiscard]] view::Layout* GetCurrentLayout(view::LayoutKind kind) const;

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

    // Filters by id (built_in_filters.cpp): the first filter of the list with the id, or null.
    [[nodiscard]] NamedFilter* FindActivityFilter(std::int32_t id) const;
    [[nodiscard]] NamedFilter* FindWbsFilter(std::int32_t id) const;
    [[nodiscard]] NamedFilter* FindProjectFilter(std::int32_t id) const;

    // Layout files (layout_files.cpp and the readers of each kind). A file that cannot be read,
    // or names no known view kind, adds nothing; every reader appends the layout it built.
    void LoadLayoutFile(const std::filesystem::path& path);
    void LoadLayoutFiles(std::span<const std::wstring> names, const std::filesystem::path& folder);
    void ReadActivityLayout(const data_node& root);
    void ReadWbsLayout(const data_node& root);
    void ReadProjectLayout(const data_node& root);
    void ReadResourceLayout(const data_node& root);

    // Filter definitions of an activity layout file (filter_definitions.cpp). A child of the
    // layout's Filter node either names a filter of the store or defines a new one, which the
    // store then keeps; the other readers give null for what cannot be read.
    void ReadFilterDefinition(const data_node& child, FilterSelection& selection);
    [[nodiscard]] static const ColumnDef* ReadFilterField(const data_node& condition);
    [[nodiscard]] static std::unique_ptr<view::FilterEntry> ReadFilterEntry(const data_node& condition,
                                                                            const ColumnDef& column);
    [[nodiscard]] std::unique_ptr<view::FilterArgument> ReadFilterArguments(const data_node& condition,
                                                                            const ColumnDef& column) const;
    [[nodiscard]] std::unique_ptr<view::FilterGroup> ReadFilterGroup(const data_node& group) const;

    // Post-open passes (post_open_passes.cpp), in the order RunPostOpenPasses runs them.
    void LoadCustomLayouts();
    void PruneActivityLayouts();
    void PruneWbsLayouts();
    void PruneResourceLayouts();
    void PruneProjectLayouts();
    void PrepareActivityGanttBars();
    void PrepareWbsGanttBars();
    void PrepareProjectGanttBars();

    // Per-user column and filter files (user_files.cpp), under the data folder's subfolder of
    // each kind. A loader answers whether it could read its file; a saver whether it wrote it
    // (never without a data folder or for a name that cannot be a file name).
    static bool LoadColumnsFile(view::Layout& layout, const std::wstring& path);
    void LoadAllColumnsFiles();
    void LoadFiltersFile(view::Layout& layout, const std::wstring& path);
    void LoadAllFiltersFiles();
    // At application end: every file of every layout of this store; after a reset only the
    // files whose content changed since.
    void SaveAll();
    // The user's files were just deleted: from now on SaveAll leaves a file alone while it
    // would hold what it would have held at this moment, so the reset survives the exit.
    void KeepUserFilesAsReset();
    static bool SaveColumnsFile(view::Layout& layout, const std::wstring& folder);
    static bool SavePredecessorColumnsFile(view::Layout& layout, const std::wstring& folder);
    static bool SaveSuccessorColumnsFile(view::Layout& layout, const std::wstring& folder);
    static bool SaveFiltersFile(view::Layout& layout, const std::wstring& folder);

private:
    // Each per-user file of every layout, by path, with the text SaveAll would write to it.
    [[nodiscard]] std::map<std::wstring, std::string> UserFileContents(const std::wstring& data_folder) const;

    std::unique_ptr<document::Document> m_document;
    std::optional<std::map<std::wstring, std::string>> m_reset_files;  // set by KeepUserFilesAsReset
    LayoutList m_activity_layouts;
    LayoutList m_wbs_layouts;
    LayoutList m_project_layouts;
    LayoutList m_resource_layouts;
    std::wstring m_current_activity_layout{kDefaultActivityLayout};
    std::wstring m_current_wbs_layout{kDefaultWbsLayout};
    std::wstring m_current_project_layout{kDefaultProjectLayout};
    std::wstring m_current_resource_layout{kDefaultResourceLayout};
    NamedFilterList m_activity_filters;
    NamedFilterList m_wbs_filters;
    NamedFilterList m_project_filters;
    // There is no filter list for resource layouts: resource tables are not filtered.
};

}  // namespace varnholt
