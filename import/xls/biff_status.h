// biff_status.h - why a BIFF8 workbook stream was refused, and at which record.
#pragma once

#include <cstddef>
#include <cstdint>

namespace varnholt {

enum class biff_error : std::uint8_t {
    none,
    truncated_record,    // a record header or body reaches past the end of its substream
    no_workbook_bof,     // the stream does not open with the BOF of the workbook globals
    not_biff8,           // a BOF of another BIFF version (only BIFF8 is read)
    encrypted,           // a FILEPASS record: the contents are encrypted
    missing_eof,         // a substream ends (stream end or next sheet) before its EOF
    short_record,        // a record body shorter than its fixed fields
    bad_string,          // a string longer than its record and CONTINUE records, or a
                         // CONTINUE boundary inside a 16-bit character
    bad_shared_strings,  // a second SST, or an SST count promising more strings than it holds
    bad_string_index,    // a LABELSST index past the shared strings
    bad_sheet_offset,    // a sheet substream outside the stream, inside the globals, shared with
                         // another sheet, or not opening with a BOF
    bad_cell_address,    // a column past the 256 a sheet can have, or a MULRK/MULBLANK whose
                         // column range does not match its length
    bad_dimensions,      // DIMENSIONS or ROW declaring more rows or columns than a sheet has
    too_deep,            // substreams nested beyond any real workbook (embedded charts)
    too_large,           // past a size limit: stream, sheet count, rows, header texts
};

struct biff_status {
    biff_error error = biff_error::none;
    std::size_t offset = 0;  // stream offset of the record at fault (0 for the whole stream)

    explicit operator bool() const { return error == biff_error::none; }
    friend bool operator==(const biff_status&, const biff_status&) = default;
};

[[nodiscard]] inline biff_status biff_fail(biff_error error, std::size_t offset) {
    return {error, offset};
}

}  // namespace varnholt
