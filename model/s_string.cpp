// s_string.cpp - text values: construction from file text, order and case-free matching.

#include "s_string.h"

#include "text_utils.h"
#include "value_compare.h"

namespace varnholt {

s_string::s_string(std::wstring_view file_text) : text(file_text) {
    null_flag = 0;
    undouble_quotes();
}

s_string::s_string(std::string_view file_bytes) : text(widen_string(file_bytes)) {
    null_flag = 0;
    undouble_quotes();
}

s_string& s_string::operator=(std::wstring_view file_text) {
    text.assign(file_text);
    undouble_quotes();
    return *this;
}

void s_string::replace_all(std::wstring_view find, std::wstring_view replacement) {
    if (find.empty()) return;
    for (std::size_t pos = text.find(find); pos != std::wstring::npos;
         pos = text.find(find, pos + replacement.size())) {
        text.replace(pos, find.size(), replacement);
    }
}

s_val_ptr s_string::clone() const { return s_val_ptr(new s_string(*this)); }

namespace {

// Empty texts sort after all others, so blank names gather at the end of an ascending sort.
bool text_less(std::wstring_view a, std::wstring_view b) {
    if (a.empty() != b.empty()) return b.empty();
    return compare_code_units(a, b) < 0;
}

}  // namespace

bool s_string::compare(compare_op op, const s_val& other) const {
    const s_string* peer = same_class<s_string>(other);
    if (peer == nullptr) return false;
    const std::wstring& a = text;
    const std::wstring& b = peer->text;
    switch (op) {
    case compare_op::less: return text_less(a, b);
    case compare_op::greater: return text_less(b, a);
    case compare_op::less_equal: return !text_less(b, a);
    case compare_op::greater_equal: return !text_less(a, b);
    case compare_op::equal: return a == b;
    case compare_op::not_equal: return a != b;
    }
    return false;
}

bool s_string::match(text_match op, const s_val& other) const {
    if (is_null_value(&other)) return false;
    const std::wstring own = fold_case(text);
    const std::wstring wanted = fold_case(other.to_string());
    switch (op) {
    case text_match::contains:
        return own.find(wanted) != std::wstring::npos;
    case text_match::equals_no_case:
        return own == wanted;
    case text_match::starts_with:
        return !wanted.empty() && wanted.size() <= own.size() && own.starts_with(wanted);
    case text_match::ends_with:
        return !wanted.empty() && wanted.size() <= own.size() && own.ends_with(wanted);
    }
    return false;
}

}  // namespace varnholt
