// CaptionCatalog.cpp - language choice and lookups of the caption catalogue.

#include "CaptionCatalog.h"

#include <iterator>

namespace varnholt {

namespace {

void load(CaptionMap& map, std::span<const CaptionEntry> table) {
    for (const auto& [id, text] : table) map.insert_or_assign(id, std::wstring(text));
}

}  // namespace

void LoadEnglishCaptions(CaptionMap& map) { load(map, EnglishCaptionTable()); }
void LoadFrenchCaptions(CaptionMap& map) { load(map, FrenchCaptionTable()); }

CaptionCatalog& CaptionCatalog::Instance() {
    static CaptionCatalog catalog;
    return catalog;
}

std::wstring CaptionCatalog::Lookup(CaptionId id) const {
    const CaptionMap& texts = language == kLanguageFrench ? french : english;
    const auto found = texts.find(id);
    return found != texts.end() ? found->second : std::wstring{};
}

void CaptionCatalog::ChooseLanguage(std::wstring_view code) {
    language = kLanguageEnglish;
    for (std::size_t index = 0; index < std::size(kLanguageCodes); ++index) {
        if (kLanguageCodes[index] == code) language = static_cast<std::int32_t>(index);
    }
    if (language == kLanguageFrench) {
        LoadFrenchCaptions(french);
    } else {
        LoadEnglishCaptions(english);
    }
}

void CaptionCatalog::Reset() {
    english.clear();
    french.clear();
    language = kLanguageEnglish;
}

}  // namespace varnholt
