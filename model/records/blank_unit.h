// blank_unit.h - the construction default of quantity members that the reader fills with a
// particular kind of quantity (units per time, prices): blank, but of that kind already.
#pragma once

#include "model/s_unit.h"

#include <cstdint>

namespace varnholt {

[[nodiscard]] inline s_unit blank_unit(std::int32_t kind) {
    s_unit unit;
    unit.kind = kind;
    return unit;
}

}  // namespace varnholt
