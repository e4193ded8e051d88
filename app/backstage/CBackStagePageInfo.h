// CBackStagePageInfo.h - the File page's Info page: the open schedule's name, path and header
// fields, the program's version, links to the help and to our web site, and a miniature of
// the main window that closes the File page when clicked. It reads everything once, so the
// frame builds it anew each time the File page opens.
#pragma once

#include "shell/info_page.h"

#include <wx/panel.h>

#include <array>
#include <functional>

class wxBitmap;
class wxBitmapButton;
class wxStaticText;

namespace varnholt {

class CMainFrame;

class CBackStagePageInfo final : public wxPanel {
public:
    // `screenshot` may be empty; `close` closes the File page.
    CBackStagePageInfo(wxWindow* parent, const InfoPageTexts& texts, const wxBitmap& screenshot,
                       std::function<void()> close);

    [[nodiscard]] wxString GetTitleText() const;
    [[nodiscard]] wxString GetPathText() const;
    [[nodiscard]] wxString GetHeaderText(int field) const;
    [[nodiscard]] wxString GetVersionText() const;
    [[nodiscard]] wxBitmapButton* GetPreviewButton() const noexcept { return m_preview; }

private:
    wxSizer* CreateDocumentColumn(const InfoPageTexts& texts);
    wxSizer* CreateProgramColumn(const wxBitmap& screenshot);
    void BuildPreviewImage(const wxBitmap& screenshot);

    std::function<void()> m_close;
    wxStaticText* m_title = nullptr;
    wxStaticText* m_path = nullptr;
    std::array<wxStaticText*, 5> m_header{};
    wxStaticText* m_version = nullptr;
    wxBitmapButton* m_preview = nullptr;
};

// Replaces the Info page in the frame's File page with one for what is open now, using the
// screenshot the frame took as the File page opened.
void RebuildInfoPage(CMainFrame& frame);

}  // namespace varnholt
