// CMainFrame.cpp - the main frame's creation, its open entries, its own commands and its
// closing. Category display lives in MainFrameCategories.cpp, the selectors in
// MainFrameSelectors.cpp.

#include "app/CMainFrame.h"

#include "app/CVarnSplitterWnd.h"
#include "app/VarnholtApp.h"
#include "app/VarnholtView.h"
#include "app/app_services.h"
#include "app/backstage/FilePage.h"
#include "app/file_chooser_on_screen.h"
#include "app/find_events.h"
#include "app/focus_chain.h"
#include "app/print/PrintCommands.h"
#include "app/recent_files.h"
#include "app/ribbon/FoldedPopUpClosing.h"
#include "app/ribbon/MainRibbon.h"
#include "app/toolkit_file_names.h"
#include "layouts/settings_file.h"
#include "platform/program_folder.h"
#include "platform/user_paths.h"
#include "rows/display_scale.h"
#include "shell/command_ids.h"
#include "shell/find_fields.h"
#include "shell/frame_geometry.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"
#include "shell/workspace_state.h"

#include <wx/filedlg.h>
#include <wx/cmndata.h>
#include <wx/msgdlg.h>
#include <wx/ribbon/bar.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/splitter.h>
#include <wx/textentry.h>

#include <filesystem>
#include <system_error>

namespace varnholt {
namespace {

constexpr const char* kScheduleWildcard = "Schedules (*.xer;*.xls)|*.xer;*.XER;*.xls;*.XLS";

}  // namespace

CMainFrame::CMainFrame(wxFileHistory& recent)
    : wxFrame(nullptr, wxID_ANY, WindowTitle({}), wxDefaultPosition, wxSize(kDefaultFrameWidth, kDefaultFrameHeight)),
      m_document(std::make_unique<VarnholtDoc>(*this)),
      m_recent(recent),
      m_print_settings(std::make_unique<PrintSettings>()),
      m_print_data(std::make_unique<wxPrintData>()) {
    CreateRibbon();
    SetMinSize(LeastSize());
    CreateClient();
    LoadWorkspace();
    CreateContentViews();
    (void)m_document->OnNewDocument();

    BindRibbonCommands();
    Bind(wxEVT_MENU, &CMainFrame::OnFileOpen, this, ID_FILE_OPEN);
    Bind(wxEVT_MENU, &CMainFrame::OnRecentFile, this, wxID_FILE1, wxID_FILE1 + kRecentFileCount - 1);
    Bind(wxEVT_MENU, &CMainFrame::OnToolsOptions, this, ID_TOOLS_OPTIONS);
    Bind(wxEVT_MENU, &CMainFrame::OnRibbonCustomize, this, ID_RIBBON_CUSTOMIZE);
    Bind(wxEVT_MENU, &CMainFrame::OnAppExit, this, ID_APP_EXIT);
    Bind(wxEVT_MENU, &CMainFrame::OnCloseFilePage, this, ID_CLOSE_FILE_PAGE);
    Bind(EVT_FIND_DIALOG_DID_CLOSE, &CMainFrame::OnFindDialogDidClose, this);
    Bind(wxEVT_CHAR_HOOK, &CMainFrame::OnCharHook, this);
    Bind(wxEVT_ACTIVATE, &CMainFrame::OnActivate, this);
    Bind(wxEVT_CHAR_HOOK, &CMainFrame::OnRibbonKeys, this);
    Bind(wxEVT_SIZE, &CMainFrame::OnSize, this);
    Bind(wxEVT_MOVE, &CMainFrame::OnMove, this);
    // A folded panel's pop-up stands over the window as it is: minimized or maximized, it closes.
    Bind(wxEVT_ICONIZE, [](wxIconizeEvent& event) {
        CloseFoldedPopUps();
        event.Skip();
    });
    Bind(wxEVT_MAXIMIZE, [](wxMaximizeEvent& event) {
        CloseFoldedPopUps();
        event.Skip();
    });
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    BindPrintCommands(*this);
}

// Windows first, while the views they show still exist; then the views, then the store they
// point into (members go in reverse order of declaration).
CMainFrame::~CMainFrame() {
    DestroyFindDialog();
    NameFocusedChildAgain(*this);
    DestroyChildren();
}

void CMainFrame::CreateRibbon() {
    MainRibbonBar* ribbon = CreateMainRibbon(this);
    m_ribbon = ribbon;
    m_least_width = std::max(kMinimumFrameWidth, ribbon->GetLeastWholeTabsWidth());
    m_file_page = new FilePage(this, m_recent);  // a child: the window system owns it
    m_file_page->Hide();
    m_ribbon->SetActivePage(static_cast<size_t>(Category::activities));
    m_ribbon->Bind(wxEVT_RIBBONBAR_PAGE_CHANGED, &CMainFrame::OnRibbonPageChanged, this);
    m_ribbon->Bind(wxEVT_LEFT_DOWN, &CMainFrame::OnRibbonPress, this);
    m_ribbon->Bind(wxEVT_LEFT_DCLICK, &CMainFrame::OnRibbonPress, this);
}

void CMainFrame::CreateClient() {
    // The outer splitter: the table and Gantt panes above, the details pane below, out of the
    // layout until asked for. A shown details pane keeps its height when the window grows.
    m_outer = new CVarnSplitterWnd(this, wxID_ANY);
    m_inner = new CVarnSplitterWnd(m_outer, wxID_ANY);
    m_details_pane = new VarnholtView(m_outer, wxID_ANY);
    m_table_pane = new VarnholtView(m_inner, wxID_ANY, wxHSCROLL | wxVSCROLL);
    m_gantt_pane = new VarnholtView(m_inner, wxID_ANY, wxHSCROLL | wxVSCROLL);
    // No restored sash, toggle or smaller window squeezes a pane to nothing.
    const int minimum_pane = MinimumPaneExtent(GetDisplayScale(*this), wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, this));
    m_outer->SetMinimumPaneSize(minimum_pane);
    m_inner->SetMinimumPaneSize(minimum_pane);
    m_inner->SetSashGravity(0.0);
    m_inner->SplitVertically(m_table_pane, m_gantt_pane, kDefaultTablePaneWidth);
    m_outer->SetSashGravity(1.0);
    m_outer->SplitHorizontally(m_inner, m_details_pane);
    m_outer->HideColumn();

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_ribbon, 0, wxEXPAND);
    sizer->Add(m_outer, 1, wxEXPAND);
    sizer->Add(m_file_page, 1, wxEXPAND);
    SetSizer(sizer);
}

