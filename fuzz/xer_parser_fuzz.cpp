// xer_parser_fuzz.cpp - libFuzzer entry: any bytes as an export file. Must return without a
// crash, a hang or an unbounded allocation.

#include "import/xer_parser.h"
#include "model/Document.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

class FuzzDocument final : public varnholt::document::Document {
public:
    [[nodiscard]] bool Open(std::wstring_view) override { return false; }
    void Build() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzDocument doc;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto result = varnholt::document::xer_parser::parse_bytes(doc, bytes);
    // The cheap test and the reader must agree on what is an export.
    if ((result.doc != nullptr) != varnholt::document::xer_parser::has_signature(bytes)) __builtin_trap();
    return 0;
}
