// recent_files.cpp - the recent-files list in the user's registry store.

#include "app/recent_files.h"

#include "app/registry.h"

#include <wx/filehistory.h>
#include <wx/fileconf.h>
#include <wx/log.h>

namespace varnholt {
namespace {

const wxString& RecentGroup() {
    static const wxString group = RegistryGroup(wxString(kProgramKey) + "\\Recent File List");
    return group;
}

}  // namespace

void LoadRecentFiles(wxFileHistory& history) {
    const auto store = OpenRegistryStore(registry_root::current_user);
    store->SetPath(RecentGroup());
    history.Load(*store);
}

bool SaveRecentFiles(wxFileHistory& history) {
    const wxLogNull quiet;
    const auto store = OpenRegistryStore(registry_root::current_user);
    // The list is written whole: entries beyond the current count must not linger.
    store->DeleteGroup(RecentGroup());
    store->SetPath(RecentGroup());
    history.Save(*store);
    return store->Flush();
}

}  // namespace varnholt
