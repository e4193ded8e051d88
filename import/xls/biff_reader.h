// biff_reader.h - turns the BIFF8 stream of an .xls workbook (the "Workbook" stream of its
// compound file) into sheets of cells. Works on bytes in memory and never touches a file, so
// tests and the fuzzer feed it directly. One pass over each substream; every length, count and
// offset the stream declares is checked before use, and a damaged stream yields a status naming
// the record at fault, never a crash or a half-read workbook.
#pragma once

#include "import/xls/biff_records.h"
#include "import/xls/biff_status.h"
#include "import/xls/biff_workbook.h"

#include <cstddef>
#include <cstdint>

namespace varnholt {

// Limits of the format, and limits of ours that keep a hostile stream from making us allocate
// far more than it holds (a row count costs nothing to declare but memory to honour).
inline constexpr std::size_t kMaxWorkbookStreamBytes = std::size_t{256} << 20;
inline constexpr std::uint32_t kMaxSheetRows = 65536;
inline constexpr std::uint32_t kMaxSheetColumns = 256;
inline constexpr std::size_t kMaxSheets = 1024;
inline constexpr std::uint64_t kMaxWorkbookRows = std::uint64_t{16} * kMaxSheetRows;
// Rows 0 and 1 (field names and captions) are copied into the sheet's lookups.
inline constexpr std::size_t kMaxHeaderTextBytes = std::size_t{8} << 20;
inline constexpr int kMaxSubstreamDepth = 8;  // a sheet with an embedded chart has depth 2

class biff_reader {
public:
    // Replaces `out` with the workbook the stream holds, or leaves it empty on failure.
    [[nodiscard]] static biff_status parse(byte_span stream, biff_workbook& out);
};

// The number an RK field holds: the upper 30 bits are either a signed integer or the upper
// bits of a double, and bit 0 says the value was multiplied by 100.
[[nodiscard]] double rk_value(std::uint32_t rk);

}  // namespace varnholt
