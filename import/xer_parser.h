// xer_parser.h - reads an XER export (a tab-separated text of tables, field lines and rows)
// into a Document: the header values, one record per row of each known table, every value
// parsed into its record's typed member by the table's field setter.
//
// One pass over the file's bytes; only the tokens that are kept are widened to wide text.
// Bad input yields a status, never an exception: what the text says is read, the rest is
// skipped, and a file that is not an export at all is refused before the Document is touched.
#pragma once

#include "model/records/record_classes.h"
#include "import/xer_doc.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>


namespace varnholt::document {

class Document;
class file_buffer;

enum class xer_error : std::uint8_t {
    none,
    unreadable,  // the file could not be opened or read
    too_large,   // larger than the reader accepts (the file, or what its lines would build)
    no_header,   // the first token of the first line is not "ERMHDR"
};

struct xer_status {
    xer_error error = xer_error::none;
    std::size_t line = 0;  // 1-based; 0 = not tied to a line
    explicit operator bool() const { return error == xer_error::none; }
};

// How much a read may build in proportion to its text. A record is far larger than the row
// line that makes it (an activity some 2 KB, its shortest row line 3 bytes), so a file of
// bare row lines could otherwise ask for thousands of times its own size. Real exports stay
// well below the allowance.
struct xer_limits {
    std::size_t bytes_per_text_byte = 64;
    std::size_t base_bytes = std::size_t{256} << 20;
};

struct xer_result {
    std::unique_ptr<xer_doc> doc;  // null exactly when the status is a failure
    xer_status status;
};

class xer_parser {
public:
    // Files beyond this size are refused rather than half read.
    static constexpr std::uint64_t kMaxFileBytes = std::uint64_t{4} << 30;

    // Reads the file into `doc`; null when it cannot be read or is not an export.
    [[nodiscard]] static std::unique_ptr<xer_doc> parse(Document& doc, const std::filesystem::path& path);
    // `threads` caps the threads that fill the records (0: as many as the machine has and the
    // file can use); the records are the same whatever it is.
    [[nodiscard]] static xer_result parse_file(Document& doc, const std::filesystem::path& path,
                                               unsigned threads = 0);
    // The same over bytes already in memory (the whole file as it is on disk). A read that
    // outgrows its allowance stops with too_large and the line it stopped at.
    [[nodiscard]] static xer_result parse_bytes(Document& doc, std::string_view bytes,
                                                const xer_limits& limits = {}, unsigned threads = 0);

    // The cheap test run before opening: the file's first token is "ERMHDR" (after a UTF-8
    // byte-order mark, if there is one). Reads only the start of the file.
    [[nodiscard]] static bool is_xer_file(const std::filesystem::path& path);
    [[nodiscard]] static bool has_signature(std::string_view bytes);

    // Adds the weekday work periods and exception days that a CALENDAR row's clndr_data text
    // describes. A text that does not read as calendar data adds nothing.
    static void parse_calendar_data(CalendarRecord& calendar, std::wstring_view clndr_data);

    // The field setters, one per table: parse the text of field `field_id` (1..N of the
    // table) into the record's member. Other ids, and fields the record does not keep,
    // change nothing.
    static void set_actvcode_field(ActvCodeRecord& record, int field_id, std::wstring_view text);
    static void set_actvtype_field(ActvTypeRecord& record, int field_id, std::wstring_view text);
    static void set_taskactv_field(TaskActvRecord& record, int field_id, std::wstring_view text);
    static void set_taskproc_field(TaskProcRecord& record, int field_id, std::wstring_view text);
    static void set_obs_field(ObsRecord& record, int field_id, std::wstring_view text);
    static void set_projwbs_field(ProjWbsRecord& record, int field_id, std::wstring_view text);
    static void set_task_field(TaskRecord& record, int field_id, std::wstring_view text);
    static void set_project_field(ProjectRecord& record, int field_id, std::wstring_view text);
    static void set_rsrc_field(RsrcRecord& record, int field_id, std::wstring_view text);
    static void set_rsrcrate_field(RsrcRateRecord& record, int field_id, std::wstring_view text);
    static void set_rcatval_field(RCatValRecord& record, int field_id, std::wstring_view text);
    static void set_rcattype_field(RCatTypeRecord& record, int field_id, std::wstring_view text);
    static void set_catg_assign_field(RsrcRCatRecord& record, int field_id, std::wstring_view text);
    static void set_catg_assign_field(ProjPCatRecord& record, int field_id, std::wstring_view text);
    static void set_rsrcrole_field(RsrcRoleRecord& record, int field_id, std::wstring_view text);
    static void set_taskrsrc_field(TaskRsrcRecord& record, int field_id, std::wstring_view text);
    static void set_shift_field(ShiftRecord& record, int field_id, std::wstring_view text);
    static void set_shiftper_field(ShiftPerRecord& record, int field_id, std::wstring_view text);
    // Also reads clndr_data as calendar data: the one setter that adds more than its field.
    static void set_calendar_field(CalendarRecord& record, int field_id, std::wstring_view text);
    static void set_roles_field(RoleRecord& record, int field_id, std::wstring_view text);
    static void set_rolerate_field(RoleRateRecord& record, int field_id, std::wstring_view text);
    static void set_rolelimit_field(RoleLimitRecord& record, int field_id, std::wstring_view text);
    static void set_currtype_field(CurrTypeRecord& record, int field_id, std::wstring_view text);
    static void set_taskpred_field(TaskPredRecord& record, int field_id, std::wstring_view text);
    static void set_pcatval_field(PCatValRecord& record, int field_id, std::wstring_view text);
    static void set_pcattype_field(PCatTypeRecord& record, int field_id, std::wstring_view text);
    static void set_udftype_field(UdfTypeRecord& record, int field_id, std::wstring_view text);
    static void set_udfvalue_field(UdfValueRecord& record, int field_id, std::wstring_view text);
    static void set_memotype_field(MemoTypeRecord& record, int field_id, std::wstring_view text);
    static void set_taskmemo_field(MemoRecord& record, int field_id, std::wstring_view text);
    static void set_wbsmemo_field(MemoRecord& record, int field_id, std::wstring_view text);

private:
    // The read itself; with a file buffer, the text behind the rows already made is given back
    // to the system on the way (see file_buffer::release).
    [[nodiscard]] static xer_result parse_text(Document& doc, std::string_view bytes, const xer_limits& limits,
                                               unsigned threads, const file_buffer* buffer);
};

}  // namespace varnholt::document
