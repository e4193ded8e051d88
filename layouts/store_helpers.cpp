// store_helpers.cpp - lookups by name and the decoding of layout text.

#include "layouts/store_helpers.h"

#include "layouts/file_access.h"

namespace varnholt {

LayoutList::const_iterator FindByName(const LayoutList& layouts, std::wstring_view name) {
    return std::find_if(layouts.begin(), layouts.end(),
                        [name](const auto& layout) { return layout && layout->GetName() == name; });
}

void WidenBytes(std::wstring& out, std::string_view bytes) { out += DecodeFileText(bytes); }

}  // namespace varnholt
