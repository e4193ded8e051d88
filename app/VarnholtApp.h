// VarnholtApp.h - the application object: the interface language, the main frame with its
// document, the file of the command line, and the saving of the layouts when the frame closes.
#pragma once

#include <wx/app.h>
#include <wx/arrstr.h>
#include <wx/filehistory.h>

#include <memory>
#include <string>
#include <vector>

namespace varnholt {

class CMainFrame;

class VarnholtApp final : public wxApp {
public:
    VarnholtApp();

    // Start-up over the program's own argument list.
    bool OnInit() override;

    // Start-up over a given argument list (the program's name first, then at most one file),
    // so that tests run the real start-up in-process. True with the frame shown; false, with
    // no frame left, when the file of the command line could not be opened.
    bool StartUp(const wxArrayString& arguments);

    // Puts the File tab's text on the frame again, after a change of the visual theme.
    void RefreshMainButtonText(CMainFrame& frame);
    // The frame's close handler calls this first, while its store and layouts exist.
    void SaveLayoutsOnExit(CMainFrame& frame);

private:
    void OnAppAbout(wxCommandEvent& event);

    std::unique_ptr<wxFileHistory> m_recent;  // the recent-files list, shared with the frame
};

wxDECLARE_APP(VarnholtApp);

}  // namespace varnholt
