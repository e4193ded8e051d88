// CaptionCatalog.h - the built-in texts of column titles, enumeration values, date and unit
// names, filter names and detail labels, by caption id, in the language chosen at start-up.
#pragma once

#include "caption_tables.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace varnholt {

using CaptionMap = std::map<CaptionId, std::wstring>;

// Language indexes, in the order of kLanguageCodes.
inline constexpr std::int32_t kLanguageEnglish = 0;
inline constexpr std::int32_t kLanguageFrench = 2;
inline constexpr std::wstring_view kLanguageCodes[] = {L"ENU", L"DEU", L"FRA", L"ESP",
                                                       L"ITA", L"CHS", L"JPN", L"RUS"};

class CaptionCatalog {
public:
    // The one catalogue of the process, built empty on first use.
    [[nodiscard]] static CaptionCatalog& Instance();

    // The text of an id in the current language (a copy); empty for an unknown id.
    // French reads the French table; every other language reads the English one, since only
    // those two are built in.
    [[nodiscard]] std::wstring Lookup(CaptionId id) const;

    // The start-up choice from the language code of the user's settings ("ENU", "FRA", ...):
    // sets `language` and loads the table its lookups read. A code that is none of the known
    // ones reads as English.
    void ChooseLanguage(std::wstring_view code);

    // Back to the state of first use (empty tables, English); for tests.
    void Reset();

    CaptionMap english;
    CaptionMap french;
    std::int32_t language = kLanguageEnglish;

private:
    CaptionCatalog() = default;
};

// Fill a map with the built-in texts of one language; an id already present takes the new text.
void LoadEnglishCaptions(CaptionMap& map);
void LoadFrenchCaptions(CaptionMap& map);

}  // namespace varnholt
