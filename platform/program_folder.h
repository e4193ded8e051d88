// program_folder.h - the program's own folder, where the layout files that come with the
// program lie ("Layouts/VP_ACT/..."), and the list of the user's own layout files found in
// its "Layouts/VP_CUST/" folder at start-up.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varnholt {

// The folder of the running executable, read through /proc/self/exe; empty when the system
// does not say.
[[nodiscard]] std::filesystem::path GetExecutableDir();

// The program folder: the override when one is set, else $VARNHOLT_PROGRAM_DIR when it names
// an absolute folder, else the executable's folder. Tests and the build tree point it at a
// folder holding "Layouts/".
[[nodiscard]] std::filesystem::path GetProgramFolder();
// Sets the override; an empty path clears it.
void SetProgramFolder(std::filesystem::path folder);

// The planners' help page that comes with the program, in the "help" folder of the program
// folder. It may be missing (a damaged installation); the caller says so.
[[nodiscard]] std::filesystem::path GetHelpFile();

// The names (file names only, no folder) of the custom layout files; empty until
// FindCustomLayoutFiles fills it, or a test sets it.
[[nodiscard]] const std::vector<std::wstring>& custom_layout_files();
void SetCustomLayoutFiles(std::vector<std::wstring> names);
// Replaces the list with the regular files "Layouts/VP_CUST/*.plf" of the program folder (the
// extension without regard to case), sorted by name so that every run loads them in one
// order. A missing or unreadable folder lists none.
void FindCustomLayoutFiles();
// Only the first 1,000 names in sorted order are kept: every listed file is read each time a
// schedule opens and fills the layout selectors, so a folder of stray copies must neither slow
// each open nor flood the selectors.
inline constexpr std::size_t kMaxCustomLayoutFiles = 1000;

}  // namespace varnholt
