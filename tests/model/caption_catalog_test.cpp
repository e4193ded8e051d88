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
    EXPECT_EQ(english.size(), 513u);
    EXPECT_EQ(IdsOf(english).size(), english.size()) << "an id appears twice in the English table";
    EXPECT_EQ(IdsOf(french), IdsOf(english));
    EXPECT_EQ(*IdsOf(english).begin(), 1024);
    EXPECT_EQ(*IdsOf(english).rbegin(), 200035);
    for (const auto& [id, text] : english) EXPECT_FALSE(text.empty()) << "English id " << id;
    for (const auto& [id, text] : french) EXPECT_FALSE(text.empty()) << "French id " << id;
}

TEST_F(CaptionCatalogTest, EnglishTextsStandAsWritten) {
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    struct Case { CaptionId id; const wchar_t* text; };
    const Case cases[] = {
        {1463, L"FS"}, {4279, L"Thr"}, {4255, L"May"}, {4267, L"May"}, {51261, L"Price / Unit"},
        {57540, L"Role Max Units/Time"}, {57215, L"Link %s and At Completion"}, {200019, L"T"},
        {200035, L"Reset Original to Remaining"}, {1419, L"Yes"}, {1046, L"No"}};
    for (const auto& c : cases) EXPECT_EQ(Lookup(c.id), c.text) << "id " << c.id;
    EXPECT_EQ(Lookup(0), L"");
    EXPECT_EQ(Lookup(2), L"");
}

TEST_F(CaptionCatalogTest, FrenchTextsKeepTheirFixedRenderings) {
    CaptionCatalog::Instance().ChooseLanguage(L"FRA");
    EXPECT_EQ(CaptionCatalog::Instance().language, kLanguageFrench);
    struct Case { CaptionId id; const wchar_t* text; };
    const Case cases[] = {
        {1463, L"FD"}, {1464, L"DF"}, {1465, L"DD"}, {51495, L"Standard"},
        {51497, L"Tâche enveloppe"}, {3142, L"Non débutée"}, {4279, L"Jeu"}, {4255, L"Mai"},
        {4256, L"jui"}, {90117, L"j"}, {90118, L"s"}, {200026, L"a"}, {200017, L"D"},
        {200018, L"L"}, {200019, L"M"}, {200020, L"M"}, {200021, L"J"}, {200022, L"V"},
        {200023, L"S"}, {200024, L"Flotter 2 décimales"}, {3140, L"Terminé"}, {3135, L"Normale"},
        {2877, L"Eléments WBS sous le projet"}, {50835, L"Valeur du code"}, {200029, L"Rubrique Bloc-Notes"}, {51255, L"Notes aux ressources"},
        {51308, L"Notes aux ressources"}, {1419, L"Oui"}, {1046, L"Non"}, {4264, L"février"}};
    for (const auto& c : cases) EXPECT_EQ(Lookup(c.id), c.text) << "id " << c.id;
    for (const auto& [id, text] : FrenchCaptionTable())
        EXPECT_EQ(text.find(L"Écart"), std::wstring_view::npos) << "id " << id;
}

TEST_F(CaptionCatalogTest, LanguagesWithoutATableShowEnglish) {
    struct Case { const wchar_t* code; std::int32_t language; const wchar_t* fs; };
    const Case cases[] = {
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
