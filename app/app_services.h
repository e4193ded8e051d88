// app_services.h - small services of the application that other parts of the shell call: the
// display scale, the program's version, the stored language and the online help.
#pragma once

#include <wx/string.h>

class wxWindow;

#include <array>

namespace varnholt {

// How much larger than on a 96-dpi desktop every view draws: the desktop's text resolution
// against 96 dpi (1.5 with text enlarged by half), so that rows, their text and the bars keep
// their proportion to the ribbon and the dialogs. A desktop scale (2 on a HiDPI screen) is no
// part of it: the window system already draws each of the window's pixels as that many device
// pixels, so the views keep the proportions of the rest of the window and their text stays sharp.
[[nodiscard]] float GetDisplayScale(const wxWindow& window);

// Major, minor, patch and tweak of this build's version.
[[nodiscard]] std::array<int, 4> GetProgramVersion();

// The interface language code stored for the next start; the default code when none is.
[[nodiscard]] wxString StoredLanguageCode();

// Opens the help page in the desktop's browser. A page missing from the program folder is
// reported in a message box over `parent`; a desktop without a browser is not reported.
void OpenHelpPage(wxWindow* parent);

// The help's address: the planners' page beside the program, as a file address.
[[nodiscard]] wxString HelpPageAddress();

// The maker's web site, as given to the build; empty when none was given.
[[nodiscard]] wxString HomePageAddress();

}  // namespace varnholt
