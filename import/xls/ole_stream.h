// ole_stream.h - takes the BIFF stream out of an .xls compound file: finds the "Workbook"
// stream (older writers call it "Book") and reads it whole into memory. The compound-file
// container itself is read by libgsf; nothing of it shows in this interface.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnholt {

enum class ole_error : std::uint8_t {
    none,
    unreadable,          // the file cannot be opened for reading
    not_compound_file,   // the container refuses the file (no valid compound-file header,
                         // damaged sector chains or directory)
    no_workbook_stream,  // no "Workbook" or "Book" stream in the root storage
    too_large,           // the stream is larger than kMaxWorkbookStreamBytes
    read_failed,         // the stream's sectors could not all be read
};

struct ole_status {
    ole_error error = ole_error::none;
    explicit operator bool() const { return error == ole_error::none; }
};

// Replaces `out` with the bytes of the workbook stream of the compound file at `path` (narrow,
// UTF-8), or leaves it empty on failure. Stream names compare without regard to ASCII case, as
// the container format compares them; "Workbook" is taken before "Book".
[[nodiscard]] ole_status read_workbook_stream(const std::string& path,
                                              std::vector<std::uint8_t>& out);

}  // namespace varnholt
