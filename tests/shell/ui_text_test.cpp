// ui_text_test.cpp - the language a stored code chooses, the completeness of both text tables
// and the filling of placeholders.

#include "model/CaptionCatalog.h"
#include "shell/string_tables.h"
#include "shell/ui_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace varnholt {
namespace {

class UiTextTest : public testing::Test {
protected:
    void TearDown() override {
        SelectTextLanguage(text_language::english);
        CaptionCatalog::Instance().Reset();
    }
};

TEST_F(UiTextTest, AStoredCodeChoosesTextsAndCaptions) {
    struct Case {
        const char* why;
        std::optional<std::wstring_view> code;
        text_language texts;
        std::int32_t caption_language;
    } const cases[] = {
        {"English", L"ENU", text_language::english, kLanguageEnglish},
        {"French", L"FRA", text_language::french, kLanguageFrench},
        {"the comparison counts case", L"fra", text_language::english, kLanguageEnglish},
        {"a listed language without texts reads English", L"DEU", text_language::english, 1},
        {"no value at all", std::nullopt, text_language::english, kLanguageEnglish},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ChooseStartUpLanguage(c.code), c.texts);
        EXPECT_EQ(CurrentTextLanguage(), c.texts);
        EXPECT_EQ(CaptionCatalog::Instance().language, c.caption_language);
    }
}

TEST_F(UiTextTest, BothLanguagesHaveEveryTextTheShellUses) {
    // The ids the shell asks for, as ranges.
    const std::pair<StringId, StringId> ranges[] = {{203, 203}, {206, 206}, {211, 224}, {235, 255},
                                                    {260, 260}, {272, 278}, {281, 285}, {290, 292}, {299, 299},
                                                    {16601, 16607}, {16701, 16702}, {19901, 19910}, {28901, 28904}};
    for (const text_language language : {text_language::english, text_language::french}) {
        SelectTextLanguage(language);
        for (const auto& [first, last] : ranges)
            for (StringId id = first; id <= last; ++id) EXPECT_FALSE(LoadText(id).empty()) << id;
    }
    EXPECT_EQ(LoadText(1), L"") << "an id no table holds";
    // Lookups search by id, so each table must stay sorted, and both hold the same ids.
    const auto english = EnglishStrings();
    const auto french = FrenchStrings();
    ASSERT_EQ(english.size(), french.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_EQ(english[i].id, french[i].id);
        if (i > 0) {
            EXPECT_LT(english[i - 1].id, english[i].id);
        }
    }
}

TEST_F(UiTextTest, PlaceholdersTakeTheirArgumentsAsTheyStand) {
    struct Case {
        const char* why;
        std::wstring_view pattern;
        std::wstring expected;
    } const cases[] = {
        {"two arguments in any order", L"{2} of {1}", L"B of A"},
        {"a placeholder without an argument stays", L"{3}", L"{3}"},
        {"braces that are no placeholder stay", L"{x} {} {1", L"{x} {} {1"},
        {"printf markers mean nothing", L"%s {1} %d", L"%s A %d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(FillPlaceholders(c.pattern, {L"A", L"B"}), c.expected);
    }
    EXPECT_EQ(FillPlaceholders(L"{1}", {L"{2}"}), L"{2}") << "an argument is not filled again";

    const std::wstring path = L"/tmp/100% Plän {1}.xer";
    for (const text_language language : {text_language::english, text_language::french}) {
        SelectTextLanguage(language);
        EXPECT_NE(FillPlaceholders(LoadText(IDS_OPEN_FAILED), {path}).find(path), std::wstring::npos);
    }
    EXPECT_EQ(NumberArgument(-1234567), L"-1234567");
}

}  // namespace
}  // namespace varnholt
