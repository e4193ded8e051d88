// user_paths.h - the per-user data folder: where the settings file and the per-user column
// and filter files live. It follows the XDG base-directory rule: $XDG_DATA_HOME, or
// ~/.local/share when that is unset, empty or not absolute, then "Oskeldan/VarnholtReader/".
#pragma once

#include "platform/path_text.h"

#include <filesystem>
#include <string>

namespace varnholt {

// The data home of the environment ($XDG_DATA_HOME or $HOME/.local/share); empty when neither
// names an absolute folder.
[[nodiscard]] std::filesystem::path DefaultDataHome();

// Creates "<data_home>/Oskeldan/VarnholtReader/" and its subfolders "VP_ACT", "VP_WBS",
// "VP_PROJ" and "VP_RES" where missing, keeps the folder as the program's data folder and
// returns it as wide text ending in "/", so that "Settings.cfg" or "VP_ACT/" is appended
// directly. An empty data home, or a folder that cannot be created, gives (and keeps) the
// empty text and creates nothing further.
std::wstring CreateUserDataFoldersIn(const std::filesystem::path& data_home);
// The same under DefaultDataHome().
std::wstring CreateUserDataFolders();

// The data folder the last call above made; empty before any call, after a failed one and
// after ForgetUserDataFolder. The per-user files are skipped while it is empty.
[[nodiscard]] const std::wstring& GetUserDataFolder();
void ForgetUserDataFolder();

// Empties the four view-kind folders of a data folder: each is removed as it stands (a
// symbolic link as the link, never what it points to) and made again, empty. Refuses, and
// deletes nothing, unless the folder is absolute and ends in "Oskeldan/VarnholtReader/": an
// empty folder would otherwise turn the names into folders of the current directory. False
// when refused; a folder that cannot be removed or made again is skipped silently.
bool ResetUserLayoutFolders(const std::wstring& data_folder);

}  // namespace varnholt
