// app_services.h - small services of the application that other parts of the shell call: the
// display scale, the program's version, the stored language and the online help.
#pragma once

#include <wx/string.h>

#include <array>

namespace varnholt {

// The screen's horizontal pixels per inch divided by 96: how much larger than a 96-dpi
// screen every view draws.
[[nodiscard]] float GetDisplayScale();

// Major, minor, patch and tweak of this build's version.
[[nodiscard]] std::array<int, 4> GetProgramVersion();

// The interface language code stored for the next start; the default code when none is.
[[nodiscard]] wxString StoredLanguageCode();

// Opens the help in the default browser; a failure is not reported.
void OpenHelpPage();

// The help's address: the README beside the program, as a file address.
[[nodiscard]] wxString HelpPageAddress();

// The maker's web site, as given to the build; empty when none was given.
[[nodiscard]] wxString HomePageAddress();

}  // namespace varnholt
