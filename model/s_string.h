// s_string.h - a text field: names, codes, ids held as text, memo HTML.
#pragma once

#include "s_val.h"

#include <string>
#include <string_view>

namespace varnholt {

class s_string final : public s_val {
public:
    s_string() = default;
    // From file text: the text as given, with every doubled quotation mark made single (the
    // exports double them inside values). A narrow text is widened first.
    explicit s_string(std::wstring_view file_text);
    explicit s_string(std::string_view file_bytes);

    // Value-to-value copies keep the text exactly: it has been un-doubled once already.
    s_string(const s_string&) = default;
    s_string(s_string&&) = default;
    s_string& operator=(const s_string&) = default;
    s_string& operator=(s_string&&) = default;

    // Replaces the text with file text (un-doubling quotation marks); the null flag stays.
    s_string& operator=(std::wstring_view file_text);

    void append(std::wstring_view more) { text += more; }
    // Replaces every occurrence of find, continuing after each inserted replacement; an empty
    // find changes nothing.
    void replace_all(std::wstring_view find, std::wstring_view replacement);

    [[nodiscard]] std::wstring to_string() const override { return text; }
    [[nodiscard]] s_val_ptr clone() const override;
    [[nodiscard]] bool is_string() const override { return true; }

    std::wstring text;

protected:
    // Code-unit order, with the empty text after every other text.
    [[nodiscard]] bool compare(compare_op op, const s_val& other) const override;
    // Case-folded matching against the other value's display text.
    [[nodiscard]] bool match(text_match op, const s_val& other) const override;

private:
    void undouble_quotes() { replace_all(L"\"\"", L"\""); }
};

}  // namespace varnholt
