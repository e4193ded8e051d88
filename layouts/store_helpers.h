// store_helpers.h - small generic operations of the layout store that readers, the per-user
// files and the frame's handlers share: lookups by exact name and the
// decoding of layout file text.
#pragma once

#include "layouts/NamedFilter.h"
#include "model/leading_name.h"
#include "layouts/Layout.h"

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

// Appends the bytes of a layout or per-user file decoded as XER files are: UTF-8 when they are
// valid UTF-8 (a leading byte-order mark dropped), else Windows-1252. So "\xC3\xA9" and "\xE9"
// both give U+00E9, and a code column's name reads the same from a schedule and a layout.
void WidenBytes(std::wstring& out, std::string_view bytes);

}  // namespace varnholt
