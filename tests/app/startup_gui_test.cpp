// startup_gui_test.cpp - the real start-up, in-process under a virtual display: a file on the
// command line, a dropped file and one chosen in File > Open (named in Latin-1 too, also under a
// Latin-1 locale), and the user's files written when the frame closes. Message boxes are recorded
// and answered by a hook, so no test waits on one.

#include "../shell/sample_schedule.h"
#include "app_gui_support.h"
#include "app/schedule_drop_target.h"
#include "platform/path_text.h"
#include "shell/command_ids.h"

#include <wx/filedlg.h>

#include <glib.h>
#include <gtk/gtk.h>
#include <gtest/gtest-spi.h>

#include <algorithm>
#include <filesystem>

namespace varnholt {
namespace {

namespace fs = std::filesystem;
using testing_app::run_folder;
using testing_app::WaitUntil;
using testing_shell::kBrokenWorkbook;
using testing_shell::kScheduleWithUdf;

using StartUpTest = testing_app::AppGuiTest;

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
    // A file as the toolkit gives it: its name's bytes converted by the locale's file-name
    // character set.
    const auto drop = [target](const wxString& path) {
        return target->OnDropFiles(0, 0, wxArrayString(1, wxString(PathFromWide(path.ToStdWstring()).c_str(), *wxConvFileName)));
    };

    const wxString plan = Schedule(L"Plän.xer", kScheduleWithUdf);
    ASSERT_TRUE(drop(plan));
    EXPECT_EQ(frame->GetTitle(), L"Plän.xer - VarnholtReader");
    const LayoutStore* store = frame->GetLayoutStore();
    ASSERT_NE(store, nullptr);

    // A damaged file changes nothing that the user can see.
    const wxString broken = Schedule(L"broken.xls", kBrokenWorkbook);
    EXPECT_FALSE(drop(broken));
    ASSERT_EQ(m_hook.messages.size(), 1u);
    EXPECT_NE(m_hook.messages[0].Find(broken), wxNOT_FOUND);
    EXPECT_EQ(frame->GetTitle(), L"Plän.xer - VarnholtReader");
    EXPECT_EQ(frame->GetRecentFiles().GetHistoryFile(0), plan);
    EXPECT_EQ(frame->GetLayoutStore(), store);
    EXPECT_EQ(frame->GetDocumentPath(), plan);

    // A name in Latin-1 bytes, as old shares leave them, opens all the same, its title marking
    // what it cannot show.
    ASSERT_TRUE(drop(Schedule(L"\U001000DCbergabe.xer", kScheduleWithUdf)));
    EXPECT_EQ(frame->GetTitle(), L"\uFFFDbergabe.xer - VarnholtReader");
}

// File > Open, the chooser answered with a file named in Latin-1 bytes: it opens, its title
// marking what it cannot show.
TEST_F(StartUpTest, AFileNamedInLatin1OpensFromTheChooser) {
    ASSERT_TRUE(Start());
    CMainFrame& frame = *Frame();
    const std::string bytes = PathFromWide(Schedule(L"\U001000DCbergabe.xer", kScheduleWithUdf).ToStdWstring()).native();
    const auto chosen = [&bytes](wxFileDialog& chooser) {
        gchar* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser.GetHandle()));
        const bool same = name != nullptr && bytes == name;
        g_free(name);
        return same;
    };
    m_hook.inspect = [&](wxDialog& dialog) {
        auto* chooser = dynamic_cast<wxFileDialog*>(&dialog);
        if (chooser == nullptr) return;
        // As the user picks it: the toolkit's SetPath takes UTF-8 names only.
        (void)gtk_file_chooser_set_filename(GTK_FILE_CHOOSER(chooser->GetHandle()), bytes.c_str());
        // The chooser takes the file once it has read the folder.
        EXPECT_TRUE(WaitUntil([&] { return chosen(*chooser); }));
    };
    wxPostEvent(&frame, wxCommandEvent(wxEVT_MENU, ID_FILE_OPEN));
    EXPECT_TRUE(WaitUntil([&frame] { return frame.GetTitle() == L"\uFFFDbergabe.xer - VarnholtReader"; })) << frame.GetTitle();
    EXPECT_TRUE(m_hook.messages.empty());
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
    EXPECT_NE(frame->GetDocument().GetSchedule(), nullptr);
    EXPECT_EQ(frame->GetDocument().GetSchedule(), frame->GetLayoutStore()->GetDocument());
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

// A toolkit assertion fails the test that raised it instead of opening a box nobody answers,
// and a warning GTK logs fails it instead of passing by on stderr.
TEST(ToolkitAssertionTest, AnAssertionOrAGtkWarningFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(wxFAIL_MSG("deliberately raised"), "deliberately raised");
    EXPECT_NONFATAL_FAILURE(g_log("Gtk", G_LOG_LEVEL_WARNING, "deliberately logged"), "Gtk-WARNING: deliberately logged");
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
