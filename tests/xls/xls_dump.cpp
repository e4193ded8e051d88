// xls_dump.cpp - prints what our reader sees in a workbook: each sheet's name and size, then
// every cell with a non-empty text, one per line. The xlrd cross-check compares it with the
// same listing made by an independent reader.
//
// Usage: xls_dump WORKBOOK   (exit status 1 when the workbook is refused)

#include "import/xls/xls_workbook.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

// Tab, line feed, carriage return and backslash escaped, so one cell stays one line.
std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    // Take the user's locale, as the viewer does: the listing must not change with it.
    std::setlocale(LC_ALL, "");
    if (argc != 2) {
        std::fputs("usage: xls_dump WORKBOOK\n", stderr);
        return 2;
    }
    varnholt::xls_workbook book;
    if (const int result = book.open(argv[1]); result != varnholt::xls_workbook::kOpened) {
        const auto& status = book.status();
        std::fprintf(stderr, "refused: open answered %d (container %d, records %d at %zu)\n",
                     result, static_cast<int>(status.container),
                     static_cast<int>(status.records.error), status.records.offset);
        return 1;
    }
    for (std::uint32_t i = 0; i < book.sheet_count(); ++i) {
        const varnholt::xls_sheet& sheet = *book.sheet(i);
        std::printf("sheet\t%s\t%u\t%u\n", escaped(sheet.name()).c_str(), sheet.row_count(),
                    sheet.column_count());
        for (std::uint32_t r = 0; r < sheet.row_count(); ++r) {
            for (std::uint32_t c = 0; c < sheet.column_count(); ++c) {
                const std::string text = sheet.cell_text(r, c);
                if (!text.empty()) std::printf("%u\t%u\t%s\n", r, c, escaped(text).c_str());
            }
        }
    }
    return 0;
}
