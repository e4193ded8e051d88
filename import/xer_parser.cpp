// xer_parser.cpp - the line and token loop of the XER reader, and reading the file.
//
// Lines end at LF; CRs right before the LF belong to the line end, so CR LF and LF files
// read alike, and any other CR is removed from the values. Tokens are TAB-separated views
// into the file buffer; a token is widened only when something keeps it.

#include "import/xer_parser.h"

#include "import/text_decoding.h"
#include "import/xer_record_target.h"
#include "model/Document.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <limits>
#include <new>
#include <string>
#include <system_error>

namespace varnholt::document {

namespace {

constexpr std::string_view kHeaderToken = "ERMHDR";
constexpr std::string_view kTableMarker = "%T";
constexpr std::string_view kFieldMarker = "%F";
constexpr std::string_view kRowMarker = "%R";
constexpr std::string_view kEndMarker = "%E";

// Enough of a file's start to hold the header token after a byte-order mark.
constexpr std::size_t kSignatureBytes = 4096;

// The lines of a text, without their line ends.
class line_cursor {
public:
    explicit line_cursor(std::string_view text) : m_rest(text) {}

    [[nodiscard]] std::size_t line_number() const { return m_number; }  // of the last line given

    bool next(std::string_view& line) {
        if (m_rest.empty()) return false;
        ++m_number;
        const std::size_t lf = m_rest.find('\n');
        line = m_rest.substr(0, lf);
        m_rest = lf == std::string_view::npos ? std::string_view{} : m_rest.substr(lf + 1);
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return true;
    }

private:
    std::string_view m_rest;
    std::size_t m_number = 0;
};

// The TAB-separated tokens of a line. Two TABs in a row give an empty token; a TAB at the
// very end of the line gives none.
class token_cursor {
public:
    explicit token_cursor(std::string_view line) : m_rest(line) {}

    bool next(std::string_view& token) {
        if (m_done) return false;
        const std::size_t tab = m_rest.find('\t');
        token = m_rest.substr(0, tab);
        if (tab == std::string_view::npos || tab + 1 == m_rest.size()) m_done = true;
        else m_rest.remove_prefix(tab + 1);
        return true;
    }

private:
    std::string_view m_rest;
    bool m_done = false;
};

// The text a file's bytes stand for: up to the first zero byte, without a byte-order mark.
unmarked_text xer_text_of(std::string_view bytes) {
    return skip_byte_order_mark(bytes.substr(0, bytes.find('\0')));
}

bool is_header_line(std::string_view line) {
    std::string_view first;
    return token_cursor(line).next(first) && first == kHeaderToken;
}

enum class line_outcome : unsigned char { read, end_marker, over_allowance };

// The memory a read of a text this long may build (see xer_limits).
std::size_t allowance_for(std::size_t text_bytes, const xer_limits& limits) {
    constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
    if (limits.bytes_per_text_byte != 0 && text_bytes > (kMax - limits.base_bytes) / limits.bytes_per_text_byte)
        return kMax;
    return limits.base_bytes + text_bytes * limits.bytes_per_text_byte;
}

// One pass over the lines after the header.
class xer_reader {
public:
    xer_reader(Document& doc, xer_doc& out, value_decoding decoding, std::size_t allowance)
        : m_doc(doc), m_out(out), m_decoding(decoding), m_allowance(allowance) {}

    void read_header(std::string_view line) {
        token_cursor tokens(line);
        std::string_view token;
        tokens.next(token);  // ERMHDR
        XerHeader& header = m_doc.Header();
        for (int index = 0; tokens.next(token); ++index) {
            switch (index) {
            case 0: header.version = s_string(decode(token)); break;
            case 1: header.export_date = s_date(decode(token)); break;
            case 3: header.field3 = s_string(decode(token)); break;
            case 4: header.field4 = s_string(decode(token)); break;
            case 7: header.field7 = s_string(decode(token)); return;
            default: break;  // tokens 2, 5 and 6 are not kept
            }
        }
    }

    line_outcome read_line(std::string_view line) {
        token_cursor tokens(line);
        std::string_view marker;
        if (!tokens.next(marker)) return line_outcome::read;
        // Only the first token is a marker: a value that reads "%R" is still a value.
        if (marker == kTableMarker) read_table_line(tokens);
        else if (marker == kFieldMarker) read_field_line(tokens);
        else if (marker == kRowMarker) read_row_line(tokens);
        else if (marker == kEndMarker) return line_outcome::end_marker;
        return m_over_allowance ? line_outcome::over_allowance : line_outcome::read;
    }

private:
    // Counts what a line builds against the allowance; false once it is spent.
    bool charge(std::size_t bytes) {
        if (m_over_allowance || bytes > m_allowance) {
            m_over_allowance = true;
            return false;
        }
        m_allowance -= bytes;
        return true;
    }

