// string_tables.h - the interface texts of each language, by string id. Both tables hold the
// same ids; a dialog that needs a text of its own adds it to both.
#pragma once

#include "shell/string_ids.h"

#include <span>
#include <string_view>

namespace varnholt {

struct StringEntry {
    StringId id;
    std::wstring_view text;
};

// Sorted by id, each id once.
[[nodiscard]] std::span<const StringEntry> EnglishStrings() noexcept;
[[nodiscard]] std::span<const StringEntry> FrenchStrings() noexcept;

}  // namespace varnholt
