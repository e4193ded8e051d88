// s_bool.h - a yes/no field; the file writes "Y" for yes.
#pragma once

#include "s_val.h"

#include <string_view>

namespace varnholt {

class s_bool final : public s_val {
public:
    s_bool() = default;
    explicit s_bool(bool value) : flag(value ? 1 : 0) { null_flag = 0; }
    // Yes exactly when the whole text is "Y": "y", "Yes" and the empty text are no.
    explicit s_bool(std::wstring_view file_text) : s_bool(file_text == L"Y") {}
    explicit s_bool(std::string_view file_text) : s_bool(file_text == "Y") {}

    [[nodiscard]] bool as_bool() const override { return flag != 0; }
    // "Yes" or "No" in the caption language.
    [[nodiscard]] std::wstring to_string() const override;
    [[nodiscard]] s_val_ptr clone() const override { return s_val_ptr(new s_bool(*this)); }

    std::uint8_t flag = 0;  // 0 or 1

protected:
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
};

}  // namespace varnholt
