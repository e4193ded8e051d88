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

// Opens the online help page in the default browser; a failure is not reported.
void OpenHelpPage();

// Where the help page lies.
inline constexpr const char* kHelpHost = "https://www.oskeldan.example";
inline constexpr const char* kHelpPage = "/help/windows-en/varnholt-help.htm";

}  // namespace varnholt
