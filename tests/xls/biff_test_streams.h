// biff_test_streams.h - builds BIFF8 workbook streams byte by byte, so that each reader test
// states exactly the records it feeds in, damaged ones included.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::test {

using bytes = std::vector<std::uint8_t>;

bytes u8(std::uint8_t value);
bytes u16(std::uint16_t value);
bytes u32(std::uint32_t value);
bytes f64(double value);
bytes join(std::initializer_list<bytes> parts);
void append(bytes& to, const bytes& more);

// A record: 16-bit id, 16-bit body length, body.
bytes record(std::uint16_t id, const bytes& body);

// String bodies: 16-bit count, option byte, characters (8-bit when `wide` is false, in which
// case every unit must be below 256).
bytes xl_string(std::u16string_view text, bool wide);
bytes xl_string(std::string_view ascii);

// Record ids the tests write.
namespace rec {
inline constexpr std::uint16_t kFormula = 0x0006, kEof = 0x000A, kFilePass = 0x002F,
                               kContinue = 0x003C, kBoundSheet = 0x0085, kMulRk = 0x00BD,
                               kMulBlank = 0x00BE, kRString = 0x00D6, kSst = 0x00FC,
                               kLabelSst = 0x00FD, kDimensions = 0x0200, kBlank = 0x0201,
                               kNumber = 0x0203, kLabel = 0x0204, kBoolErr = 0x0205,
                               kString = 0x0207, kRow = 0x0208, kRk = 0x027E, kShrFmla = 0x04BC,
                               kBof = 0x0809;
}

// Cell and sheet records.
bytes bof(std::uint16_t substream_type, std::uint16_t version = 0x0600);  // 5 globals, 0x10 sheet
bytes eof();
bytes label_sst(std::uint16_t row, std::uint16_t column, std::uint32_t index);
bytes label(std::uint16_t row, std::uint16_t column, const bytes& string);
bytes number(std::uint16_t row, std::uint16_t column, double value);
bytes rk(std::uint16_t row, std::uint16_t column, std::uint32_t value);
bytes mul_rk(std::uint16_t row, std::uint16_t first_column,
             const std::vector<std::uint32_t>& values);
bytes blank(std::uint16_t row, std::uint16_t column);
bytes mul_blank(std::uint16_t row, std::uint16_t first_column, std::uint16_t count);
bytes bool_err(std::uint16_t row, std::uint16_t column, std::uint8_t value, bool is_error);
bytes formula_number(std::uint16_t row, std::uint16_t column, double value);
// A formula whose result is no number: 0 text (a STRING record follows), 1 boolean, 2 error,
// 3 empty text.
bytes formula_special(std::uint16_t row, std::uint16_t column, std::uint8_t type,
                      std::uint8_t value = 0);
bytes string_result(const bytes& string);
bytes dimensions(std::uint32_t rows_end, std::uint16_t columns_end);
bytes row_record(std::uint16_t row, std::uint16_t first_column, std::uint16_t columns_end);
// An SST record announcing `strings.size()` strings, all in one record.
bytes sst(const std::vector<bytes>& strings);

struct test_sheet {
    std::string name;  // ASCII
    bytes records;     // between the sheet's BOF and EOF
};

// Globals (BOF, `globals`, one BOUNDSHEET per sheet, EOF) then each sheet's substream, with the
// BOUNDSHEET offsets pointing at them.
bytes workbook_stream(const std::vector<test_sheet>& sheets, const bytes& globals = {});
// A workbook of one sheet "Sheet1" with the given shared strings and records.
bytes one_sheet_stream(const bytes& records, const std::vector<std::u16string>& shared = {});

inline std::span<const std::uint8_t> view(const bytes& b) { return b; }

}  // namespace varnholt::test
