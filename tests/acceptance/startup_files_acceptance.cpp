// startup_files_acceptance.cpp - a planner's first start, every way to open a schedule (the
// command line, File > Open, the recent list, a drop), the files it refuses with what stays on
// screen, and what the program leaves on disk when it ends and finds again at the next start.

#include "acceptance_support.h"
#include "app/schedule_drop_target.h"
#include "views/core/RowList.h"

#include <wx/filedlg.h>

#include <algorithm>

namespace varnholt::acceptance {
namespace {

namespace fs = std::filesystem;
using testing_app::run_folder;
using testing_app::WaitUntil;

using StartUpAndFiles = AcceptanceTest;

bool Shows(VarnholtView& pane, const std::string& text) { return AcceptanceTest::Drawing(pane).find(text) != std::string::npos; }

TEST_F(StartUpAndFiles, AFirstStartMakesTheDataFoldersAndShowsNoSchedule) {
    fs::remove_all(UserDataFolder());
    CMainFrame& frame = StartWith();
    for (const char* folder : {"VP_ACT", "VP_WBS", "VP_PROJ", "VP_RES"})
        EXPECT_TRUE(fs::is_directory(UserDataFolder() / folder)) << folder;
    EXPECT_EQ(frame.GetTitle(), "VarnholtReader");
    EXPECT_TRUE(frame.IsShown());
    EXPECT_EQ(frame.GetLayoutStore(), nullptr);
    EXPECT_EQ(frame.GetRecentFiles().GetCount(), 0u);
    // No rows anywhere, and copying leaves the clipboard alone.
    for (int page = kActivitiesTabPage; page <= kRolesTabPage; ++page) {
        frame.SwitchToPage(page);
        Settle();
        if (view::View* table = frame.GetCurrentTableView()) {
            EXPECT_EQ(table->GetRowList().Size(), 0u) << page;
        }
    }
    SeedClipboard("kept");
    Post(frame, ID_COPY_TABLE_FIRST);
    EXPECT_EQ(ClipboardText(), "kept");
    EXPECT_TRUE(m_hook.messages.empty());
}

TEST_F(StartUpAndFiles, EveryWayToOpenAFileEndsInTheSameShownSchedule) {
    CMainFrame& frame = StartWith("acceptance.xer");
    EXPECT_EQ(frame.GetTitle(), "acceptance.xer - VarnholtReader");
    frame.SwitchToPage(kActivitiesTabPage);
    Settle();
    EXPECT_TRUE(Shows(*frame.GetTablePane(), "\"A1000\"")) << Drawing(*frame.GetTablePane());
    EXPECT_TRUE(Shows(*frame.GetTablePane(), "\"Design\""));

    // File > Open: the file dialog answered with the workbook.
    m_hook.inspect = [](wxDialog& dialog) {
        auto* files = dynamic_cast<wxFileDialog*>(&dialog);
        if (files == nullptr) return;
        files->SetPath(FixturePath("export.xls"));
        // The toolkit's chooser takes the file once it has read the folder.
        EXPECT_TRUE(WaitUntil([files] { return files->GetPath() == FixturePath("export.xls"); }));
    };
    Post(frame, ID_FILE_OPEN);
    ASSERT_TRUE(WaitUntil([&] { return frame.GetTitle() == "export.xls - VarnholtReader"; })) << frame.GetTitle();
    m_hook.inspect = nullptr;
    EXPECT_GT(frame.GetCurrentTableView()->GetRowList().Size(), 0u);

    // The recent list, newest first: the schedule of the command line is second.
    ASSERT_GE(frame.GetRecentFiles().GetCount(), 2u);
    EXPECT_EQ(frame.GetRecentFiles().GetHistoryFile(0), FixturePath("export.xls"));
    Post(frame, wxID_FILE1 + 1);
    ASSERT_TRUE(WaitUntil([&] { return frame.GetTitle() == "acceptance.xer - VarnholtReader"; }));
    EXPECT_TRUE(Shows(*frame.GetTablePane(), "\"Build\""));

    // A drop opens the large schedule.
    auto* target = dynamic_cast<ScheduleDropTarget*>(frame.GetDropTarget());
    ASSERT_NE(target, nullptr);
    const wxString large = FixturePath("large.xer");
    ASSERT_TRUE(target->OnDropFiles(10, 10, wxArrayString(1, &large)));
    Settle();
    EXPECT_EQ(frame.GetTitle(), "large.xer - VarnholtReader");
    EXPECT_GT(frame.GetContentViews().activity_table->GetRowList().Size(), 100u);

    // A schedule without a single date opens too; its chart simply has nothing to draw.
    ASSERT_TRUE(frame.OpenFile(FixturePath("undated.xer")));
    Settle();
    EXPECT_TRUE(Shows(*frame.GetTablePane(), "\"U100\""));
    (void)Drawing(*frame.GetGanttPane());
    EXPECT_TRUE(m_hook.messages.empty());
}

TEST_F(StartUpAndFiles, RefusedFilesAreNamedInAMessageAndTheShownScheduleStays) {
    CMainFrame& frame = StartWith("acceptance.xer");
    const LayoutStore* store = frame.GetLayoutStore();
    for (const char* refused : {"notes.txt", "plan.xlsx", "no-header.xer", "text.xls", "missing.xer"}) {
        SCOPED_TRACE(refused);
        m_hook.messages.clear();
        EXPECT_FALSE(frame.OpenFile(FixturePath(refused)));
        ASSERT_EQ(m_hook.messages.size(), 1u);
        EXPECT_NE(m_hook.messages[0].Find(FixturePath(refused)), wxNOT_FOUND) << m_hook.messages[0];
        EXPECT_EQ(frame.GetTitle(), "acceptance.xer - VarnholtReader");
        EXPECT_EQ(frame.GetLayoutStore(), store);
        EXPECT_EQ(frame.GetRecentFiles().GetHistoryFile(0), FixturePath("acceptance.xer"));
    }
    // The schedule can still be browsed and copied.
    frame.SwitchToPage(kWbsTabPage);
    Settle();
    EXPECT_TRUE(Shows(*frame.GetTablePane(), "Civil Works"));
    Post(frame, ID_COPY_TABLE_FIRST);
    EXPECT_NE(ClipboardText().Find("Civil Works"), wxNOT_FOUND);

    // Refused on the command line, the program does not start at all.
    frame.Close(true);
    ASSERT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    m_hook.messages.clear();
    EXPECT_FALSE(Start(FixturePath("text.xls")));
    EXPECT_EQ(m_hook.messages.size(), 1u);
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
}

TEST_F(StartUpAndFiles, TheExitWritesTheUsersFilesAndTheNextStartFindsThem) {
    float widened = 0.0f;
    {
        CMainFrame& frame = StartWith("acceptance.xer");
        ASSERT_TRUE(frame.OpenFile(FixturePath("undated.xer")));
        // A wider first column of the activity table, as a drag of its border leaves it.
        view::LayoutColumn* column = frame.GetContentViews().activity_table->GetLayout()->GetColumn(0);
        ASSERT_NE(column, nullptr);
        column->width += 37.0f;
        widened = column->width;
        Post(frame, ID_APP_EXIT);
        ASSERT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    }
    const fs::path config = run_folder() / "config";
    EXPECT_TRUE(std::ranges::any_of(fs::recursive_directory_iterator(config),
                                    [](const fs::directory_entry& entry) { return entry.is_regular_file(); }))
        << "the recent list is stored";
    for (const char* folder : {"VP_ACT", "VP_WBS", "VP_PROJ", "VP_RES"})
        EXPECT_FALSE(fs::is_empty(UserDataFolder() / folder)) << folder;

    CMainFrame& again = StartWith();
    ASSERT_GE(again.GetRecentFiles().GetCount(), 2u);
    EXPECT_EQ(again.GetRecentFiles().GetHistoryFile(0), FixturePath("undated.xer"));
    EXPECT_EQ(again.GetRecentFiles().GetHistoryFile(1), FixturePath("acceptance.xer"));
    Post(again, wxID_FILE1);
    ASSERT_TRUE(WaitUntil([&] { return again.GetTitle() == "undated.xer - VarnholtReader"; }));
    EXPECT_EQ(again.GetContentViews().activity_table->GetLayout()->GetColumn(0)->width, widened)
        << "the column keeps the width it had at the exit";
}

}  // namespace
}  // namespace varnholt::acceptance

int main(int argc, char** argv) { return varnholt::acceptance::RunAcceptanceTests(argc, argv); }
