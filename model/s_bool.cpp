// s_bool.cpp - yes/no display and order (no before yes).

#include "s_bool.h"

#include "CaptionCatalog.h"
#include "caption_ids.h"
#include "value_compare.h"

namespace varnholt {

std::wstring s_bool::to_string() const {
    return CaptionCatalog::Instance().Lookup(flag != 0 ? kCaptionYes : kCaptionNo);
}

bool s_bool::compare(compare_op op, const s_val& other) const {
    const s_bool* peer = same_class<s_bool>(other);
    return peer != nullptr && compare_numbers(op, flag, peer->flag);
}

}  // namespace varnholt
