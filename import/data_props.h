// data_props.h - one key/value property of a data-tree node. A node's properties are a list,
// not a map: keys may repeat and the order of the text is kept.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace varnholt {

class data_props {
public:
    data_props(std::wstring property_key, std::wstring property_value)
        : key(std::move(property_key)), value(std::move(property_value)) {}
    virtual ~data_props() = default;

    [[nodiscard]] static std::unique_ptr<data_props> create(std::wstring key, std::wstring value) {
        return std::make_unique<data_props>(std::move(key), std::move(value));
    }

    std::wstring key;
    std::wstring value;
};

// The first property whose key equals `key` exactly (letter case included), or null.
[[nodiscard]] inline const data_props* FindByName(std::span<const std::unique_ptr<data_props>> properties,
                                                  std::wstring_view key) {
    for (const auto& property : properties)
        if (property->key == key) return property.get();
    return nullptr;
}

[[nodiscard]] inline std::wstring data_prop_value(const data_props& property) { return property.value; }

}  // namespace varnholt
