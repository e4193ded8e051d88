// biff_test_streams.cpp - byte-level BIFF8 records for the reader tests.

#include "biff_test_streams.h"

#include <bit>
#include <cassert>

namespace varnholt::test {

bytes u8(std::uint8_t value) { return {value}; }

bytes u16(std::uint16_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

bytes u32(std::uint32_t value) {
    return join(
        {u16(static_cast<std::uint16_t>(value)), u16(static_cast<std::uint16_t>(value >> 16))});
}

bytes f64(double value) {
    const auto raw = std::bit_cast<std::uint64_t>(value);
    return join({u32(static_cast<std::uint32_t>(raw)), u32(static_cast<std::uint32_t>(raw >> 32))});
}

bytes join(std::initializer_list<bytes> parts) {
    bytes out;
    for (const bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

void append(bytes& to, const bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

bytes record(std::uint16_t id, const bytes& body) {
    assert(body.size() <= 0xFFFF && "a record body has a 16-bit length");
    return join({u16(id), u16(static_cast<std::uint16_t>(body.size())), body});
}

bytes xl_string(std::u16string_view text, bool wide) {
    bytes out = join({u16(static_cast<std::uint16_t>(text.size())), u8(wide ? 1 : 0)});
    for (char16_t unit : text) {
        if (wide) {
            append(out, u16(unit));
        } else {
            assert(unit < 0x100 && "8-bit strings hold code points below 256");
            out.push_back(static_cast<std::uint8_t>(unit));
        }
    }
    return out;
}

bytes xl_string(std::string_view ascii) {
    return xl_string(std::u16string(ascii.begin(), ascii.end()), false);
}

bytes bof(std::uint16_t substream_type, std::uint16_t version) {
    return record(rec::kBof, join({u16(version), u16(substream_type), u16(0x0DBB), u16(0x07CC),
                                   u32(0), u32(0x06)}));
}

bytes eof() { return record(rec::kEof, {}); }

namespace {
bytes cell_header(std::uint16_t row, std::uint16_t column) {
    return join({u16(row), u16(column), u16(0x0F)});
}
}  // namespace

bytes label_sst(std::uint16_t row, std::uint16_t column, std::uint32_t index) {
    return record(rec::kLabelSst, join({cell_header(row, column), u32(index)}));
}

bytes label(std::uint16_t row, std::uint16_t column, const bytes& string) {
    return record(rec::kLabel, join({cell_header(row, column), string}));
}

bytes number(std::uint16_t row, std::uint16_t column, double value) {
    return record(rec::kNumber, join({cell_header(row, column), f64(value)}));
}

bytes rk(std::uint16_t row, std::uint16_t column, std::uint32_t value) {
    return record(rec::kRk, join({cell_header(row, column), u32(value)}));
}

bytes mul_rk(std::uint16_t row, std::uint16_t first_column,
             const std::vector<std::uint32_t>& values) {
    bytes body = join({u16(row), u16(first_column)});
    for (std::uint32_t value : values) append(body, join({u16(0x0F), u32(value)}));
    append(body, u16(static_cast<std::uint16_t>(first_column + values.size() - 1)));
    return record(rec::kMulRk, body);
}

bytes blank(std::uint16_t row, std::uint16_t column) {
    return record(rec::kBlank, cell_header(row, column));
}

bytes mul_blank(std::uint16_t row, std::uint16_t first_column, std::uint16_t count) {
    bytes body = join({u16(row), u16(first_column)});
    for (std::uint16_t i = 0; i < count; ++i) append(body, u16(0x0F));
    append(body, u16(static_cast<std::uint16_t>(first_column + count - 1)));
    return record(rec::kMulBlank, body);
}

bytes bool_err(std::uint16_t row, std::uint16_t column, std::uint8_t value, bool is_error) {
    return record(rec::kBoolErr, join({cell_header(row, column), u8(value), u8(is_error ? 1 : 0)}));
}

namespace {
bytes formula(std::uint16_t row, std::uint16_t column, const bytes& result) {
    // Options, reserved, then a formula of one token (the integer 1).
    const bytes tokens = join({u16(3), u8(0x1E), u16(1)});
    return record(rec::kFormula, join({cell_header(row, column), result, u16(0), u32(0), tokens}));
}
}  // namespace

bytes formula_number(std::uint16_t row, std::uint16_t column, double value) {
    return formula(row, column, f64(value));
}

bytes formula_special(std::uint16_t row, std::uint16_t column, std::uint8_t type,
                      std::uint8_t value) {
    return formula(row, column,
                   join({u8(type), u8(0), u8(value), u8(0), u8(0), u8(0), u16(0xFFFF)}));
}

bytes string_result(const bytes& string) { return record(rec::kString, string); }

bytes dimensions(std::uint32_t rows_end, std::uint16_t columns_end) {
    return record(rec::kDimensions,
                  join({u32(0), u32(rows_end), u16(0), u16(columns_end), u16(0)}));
}

bytes row_record(std::uint16_t row, std::uint16_t first_column, std::uint16_t columns_end) {
    return record(rec::kRow, join({u16(row), u16(first_column), u16(columns_end), u16(0xFF), u16(0),
                                   u16(0), u32(0x100)}));
}

bytes sst(const std::vector<bytes>& strings) {
    bytes body = join({u32(static_cast<std::uint32_t>(strings.size())),
                       u32(static_cast<std::uint32_t>(strings.size()))});
    for (const bytes& string : strings) append(body, string);
    return record(rec::kSst, body);
}

bytes workbook_stream(const std::vector<test_sheet>& sheets, const bytes& globals) {
    const auto bound_sheet = [](std::uint32_t offset, const std::string& name) {
        return record(rec::kBoundSheet,
                      join({u32(offset), u8(0), u8(0), u8(static_cast<std::uint8_t>(name.size())),
                            u8(0), bytes(name.begin(), name.end())}));
    };
    std::size_t globals_size = bof(0x0005).size() + globals.size() + eof().size();
    for (const test_sheet& sheet : sheets) globals_size += bound_sheet(0, sheet.name).size();

    bytes head = join({bof(0x0005), globals});
    bytes body;
    std::size_t offset = globals_size;
    for (const test_sheet& sheet : sheets) {
        append(head, bound_sheet(static_cast<std::uint32_t>(offset), sheet.name));
        const bytes substream = join({bof(0x0010), sheet.records, eof()});
        append(body, substream);
        offset += substream.size();
    }
    return join({head, eof(), body});
}

bytes one_sheet_stream(const bytes& records, const std::vector<std::u16string>& shared) {
    bytes globals;
    if (!shared.empty()) {
        std::vector<bytes> strings;
        for (const auto& text : shared) {
            bool wide = false;
            for (char16_t unit : text) wide = wide || unit >= 0x100;
            strings.push_back(xl_string(text, wide));
        }
        globals = sst(strings);
    }
    return workbook_stream({{"Sheet1", records}}, globals);
}

}  // namespace varnholt::test
