// app_services.cpp - display scale, version, stored language, help and web site.

#include "app/app_services.h"

#include "app/draw/TextResolution.h"
#include "app/registry.h"
#include "platform/program_folder.h"
#include "platform/user_paths.h"
#include "shell/open_document.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <gtk/gtk.h>

#include <filesystem>
#include <system_error>

namespace varnholt {

float GetDisplayScale(const wxWindow& window) {
    // The views follow the toolkit's text, so that rows grow with the labels around them.
    GtkWidget* widget = window.GetHandle();
    return static_cast<float>(DesktopTextScale(widget != nullptr ? gtk_widget_get_screen(widget) : nullptr));
}

std::array<int, 4> GetProgramVersion() {
    // The build sets the parts from the project's version.
    return {VARNHOLT_VERSION_MAJOR, VARNHOLT_VERSION_MINOR, VARNHOLT_VERSION_PATCH, VARNHOLT_VERSION_TWEAK};
}

wxString StoredLanguageCode() {
    return ReadRegistryString(kProgramKey, kLanguageValue, wxString(kDefaultLanguageCode.data(), kDefaultLanguageCode.size()));
}

void OpenHelpPage(wxWindow* parent) {
    const std::filesystem::path page = GetHelpFile();
    if (std::error_code error; !std::filesystem::is_regular_file(page, error)) {
        (void)wxMessageBox(FillPlaceholders(LoadText(IDS_HELP_MISSING), {WideFromPath(page)}), WindowTitle({}),
                           wxOK | wxICON_WARNING, parent);
        return;
    }
    const wxLogNull quiet;  // no browser is no reason for a message
    (void)wxLaunchDefaultBrowser(HelpPageAddress());
}

wxString HelpPageAddress() { return wxFileName::FileNameToURL(wxFileName(WideFromPath(GetHelpFile()))); }

wxString HomePageAddress() { return wxString::FromUTF8(VARNHOLT_HOMEPAGE); }

}  // namespace varnholt
