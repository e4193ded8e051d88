// PrintPreviewPanel.h - the File page's Print page: a preview of the current category with
// page navigation, zoom and a "Print..." button. The preview is built anew each time the page
// is shown and after the page settings change. Keys and the wheel over the preview do what the
// bar's controls do: Page Up/Down and Home/End turn pages, "+" and "-" step through the zoom
// list, the wheel scrolls the page and turns to the next or previous one at its ends.
#pragma once

#include <wx/panel.h>

#include <memory>

class wxChoice;
class wxKeyEvent;
class wxMouseEvent;
class wxPreviewCanvas;
class wxPrintPreviewBase;
class wxStaticText;

namespace varnholt {

class CMainFrame;
class SharpPrintPreview;

class PrintPreviewPanel final : public wxPanel {
public:
    PrintPreviewPanel(wxWindow* parent, CMainFrame& frame);
    ~PrintPreviewPanel() override;

    // Drops the preview shown and previews the current category with the current settings.
    void Rebuild();
    [[nodiscard]] wxPrintPreviewBase* GetPreview() const noexcept;
    [[nodiscard]] wxStaticText* GetPageLabel() const noexcept { return m_page_label; }
    [[nodiscard]] wxChoice* GetZoomChoice() const noexcept { return m_zoom; }

private:
    // False when there is no such page.
    bool GoTo(int page);
    void StepZoom(int steps);
    void ApplyChosenZoom();
    void UpdatePageLabel();
    void OnCanvasKeyDown(wxKeyEvent& event);
    void OnCanvasChar(wxKeyEvent& event);
    void OnCanvasWheel(wxMouseEvent& event);

    CMainFrame& m_frame;
    std::unique_ptr<SharpPrintPreview> m_preview;
    wxPreviewCanvas* m_canvas = nullptr;  // a child window, shown while there is a preview
    wxStaticText* m_page_label = nullptr;
    wxChoice* m_zoom = nullptr;
    int m_wheel_rotation = 0;  // what a fine-grained wheel turned short of a whole notch
};

}  // namespace varnholt
