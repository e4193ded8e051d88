// PrintCommands.h - the frame's printing entries: the page-settings request of the File
// page's Print page, the print commands, and the preview shown on that page.
#pragma once

namespace varnholt {

class CMainFrame;

// The print and direct-print commands. Both show the toolkit's print dialog: the desktop's
// printing cannot run without one.
inline constexpr int ID_FILE_PRINT = 0xE107;
inline constexpr int ID_FILE_PRINT_DIRECT = 0xE108;

// Puts the preview on the File page's Print page and binds the page settings and the two
// print commands on the frame.
void BindPrintCommands(CMainFrame& frame);

// The print-settings dialog over the frame's settings; true when it ended with OK.
bool RunPageSettings(CMainFrame& frame);

}  // namespace varnholt
