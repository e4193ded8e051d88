// PrintPreviewPanel.h - the File page's Print page: a preview of the current category with
// page navigation, zoom and a "Print..." button. The preview is built anew each time the page
// is shown and after the page settings change.
#pragma once

#include <wx/panel.h>

#include <memory>

class wxChoice;
class wxPreviewCanvas;
class wxPrintPreview;
class wxStaticText;

namespace varnholt {

class CMainFrame;

class PrintPreviewPanel final : public wxPanel {
public:
    PrintPreviewPanel(wxWindow* parent, CMainFrame& frame);
    ~PrintPreviewPanel() override;

    // Drops the preview shown and previews the current category with the current settings.
    void Rebuild();
    [[nodiscard]] wxPrintPreview* GetPreview() const noexcept { return m_preview.get(); }

private:
    void GoTo(int page);
    void UpdatePageLabel();

    CMainFrame& m_frame;
    std::unique_ptr<wxPrintPreview> m_preview;
    wxPreviewCanvas* m_canvas = nullptr;  // a child window, destroyed before its preview
    wxStaticText* m_page_label = nullptr;
    wxChoice* m_zoom = nullptr;
};

}  // namespace varnholt