void CMainFrame::CreateContentViews() {
    view::DisplayScale() = GetDisplayScale(*this);  // before any view sizes its fonts
    (void)CreateUserDataFolders();             // keeps the folder for every per-user file read later
    FindCustomLayoutFiles();
    LoadSettingsFile();
    m_views = std::make_unique<ContentViews>();
    // No store yet: the combos stay empty and the sliders where they start.
    for (std::int32_t page = kFirstCategory; page <= kLastCategory; ++page) RefreshSelectors(static_cast<Category>(page));
}

bool CMainFrame::OpenFile(const wxString& given) {
    // An open started from the File page shows its category again first.
    if (IsFilePageShown()) CloseFilePage();
    // Made absolute by the file system's bytes: the toolkit's file names follow the locale.
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(PathFromWide(given.ToStdWstring()), error);
    const wxString path = error ? given : wxString(WideFromPath(file.lexically_normal()));
    if (!m_document->OnOpenDocument(path)) return false;
    m_path = path;
    SetTitle(WindowTitle(path.ToStdWstring()));
    m_recent.AddFileToHistory(path);
    (void)SaveRecentFiles(m_recent);  // an unwritable store only costs the list next time
    if (m_file_page != nullptr) m_file_page->RefreshRecent();
    return true;
}

void CMainFrame::SetMainButtonText(const wxString& text) {
    if (m_ribbon != nullptr) SetFileTabText(m_ribbon, text);
}

