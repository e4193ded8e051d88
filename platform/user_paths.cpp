// user_paths.cpp - the per-user data folder under the XDG data home.

#include "platform/user_paths.h"

#include <array>
#include <cstdlib>
#include <system_error>

namespace varnholt {

namespace {

constexpr std::array<const char*, 4> kViewKindFolders = {"VP_ACT", "VP_WBS", "VP_PROJ", "VP_RES"};

// An environment value that names an absolute folder; relative values are ignored, as the XDG
// rule says, so that a stray setting cannot scatter files into the working folder.
std::filesystem::path AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path{};
}

bool EnsureFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

std::wstring& kept_data_folder() {
    static std::wstring folder;
    return folder;
}

std::wstring MakeUserDataFolders(const std::filesystem::path& data_home) {
    if (data_home.empty()) return {};
    const std::filesystem::path folder = data_home / "Oskeldan" / "VarnholtReader";
    if (!EnsureFolder(folder)) return {};
    // A subfolder that cannot be made is not fatal: the files in it are then skipped silently.
    for (const char* sub : kViewKindFolders) (void)EnsureFolder(folder / sub);
    std::wstring text = WideFromPath(folder);
    if (text.empty() || text.back() != L'/') text.push_back(L'/');
    return text;
}

}  // namespace

std::filesystem::path DefaultDataHome() {
    if (auto data_home = AbsoluteFromEnvironment("XDG_DATA_HOME"); !data_home.empty()) return data_home;
    if (auto home = AbsoluteFromEnvironment("HOME"); !home.empty()) return home / ".local" / "share";
    return {};
}

std::wstring CreateUserDataFoldersIn(const std::filesystem::path& data_home) {
    return kept_data_folder() = MakeUserDataFolders(data_home);
}

std::wstring CreateUserDataFolders() { return CreateUserDataFoldersIn(DefaultDataHome()); }

bool ResetUserLayoutFolders(const std::wstring& data_folder) {
    constexpr std::wstring_view kOwnEnding = L"Oskeldan/VarnholtReader/";
    if (!data_folder.ends_with(kOwnEnding) || !PathFromWide(data_folder).is_absolute()) return false;
    const std::filesystem::path folder = PathFromWide(data_folder);
    std::error_code error;
    for (const char* sub : kViewKindFolders) (void)std::filesystem::remove_all(folder / sub, error);
    for (const char* sub : kViewKindFolders) (void)EnsureFolder(folder / sub);
    return true;
}

const std::wstring& GetUserDataFolder() { return kept_data_folder(); }

void ForgetUserDataFolder() { kept_data_folder().clear(); }

}  // namespace varnholt
