// program_folder_test.cpp - the program folder and the listing of the user's own layouts.

#include "layouts_test_support.h"
#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace varnholt {
namespace {

using testing_layouts::TempFolder;
using testing_layouts::WriteBytes;

TEST(ProgramFolder, TheOverrideThenTheEnvironmentThenTheExecutable) {
    const std::filesystem::path executable = GetExecutableDir();
    ASSERT_FALSE(executable.empty());

    SetProgramFolder({});
    ::unsetenv("VARNHOLT_PROGRAM_DIR");
    EXPECT_EQ(GetProgramFolder(), executable);
    ::setenv("VARNHOLT_PROGRAM_DIR", "relative/folder", 1);
    EXPECT_EQ(GetProgramFolder(), executable) << "a relative folder is ignored";
    ::setenv("VARNHOLT_PROGRAM_DIR", "/opt/varnholt", 1);
    EXPECT_EQ(GetProgramFolder(), std::filesystem::path("/opt/varnholt"));
    SetProgramFolder("/srv/program");
    EXPECT_EQ(GetProgramFolder(), std::filesystem::path("/srv/program"));
    SetProgramFolder({});
    ::unsetenv("VARNHOLT_PROGRAM_DIR");
}

TEST(ProgramFolder, CustomLayoutFilesAreListedByName) {
    TempFolder program;
    SetProgramFolder(program.path());
    SetCustomLayoutFiles({L"stale.plf"});
    FindCustomLayoutFiles();
    EXPECT_TRUE(custom_layout_files().empty()) << "no folder, no files";

    const std::filesystem::path custom = program.path() / "Layouts" / "VP_CUST";
    std::filesystem::create_directories(custom / "folder.plf");
    for (const char* name : {"zeta.plf", "Alpha.PLF", "notes.txt", "plf", "b\xC3\xA4r.plf"}) WriteBytes(custom / name, "");
    FindCustomLayoutFiles();
    EXPECT_EQ(custom_layout_files(), (std::vector<std::wstring>{L"Alpha.PLF", L"b\u00E4r.plf", L"zeta.plf"}));
    SetCustomLayoutFiles({});
    SetProgramFolder({});
}

TEST(ProgramFolder, AFolderOfTooManyLayoutsKeepsTheFirstByName) {
    TempFolder program;
    SetProgramFolder(program.path());
    const std::filesystem::path custom = program.path() / "Layouts" / "VP_CUST";
    std::filesystem::create_directories(custom);
    // One more than the limit; the folder lists them in an order of its own.
    for (std::size_t i = 0; i <= kMaxCustomLayoutFiles; ++i) {
        WriteBytes(custom / ("layout" + std::to_string(10000 + i).substr(1) + ".plf"), "");
    }
    FindCustomLayoutFiles();
    const std::vector<std::wstring>& names = custom_layout_files();
    ASSERT_EQ(names.size(), kMaxCustomLayoutFiles);
    EXPECT_EQ(names.front(), L"layout0000.plf");
    EXPECT_EQ(names.back(), L"layout0999.plf") << "the last by name is the one left out";
    SetCustomLayoutFiles({});
    SetProgramFolder({});
}

}  // namespace
}  // namespace varnholt
