// record_defaults.h - construction defaults of record members that the tables give as
// "no value, but holding N": the null flag stays set while the integer is already N.
#pragma once

#include <cstdint>

namespace varnholt {

// A value without a value flag that still holds `stored`, so that a row which leaves the
// field out shows and sorts as that default.
template <class Value>
[[nodiscard]] Value unset_value(std::int32_t stored) {
    Value v;
    v.value = stored;
    return v;
}

}  // namespace varnholt
