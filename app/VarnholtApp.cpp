// VarnholtApp.cpp - start-up in the order the program needs: the language first, since the
// frame's texts and captions are read in it; then the frame and its document; then the file
// of the command line; then the window is shown and accepts dropped files.

#include "app/VarnholtApp.h"

#include "app/CMainFrame.h"
#include "app/app_services.h"
#include "app/recent_files.h"
#include "app/schedule_drop_target.h"
#include "shell/command_ids.h"
#include "shell/open_document.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"

#include <optional>
#include <string>
#include <vector>

namespace varnholt {

// No wxIMPLEMENT_APP here: main hands the argument list to the start-up function, which
// makes the application object.
wxIMPLEMENT_APP_NO_MAIN(VarnholtApp);

VarnholtApp::VarnholtApp() {
    SetAppName(wxString(kProgramTitle.data(), kProgramTitle.size()));
    SetVendorName("Oskeldan");
    Bind(wxEVT_MENU, &VarnholtApp::OnAppAbout, this, ID_APP_ABOUT);
}

bool VarnholtApp::OnInit() {
    // The start-up function gave the toolkit the arguments as the file system's names.
    return StartUp(argv.GetArguments());
}

bool VarnholtApp::StartUp(const wxArrayString& arguments) {
    (void)ChooseStartUpLanguage(StoredLanguageCode().ToStdWstring());  // before any window reads a text or caption

    if (!m_recent) m_recent = std::make_unique<wxFileHistory>(kRecentFileCount);
    LoadRecentFiles(*m_recent);

    auto* frame = new CMainFrame(*m_recent);  // owned by the window system from here
    SetTopWindow(frame);

    std::vector<std::wstring> words;
    for (const wxString& argument : arguments) words.push_back(argument.ToStdWstring());
    const std::optional<std::wstring> file = FileOfCommandLine(words);
    if (file && !frame->OpenFile(*file)) {
        // The open sequence has shown its message; the program ends.
        frame->Destroy();
        return false;
    }

    frame->Show();
    frame->SetDropTarget(new ScheduleDropTarget(*frame));  // the frame owns its drop target
    RefreshMainButtonText(*frame);
    return true;
}

void VarnholtApp::RefreshMainButtonText(CMainFrame& frame) { frame.SetMainButtonText(LoadText(IDS_FILE_TAB)); }

void VarnholtApp::SaveLayoutsOnExit(CMainFrame& frame) {
    if (LayoutStore* store = frame.GetLayoutStore()) store->SaveAll();
}

void VarnholtApp::OnAppAbout(wxCommandEvent&) { OpenHelpPage(GetTopWindow()); }

}  // namespace varnholt
