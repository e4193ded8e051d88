// FilterArgument.cpp - making filter arguments.

#include "layouts/FilterArgument.h"

namespace varnholt::view {

namespace {

// The shared null value in an owning pointer: its deleter recognises it and never frees it.
s_val_ptr SharedNull() { return s_val_ptr(&s_val::null_value()); }

}  // namespace

std::unique_ptr<FilterArgument> FilterArgument::MakeSingle(const s_val& value) {
    return std::unique_ptr<FilterArgument>(new FilterArgument(value.clone(), SharedNull()));
}

std::unique_ptr<FilterArgument> FilterArgument::MakeRange(const s_val& low_value, const s_val& high_value) {
    return std::unique_ptr<FilterArgument>(new FilterArgument(low_value.clone(), high_value.clone()));
}

}  // namespace varnholt::view
