// app_gui_support.h - what the in-process program tests share: the run's temporary folder
// that every per-user path points into, a hook that records and answers message boxes, a
// bounded wait, and a fixture that starts the real program and closes it again.
#pragma once

#include "app/CMainFrame.h"
#include "gui_wait.h"
#include "terminal_output.h"

#include <wx/modalhook.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

typedef struct _GtkWidget GtkWidget;  // the native message box, for a look at it

namespace varnholt::testing_app {

// The folder every per-user path of the run points into; made by RunAppGuiTests.
std::filesystem::path& run_folder();

// Records each message box's text and answers every modal dialog with `answer`.
class RecordingHook final : public wxModalDialogHook {
public:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;

    std::vector<wxString> messages;
    int answer = wxID_OK;
    // When set, message boxes are shown for real, each for as long as a user takes to read
    // one, and then closed with OK; the program's events go on meanwhile, as they do for a
    // user. `message_owners` records the window each box stood in front of.
    bool show_messages = false;
    std::vector<wxWindow*> message_owners;
    // How many boxes shown for real have closed again.
    int closed_messages = 0;
    // Called with each box shown for real, while it is on screen.
    std::function<void(GtkWidget*)> while_message_shown;
    // Called with each modal dialog before it is answered, to look at it.
    std::function<void(wxDialog&)> inspect;
    // When set, the next dialog that is no message box is shown for real: the script runs
    // inside its modal loop once it is on screen, so it sees what a user sees and can send the
    // events a user makes. A dialog still open after the script ends with `answer`. Used once.
    std::function<void(wxDialog&)> while_shown;
    // When set, the desktop's next print dialog is shown for real: the script runs with its
    // window inside its loop, once it is on screen, and closes it as a user would. Used once.
    std::function<void(GtkWidget*)> while_print_dialog_shown;

    // Sets `while_shown` for the next dialog, which must be a `Dialog`: `script` runs on it, `ran`
    // becomes true, and the dialog closes with Cancel.
    template <class Dialog>
    void CancelAfter(bool& ran, std::function<void(Dialog&)> script) {
        answer = wxID_CANCEL;
        while_shown = [&ran, script = std::move(script)](wxDialog& dialog) {
            auto* shown = dynamic_cast<Dialog*>(&dialog);
            ASSERT_NE(shown, nullptr);
            ran = true;
            script(*shown);
        };
    }

private:
    // The dialog that Enter let show, until it closes: a file dialog passes the hook twice, as
    // itself and as the dialog it also is.
    wxDialog* m_showing = nullptr;
};

using testing_gui::WaitUntil;

class AppGuiTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file of the run's folder and answers its path.
    static wxString Schedule(const std::wstring& name, std::string_view bytes);
    // The real start-up, with the file as its command line when one is given.
    static bool Start(const wxString& file = {});
    static CMainFrame* Frame();
    // Removes the stored window layout, so that the next start is a first start.
    static void ForgetWorkspace();

    RecordingHook m_hook;
    // Set by a fixture whose test starts where an earlier run of the program left off.
    bool m_keep_workspace = false;

private:
    // From the start of the test until the program has closed: it prints nothing.
    std::unique_ptr<testing_gui::TerminalOutput> m_terminal;
};

// One toolkit session for every test of the program: temporary per-user folders, the
// program's application object, 77 (skipped) without a display or when a test skipped itself.
// VARNHOLT_TEST_FOLDER names a folder to use instead, kept after the run, so that a second run
// starts where one left off.
int RunAppGuiTests(int argc, char** argv);

}  // namespace varnholt::testing_app
