// s_dur.cpp - duration display and order.

#include "s_dur.h"

#include "display_settings.h"
#include "number_text.h"
#include "value_compare.h"

namespace varnholt {

s_dur::s_dur(std::wstring_view file_text) : s_dur(number_from_text(file_text)) {}

std::wstring s_dur::to_string() const {
    const UnitDisplaySettings& settings = display_settings().active;
    const std::int32_t unit = settings.duration_UnitOfTime;
    if (blank != 0 || !is_time_unit(unit)) return {};
    std::wstring text = number_form(value, factors.get(), unit, settings.duration_Decimals);
    if (settings.duration_ShowDurationLabel) text += duration_letter(unit);
    return text;
}

bool s_dur::compare(compare_op op, const s_val& other) const {
    const s_dur* peer = same_class<s_dur>(other);
    if (peer == nullptr) return false;
    const bool own_blank = blank != 0, other_blank = peer->blank != 0;
    if (op == compare_op::equal || op == compare_op::not_equal || own_blank == other_blank)
        return compare_numbers(op, value, peer->value);
    // Exactly one side is blank: it sorts after the other.
    const bool ascending = op == compare_op::less || op == compare_op::less_equal;
    return ascending ? other_blank : own_blank;
}

}  // namespace varnholt
