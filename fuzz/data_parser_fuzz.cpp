// data_parser_fuzz.cpp - libFuzzer entry: any bytes as a data tree, parsed on their own and
// read as a calendar's clndr_data. Must return without a crash, a hang or an unbounded
// allocation.

#include "import/data_parser.h"
#include "import/xer_parser.h"
#include "model/records/CalendarRecord.h"
#include "model/text_utils.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = varnholt::widen_string({reinterpret_cast<const char*>(data), size});
    const auto root = varnholt::data_parser::new_node(text);
    root->parse();
    varnholt::CalendarRecord calendar;
    varnholt::document::xer_parser::parse_calendar_data(calendar, text);
    return 0;
}
