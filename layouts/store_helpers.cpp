// store_helpers.cpp - lookups by name, the data folder and byte widening.

#include "layouts/store_helpers.h"

#include "platform/user_paths.h"

#include <cstdint>

namespace varnholt {

LayoutList::const_iterator FindByName(const LayoutList& layouts, std::wstring_view name) {
    return std::find_if(layouts.begin(), layouts.end(),
                        [name](const auto& layout) { return layout && layout->GetName() == name; });
}

std::wstring GetUserDataFolder() { return user_data_folder(); }

void WidenBytes(std::wstring& out, std::string_view bytes) {
    out.reserve(out.size() + bytes.size());
    for (const char byte : bytes) {
        // Sign extension of the byte, then the low 16 bits: the character a 16-bit wide string
        // would hold.
        const auto code = static_cast<std::uint16_t>(static_cast<std::int16_t>(static_cast<std::int8_t>(byte)));
        out.push_back(static_cast<wchar_t>(code));
    }
}

}  // namespace varnholt
