// registry.cpp - named values in the user's and the machine's config files.

#include "app/registry.h"

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <cstddef>

namespace varnholt {
namespace {

constexpr const char* kStoreFile = "Oskeldan/VarnholtReader.conf";

// A value is read into 255 bytes of two-byte characters with a closing null: a longer one
// does not fit and reads as the default, as it always has.
constexpr std::size_t kLongestValue = 255 / 2 - 1;

// An XDG variable when it names an absolute folder, else the fallback.
wxString XdgFolder(const char* variable, const wxString& fallback) {
    wxString value;
    if (wxGetEnv(variable, &value)) {
        value = value.BeforeFirst(':');
        if (wxFileName(value, wxString()).IsAbsolute()) return value;
    }
    return fallback;
}

RegistryFiles& files_in_use() {
    static RegistryFiles files = DefaultRegistryFiles();
    return files;
}

// The names are compared as they stand: the config file's own lookup may ignore case.
bool GroupHasValue(wxFileConfig& config, const wxString& group, const wxString& name) {
    if (!config.HasGroup(group)) return false;
    config.SetPath(group);
    wxString entry;
    long cookie = 0;
    for (bool more = config.GetFirstEntry(entry, cookie); more; more = config.GetNextEntry(entry, cookie)) {
        if (entry == name) return true;
    }
    return false;
}

}  // namespace

RegistryFiles DefaultRegistryFiles() {
    const wxString home = wxGetHomeDir();
    RegistryFiles files;
    files.user = XdgFolder("XDG_CONFIG_HOME", home + "/.config") + "/" + kStoreFile;
    files.machine = XdgFolder("XDG_CONFIG_DIRS", "/etc/xdg") + "/" + kStoreFile;
    return files;
}

const RegistryFiles& registry_files() { return files_in_use(); }

void SetRegistryFiles(RegistryFiles files) { files_in_use() = std::move(files); }

wxString RegistryGroup(const wxString& key) {
    wxString group = key;
    group.Replace("\\", "/");
    if (!group.StartsWith("/")) group.Prepend("/");
    return group;
}

std::unique_ptr<wxFileConfig> OpenRegistryStore(registry_root root) {
    // A file that cannot be read or written is an answer here, never a message box.
    const wxLogNull quiet;
    const wxString& path = root == registry_root::current_user ? registry_files().user : registry_files().machine;
    if (root == registry_root::current_user) {
        // wxFileConfig does not create the folder, and cannot save without it.
        const wxString folder = wxFileName(path).GetPath();
        if (!wxFileName::DirExists(folder)) wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    }
    auto config = std::make_unique<wxFileConfig>(wxString(), wxString(), path, wxString(),
                                                 wxCONFIG_USE_LOCAL_FILE);
    // Values are stored as they stand: no environment variables expanded, no escapes.
    config->SetExpandEnvVars(false);
    return config;
}

bool RegistryValueExists(registry_root root, const wxString& key, const wxString& name) {
    const auto config = OpenRegistryStore(root);
    return GroupHasValue(*config, RegistryGroup(key), name);
}

wxString ReadRegistryString(const wxString& key, const wxString& name, const wxString& fallback) {
    for (const registry_root root : {registry_root::current_user, registry_root::local_machine}) {
        const auto config = OpenRegistryStore(root);
        if (!GroupHasValue(*config, RegistryGroup(key), name)) continue;
        wxString value;
        return config->Read(name, &value) && value.length() <= kLongestValue ? value : fallback;
    }
    return fallback;
}

bool WriteRegistryString(const wxString& key, const wxString& name, const wxString& text) {
    const wxLogNull quiet;
    const auto config = OpenRegistryStore(registry_root::current_user);
    config->SetPath(RegistryGroup(key));
    return config->Write(name, text) && config->Flush();
}

}  // namespace varnholt
