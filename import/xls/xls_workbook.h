// xls_workbook.h - an .xls workbook as the workbook import reads it: open the file, find a
// sheet by name, read cell texts through xls_sheet. All texts are narrow UTF-8.
// The compound file is read by ole_stream, its BIFF8 stream by biff_reader; open() answers the
// plain codes the import expects, and status() keeps why a file was refused, for the shell.
#pragma once

#include "import/xls/biff_records.h"
#include "import/xls/biff_status.h"
#include "import/xls/biff_workbook.h"
#include "import/xls/ole_stream.h"
#include "import/xls/xls_sheet.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// Why the last open failed: the container, or the BIFF stream inside it.
struct xls_open_status {
    bool no_signature = false;  // the file is unreadable or lacks the compound-file signature
    ole_error container = ole_error::none;
    biff_status records;

    explicit operator bool() const {
        return !no_signature && container == ole_error::none && records;
    }
};

class xls_workbook {
public:
    // Answers of open().
    static constexpr int kOpened = 0;           // parsed, every sheet loaded
    static constexpr int kNotCompoundFile = 1;  // is_ole_file() said no; nothing else was tried
    static constexpr int kOpenFailed = 2;       // the container or its workbook stream is refused

    xls_workbook() = default;
    ~xls_workbook();
    xls_workbook(const xls_workbook&) = delete;
    xls_workbook& operator=(const xls_workbook&) = delete;

    // True when the file opens and its first two bytes are those of a compound file (0xD0 0xCF);
    // the rest of the signature is left to open().
    [[nodiscard]] static bool is_ole_file(const std::string& path);

    // Opens the workbook at `path` (UTF-8) and loads every sheet: kOpened, kNotCompoundFile or
    // kOpenFailed. Opening again first drops what the last open loaded.
    [[nodiscard]] int open(const std::string& path);
    // The same from the bytes of a workbook stream already in memory: kOpened or kOpenFailed.
    [[nodiscard]] int open_stream(byte_span stream);

    // Builds one sheet per sheet of the parsed workbook, in workbook order (after dropping any
    // loaded before). Does nothing before a successful open.
    void load_sheets();
    // Drops every sheet; the sheet count becomes 0.
    void close_sheets();

    [[nodiscard]] std::uint32_t sheet_count() const { return m_sheet_count; }
    // Sheet `index` in workbook order, or null past the last.
    [[nodiscard]] const xls_sheet* sheet(std::uint32_t index) const;
    // The first sheet whose name equals `name` bytewise (letter case counts), or null.
    [[nodiscard]] const xls_sheet* find_sheet(std::string_view name) const;

    [[nodiscard]] const xls_open_status& status() const { return m_status; }

private:
    void reset();
    [[nodiscard]] int parse_stream(byte_span stream);

    // Declared before the sheets, which point into it, so that it is destroyed after them.
    std::unique_ptr<biff_workbook> m_book;
    std::vector<std::unique_ptr<xls_sheet>> m_sheets;
    std::uint32_t m_sheet_count = 0;
    xls_open_status m_status;
};

}  // namespace varnholt
