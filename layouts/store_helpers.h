// store_helpers.h - small generic operations of the layout store that readers, the per-user
// files and the frame's handlers share: lookups by exact name, the data folder, and the
// byte-to-wide widening of layout file text.
#pragma once

#include "layouts/NamedFilter.h"
#include "model/leading_name.h"
#include "views/base/Layout.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

using LayoutList = std::vector<std::unique_ptr<view::Layout>>;
using NamedFilterList = std::vector<std::unique_ptr<NamedFilter>>;

// The first layout whose name equals the text exactly (case-sensitive, whole text); end() when
// none does. Null entries are passed over.
[[nodiscard]] LayoutList::const_iterator FindByName(const LayoutList& layouts, std::wstring_view name);

// The same test on records that begin with their name (Gantt bars, named filters).
template <NameFirst Record>
[[nodiscard]] auto FindByLeadingName(const std::vector<std::unique_ptr<Record>>& records, std::wstring_view name) {
    return std::find_if(records.begin(), records.end(),
                        [name](const auto& record) { return record && record->leading_name() == name; });
}

// A copy of the per-user data folder path, ending in "/"; empty when the program has none.
[[nodiscard]] std::wstring GetUserDataFolder();

// Appends one wide character per byte, the byte taken as a signed 8-bit value: 0x41 gives
// U+0041, 0xE9 gives U+FFE9. Layout files are widened this way, with no code page involved.
void WidenBytes(std::wstring& out, std::string_view bytes);

}  // namespace varnholt
