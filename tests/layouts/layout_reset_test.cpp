// layout_reset_test.cpp - emptying the user's layout folders: only inside our own data
// folder, never through a link, and kept empty by the store's save at exit.

#include "layouts/ActivityLayout.h"
#include "layouts/FilterSelection.h"
#include "layouts_test_support.h"

#include <unistd.h>

namespace varnholt::testing_layouts {
namespace {

namespace fs = std::filesystem;

constexpr std::int32_t kTaskCode = 130;
constexpr std::int32_t kTaskName = 132;
constexpr const char* kKindFolders[] = {"VP_ACT", "VP_WBS", "VP_PROJ", "VP_RES"};

std::vector<std::string> FilesUnder(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) names.push_back(fs::relative(entry.path(), folder).string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class LayoutResetTest : public LayoutsTest {};

TEST_F(LayoutResetTest, TheFourFoldersAreEmptiedAndTheSettingsKept) {
    for (const char* kind : kKindFolders) WriteBytes(DataFolder() / kind / "Mine_columns.cfg", "task_code:90\r\n");
    WriteBytes(SettingsPath(), "layout_rememberChanges:0\r\n");
    // A link in place of a folder goes, and what it points to stays.
    TempFolder outside;
    WriteBytes(outside.path() / "keep.cfg", "x");
    fs::remove_all(DataFolder() / "VP_RES");
    fs::create_directory_symlink(outside.path(), DataFolder() / "VP_RES");

    ASSERT_TRUE(ResetUserLayoutFolders(GetUserDataFolder()));
    for (const char* kind : kKindFolders) {
        SCOPED_TRACE(kind);
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(DataFolder() / kind))) << "a real folder again";
        EXPECT_TRUE(fs::is_empty(DataFolder() / kind));
    }
    EXPECT_EQ(ReadBytes(SettingsPath()), "layout_rememberChanges:0\r\n");
    EXPECT_TRUE(fs::exists(outside.path() / "keep.cfg"));
}

TEST_F(LayoutResetTest, AFolderThatIsNotOursDeletesNothing) {
    TempFolder work;
    // What a missing data folder would make of the names: folders of the current directory.
    fs::create_directories(work.path() / "VP_ACT");
    WriteBytes(work.path() / "VP_ACT" / "Mine_columns.cfg", "x");
    fs::create_directories(work.path() / "Oskeldan/VarnholtReader/VP_ACT");
    WriteBytes(work.path() / "Oskeldan/VarnholtReader/VP_ACT/Mine_columns.cfg", "x");
    const fs::path before = fs::current_path();
    fs::current_path(work.path());
    struct Case {
        const char* why;
        std::wstring folder;
    } const cases[] = {
        {"no data folder", L""},
        {"a relative folder", L"Oskeldan/VarnholtReader/"},
        {"an absolute folder of someone else", WideFromPath(work.path()) + L"/"},
        {"our name without the final slash", WideFromPath(work.path() / "Oskeldan/VarnholtReader")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_FALSE(ResetUserLayoutFolders(c.folder));
    }
    fs::current_path(before);
    EXPECT_TRUE(fs::exists(work.path() / "VP_ACT" / "Mine_columns.cfg"));
    EXPECT_TRUE(fs::exists(work.path() / "Oskeldan/VarnholtReader/VP_ACT/Mine_columns.cfg"));
}

class ResetStoreTest : public StoreTest {
protected:
    view::Layout& AddActivityLayout(const std::wstring& name) {
        auto layout = std::make_unique<ActivityLayout>();
        layout->SetName(name);
        layout->AddColumn(kTaskCode, 90);
        layout->SetFilter(std::make_unique<FilterSelection>(kMatchAll));
        return *store().ActivityLayouts().emplace_back(std::move(layout));
    }
};

TEST_F(ResetStoreTest, TheResetSurvivesTheSaveAtExitAndLaterChangesAreSaved) {
    view::Layout& plan = AddActivityLayout(L"Plan");
    (void)AddActivityLayout(L"Other");
    store().SaveAll();
    ASSERT_EQ(FilesUnder(DataFolder()).size(), 8u);

    ASSERT_TRUE(ResetUserLayoutFolders(GetUserDataFolder()));
    store().KeepUserFilesAsReset();
    store().SaveAll();
    EXPECT_TRUE(FilesUnder(DataFolder()).empty()) << "the untouched layouts stay reset";

    plan.AddColumn(kTaskName, 200);
    store().SaveAll();
    EXPECT_EQ(FilesUnder(DataFolder()), std::vector<std::string>{"VP_ACT/Plan_columns.cfg"});
}

TEST_F(ResetStoreTest, WithoutAResetEveryFileIsWritten) {
    (void)AddActivityLayout(L"Plan");
    store().SaveAll();
    fs::remove(DataFolder() / "VP_ACT/Plan_columns.cfg");
    store().SaveAll();
    EXPECT_TRUE(fs::exists(DataFolder() / "VP_ACT/Plan_columns.cfg"));
}

}  // namespace
}  // namespace varnholt::testing_layouts
