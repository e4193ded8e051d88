// recent_files.h - the recent-files list: ten paths, newest first, kept in a group of its own
// in the user's registry store so that it survives the program.
#pragma once

class wxFileHistory;

namespace varnholt {

inline constexpr int kRecentFileCount = 10;

// Replaces the history with the stored entries, in their stored order.
void LoadRecentFiles(wxFileHistory& history);
// Writes the whole list; false when the user's store cannot be written.
bool SaveRecentFiles(wxFileHistory& history);

}  // namespace varnholt
