// registry.h - the program's small store of named values, kept in two config files: the
// user's (read and written) and the machine's (read only in practice). A key path such as
// "SOFTWARE\Oskeldan\VarnholtReader" names a group of the file; its values are the group's
// entries. Needs wxBase only.
#pragma once

#include <wx/string.h>

#include <memory>

class wxFileConfig;

namespace varnholt {

enum class registry_root { current_user, local_machine };

// The two files: $XDG_CONFIG_HOME (default ~/.config) and the first folder of $XDG_CONFIG_DIRS
// (default /etc/xdg), each followed by "Oskeldan/VarnholtReader.conf".
struct RegistryFiles {
    wxString user;
    wxString machine;
};
[[nodiscard]] RegistryFiles DefaultRegistryFiles();

// The files in use: DefaultRegistryFiles() until a test points them elsewhere.
[[nodiscard]] const RegistryFiles& registry_files();
void SetRegistryFiles(RegistryFiles files);

// The key and value names of the interface language.
inline constexpr const char* kProgramKey = "SOFTWARE\\Oskeldan\\VarnholtReader";
inline constexpr const char* kLanguageValue = "Language";
// The key under the program's key that keeps the main window as the user left it.
[[nodiscard]] inline wxString WorkspaceKey() { return wxString(kProgramKey) + "\\Settings\\Workspace"; }

// The user's value when the user's file has it, even empty; else the machine's; else the
// default. A value longer than 126 characters reads as the default.
[[nodiscard]] wxString ReadRegistryString(const wxString& key, const wxString& name, const wxString& fallback);
// Writes the user's file, creating its folder, the key and the value as needed; false only
// when the file cannot be written.
bool WriteRegistryString(const wxString& key, const wxString& name, const wxString& text);
// Whether the key of that store holds a value of exactly that name (case counts).
[[nodiscard]] bool RegistryValueExists(registry_root root, const wxString& key, const wxString& name);

// The config file of a store, for the program's own groups (the recent list). The user's
// store's folder is created first, so that it can be written.
[[nodiscard]] std::unique_ptr<wxFileConfig> OpenRegistryStore(registry_root root);
// A key path as a config group: "A\B" becomes "/A/B".
[[nodiscard]] wxString RegistryGroup(const wxString& key);

}  // namespace varnholt
