// store_helpers.cpp - lookups by name, the data folder and the decoding of layout text.

#include "layouts/store_helpers.h"

#include "layouts/file_access.h"
#include "platform/user_paths.h"

namespace varnholt {

LayoutList::const_iterator FindByName(const LayoutList& layouts, std::wstring_view name) {
    return std::find_if(layouts.begin(), layouts.end(),
                        [name](const auto& layout) { return layout && layout->GetName() == name; });
}

std::wstring GetUserDataFolder() { return user_data_folder(); }

void WidenBytes(std::wstring& out, std::string_view bytes) { out += DecodeFileText(bytes); }

}  // namespace varnholt
