// user_paths.h - the per-user data folder: where the settings file and the per-user column
// and filter files live. It follows the XDG base-directory rule: $XDG_DATA_HOME, or
// ~/.local/share when that is unset, empty or not absolute, then "Oskeldan/VarnholtReader/".
#pragma once

#include <filesystem>
#include <string>

namespace varnholt {

// The data home of the environment ($XDG_DATA_HOME or $HOME/.local/share); empty when neither
// names an absolute folder.
[[nodiscard]] std::filesystem::path DefaultDataHome();

// Creates "<data_home>/Oskeldan/VarnholtReader/" and its subfolders "VP_ACT", "VP_WBS",
// "VP_PROJ" and "VP_RES" where missing, and returns the folder as wide text ending in "/", so
// that "Settings.cfg" or "VP_ACT/" is appended directly. An empty data home, or a folder that
// cannot be created, gives the empty text and creates nothing further.
[[nodiscard]] std::wstring CreateUserDataFoldersIn(const std::filesystem::path& data_home);
// The same under DefaultDataHome().
[[nodiscard]] std::wstring CreateUserDataFolders();

// The program-wide data folder path: empty until the shell (or a test) stores the result of
// CreateUserDataFolders in it.
[[nodiscard]] std::wstring& user_data_folder();

// A wide path of ours as a file-system path (UTF-8 on this system), and back.
[[nodiscard]] std::filesystem::path PathFromWide(std::wstring_view path);
[[nodiscard]] std::wstring WideFromPath(const std::filesystem::path& path);

}  // namespace varnholt
