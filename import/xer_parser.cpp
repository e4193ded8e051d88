// xer_parser.cpp - the line and token loop of the XER reader, and reading the file.
//
// Lines end at LF; CRs right before the LF belong to the line end, so CR LF and LF files
// read alike, and any other CR is removed from the values. Tokens are TAB-separated views
// into the file buffer; a token is widened only when something keeps it.

#include "import/xer_parser.h"

#include "import/file_buffer.h"
#include "import/parallel_chunks.h"
#include "import/text_decoding.h"
#include "import/xer_record_batch.h"
#include "model/Document.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <limits>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

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

// The token as wide text without CRs, in a buffer reused for every token.
const std::wstring& decode_token(std::string_view token, value_decoding decoding, std::wstring& buffer) {
    buffer.clear();
    append_decoded_value(token, decoding, buffer);
    std::erase(buffer, L'\r');
    return buffer;
}

// The row lines of known tables, found by the reading thread in chunks of at most
// kRowsPerChunk rows of one run. Worker threads make and fill the records of one chunk each;
// the reading thread then hands them to the Document in file order, so the tables, their
// order and every value are the same whatever the number of threads. A run is the rows
// between two table or field lines, which share one table and one list of field ids.
struct pending_rows {
    struct run {
        varnholt::xer_table table;
        std::vector<int> field_ids;  // by position in the row; 0 for a value that is dropped
    };
    struct chunk {
        std::size_t run;
        const char* begin;  // the start of the chunk's first row line
        const char* end;    // the end of its last, line end excluded
        std::size_t rows = 0;
        std::optional<xer_record_batch> records;  // one a row, made by a worker
    };
    std::vector<run> runs;
    std::vector<chunk> chunks;
    std::size_t rows = 0;
};

// Below this many rows a second thread costs more than it saves.
constexpr std::size_t kRowsPerThread = 4096;
constexpr std::size_t kRowsPerChunk = 512;

bool is_row_line(std::string_view line) {
    std::string_view marker;
    return token_cursor(line).next(marker) && marker == kRowMarker;
}

// The records of one chunk. Lines between its rows that are not row lines (blank lines, lines
// of unknown markers) were skipped by the reader and are skipped here. Values go to fields by
// position; those past the field list or under an unknown name are dropped.
void make_chunk_records(pending_rows::chunk& chunk, const pending_rows::run& run, value_decoding decoding) {
    std::wstring buffer;
    xer_record_batch& records = chunk.records.emplace(run.table);
    records.reserve(chunk.rows);
    line_cursor lines({chunk.begin, static_cast<std::size_t>(chunk.end - chunk.begin)});
    std::string_view line;
    while (lines.next(line)) {
        if (!is_row_line(line)) continue;
        records.add();
        token_cursor tokens(line);
        std::string_view token;
        tokens.next(token);  // the row marker
        const std::vector<int>& ids = run.field_ids;
        for (std::size_t field = 0; field < ids.size() && tokens.next(token); ++field) {
            if (ids[field] != 0) records.set(ids[field], decode_token(token, decoding, buffer));
        }
    }
}

// Gives a file's text back to the system behind the chunks as they are made: once every chunk
// before one is done, nothing before that chunk's first line is read again (the lines that
// are not rows were read by the reading thread before any chunk started).
class text_release {
public:
    text_release(const file_buffer* buffer, std::string_view text, const std::vector<pending_rows::chunk>& chunks)
        : m_buffer(buffer), m_chunks(chunks), m_done(buffer != nullptr ? chunks.size() : 0, 0),
          m_released(text.data()), m_text_end(text.data() + text.size()) {}

    void chunk_done(std::size_t index) {
        if (m_buffer == nullptr) return;
        const std::lock_guard lock(m_mutex);
        m_done[index] = 1;
        while (m_next < m_done.size() && m_done[m_next] != 0) ++m_next;
        const char* until = m_next < m_chunks.size() ? m_chunks[m_next].begin : m_text_end;
        if (until > m_released) m_released = m_buffer->release(m_released, until);
    }

private:
    const file_buffer* m_buffer;
    const std::vector<pending_rows::chunk>& m_chunks;
    std::vector<char> m_done;
    std::size_t m_next = 0;  // the first chunk not yet done
    const char* m_released;  // the text before it has been given back
    const char* m_text_end;
    std::mutex m_mutex;
};

