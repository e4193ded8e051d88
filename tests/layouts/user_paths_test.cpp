// user_paths_test.cpp - where the per-user data folder lies and what creating it makes. The
// environment is pointed at temporary folders; the real home is never touched.

#include "layouts_test_support.h"
#include "platform/user_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace varnholt {
namespace {

using testing_layouts::TempFolder;
using testing_layouts::WriteBytes;

// Sets (or, with nullopt, removes) an environment variable for one scope.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, std::optional<std::string> value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        Set(value);
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;
    ~EnvironmentOverride() { Set(m_old); }

private:
    void Set(const std::optional<std::string>& value) {
        if (value) ::setenv(m_name, value->c_str(), 1);
        else ::unsetenv(m_name);
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(UserDataFolder, DataHomeFromTheEnvironment) {
    const TempFolder data_home, home;
    const std::string data_text = data_home.path().string();
    const std::filesystem::path home_share = home.path() / ".local" / "share";
    struct Case { const char* why; std::optional<std::string> xdg, home; std::filesystem::path expected; };
    const Case cases[] = {
        {"XDG_DATA_HOME wins", data_text, home.path().string(), data_home.path()},
        {"an empty XDG_DATA_HOME is unset", std::string(), home.path().string(), home_share},
        {"a relative XDG_DATA_HOME is ignored", std::string("relative/share"), home.path().string(), home_share},
        {"neither", std::nullopt, std::nullopt, {}},
        {"a relative HOME names nothing", std::nullopt, std::string("somewhere"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const EnvironmentOverride xdg("XDG_DATA_HOME", c.xdg);
        const EnvironmentOverride home_variable("HOME", c.home);
        EXPECT_EQ(DefaultDataHome(), c.expected);
    }
}

TEST(UserDataFolder, CreatesTheFolderAndItsFourSubfolders) {
    const TempFolder data_home;
    const EnvironmentOverride xdg("XDG_DATA_HOME", data_home.path().string());
    const std::wstring folder = CreateUserDataFolders();
    const std::filesystem::path expected = data_home.path() / "Oskeldan" / "VarnholtReader";
    EXPECT_EQ(folder, WideFromPath(expected) + L"/") << "ends in a separator, ready to append names to";
    for (const char* sub : {"VP_ACT", "VP_WBS", "VP_PROJ", "VP_RES"})
        EXPECT_TRUE(std::filesystem::is_directory(expected / sub)) << sub;

    // Existing folders and what is in them stay as they are.
    WriteBytes(expected / "VP_ACT" / "Mine_columns.cfg", "task_code:80\r\n");
    EXPECT_EQ(CreateUserDataFolders(), folder);
    EXPECT_TRUE(std::filesystem::exists(expected / "VP_ACT" / "Mine_columns.cfg"));
}

TEST(UserDataFolder, NoFolderWhenItCannotBeMade) {
    EXPECT_EQ(CreateUserDataFoldersIn({}), L"") << "no data home";
    const TempFolder data_home;
    WriteBytes(data_home.path() / "Oskeldan", "a file where the folder should go");
    EXPECT_EQ(CreateUserDataFoldersIn(data_home.path()), L"");
}

TEST(UserDataFolder, PathsKeepTheirCharacters) {
    const TempFolder data_home;
    const std::filesystem::path accented = data_home.path() / "Zo\xc3\xab";  // UTF-8 for "Zoë"
    const std::wstring folder = CreateUserDataFoldersIn(accented);
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.find(L"Zo\u00eb/Oskeldan/VarnholtReader/"), std::wstring::npos);
    EXPECT_TRUE(std::filesystem::is_directory(PathFromWide(folder) / "VP_RES"));
}

// A file name goes to wide text and back to the same bytes, whatever they are: UTF-8, Latin-1,
// and sequences that are no UTF-8 (cut short, a lone continuation, an overlong form, an encoded
// surrogate). Only UTF-8 characters show as themselves; every other byte as a replacement mark.
TEST(PathText, AnyBytesComeBackAsTheyWere) {
    const struct {
        std::string bytes;
        std::wstring shown;
    } cases[] = {
        {"Pl\xC3\xA4n.xer", L"Plän.xer"},
        {"\xDC" "bergabe Stra\xDF" "e.xer", L"\uFFFDbergabe Stra\uFFFDe.xer"},
        {"cut\xE2\x82", L"cut\uFFFD\uFFFD"},
        {"\x80lone", L"\uFFFDlone"},
        {"over\xC0\xAF", L"over\uFFFD\uFFFD"},
        {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},
        {"\xF0\x9F\x93\x85 plan", L"\U0001F4C5 plan"},
        // U+1000DC and U+100080 written in UTF-8: the characters that stand for kept bytes.
        {"\xF4\x80\x83\x9C\xF4\x80\x82\x80.xer", L"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD.xer"},
        {"\xF4\x80\x81\x81 plane 16", L"\U00100041 plane 16"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        const std::wstring wide = WideFromPath(c.bytes);
        EXPECT_EQ(PathFromWide(wide).native(), c.bytes);
        EXPECT_EQ(ShownPath(wide), c.shown);
    }
}

}  // namespace
}  // namespace varnholt
