// registry_test.cpp - the registry stand-in over temporary user and machine files: which
// store answers, what a write creates, and a store that cannot be written.

#include "app/registry.h"

#include "../layouts/layouts_test_support.h"

#include <wx/init.h>

#include <gtest/gtest.h>

namespace varnholt {
namespace {

using testing_layouts::ReadBytes;
using testing_layouts::TempFolder;
using testing_layouts::WriteBytes;

class RegistryTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_folder.path() / "user");
        std::filesystem::create_directories(m_folder.path() / "machine");
        SetRegistryFiles({UserFile(), MachineFile()});
    }
    void TearDown() override { SetRegistryFiles(DefaultRegistryFiles()); }

    [[nodiscard]] wxString UserFile() const { return (m_folder.path() / "user/Oskeldan/VarnholtReader.conf").string(); }
    [[nodiscard]] wxString MachineFile() const { return (m_folder.path() / "machine/VarnholtReader.conf").string(); }
    static void Store(const wxString& file, std::string_view entries) {
        std::filesystem::create_directories(std::filesystem::path(file.ToStdString()).parent_path());
        WriteBytes(file.ToStdString(), std::string("[SOFTWARE/Oskeldan/VarnholtReader]\n") + std::string(entries));
    }
    static wxString Language() { return ReadRegistryString(kProgramKey, kLanguageValue, "ENU"); }

    wxInitializer m_wx;
    TempFolder m_folder;
};

TEST_F(RegistryTest, TheUsersValueWinsEvenWhenEmpty) {
    EXPECT_EQ(Language(), "ENU") << "no value anywhere";
    EXPECT_FALSE(RegistryValueExists(registry_root::current_user, kProgramKey, kLanguageValue));

    Store(MachineFile(), "Language=DEU\n");
    EXPECT_EQ(Language(), "DEU") << "a value found only on the machine";
    EXPECT_TRUE(RegistryValueExists(registry_root::local_machine, kProgramKey, kLanguageValue));

    Store(UserFile(), "language=FRA\n");
    EXPECT_EQ(Language(), "DEU") << "a name of another case is another value";

    Store(UserFile(), "Language=\n");
    EXPECT_EQ(Language(), "") << "the user's empty value";
    EXPECT_TRUE(RegistryValueExists(registry_root::current_user, kProgramKey, kLanguageValue));
}

TEST_F(RegistryTest, AWriteCreatesTheValueInTheUsersFile) {
    Store(MachineFile(), "Language=DEU\n");
    ASSERT_FALSE(std::filesystem::exists(UserFile().ToStdString()));
    EXPECT_TRUE(WriteRegistryString(kProgramKey, kLanguageValue, "FRA"));
    EXPECT_EQ(Language(), "FRA");
    EXPECT_EQ(ReadBytes(MachineFile().ToStdString()), "[SOFTWARE/Oskeldan/VarnholtReader]\nLanguage=DEU\n");

    // Text is kept as it stands, whatever it holds.
    EXPECT_TRUE(WriteRegistryString(kProgramKey, "Note", L"$HOME 100% ä"));
    EXPECT_EQ(ReadRegistryString(kProgramKey, "Note", ""), L"$HOME 100% ä");

    // The longest value that can be read, and one more character.
    EXPECT_TRUE(WriteRegistryString(kProgramKey, "Note", wxString('x', 126)));
    EXPECT_EQ(ReadRegistryString(kProgramKey, "Note", "default"), wxString('x', 126));
    EXPECT_TRUE(WriteRegistryString(kProgramKey, "Note", wxString('x', 127)));
    EXPECT_EQ(ReadRegistryString(kProgramKey, "Note", "default"), "default");
}

TEST_F(RegistryTest, AStoreThatCannotBeWrittenAnswersFalse) {
    WriteBytes(m_folder.path() / "not-a-folder", "");
    SetRegistryFiles({(m_folder.path() / "not-a-folder/VarnholtReader.conf").string(), MachineFile()});
    EXPECT_FALSE(WriteRegistryString(kProgramKey, kLanguageValue, "FRA"));
    EXPECT_EQ(Language(), "ENU");
}

}  // namespace
}  // namespace varnholt
