// xer_field_store.cpp - the value kinds whose empty text or display kind needs a rule.

#include "import/xer_field_store.h"

#include <limits>

namespace varnholt::xer_store_detail {

void store(std::wstring& member, const xer_field_def&, std::wstring_view text) {
    member.assign(text);  // plain text: unchanged, quotation marks included
}

void store(s_string& member, const xer_field_def&, std::wstring_view text) {
    member = text;  // folds doubled quotation marks; the value flag stays as it was
}

void store(s_int& member, const xer_field_def& def, std::wstring_view text) {
    if (text.empty() && def.on_empty == empty_text_rule::blank_int_max) {
        member.value = std::numeric_limits<std::int32_t>::max();
        member.null_flag = 0;
        member.blank = 1;
        return;
    }
    // The number and its flag only: a blank mark set by an earlier empty value stays.
    const s_int parsed(text);
    member.value = parsed.value;
    member.null_flag = parsed.null_flag;
}

void store(s_dur& member, const xer_field_def& def, std::wstring_view text) {
    if (text.empty() && def.on_empty == empty_text_rule::blank) {
        member = s_dur();
        return;
    }
    member = s_dur(text);
}

void store(s_unit& member, const xer_field_def& def, std::wstring_view text) {
    if (text.empty() && def.on_empty == empty_text_rule::blank) {
        member = s_unit();
        member.kind = def.unit_kind;  // blank, but still shown as the field's kind of quantity
        return;
    }
    member = s_unit(text, def.unit_kind);
}

}  // namespace varnholt::xer_store_detail
