// enum_value.cpp - reading, showing and comparing enumerated values through their descriptors.

#include "enum_value.h"

#include "CaptionCatalog.h"

namespace varnholt {

namespace {

enum_order order_of(const enum_orders& orders, compare_op op) noexcept {
    switch (op) {
    case compare_op::less: return orders.less;
    case compare_op::less_equal: return orders.less_equal;
    case compare_op::greater: return orders.greater;
    case compare_op::greater_equal: return orders.greater_equal;
    case compare_op::equal: return orders.equal;
    case compare_op::not_equal: return orders.not_equal;
    }
    return enum_order::base;
}

const enum_shown* shown_of(const enum_descriptor& descriptor, std::int32_t value) noexcept {
    if (value < 0 || static_cast<std::size_t>(value) >= descriptor.shown.size()) return nullptr;
    return &descriptor.shown[static_cast<std::size_t>(value)];
}

// A value outside the table sorts with whatever has rank 0.
std::int32_t rank_of(const enum_descriptor& descriptor, std::int32_t value) noexcept {
    const enum_shown* shown = shown_of(descriptor, value);
    return shown != nullptr ? shown->rank : 0;
}

}  // namespace

std::int32_t enum_value_from_text(const enum_descriptor& descriptor, std::wstring_view file_text) noexcept {
    for (const auto& accepted : descriptor.texts) {
        if (accepted.text == file_text) return accepted.value;
    }
    return descriptor.default_value;
}

std::wstring enum_display_text(const enum_descriptor& descriptor, std::int32_t value) {
    const enum_shown* shown = shown_of(descriptor, value);
    if (shown == nullptr) return {};
    std::wstring text;
    if (shown->caption != kNoCaption) text = CaptionCatalog::Instance().Lookup(shown->caption);
    text += shown->fixed_text;
    return text;
}

bool compare_enum_values(const enum_descriptor& descriptor, compare_op op, std::int32_t own,
                         std::int32_t other) noexcept {
    switch (order_of(descriptor.orders, op)) {
    case enum_order::base: return false;
    case enum_order::value: return compare_numbers(op, own, other);
    case enum_order::rank: return compare_numbers(op, rank_of(descriptor, own), rank_of(descriptor, other));
    }
    return false;
}

}  // namespace varnholt
