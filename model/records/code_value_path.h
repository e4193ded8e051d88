// code_value_path.h - the dotted path names of project and resource code values ("R.A.B"),
// built by putting each value's parent in front of its own short name.
#pragma once

#include "model/s_string.h"

#include <cstddef>

namespace varnholt {

// A path never grows past this many characters. Values are taken in file order and each
// copies its parent's whole path, so a long hostile chain would otherwise need memory that
// grows with the square of its length; real code trees stay far below it.
inline constexpr std::size_t kMaxCodePathLength = 1024;

// Puts the parent's short name as it stands now (its whole path once the parent has one) and
// "." in front of `short_name`; only the text changes. A result longer than
// kMaxCodePathLength leaves the short name as it was. Answers whether it changed the name.
bool PrependParentPath(s_string& short_name, const s_string& parent_short_name);

}  // namespace varnholt
