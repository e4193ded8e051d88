// startup_gui_test.cpp - the real start-up, in-process under a virtual display: a file on the
// command line, a dropped file, and the user's files written when the frame closes. Message
// boxes are recorded and answered by a hook, so no test waits on one.

#include "../shell/sample_schedule.h"
#include "app/CMainFrame.h"
#include "app/VarnholtApp.h"
#include "app/schedule_drop_target.h"
#include "platform/program_folder.h"
#include "platform/user_paths.h"

#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace varnholt {
namespace {

namespace fs = std::filesystem;
using testing_shell::kBrokenWorkbook;
using testing_shell::kScheduleWithUdf;

// The folder every per-user path of the run points into; made by main.
fs::path& run_folder() {
    static fs::path folder;
    return folder;
}

class RecordingHook final : public wxModalDialogHook {
public:
    int Enter(wxDialog* dialog) override {
        if (const auto* box = dynamic_cast<wxMessageDialogBase*>(dialog)) messages.push_back(box->GetMessage());
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}

    std::vector<wxString> messages;
};

template <class Condition>
bool WaitUntil(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class StartUpTest : public testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(VARNHOLT_SOURCE_DIR);  // the shipped layouts
        m_hook.Register();
    }
    void TearDown() override {
        for (wxWindow* window : wxTopLevelWindows) window->Close(true);
        EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
        m_hook.Unregister();
        SetProgramFolder({});
    }

    static wxString Schedule(const std::wstring& name, std::string_view bytes) {
        const fs::path path = run_folder() / PathFromWide(name);
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return WideFromPath(path);
    }
    static bool Start(const wxString& file = {}) {
        wxArrayString arguments;
        arguments.push_back("VarnholtReader");
        if (!file.empty()) arguments.push_back(file);
        return wxGetApp().StartUp(arguments);
    }
    static CMainFrame* Frame() { return dynamic_cast<CMainFrame*>(wxTheApp->GetTopWindow()); }

    RecordingHook m_hook;
};

TEST_F(StartUpTest, ARefusedFileOnTheCommandLineEndsStartUp) {
    const wxString path = Schedule(L"notes.xls", "just text");
    EXPECT_FALSE(Start(path));
    ASSERT_EQ(m_hook.messages.size(), 1u);
    EXPECT_NE(m_hook.messages[0].Find(path), wxNOT_FOUND);
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); })) << "no frame is left";
}

TEST_F(StartUpTest, DroppedFilesOpenThroughTheSamePath) {
    ASSERT_TRUE(Start());
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle(), "VarnholtReader");
    auto* target = dynamic_cast<ScheduleDropTarget*>(frame->GetDropTarget());
    ASSERT_NE(target, nullptr);

    const wxString plan = Schedule(L"Plän.xer", kScheduleWithUdf);
    ASSERT_TRUE(target->OnDropFiles(0, 0, wxArrayString(1, &plan)));
    EXPECT_EQ(frame->GetTitle(), L"Plän.xer - VarnholtReader");
    const LayoutStore* store = frame->GetLayoutStore();
    ASSERT_NE(store, nullptr);

    // A damaged file changes nothing that the user can see.
    const wxString broken = Schedule(L"broken.xls", kBrokenWorkbook);
    EXPECT_FALSE(target->OnDropFiles(0, 0, wxArrayString(1, &broken)));
    ASSERT_EQ(m_hook.messages.size(), 1u);
    EXPECT_NE(m_hook.messages[0].Find(broken), wxNOT_FOUND);
    EXPECT_EQ(frame->GetTitle(), L"Plän.xer - VarnholtReader");
    EXPECT_EQ(frame->GetRecentFiles().GetHistoryFile(0), plan);
    EXPECT_EQ(frame->GetLayoutStore(), store);
    EXPECT_EQ(frame->GetDocumentPath(), plan);
}

TEST_F(StartUpTest, AFileOpensARecentEntryReopensAndClosingWritesTheUsersLayouts) {
    const wxString first = Schedule(L"first.xer", kScheduleWithUdf);
    ASSERT_TRUE(Start(first));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(frame->GetTitle(), "first.xer - VarnholtReader");
    EXPECT_EQ(frame->GetMainButtonText(), "File");
    ASSERT_NE(frame->GetLayoutStore(), nullptr);
    EXPECT_EQ(frame->GetDocument().schedule, frame->GetLayoutStore()->GetDocument());
    ASSERT_TRUE(frame->OpenFile(Schedule(L"SECOND.XER", kScheduleWithUdf)));
    EXPECT_EQ(frame->GetTitle(), "SECOND.XER - VarnholtReader");

    wxCommandEvent pick(wxEVT_MENU, wxID_FILE1 + 1);
    wxPostEvent(frame, pick);
    ASSERT_TRUE(WaitUntil([&] { return frame->GetTitle() == "first.xer - VarnholtReader"; }));
    EXPECT_EQ(frame->GetRecentFiles().GetHistoryFile(0), first);
    EXPECT_TRUE(m_hook.messages.empty());

    frame->Close(true);
    ASSERT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    const fs::path data = run_folder() / "data/Oskeldan/VarnholtReader";
    // Each folder holds the user's columns; the activity folder its sub-tables' and filters too.
    const std::pair<const char*, const char*> files[] = {
        {"VP_WBS", "_columns.cfg"},      {"VP_PROJ", "_columns.cfg"},      {"VP_RES", "_columns.cfg"},
        {"VP_ACT", "_columns.cfg"},      {"VP_ACT", "_pred_columns.cfg"}, {"VP_ACT", "_succ_columns.cfg"},
        {"VP_ACT", "_filters.cfg"},
    };
    for (const auto& [folder, suffix] : files) {
        const std::string_view wanted = suffix;
        EXPECT_TRUE(std::ranges::any_of(fs::directory_iterator(data / folder), [wanted](const fs::directory_entry& entry) {
            return entry.path().filename().string().ends_with(wanted);
        })) << folder << " " << wanted;
    }
}

}  // namespace
}  // namespace varnholt

// One toolkit session for every test; 77 (skipped) without a display.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    char folder_template[] = "/tmp/varnholt-app-XXXXXX";
    if (mkdtemp(folder_template) == nullptr) return 1;
    const std::filesystem::path folder = folder_template;
    varnholt::run_folder() = folder;
    // Per-user data and the registry stand-in under the test's folder, never the real home.
    setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (folder / "machine").c_str(), 1);

    wxApp::SetInstance(new varnholt::VarnholtApp);
    if (!wxEntryStart(argc, argv)) {
        std::filesystem::remove_all(folder);
        return 77;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    std::filesystem::remove_all(folder);
    return result;
}
