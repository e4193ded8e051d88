// ui_text.h - the interface texts in the language chosen at start-up, and the filling of their
// placeholders. The language is chosen once, before the main frame is built, and stays in
// force until the program ends.
#pragma once

#include "shell/string_ids.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace varnholt {

enum class text_language : std::uint8_t { english, french };

// The code used when the user has stored none.
inline constexpr std::wstring_view kDefaultLanguageCode = L"ENU";

// The start-up choice of both languages from the stored code, resolved once: the caption
// catalogue reads the code, and the interface texts follow the language it chose. A missing
// code counts as kDefaultLanguageCode; an unknown one reads English everywhere. The comparison
// is exact: "FRA" is French, "fra" is not. Answers the texts' language.
text_language ChooseStartUpLanguage(std::optional<std::wstring_view> stored_code);

void SelectTextLanguage(text_language language) noexcept;
[[nodiscard]] text_language CurrentTextLanguage() noexcept;

// The text of an id in the current language; empty for an id no table holds.
[[nodiscard]] std::wstring LoadText(StringId id);

// The pattern with each "{n}" (n from 1) replaced by the n-th argument, in one pass, so that
// an argument is inserted as it stands even when it holds "%" or braces. A placeholder
// without an argument, and any other brace, stays as written.
[[nodiscard]] std::wstring FillPlaceholders(std::wstring_view pattern, std::initializer_list<std::wstring_view> args);

// A placeholder argument that a wrapped message must not split, a date above all: a word
// joiner after each hyphen and no-break spaces, so "29-Apr-2012" never ends a line at "29-".
// What the text shows is unchanged.
[[nodiscard]] std::wstring UnbrokenArgument(std::wstring_view text);

// An integer as a placeholder argument: plain digits, the same under every locale.
[[nodiscard]] std::wstring NumberArgument(std::int64_t value);

}  // namespace varnholt
