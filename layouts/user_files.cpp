// user_files.cpp - the layout store's side of the per-user column and filter files: which file
// belongs to which layout, reading them after every open and writing them at application end.

#include "layouts/LayoutStore.h"

#include "layouts/column_files.h"
#include "layouts/file_access.h"
#include "platform/file_replace.h"
#include "platform/user_paths.h"

#include <map>
#include <optional>
#include <string>

namespace varnholt {

namespace {

// Writes the whole text or nothing: a crash or a full disk leaves the old file as it was.
bool WriteWhole(const std::wstring& path, std::string_view text) {
    return !path.empty() && ReplaceFileContents(PathFromWide(path), text);
}

std::optional<std::string> ReadPerUserFile(const std::wstring& path) {
    if (path.empty()) return std::nullopt;
    return ReadFileBytes(PathFromWide(path), kMaxPerUserFileBytes);
}

}  // namespace

bool LayoutStore::LoadColumnsFile(view::Layout& layout, const std::wstring& path) {
    const std::optional<std::string> bytes = ReadPerUserFile(path);
    if (!bytes) return false;
    ApplyColumnsText(layout, *bytes);
    return true;
}

void LayoutStore::LoadAllColumnsFiles() {
    for (const LayoutList* layouts : {&m_activity_layouts, &m_wbs_layouts, &m_project_layouts, &m_resource_layouts}) {
        for (const auto& layout : *layouts) {
            if (layout == nullptr) continue;
            (void)LoadColumnsFile(*layout, PerUserFilePath(layout->GetKind(), layout->GetName(), kColumnsFileSuffix));
        }
    }
}

void LayoutStore::LoadFiltersFile(view::Layout& layout, const std::wstring& path) {
    // Only activity layouts have a filter; no file is opened for the others.
    if (layout.GetKind() != view::LayoutKind::activity) return;
    if (const std::optional<std::string> bytes = ReadPerUserFile(path)) ApplyFiltersText(layout, m_activity_filters, *bytes);
}

void LayoutStore::LoadAllFiltersFiles() {
    for (const auto& layout : m_activity_layouts) {
        if (layout == nullptr) continue;
        LoadFiltersFile(*layout, PerUserFilePath(layout->GetKind(), layout->GetName(), kFiltersFileSuffix));
    }
}

std::map<std::wstring, std::string> LayoutStore::UserFileContents(const std::wstring& data_folder) const {
    std::map<std::wstring, std::string> files;
    const auto add = [&files](const std::wstring& path, std::string text) {
        if (!path.empty()) files[path] = std::move(text);  // a name that cannot be a file has no file
    };
    const std::wstring activity_folder = data_folder + std::wstring(ViewKindFolder(view::LayoutKind::activity));
    for (const auto& layout : m_activity_layouts) {
        if (layout == nullptr) continue;
        const std::wstring& name = layout->GetName();
        add(PerUserFilePathIn(activity_folder, name, kColumnsFileSuffix), ColumnsFileText(*layout));
        add(PerUserFilePathIn(activity_folder, name, kPredColumnsFileSuffix),
            RelationshipColumnsFileText(layout->GetPredColumns()));
        add(PerUserFilePathIn(activity_folder, name, kSuccColumnsFileSuffix),
            RelationshipColumnsFileText(layout->GetSuccColumns()));
        // Without a selection an older filter file stays as it is.
        if (const FilterSelection* selection = layout->GetFilter()) {
            add(PerUserFilePathIn(activity_folder, name, kFiltersFileSuffix), FiltersFileText(*selection));
        }
    }
    for (const LayoutList* layouts : {&m_wbs_layouts, &m_project_layouts, &m_resource_layouts}) {
        for (const auto& layout : *layouts) {
            if (layout == nullptr) continue;
            const std::wstring folder = data_folder + std::wstring(ViewKindFolder(layout->GetKind()));
            add(PerUserFilePathIn(folder, layout->GetName(), kColumnsFileSuffix), ColumnsFileText(*layout));
        }
    }
    return files;
}

void LayoutStore::SaveAll() {
    const std::wstring data_folder = GetUserDataFolder();
    if (data_folder.empty()) return;
    // A file that cannot be written is skipped; the others are still written.
    for (const auto& [path, text] : UserFileContents(data_folder)) {
        if (m_reset_files) {
            const auto kept = m_reset_files->find(path);
            if (kept != m_reset_files->end() && kept->second == text) continue;
        }
        (void)WriteWhole(path, text);
    }
}

void LayoutStore::KeepUserFilesAsReset() {
    const std::wstring data_folder = GetUserDataFolder();
    if (data_folder.empty()) return;
    m_reset_files = UserFileContents(data_folder);
}

bool LayoutStore::SaveColumnsFile(view::Layout& layout, const std::wstring& folder) {
    return WriteWhole(PerUserFilePathIn(folder, layout.GetName(), kColumnsFileSuffix), ColumnsFileText(layout));
}

bool LayoutStore::SavePredecessorColumnsFile(view::Layout& layout, const std::wstring& folder) {
    return WriteWhole(PerUserFilePathIn(folder, layout.GetName(), kPredColumnsFileSuffix),
                      RelationshipColumnsFileText(layout.GetPredColumns()));
}

bool LayoutStore::SaveSuccessorColumnsFile(view::Layout& layout, const std::wstring& folder) {
    return WriteWhole(PerUserFilePathIn(folder, layout.GetName(), kSuccColumnsFileSuffix),
                      RelationshipColumnsFileText(layout.GetSuccColumns()));
}

bool LayoutStore::SaveFiltersFile(view::Layout& layout, const std::wstring& folder) {
    // Without a selection an older file stays as it is.
    const FilterSelection* selection = layout.GetFilter();
    if (selection == nullptr) return false;
    return WriteWhole(PerUserFilePathIn(folder, layout.GetName(), kFiltersFileSuffix), FiltersFileText(*selection));
}

}  // namespace varnholt
