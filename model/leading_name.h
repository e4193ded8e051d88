// leading_name.h - the name getter of records that begin with their name: a column
// definition with its caption, a Gantt bar definition with its name. Lookups by name and the
// choosers take names through it.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

namespace varnholt {

template <class Record>
concept NameFirst = requires(const Record& record) {
    { record.leading_name() } -> std::convertible_to<std::wstring_view>;
};

template <NameFirst Record>
[[nodiscard]] std::wstring CopyLeadingName(const Record& record) {
    return std::wstring(std::wstring_view(record.leading_name()));
}

}  // namespace varnholt
