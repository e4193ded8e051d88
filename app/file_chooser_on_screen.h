// file_chooser_on_screen.h - the toolkit's file chooser kept within the screen it opens on.
#pragma once

class wxFileDialog;
class wxWindow;

namespace varnholt {

// Keeps the dialog no larger than the work area of the screen that shows `over`. The toolkit
// sizes its chooser by the text, 60 characters by 45 lines, whatever the screen: with large text
// on a small screen it stands wider and taller than the screen, and where no window manager fits
// it, it opens with its list and buttons off the screen. Call it before the dialog shows.
void KeepFileChooserOnScreen(wxFileDialog& dialog, const wxWindow& over);

}  // namespace varnholt
