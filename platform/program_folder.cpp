// program_folder.cpp - the executable's folder, its override and the custom layout listing.

#include "platform/program_folder.h"

#include "model/text_utils.h"
#include "platform/user_paths.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <system_error>
#include <utility>

namespace varnholt {

namespace {

std::optional<std::filesystem::path>& ProgramFolderOverride() {
    static std::optional<std::filesystem::path> folder;
    return folder;
}

bool HasLayoutExtension(const std::filesystem::path& file) {
    return equals_no_case(WideFromPath(file.extension()), L".plf");
}

}  // namespace

std::filesystem::path GetExecutableDir() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : executable.parent_path();
}

std::filesystem::path GetProgramFolder() {
    if (const auto& folder = ProgramFolderOverride()) return *folder;
    // Relative values are ignored: they would depend on whatever folder the program runs in.
    if (const char* value = std::getenv("VARNHOLT_PROGRAM_DIR"); value != nullptr) {
        std::filesystem::path folder(value);
        if (folder.is_absolute()) return folder;
    }
    return GetExecutableDir();
}

void SetProgramFolder(std::filesystem::path folder) {
    if (folder.empty()) ProgramFolderOverride().reset();
    else ProgramFolderOverride() = std::move(folder);
}

std::filesystem::path GetHelpFile() { return GetProgramFolder() / "help" / "index.html"; }

namespace {

std::vector<std::wstring>& custom_layout_names() {
    static std::vector<std::wstring> names;
    return names;
}

}  // namespace

const std::vector<std::wstring>& custom_layout_files() { return custom_layout_names(); }

void SetCustomLayoutFiles(std::vector<std::wstring> names) { custom_layout_names() = std::move(names); }

void FindCustomLayoutFiles() {
    std::vector<std::wstring> names;
    const std::filesystem::path folder = GetProgramFolder() / "Layouts" / "VP_CUST";
    std::error_code error;
    // An error while listing ends the listing: what was found so far still loads.
    for (auto entries = std::filesystem::directory_iterator(folder, error);
         !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code type_error;
        if (!entries->is_regular_file(type_error) || !HasLayoutExtension(entries->path())) continue;
        names.push_back(WideFromPath(entries->path().filename()));
    }
    // Sorted before the cut, so that the same layouts are kept whatever order the folder lists.
    std::sort(names.begin(), names.end());
    if (names.size() > kMaxCustomLayoutFiles) names.resize(kMaxCustomLayoutFiles);
    SetCustomLayoutFiles(std::move(names));
}

}  // namespace varnholt
