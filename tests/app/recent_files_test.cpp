// recent_files_test.cpp - the recent-files list: ten entries, newest first, whatever bytes their
// names hold, kept across a reload of the user's store. Runs without a display.

#include "app/recent_files.h"
#include "app/registry.h"
#include "platform/path_text.h"

#include "../layouts/layouts_test_support.h"

#include <wx/filehistory.h>
#include <wx/init.h>

#include <gtest/gtest.h>

namespace varnholt {
namespace {

TEST(RecentFilesTest, KeepsTenNewestFirstAcrossAReload) {
    const wxInitializer wx;
    const testing_layouts::TempFolder folder;
    SetRegistryFiles({(folder.path() / "user/VarnholtReader.conf").string(), (folder.path() / "none.conf").string()});

    wxFileHistory history(kRecentFileCount);
    for (int i = 1; i <= 12; ++i) history.AddFileToHistory(wxString::Format("/plans/p%d.xer", i));
    history.AddFileToHistory(L"/plans/Plän 100%.xer");
    // A name in Latin-1, as old shares leave them: its bytes come back as they were.
    const std::string latin = "/plans/\xDC" "bergabe.xer";
    history.AddFileToHistory(WideFromPath(latin));
    history.AddFileToHistory("/plans/p12.xer");  // opened again: back to the top, not twice
    ASSERT_TRUE(SaveRecentFiles(history));

    wxFileHistory reloaded(kRecentFileCount);
    LoadRecentFiles(reloaded);
    ASSERT_EQ(reloaded.GetCount(), 10u);
    EXPECT_EQ(reloaded.GetHistoryFile(0), "/plans/p12.xer");
    EXPECT_EQ(PathFromWide(reloaded.GetHistoryFile(1).ToStdWstring()).native(), latin);
    EXPECT_EQ(reloaded.GetHistoryFile(2), L"/plans/Plän 100%.xer");
    EXPECT_EQ(reloaded.GetHistoryFile(3), "/plans/p11.xer");
    EXPECT_EQ(reloaded.GetHistoryFile(9), "/plans/p5.xer");

    // A shorter list leaves no older entries behind.
    wxFileHistory one(kRecentFileCount);
    one.AddFileToHistory("/plans/only.xer");
    ASSERT_TRUE(SaveRecentFiles(one));
    LoadRecentFiles(reloaded);
    EXPECT_EQ(reloaded.GetCount(), 1u);
    SetRegistryFiles(DefaultRegistryFiles());
}

}  // namespace
}  // namespace varnholt
