// acceptance_support.h - what the acceptance programs share: the fixture files of the run, a
// start of the real program over one of them, commands posted as the ribbon posts them,
// keys typed through the input simulator, the clipboard, and drawings of the live panes taken
// through the recording backend.
#pragma once

#include "../app/app_gui_support.h"
#include "app/VarnholtView.h"
#include "shell/command_ids.h"

#include <wx/string.h>

#include <filesystem>
#include <string>

namespace varnholt::acceptance {

// The folder of the run's fixtures: the small schedules, the refused files, "large.xer" of
// about 2,000 activities and the workbook "export.xls".
std::filesystem::path FixtureFolder();
wxString FixturePath(const char* name);
// The program's per-user data folder of the run.
std::filesystem::path UserDataFolder();

class AcceptanceTest : public testing_app::AppGuiTest {
protected:
    void SetUp() override;

public:
    // The program started as `VarnholtReader FILE` (or without a file), its frame settled.
    CMainFrame& StartWith(const char* fixture = nullptr);
    // Lets every pending event and paint run.
    static void Settle();
    // Posts a ribbon command to the frame and waits until it has been handled.
    static void Post(CMainFrame& frame, int id, int value = 0);

    // What the pane shows now, painted through the recording backend at its size and scroll
    // position: one line per primitive.
    static std::string Drawing(VarnholtView& pane);
    // A press and a release at a client point of the pane, as the window system delivers them.
    static void Click(VarnholtView& pane, wxPoint at);
    // Clicks the middle of the row's first cell.
    static void ClickRow(VarnholtView& pane, const view::Row& row);
    // Gives the window the keyboard focus and waits until it has it.
    static bool Focus(wxWindow& window);

    static wxString ClipboardText();
    static void SeedClipboard(const wxString& text);

    // The first listed row of the pane's view that is no group row; null when there is none.
    static view::Row* FirstRecordRow(VarnholtView& pane);
};

// Exit code 77 without a display; each program runs in a working folder of its own.
int RunAcceptanceTests(int argc, char** argv);

}  // namespace varnholt::acceptance
