// xls_workbook.cpp - opening a workbook file or stream and keeping its sheets.

#include "import/xls/xls_workbook.h"

#include "import/xls/biff_reader.h"

#include <fstream>

namespace varnholt {

xls_workbook::~xls_workbook() { close_sheets(); }

bool xls_workbook::is_ole_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    char signature[2] = {};
    if (!file.read(signature, sizeof signature)) return false;
    return static_cast<unsigned char>(signature[0]) == 0xD0 &&
           static_cast<unsigned char>(signature[1]) == 0xCF;
}

void xls_workbook::reset() {
    close_sheets();
    m_book.reset();
    m_status = {};
}

int xls_workbook::open(const std::string& path) {
    reset();
    if (!is_ole_file(path)) {
        m_status.no_signature = true;
        return kNotCompoundFile;
    }
    std::vector<std::uint8_t> stream;
    m_status.container = read_workbook_stream(path, stream).error;
    if (m_status.container != ole_error::none) return kOpenFailed;
    return parse_stream(stream);
}

int xls_workbook::open_stream(byte_span stream) {
    reset();
    return parse_stream(stream);
}

int xls_workbook::parse_stream(byte_span stream) {
    auto book = std::make_unique<biff_workbook>();
    m_status.records = biff_reader::parse(stream, *book);
    if (!m_status.records) return kOpenFailed;
    m_book = std::move(book);
    load_sheets();
    return kOpened;
}

void xls_workbook::load_sheets() {
    close_sheets();
    if (!m_book) return;
    const auto count = static_cast<std::uint32_t>(m_book->sheets.size());
    m_sheets.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        m_sheets.push_back(std::make_unique<xls_sheet>(m_book.get(), i));
    }
    m_sheet_count = count;
}

void xls_workbook::close_sheets() {
    // Front to back, as they were built.
    for (auto& sheet : m_sheets) sheet.reset();
    m_sheets.clear();
    m_sheet_count = 0;
}

const xls_sheet* xls_workbook::sheet(std::uint32_t index) const {
    return index < m_sheets.size() ? m_sheets[index].get() : nullptr;
}

const xls_sheet* xls_workbook::find_sheet(std::string_view name) const {
    for (const auto& sheet : m_sheets) {
        if (sheet->name() == name) return sheet.get();
    }
    return nullptr;
}

}  // namespace varnholt