wxString CMainFrame::GetMainButtonText() const {
    if (m_ribbon == nullptr || m_ribbon->GetPageCount() == 0) return {};
    return m_ribbon->GetPage(0)->GetLabel();
}

void CMainFrame::ResetContentViews() { m_views->Reset(); }

void CMainFrame::RebuildAfterOpen() {
    m_said_print_messages.Forget();  // a new schedule: its previews say everything once
    // The active category is never the File page, so the new schedule always shows.
    ShowCategory(static_cast<std::int32_t>(GetActiveCategory()));
    FocusTable();
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

void CMainFrame::DestroyFindDialog() {
    if (m_find_dialog == nullptr) return;
    m_find_dialog->Destroy();
    m_find_dialog = nullptr;
}

void CMainFrame::OnFileOpen(wxCommandEvent&) {
    wxFileDialog dialog(this, LoadText(IDS_OPEN_TITLE), wxString(), wxString(), kScheduleWildcard,
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    ListNamesInAnyBytes(dialog);
    KeepFileChooserOnScreen(dialog, *this);
    if (dialog.ShowModal() != wxID_OK) return;
    const wxString chosen = ChosenFileName(dialog);
    if (!chosen.empty()) (void)OpenFile(chosen);
}

void CMainFrame::OnRecentFile(wxCommandEvent& event) {
    const std::size_t index = static_cast<std::size_t>(event.GetId() - wxID_FILE1);
    if (index < m_recent.GetCount()) (void)OpenFile(m_recent.GetHistoryFile(index));
}

void CMainFrame::OnToolsOptions(wxCommandEvent&) { ShowOptions(0); }

void CMainFrame::OnRibbonCustomize(wxCommandEvent&) { ShowOptions(1); }

void CMainFrame::OnAppExit(wxCommandEvent&) { Close(); }

void CMainFrame::OnCloseFilePage(wxCommandEvent&) {
    if (IsFilePageShown()) CloseFilePage();
}

void CMainFrame::OnFindDialogDidClose(wxCommandEvent&) { DestroyFindDialog(); }

// Ctrl+F opens the find dialog over a searchable table of an open schedule, with Shift or Alt
// held as well or not. Ctrl+C that no pane with text took (the chart, a details page, the
// ribbon had the focus) copies the table, whose rows the chart and the details show; a text
// field copies its own text.
void CMainFrame::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool ctrl_f = event.ControlDown() && (key == 'F' || key == 'f');
    if (ctrl_f && !IsFilePageShown() && IsDocumentLoaded() && SearchKindOfView(GetCurrentTableView())) {
        wxQueueEvent(this, new wxCommandEvent(wxEVT_MENU, IDC_BUTTON_FIND));
        return;
    }
    const bool ctrl_c = event.ControlDown() && (key == 'C' || key == 'c');
    const bool in_text_field = dynamic_cast<wxTextEntry*>(FindFocus()) != nullptr;
    if (ctrl_c && !IsFilePageShown() && !in_text_field && CopyTable()) return;
    event.Skip();
}

// Without a window manager nothing holds the window to its minimum size, so the frame does.
void CMainFrame::OnSize(wxSizeEvent& event) {
    CloseFoldedPopUpsIfMoved();  // before the ribbon folds anew at the new size
    const wxSize size = GetSize();
    const wxSize least = LeastSize();
    if (size.x < least.x || size.y < least.y) {
        CallAfter([this, least] {
            const wxSize now = GetSize();
            SetSize(std::max(now.x, least.x), std::max(now.y, least.y));
        });
    }
    KeepNormalPlace();
    event.Skip();
}

void CMainFrame::OnMove(wxMoveEvent& event) {
    CloseFoldedPopUpsIfMoved();  // it stands under its button, where the window was
    KeepNormalPlace();
    event.Skip();
}

void CMainFrame::OnClose(wxCloseEvent&) {
    SaveWorkspace();
    // The user's column and filter files are written while the store and its layouts exist.
    if (auto* app = dynamic_cast<VarnholtApp*>(wxTheApp)) app->SaveLayoutsOnExit(*this);
    DestroyFindDialog();
    Destroy();
}

}  // namespace varnholt
