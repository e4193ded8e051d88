// CMainFrame.cpp - the main frame's document, title, open entries and close.

#include "app/CMainFrame.h"

#include "app/VarnholtApp.h"
#include "app/app_services.h"
#include "app/recent_files.h"
#include "layouts/settings_file.h"
#include "model/CaptionCatalog.h"
#include "platform/program_folder.h"
#include "platform/user_paths.h"
#include "views/base/display_scale.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

namespace varnholt {
namespace {

constexpr const char* kScheduleWildcard = "Schedules (*.xer;*.xls)|*.xer;*.XER;*.xls;*.XLS";

}  // namespace

CMainFrame::CMainFrame(const std::wstring& language_code, wxFileHistory& recent)
    : wxFrame(nullptr, wxID_ANY, WindowTitle({}), wxDefaultPosition, wxSize(1200, 800)),
      m_document(std::make_unique<VarnholtDoc>(*this)),
      m_recent(recent) {
    view::DisplayScale() = GetDisplayScale();
    (void)CreateUserDataFolders();  // keeps the folder for every per-user file read later
    FindCustomLayoutFiles();
    LoadSettingsFile();
    CaptionCatalog::Instance().ChooseLanguage(language_code);
    (void)m_document->OnNewDocument();

    Bind(wxEVT_MENU, &CMainFrame::OnFileOpen, this, wxID_OPEN);
    Bind(wxEVT_MENU, &CMainFrame::OnRecentFile, this, wxID_FILE1, wxID_FILE1 + kRecentFileCount - 1);
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::OpenFile(const wxString& given) {
    wxFileName name(given);
    name.MakeAbsolute();
    const wxString path = name.GetFullPath();
    if (!m_document->OnOpenDocument(path)) return false;
    m_path = path;
    SetTitle(WindowTitle(path.ToStdWstring()));
    m_recent.AddFileToHistory(path);
    (void)SaveRecentFiles(m_recent);  // an unwritable store only costs the list next time
    return true;
}

void CMainFrame::SetBusy(bool busy) {
    if (busy) {
        m_busy = std::make_unique<wxBusyCursor>();
    } else {
        m_busy.reset();
    }
}

void CMainFrame::ShowMessage(const std::wstring& text) {
    wxMessageBox(text, WindowTitle({}), wxOK | wxICON_ERROR, this);
}

void CMainFrame::OnFileOpen(wxCommandEvent&) {
    wxFileDialog dialog(this, wxString(), wxString(), wxString(), kScheduleWildcard, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() == wxID_OK && !dialog.GetPath().empty()) (void)OpenFile(dialog.GetPath());
}

void CMainFrame::OnRecentFile(wxCommandEvent& event) {
    const std::size_t index = static_cast<std::size_t>(event.GetId() - wxID_FILE1);
    if (index < m_recent.GetCount()) (void)OpenFile(m_recent.GetHistoryFile(index));
}

void CMainFrame::OnClose(wxCloseEvent&) {
    // The user's column and filter files are written while the store and its layouts exist.
    if (auto* app = dynamic_cast<VarnholtApp*>(wxTheApp)) app->SaveLayoutsOnExit(*this);
    m_store.reset();
    m_document->schedule = nullptr;
    Destroy();
}

}  // namespace varnholt
