// html_to_text_fuzz.cpp - libFuzzer entry: any bytes as a memo, converted in both modes. Must
// return without a crash or a hang; the single-line mode must hold no line feed, and neither
// mode may grow the text by more than its final line feed.

#include "model/text_utils.h"
#include "memo_text/HtmlToText.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring html = varnholt::widen_string({reinterpret_cast<const char*>(data), size});
    const std::wstring kept = varnholt::HtmlToText::Convert(html, true);
    const std::wstring joined = varnholt::HtmlToText::Convert(html, false);
    // Every output character answers for one source character, bar the last line's feed.
    if (kept.size() > html.size() + 1 || joined.size() != kept.size()) __builtin_trap();
    if (joined.find(L'\n') != std::wstring::npos) __builtin_trap();
    return 0;
}
