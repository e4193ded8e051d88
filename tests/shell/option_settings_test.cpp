// option_settings_test.cpp - the option pages without a window: names and codes both ways,
// the typed interval, what each page's OK stores and writes, and the language decision.

#include "layouts/settings_file.h"
#include "model/display_settings.h"
#include "platform/user_paths.h"
#include "shell/options/option_conversions.h"
#include "shell/options/option_settings.h"
#include "shell/ui_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace varnholt {
namespace {

TEST(OptionConversionsTest, NamesGiveTheirCodesAndUnknownOnesFallBack) {
    struct Case {
        const char* why;
        std::int32_t (*convert)(std::wstring_view);
        std::wstring text;
        std::int32_t code;
    } const cases[] = {
        {"a unit in other letter case", &UnitTimeCode, L"wEEK", 2},
        {"the year", &UnitTimeCode, L"Year", 4},
        {"an unknown unit is a day", &UnitTimeCode, L"Fortnight", 1},
        {"two decimals", &DecimalsCode, L"2", 3},
        {"no decimals", &DecimalsCode, L"0", 1},
        {"unknown decimals", &DecimalsCode, L"3", 1},
        {"a scale in capitals", &ScaleCode, L"DAY", 5},
        {"the shift scale", &ScaleCode, L"shift", 7},
        {"an unknown scale is a month", &ScaleCode, L"Lunar", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.convert(c.text), c.code);
    }
    EXPECT_EQ(UnitTimeName(9), L"Hour");
    EXPECT_EQ(DecimalsText(0), L"0");
    EXPECT_EQ(ScaleName(3), L"Month");
}

TEST(OptionConversionsTest, TheTypedIntervalIsReadAndClamped) {
    struct Case {
        const wchar_t* text;
        std::uint32_t interval;
    } const cases[] = {
        {L"0", 1}, {L"250", 100}, {L"abc", 1}, {L"99999999999999999999999", 100}, {L"", 1},
        {L" 7", 7}, {L"12rows", 12}, {L"-5", 1}, {L"100", 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << std::filesystem::path(c.text).string());
        EXPECT_EQ(HorizontalIntervalFromText(c.text), c.interval);
    }
}

// A data folder of the test's own, removed afterwards.
class OptionSettingsTest : public testing::Test {
protected:
    void SetUp() override {
        m_home = std::filesystem::temp_directory_path() / ("varnholt-options-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_home);
        ASSERT_FALSE(CreateUserDataFoldersIn(m_home).empty());
    }
    void TearDown() override { std::filesystem::remove_all(m_home); }

    [[nodiscard]] static std::string SettingsBytes() {
        std::ifstream in(PathFromWide(SettingsFilePath()), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The keys of the file's lines, in order.
    [[nodiscard]] static std::vector<std::string> Keys(const std::string& bytes) {
        std::vector<std::string> keys;
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t end = bytes.find("\r\n", at);
            const std::string line = bytes.substr(at, end - at);
            keys.push_back(line.substr(0, line.find(':')));
            at = end == std::string::npos ? bytes.size() : end + 2;
        }
        return keys;
    }

    std::filesystem::path m_home;
};

TEST_F(OptionSettingsTest, EachPagesOkWritesTheElevenSettingsInTheirOrder) {
    const std::vector<std::string> order{
        "unit_UnitOfTime",         "unit_Decimals",          "unit_ShowDurationLabel",   "duration_UnitOfTime",
        "duration_Decimals",       "duration_ShowDurationLabel", "layout_rememberChanges", "gridlines_VerticalScale",
        "gridlines_HorizontalScale", "gridlines_VerticalEnabled", "gridlines_HorizontalEnabled"};
    ASSERT_EQ(Keys(SettingsFileText()), order);

    struct Case {
        const char* why;
        bool (*store)();
    } const cases[] = {
        {"units", [] { return StoreUnitsChoice({L"Week", L"2", true, L"Hour", L"1", false}); }},
        {"layouts", [] { return StoreRememberChanges(false); }},
        {"gridlines", [] { return StoreGridlinesChoice({L"Week", false, L"250", true}); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::filesystem::remove(PathFromWide(SettingsFilePath()));
        ASSERT_TRUE(c.store());
        const std::string bytes = SettingsBytes();
        EXPECT_EQ(Keys(bytes), order);
        EXPECT_EQ(bytes, SettingsFileText());
    }
    const UnitDisplaySettings& saved = display_settings().saved;
    EXPECT_EQ(saved.duration_UnitOfTime, kUnitWeek);
    EXPECT_EQ(saved.duration_Decimals, 3);
    EXPECT_TRUE(saved.duration_ShowDurationLabel);
    EXPECT_EQ(saved.unit_UnitOfTime, kUnitHour);
    EXPECT_EQ(display_settings().active, saved) << "in effect and stored alike";
    EXPECT_FALSE(layout_settings().layout_rememberChanges);
    EXPECT_EQ(layout_settings().gridlines_VerticalScale, 4);
    EXPECT_EQ(layout_settings().gridlines_HorizontalScale, 100u);
    EXPECT_FALSE(layout_settings().gridlines_VerticalEnabled);
}

TEST_F(OptionSettingsTest, AScaleThePageDoesNotOfferStaysAsStored) {
    for (const std::int32_t stored : {1, 7, 8}) {
        SCOPED_TRACE(stored);
        layout_settings().gridlines_VerticalScale = stored;
        GridlinesChoice shown = CurrentGridlinesChoice();
        EXPECT_FALSE(shown.vertical_scale.has_value()) << "the list shows no entry";
        ASSERT_TRUE(StoreGridlinesChoice(shown));
        EXPECT_EQ(layout_settings().gridlines_VerticalScale, stored);
    }
    layout_settings().gridlines_VerticalScale = 5;
    EXPECT_EQ(CurrentGridlinesChoice().vertical_scale, std::optional<std::wstring>(L"Day"));
}

TEST(LanguageChoiceTest, OnlyAChosenEntryOtherThanTheStoredCodeIsWritten) {
    struct Case {
        const char* why;
        std::wstring stored;
        std::optional<std::wstring> selected;
        std::optional<std::wstring> written;
    } const cases[] = {
        {"English over ENU", L"ENU", L"English", std::nullopt},
        {"French over ENU", L"ENU", L"French", L"FRA"},
        {"English over FRA", L"FRA", L"English", L"ENU"},
        {"nothing selected over DEU", L"DEU", std::nullopt, std::nullopt},
        {"English over DEU", L"DEU", L"English", L"ENU"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(LanguageCodeToWrite(c.stored, c.selected), c.written);
    }
    EXPECT_EQ(LanguageEntryOf(L"ENU"), 0);
    EXPECT_EQ(LanguageEntryOf(L"FRA"), 1);
    EXPECT_EQ(LanguageEntryOf(L"DEU"), std::nullopt);
    EXPECT_EQ(LanguageEntryOf(L"fra"), std::nullopt) << "the comparison counts case";
}

}  // namespace
}  // namespace varnholt