    // A table line normally has one name; with several, the last names the table and the
    // last known one sets its id.
    void read_table_line(token_cursor& tokens) {
        if (!charge(sizeof(xer_table))) return;
        xer_table& table = m_out.add_table();
        m_table = &table;
        std::string_view token;
        while (tokens.next(token)) {
            const std::wstring& name = decode(token);
            if (const int id = m_out.table_id(name)) table.table_id = id;
            table.name = name;
        }
    }

    // A second field line of the same table adds to the first.
    void read_field_line(token_cursor& tokens) {
        if (m_table == nullptr) return;
        std::string_view token;
        while (tokens.next(token)) {
            if (!charge(sizeof(xer_field) + token.size() * sizeof(wchar_t))) return;
            xer_field& field = m_table->add_field(decode(token));
            if (m_table->table_id != 0) field.id = m_out.field_id(m_table->table_id, field.name);
        }
    }

    // Every row line of a known table makes one record, whatever its values; values go to
    // fields by position, and those past the field list or under an unknown name are dropped.
    void read_row_line(token_cursor& tokens) {
        if (m_table == nullptr) return;
        if (m_table->table_id == 0) {
            if (charge(sizeof(xer_row))) m_table->add_row();
            return;
        }
        const auto table = static_cast<varnholt::xer_table>(m_table->table_id);
        if (!charge(xer_record_target::record_size(table))) return;
        const xer_record_target record = xer_record_target::create(m_doc, table);
        const auto& fields = m_table->fields;
        std::string_view token;
        for (std::size_t index = 0; index < fields.size() && tokens.next(token); ++index) {
            if (const int id = fields[index]->id) record.set(id, decode(token));
        }
    }

    // The token as wide text without CRs, in a buffer reused for every token.
    const std::wstring& decode(std::string_view token) {
        m_buffer.clear();
        append_decoded_value(token, m_decoding, m_buffer);
        std::erase(m_buffer, L'\r');
        return m_buffer;
    }

    Document& m_doc;
    xer_doc& m_out;
    value_decoding m_decoding;
    xer_table* m_table = nullptr;  // the table of the last table line
    std::wstring m_buffer;
    std::size_t m_allowance;
    bool m_over_allowance = false;
};

// The whole file. Its size is only a hint for the buffer: what is actually read is parsed.
xer_error read_whole_file(const std::filesystem::path& path, std::string& bytes) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);  // regular files only
    if (error) return xer_error::unreadable;
    if (size > xer_parser::kMaxFileBytes) return xer_error::too_large;
    std::ifstream in(path, std::ios::binary);
    if (!in) return xer_error::unreadable;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return xer_error::too_large;
    }
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return xer_error::unreadable;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return xer_error::none;
}

}  // namespace

std::unique_ptr<xer_doc> xer_parser::parse(Document& doc, const std::filesystem::path& path) {
    return parse_file(doc, path).doc;
}

xer_result xer_parser::parse_file(Document& doc, const std::filesystem::path& path) {
    std::string bytes;
    if (const xer_error error = read_whole_file(path, bytes); error != xer_error::none)
        return {nullptr, {error, 0}};
    return parse_bytes(doc, bytes);
}

xer_result xer_parser::parse_bytes(Document& doc, std::string_view bytes, const xer_limits& limits) {
    const std::string_view text = xer_text_of(bytes).text;
    line_cursor lines(text);
    std::string_view line;
    if (!lines.next(line) || !is_header_line(line)) return {nullptr, {xer_error::no_header, 1}};

    auto out = xer_doc::create();
    xer_reader reader(doc, *out, decide_value_decoding(text), allowance_for(text.size(), limits));
    reader.read_header(line);
    while (lines.next(line)) {
        const line_outcome outcome = reader.read_line(line);
        if (outcome == line_outcome::end_marker) break;
        // The records made so far stay in the Document, which the caller then drops.
        if (outcome == line_outcome::over_allowance) return {nullptr, {xer_error::too_large, lines.line_number()}};
    }
    return {std::move(out), {}};
}

bool xer_parser::has_signature(std::string_view bytes) {
    std::string_view line;
    return line_cursor(xer_text_of(bytes).text).next(line) && is_header_line(line);
}

bool xer_parser::is_xer_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::array<char, kSignatureBytes> start{};
    in.read(start.data(), start.size());
    if (in.bad()) return false;
    return has_signature({start.data(), static_cast<std::size_t>(in.gcount())});
}

}  // namespace varnholt::document
