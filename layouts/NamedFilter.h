// NamedFilter.h - a filter the user can choose: a name, an id and a condition tree. The layout
// store owns every named filter; selections only point at them.
#pragma once

#include "layouts/FilterGroup.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace varnholt {

class NamedFilter {
public:
    // The maker sets the root and the id afterwards.
    explicit NamedFilter(std::wstring filter_name) : name(std::move(filter_name)) {}
    NamedFilter(const NamedFilter&) = delete;
    NamedFilter& operator=(const NamedFilter&) = delete;

    // A filter without a condition tree (a definition that gave none) lets every row pass.
    [[nodiscard]] bool Match(const view::Row& row) const { return root == nullptr || root->Match(row); }

    // Lookups by name read a filter as a record that begins with its name.
    [[nodiscard]] const std::wstring& leading_name() const noexcept { return name; }

    std::wstring name;
    std::unique_ptr<view::FilterGroup> root;
    std::int32_t id = 0;  // negative for the built-in filters; files name filters by it
};

}  // namespace varnholt
