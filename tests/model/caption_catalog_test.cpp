// Caption catalogue: completeness of both built-in tables and the start-up language choice.

#include "model/CaptionCatalog.h"
#include "model/text_utils.h"

#include <gtest/gtest.h>

#include <set>

namespace varnholt {
namespace {

class CaptionCatalogTest : public testing::Test {
protected:
    static std::wstring Lookup(CaptionId id) { return CaptionCatalog::Instance().Lookup(id); }
};

std::set<CaptionId> IdsOf(std::span<const CaptionEntry> table) {
    std::set<CaptionId> ids;
    for (const auto& entry : table) ids.insert(entry.id);
    return ids;
}

TEST_F(CaptionCatalogTest, BothTablesHoldTheSameCompleteIdSet) {
    const auto english = EnglishCaptionTable();
    const auto french = FrenchCaptionTable();
    EXPECT_EQ(IdsOf(english).size(), english.size()) << "an id appears twice in the English table";
    EXPECT_EQ(IdsOf(french), IdsOf(english));
    for (const auto& [id, text] : english) EXPECT_FALSE(text.empty()) << "English id " << id;
    for (const auto& [id, text] : french) EXPECT_FALSE(text.empty()) << "French id " << id;
}

TEST_F(CaptionCatalogTest, LanguagesWithoutATableShowEnglish) {
    struct Case { const wchar_t* code; std::int32_t language; const wchar_t* fs; } const cases[] = {
        {L"ENU", 0, L"FS"}, {L"DEU", 1, L"FS"}, {L"FRA", 2, L"FD"}, {L"ESP", 3, L"FS"},
        {L"ITA", 4, L"FS"}, {L"CHS", 5, L"FS"}, {L"JPN", 6, L"FS"}, {L"RUS", 7, L"FS"},
        {L"XYZ", 0, L"FS"}, {L"enu", 0, L"FS"}, {L"", 0, L"FS"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << narrow_string(c.code));
        CaptionCatalog::Instance().Reset();
        CaptionCatalog::Instance().ChooseLanguage(c.code);
        EXPECT_EQ(CaptionCatalog::Instance().language, c.language);
        EXPECT_EQ(Lookup(1463), c.fs);
    }
}

TEST_F(CaptionCatalogTest, NothingIsShownBeforeALanguageIsChosen) {
    EXPECT_EQ(Lookup(1463), L"");
}

}  // namespace
}  // namespace varnholt
