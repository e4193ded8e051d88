// ui_text.cpp - interface texts by id, language resolution and placeholder filling.

#include "shell/ui_text.h"

#include "model/CaptionCatalog.h"
#include "shell/string_tables.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace varnholt {
namespace {

text_language& language_in_force() noexcept {
    static text_language language = text_language::english;
    return language;
}

}  // namespace

text_language ChooseStartUpLanguage(std::optional<std::wstring_view> stored_code) {
    CaptionCatalog& captions = CaptionCatalog::Instance();
    captions.ChooseLanguage(stored_code.value_or(kDefaultLanguageCode));
    // Only English and French have interface texts, as only they have captions.
    SelectTextLanguage(captions.language == kLanguageFrench ? text_language::french : text_language::english);
    return CurrentTextLanguage();
}

void SelectTextLanguage(text_language language) noexcept { language_in_force() = language; }

text_language CurrentTextLanguage() noexcept { return language_in_force(); }

std::wstring LoadText(StringId id) {
    const auto table = CurrentTextLanguage() == text_language::french ? FrenchStrings() : EnglishStrings();
    const auto found = std::lower_bound(table.begin(), table.end(), id,
                                        [](const StringEntry& entry, StringId wanted) { return entry.id < wanted; });
    if (found == table.end() || found->id != id) return {};
    return std::wstring(found->text);
}

std::wstring FillPlaceholders(std::wstring_view pattern, std::initializer_list<std::wstring_view> args) {
    std::wstring out;
    out.reserve(pattern.size());
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const std::size_t open = pattern.find(L'{', pos);
        if (open == std::wstring_view::npos) break;
        out.append(pattern.substr(pos, open - pos));
        const std::size_t close = pattern.find(L'}', open);
        std::size_t number = 0;
        bool digits_only = close != std::wstring_view::npos && close > open + 1 && close - open <= 3;
        for (std::size_t i = open + 1; digits_only && i < close; ++i) {
            digits_only = pattern[i] >= L'0' && pattern[i] <= L'9';
            number = number * 10 + static_cast<std::size_t>(pattern[i] - L'0');
        }
        if (digits_only && number >= 1 && number <= args.size()) {
            out.append(*(args.begin() + (number - 1)));
            pos = close + 1;
        } else {
            out.push_back(L'{');
            pos = open + 1;
        }
    }
    if (pos < pattern.size()) out.append(pattern.substr(pos));
    return out;
}

std::wstring UnbrokenArgument(std::wstring_view text) {
    constexpr wchar_t kWordJoiner = L'\u2060';
    constexpr wchar_t kNoBreakSpace = L'\u00A0';
    std::wstring out;
    out.reserve(text.size() * 2);
    for (const wchar_t c : text) {
        out.push_back(c == L' ' ? kNoBreakSpace : c);
        if (c == L'-') out.push_back(kWordJoiner);
    }
    return out;
}

std::wstring NumberArgument(std::int64_t value) {
    char digits[24];
    const auto [end, ec] = std::to_chars(std::begin(digits), std::end(digits), value);
    (void)ec;  // 24 characters hold every 64-bit integer
    return std::wstring(digits, end);
}

}  // namespace varnholt
