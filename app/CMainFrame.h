// CMainFrame.h - the program's one top-level window: it owns the layout store of the open
// schedule and the document, keeps the title and the recent-files list, and takes files from
// every entry (command line, File > Open, the recent list, a drop) through one open path.
#pragma once

#include "app/VarnholtDoc.h"
#include "layouts/LayoutStore.h"
#include "shell/open_document.h"

#include <wx/filehistory.h>
#include <wx/frame.h>
#include <wx/utils.h>

#include <memory>
#include <string>

namespace varnholt {

class CMainFrame final : public wxFrame, public OpenHost {
public:
    // Sets up what the views draw with: the display scale, the per-user folders, the custom
    // layout list, the settings file and the captions of the language code. The recent list
    // is the application's and outlives the frame.
    CMainFrame(const std::wstring& language_code, wxFileHistory& recent);
    ~CMainFrame() override;

    // The framework's open path: the path made absolute, the open sequence, then, on success,
    // the path recorded, the title and the recent list. False after the sequence's message.
    bool OpenFile(const wxString& path);

    [[nodiscard]] LayoutStore* GetLayoutStore() const noexcept { return m_store.get(); }
    [[nodiscard]] VarnholtDoc& GetDocument() noexcept { return *m_document; }
    [[nodiscard]] const wxString& GetDocumentPath() const noexcept { return m_path; }
    [[nodiscard]] wxFileHistory& GetRecentFiles() noexcept { return m_recent; }

    // The text of the ribbon's File tab; the ribbon shows it once it exists.
    void SetMainButtonText(const wxString& text) { m_main_button_text = text; }
    [[nodiscard]] const wxString& GetMainButtonText() const noexcept { return m_main_button_text; }

    // OpenHost
    std::unique_ptr<LayoutStore>& LayoutStoreSlot() override { return m_store; }
    void ResetContentViews() override {}
    void RebuildAfterOpen() override {}
    void SetBusy(bool busy) override;
    void ShowMessage(const std::wstring& text) override;

private:
    void OnFileOpen(wxCommandEvent& event);
    void OnRecentFile(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    std::unique_ptr<LayoutStore> m_store;  // null until a file has opened
    std::unique_ptr<VarnholtDoc> m_document;
    wxFileHistory& m_recent;
    wxString m_path;
    wxString m_main_button_text;
    std::unique_ptr<wxBusyCursor> m_busy;
};

}  // namespace varnholt
