// options_exit_acceptance.cpp - the options sheet from the File page and from the tab row's
// "Customize..." entry, what its OK leaves on disk, and the exit from the File page with the
// files the next start reads.

#include "acceptance_support.h"

#include <wx/bookctrl.h>
#include <wx/propdlg.h>

namespace varnholt::acceptance {
namespace {

namespace fs = std::filesystem;
using testing_app::run_folder;
using testing_app::WaitUntil;

using OptionsAndExit = AcceptanceTest;

TEST_F(OptionsAndExit, TheOptionsSheetOpensAtItsPageAndOkStoresTheSettings) {
    CMainFrame& frame = StartWith("acceptance.xer");
    fs::remove(UserDataFolder() / "Settings.cfg");
    int shown_page = -1;
    std::size_t pages = 0;
    m_hook.answer = wxID_OK;
    m_hook.inspect = [&](wxDialog& dialog) {
        auto* sheet = dynamic_cast<wxPropertySheetDialog*>(&dialog);
        ASSERT_NE(sheet, nullptr);
        shown_page = sheet->GetBookCtrl()->GetSelection();
        pages = sheet->GetBookCtrl()->GetPageCount();
    };
    Post(frame, ID_TOOLS_OPTIONS);
    EXPECT_EQ(shown_page, 0);
    EXPECT_GE(pages, 3u);
    EXPECT_TRUE(fs::exists(UserDataFolder() / "Settings.cfg"));

    Post(frame, ID_RIBBON_CUSTOMIZE);
    EXPECT_EQ(shown_page, 1) << "Customize opens the layouts page";
    EXPECT_EQ(frame.GetTitle(), "acceptance.xer - VarnholtReader") << "the schedule stays open";
}

TEST_F(OptionsAndExit, ExitFromTheFilePageClosesTheProgramAndTheNextStartRemembers) {
    CMainFrame& frame = StartWith("acceptance.xer");
    frame.ShowFilePage();
    Settle();
    ASSERT_TRUE(frame.IsFilePageShown());
    Post(frame, ID_APP_EXIT);  // what the page's Exit item sends
    ASSERT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    EXPECT_TRUE(m_hook.messages.empty()) << "nothing to save: the program never writes a schedule";
    EXPECT_TRUE(fs::exists(run_folder() / "config/Oskeldan/VarnholtReader.conf"));

    CMainFrame& again = StartWith();
    ASSERT_GE(again.GetRecentFiles().GetCount(), 1u);
    EXPECT_EQ(again.GetRecentFiles().GetHistoryFile(0), FixturePath("acceptance.xer"));
    EXPECT_EQ(again.GetTitle(), "VarnholtReader") << "a start without a file opens none";
}

}  // namespace
}  // namespace varnholt::acceptance

int main(int argc, char** argv) { return varnholt::acceptance::RunAcceptanceTests(argc, argv); }
