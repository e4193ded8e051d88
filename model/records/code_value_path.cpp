// code_value_path.cpp - the dotted path names of code values.

#include "model/records/code_value_path.h"

#include <string>
#include <utility>

namespace varnholt {

bool PrependParentPath(s_string& short_name, const s_string& parent_short_name) {
    const std::wstring& parent = parent_short_name.text;
    if (parent.size() + 1 + short_name.text.size() > kMaxCodePathLength) return false;
    // Built apart first: a value may name itself as its parent.
    std::wstring path;
    path.reserve(parent.size() + 1 + short_name.text.size());
    path.append(parent).append(1, L'.').append(short_name.text);
    short_name.text = std::move(path);
    return true;
}

}  // namespace varnholt
