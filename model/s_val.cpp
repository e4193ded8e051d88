// s_val.cpp - the shared null value and the base answers that need it.

#include "s_val.h"

namespace varnholt {

const s_val& s_val::null_value() {
    // Leaked on purpose: callers hold pointers to it until the very end of the process.
    static const s_val* const shared = new s_val();
    return *shared;
}

s_val_ptr s_val::clone() const {
    return s_val_ptr(&null_value());
}

void s_val_deleter::operator()(const s_val* value) const noexcept {
    if (!s_val::is_null_value(value)) delete value;
}

}  // namespace varnholt