// Makes every chunk's records on as many threads as pay, then hands them to the Document in
// file order on this thread. With a file buffer, the text behind the finished chunks is given
// back on the way, so the text and the records it makes are not held in full together.
void make_all_records(Document& doc, pending_rows& pending, value_decoding decoding, unsigned requested_threads,
                      std::string_view text, const file_buffer* buffer) {
    text_release release(buffer, text, pending.chunks);
    run_chunks(pending.chunks.size(), threads_for(requested_threads, pending.rows, kRowsPerThread),
               [&](std::size_t index) {
                   pending_rows::chunk& chunk = pending.chunks[index];
                   make_chunk_records(chunk, pending.runs[chunk.run], decoding);
                   release.chunk_done(index);
               });
    for (pending_rows::chunk& chunk : pending.chunks) {
        chunk.records->hand_to(doc);
        chunk.records.reset();
    }
}

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

    // The row lines read so far, their records not yet made.
    [[nodiscard]] pending_rows& rows() { return m_rows; }

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
        else if (marker == kRowMarker) read_row_line(line);
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
        m_run_open = false;
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
        m_run_open = false;
        std::string_view token;
        while (tokens.next(token)) {
            if (!charge(sizeof(xer_field) + token.size() * sizeof(wchar_t))) return;
            xer_field& field = m_table->add_field(decode(token));
            if (m_table->table_id != 0) field.id = m_out.field_id(m_table->table_id, field.name);
        }
    }

    // Every row line of a known table makes one record, whatever its values.
    void read_row_line(std::string_view line) {
        if (m_table == nullptr) return;
        if (m_table->table_id == 0) {
            if (charge(sizeof(xer_row))) m_table->add_row();
            return;
        }
        const auto table = static_cast<varnholt::xer_table>(m_table->table_id);
        if (!charge(xer_record_batch::record_size(table))) return;
        if (!m_run_open) {
            // Each run keeps its own copy of the field ids, so it is charged like the rows:
            // field lines between single rows would otherwise cost the square of their count.
            if (!charge(sizeof(pending_rows::run) + m_table->fields.size() * sizeof(int))) return;
            pending_rows::run& run = m_rows.runs.emplace_back();
            run.table = table;
            for (const auto& field : m_table->fields) run.field_ids.push_back(field->id);
            m_run_open = true;
        }
        if (m_rows.chunks.empty() || m_rows.chunks.back().run + 1 != m_rows.runs.size() ||
            m_rows.chunks.back().rows == kRowsPerChunk)
            m_rows.chunks.push_back({m_rows.runs.size() - 1, line.data(), line.data(), 0, {}});
        pending_rows::chunk& chunk = m_rows.chunks.back();
        chunk.end = line.data() + line.size();
        ++chunk.rows;
        ++m_rows.rows;
    }

    const std::wstring& decode(std::string_view token) { return decode_token(token, m_decoding, m_buffer); }

    Document& m_doc;
    xer_doc& m_out;
    value_decoding m_decoding;
    xer_table* m_table = nullptr;  // the table of the last table line
    std::wstring m_buffer;
    std::size_t m_allowance;
    bool m_over_allowance = false;
    pending_rows m_rows;
    bool m_run_open = false;  // whether the next row joins the last run
};

}  // namespace

std::unique_ptr<xer_doc> xer_parser::parse(Document& doc, const std::filesystem::path& path) {
    return parse_file(doc, path).doc;
}

xer_result xer_parser::parse_file(Document& doc, const std::filesystem::path& path, unsigned threads) {
    file_buffer buffer;
    switch (buffer.read(path, kMaxFileBytes)) {
    case file_buffer::status::read: break;
    case file_buffer::status::unreadable: return {nullptr, {xer_error::unreadable, 0}};
    case file_buffer::status::too_large: return {nullptr, {xer_error::too_large, 0}};
    }
    return parse_text(doc, buffer.bytes(), {}, threads, &buffer);
}

xer_result xer_parser::parse_bytes(Document& doc, std::string_view bytes, const xer_limits& limits,
                                    unsigned threads) {
    return parse_text(doc, bytes, limits, threads, nullptr);
}

xer_result xer_parser::parse_text(Document& doc, std::string_view bytes, const xer_limits& limits, unsigned threads,
                                   const file_buffer* buffer) {
    const std::string_view text = xer_text_of(bytes).text;
    line_cursor lines(text);
    std::string_view line;
    if (!lines.next(line) || !is_header_line(line)) return {nullptr, {xer_error::no_header, 1}};

    auto out = xer_doc::create();
    const value_decoding decoding = decide_value_decoding(text);
    xer_reader reader(doc, *out, decoding, allowance_for(text.size(), limits));
    reader.read_header(line);
    while (lines.next(line)) {
        const line_outcome outcome = reader.read_line(line);
        if (outcome == line_outcome::end_marker) break;
        // No record is made before every line is read, so the Document is left as it was.
        if (outcome == line_outcome::over_allowance) return {nullptr, {xer_error::too_large, lines.line_number()}};
    }
    make_all_records(doc, reader.rows(), decoding, threads, text, buffer);
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
