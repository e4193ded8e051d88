// settings_file_test.cpp - Settings.cfg: the token form, each key's value rule, the fixed order
// of the written file, and a write that never leaves a damaged file behind.

#include "layouts/settings_file.h"
#include "layouts_test_support.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "platform/file_replace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace varnholt {
namespace {

using testing_layouts::LayoutsTest;
using testing_layouts::ReadBytes;
using testing_layouts::WriteBytes;

class SettingsFileTest : public LayoutsTest {
protected:
    static UnitDisplaySettings& Active() { return display_settings().active; }
    static UnitDisplaySettings& Saved() { return display_settings().saved; }
    static LayoutSettings& Layout() { return layout_settings(); }

    // Only the files the test means to leave: no temporary files beside them.
    [[nodiscard]] std::vector<std::string> FilesInDataFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(DataFolder()))
            if (!entry.is_directory()) names.push_back(entry.path().filename().string());
        return names;
    }
};

TEST_F(SettingsFileTest, SwitchesReadOnOrOffUnlessExact) {
    struct Case { const char* why; const char* text; bool LayoutSettings::*setting; bool expected; } const cases[] = {
        {"remember: 1 turns it on", "layout_rememberChanges:1", &LayoutSettings::layout_rememberChanges, true},
        {"remember: true turns it off", "layout_rememberChanges:true", &LayoutSettings::layout_rememberChanges, false},
        {"remember: 01 turns it off", "layout_rememberChanges:01", &LayoutSettings::layout_rememberChanges, false},
        {"vertical: 0 turns it off", "gridlines_VerticalEnabled:0", &LayoutSettings::gridlines_VerticalEnabled, false},
        {"vertical: empty leaves it on", "gridlines_VerticalEnabled:", &LayoutSettings::gridlines_VerticalEnabled, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ResetLayoutSettings();
        Layout().*c.setting = !c.expected;
        ApplySettingsText(c.text);
        EXPECT_EQ(Layout().*c.setting, c.expected);
    }
    // The unit labels follow the "on unless 0" rule too, in both values.
    ApplySettingsText("unit_ShowDurationLabel:no\tduration_ShowDurationLabel:0");
    EXPECT_TRUE(Active().unit_ShowDurationLabel);
    EXPECT_FALSE(Saved().duration_ShowDurationLabel);
}

TEST_F(SettingsFileTest, HorizontalGridStepIsAtLeastOneRow) {
    struct Case { const char* why; const char* value; std::uint32_t expected; } const cases[] = {
        {"zero would never advance", "0", 1}, {"negative", "-5", 1}, {"no number", "none", 1}, {"a step", "7", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ApplySettingsText(std::string("gridlines_HorizontalScale:") + c.value);
        EXPECT_EQ(Layout().gridlines_HorizontalScale, c.expected);
    }
    // The vertical scale keeps whatever the file says.
    ApplySettingsText("gridlines_VerticalScale:0");
    EXPECT_EQ(Layout().gridlines_VerticalScale, 0);
}

TEST_F(SettingsFileTest, TokenForm) {
    struct Case { const char* why; const char* text; std::int32_t unit_decimals; } const cases[] = {
        {"CR LF line ends", "unit_UnitOfTime:2\r\nunit_Decimals:3\r\n", 3},
        {"two tokens on one line", "unit_UnitOfTime:2\tunit_Decimals:3", 3},
        {"the later of two wins", "unit_Decimals:2\r\nunit_Decimals:3\r\n", 3},
        {"the first colon counts", "unit_Decimals:3:4", 3}, {"a key in another case is ignored", "Unit_Decimals:3", 1},
        {"a token without a colon is ignored", "unit_Decimals3", 1},
        {"an unknown key is ignored", "unit_decimals:3\tunknown:9", 1},
        {"empty lines and tokens are skipped", "\r\n\n\t\tunit_Decimals:3\t\r\n", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ResetDisplaySettings();
        ApplySettingsText(c.text);
        EXPECT_EQ(Saved().unit_Decimals, c.unit_decimals);
    }
}

TEST_F(SettingsFileTest, SavedFileReadsBackTheSameSettings) {
    Active().duration_UnitOfTime = Saved().duration_UnitOfTime = 3;
    Saved().unit_ShowDurationLabel = true;
    Layout().gridlines_VerticalScale = 5;
    Layout().gridlines_HorizontalScale = 9;
    ASSERT_TRUE(SaveSettingsFile());
    const DisplaySettings saved_display = display_settings();
    const LayoutSettings saved_layout = Layout();

    ResetDisplaySettings();
    ResetLayoutSettings();
    LoadSettingsFile();
    EXPECT_EQ(Saved(), saved_display.saved);
    EXPECT_EQ(Active(), saved_display.saved) << "reading makes the saved values active";
    EXPECT_EQ(Layout(), saved_layout);
    EXPECT_EQ(FilesInDataFolder(), std::vector<std::string>{"Settings.cfg"}) << "no temporary file stays behind";
}

TEST_F(SettingsFileTest, WithoutDataFolderNothingIsReadOrWritten) {
    ForgetUserDataFolder();
    EXPECT_TRUE(SettingsFilePath().empty());
    EXPECT_FALSE(SaveSettingsFile());
    EXPECT_FALSE(std::filesystem::exists("Settings.cfg")) << "never into the working folder";
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFileWhole) {
    const std::string old_text = "layout_rememberChanges:0\r\n";
    WriteBytes(SettingsPath(), old_text);
    // Replacing cannot work while the name is taken by a folder: nothing may change then.
    const std::filesystem::path blocked = DataFolder() / "blocked.cfg";
    std::filesystem::create_directory(blocked);
    WriteBytes(blocked / "inside", "x");
    EXPECT_FALSE(ReplaceFileContents(blocked, SettingsFileText()));
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
    EXPECT_EQ(FilesInDataFolder(), std::vector<std::string>{"Settings.cfg"}) << "the new file is removed";
    EXPECT_FALSE(ReplaceFileContents(DataFolder() / "no such folder" / "Settings.cfg", "x"));

    // A successful write replaces the old contents whole, even when the new text is shorter.
    WriteBytes(SettingsPath(), old_text + std::string(4096, '#'));
    ASSERT_TRUE(SaveSettingsFile());
    EXPECT_EQ(ReadBytes(SettingsPath()), SettingsFileText());
}

TEST_F(SettingsFileTest, RestoringUndoesWhatTheLastScheduleChanged) {
    Saved().unit_Decimals = 3;
    Saved().duration_UnitOfTime = 0;
    Active() = Saved();
    // What a workbook sets for itself.
    Active().unit_Decimals = 0;
    Active().duration_UnitOfTime = 4;
    Active().duration_ShowDurationLabel = true;
    value_formats().percent_decimals = 3;
    value_formats().cost_number_format = {L",", L".", L"€"};
    RestoreSavedDisplaySettings();
    EXPECT_EQ(Active(), Saved());
    EXPECT_EQ(value_formats().percent_decimals, 1);
    EXPECT_EQ(value_formats().cost_number_format.currency_symbol, L"$");
}

}  // namespace
}  // namespace varnholt
