// CBackStagePageInfo.h - the File page's Info page: the open schedule's name, path and header
// fields, the program's version, links to the help and to our web site, and a miniature of
// the main window that closes the File page when clicked. It reads everything once, so the
// frame builds it anew each time the File page opens. The name and path show whole at any
// width and text size: they break into lines, the program's column moves below the schedule's
// where the two do not fit side by side, and the page scrolls when it is taller than the window.
#pragma once

#include "shell/info_page.h"

#include <wx/scrolwin.h>

#include <array>
#include <functional>

class wxBitmap;
class wxBitmapButton;
class wxBoxSizer;
class wxSizerItem;
class wxStaticText;

namespace varnholt {

class CMainFrame;

class CBackStagePageInfo final : public wxScrolledWindow {
public:
    // `screenshot` may be empty; `close` closes the File page.
    CBackStagePageInfo(wxWindow* parent, const InfoPageTexts& texts, const wxBitmap& screenshot,
                       std::function<void()> close);

    // The whole name and path, however many lines they take on screen.
    [[nodiscard]] wxString GetTitleText() const { return m_title_text; }
    [[nodiscard]] wxString GetPathText() const { return m_path_text; }
    [[nodiscard]] wxString GetHeaderText(int field) const;
    [[nodiscard]] wxString GetVersionText() const;
    [[nodiscard]] wxBitmapButton* GetPreviewButton() const noexcept { return m_preview; }

private:
    wxSizer* CreateDocumentColumn(const InfoPageTexts& texts);
    wxSizer* CreateProgramColumn(const wxBitmap& screenshot);
    void BuildPreviewImage(const wxBitmap& screenshot);
    // Places the columns and breaks the name and path for the page's present width.
    void Arrange();

    std::function<void()> m_close;
    wxBoxSizer* m_columns = nullptr;
    wxSizerItem* m_document_item = nullptr;
    wxSizerItem* m_program_item = nullptr;
    wxString m_title_text;
    wxString m_path_text;
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
