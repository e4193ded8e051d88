// SharpPrintPreview.h - the print preview of the File page, its page drawn at the canvas's own
// device pixels. The toolkit's preview draws the page into a bitmap of one pixel per logical
// pixel, which a desktop scale of 2 shows doubled and blurred beside the sharp panes.
#pragma once

#include <wx/prntbase.h>

namespace varnholt {

class SharpPrintPreview final : public wxPrintPreviewBase {
public:
    // Takes the printout, as the toolkit's preview does.
    SharpPrintPreview(wxPrintout* printout, wxPrintData* data);

    bool PaintPage(wxPreviewCanvas* canvas, wxDC& dc) override;
    bool RenderPage(int page) override;
    // The page prints through the frame's own command, with the desktop's print dialog.
    bool Print(bool) override { return false; }
    // The sheet in printer pixels and the printout's resolutions, from the page set-up.
    void DetermineScaling() override;
};

}  // namespace varnholt
