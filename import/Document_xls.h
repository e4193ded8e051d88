// Document_xls.h - a schedule opened from an .xls workbook that a scheduling application
// exported. The workbook has no record tables of its own: the import reads its sheets (TASK,
// TASKPRED, RSRC, TASKRSRC, USERDATA) and makes what they imply (the single project, the WBS
// tree from the activities' dotted paths, roles from comma lists, the resource tree from
// dotted resource paths) and marks which columns the workbook supplies. Its USERDATA sheet
// also chooses the units of durations and quantities for this document (the active display
// settings only).
#pragma once

#include "import/xls/xls_workbook.h"
#include "import/xls_import_state.h"
#include "model/Document.h"

#include <cstdint>
#include <string_view>

namespace varnholt::document {

enum class xls_import_error : std::uint8_t {
    none,
    unreadable,    // no workbook could be read: not a compound file, damaged, encrypted or
                   // truncated (the workbook status says which)
    no_user_data,  // a workbook, but without the USERDATA sheet every schedule export has
};

struct xls_import_status {
    xls_import_error error = xls_import_error::none;
    xls_open_status workbook;  // what the workbook reader said of the file

    explicit operator bool() const { return error == xls_import_error::none; }
};

class Document_xls final : public Document {
public:
    // Reads the workbook, links and derives. False when it cannot be read as a schedule
    // export; the document then holds no record at all and the column catalogue is untouched.
    [[nodiscard]] bool Open(std::wstring_view path) override;
    // The same over the bytes of a workbook stream already in memory (tests, fuzzing).
    [[nodiscard]] bool LoadStream(byte_span stream);

    // Hangs every activity on the project, adopts currency 1 as the cost format and decides
    // the two flags below; run once, after the indexes are built.
    void Build() override;

    [[nodiscard]] bool IsXls() const override { return true; }
    // True when the workbook lacks one of the activity columns the progress bars of the
    // Gantt chart need: actual start, status, remaining start and finish, start, finish,
    // critical.
    [[nodiscard]] bool IsMissingScheduleColumns() const override { return m_schedule_columns_incomplete; }
    // True when the workbook has both the start and the finish column.
    [[nodiscard]] bool HasStartAndFinishColumns() const override { return m_bar_dates_present; }
    // Relationship lines need the dates of both ends: drawn when the workbook has every
    // schedule column, or at least start and finish.
    [[nodiscard]] bool ShowsRelationshipLines() const override {
        return !m_schedule_columns_incomplete || m_bar_dates_present;
    }
    [[nodiscard]] ColumnFact FindColumnFact(ColumnFactTable table, std::int32_t field_id) const override;

    // Why the last Open or LoadStream answered false.
    [[nodiscard]] const xls_import_status& Status() const { return m_status; }

private:
    [[nodiscard]] bool Load(const xls_workbook& book);
    // The sheets in their fixed order; false, with nothing read, without a USERDATA sheet.
    [[nodiscard]] bool ReadWorkbook(const xls_workbook& book);

    XlsImportState m_import;
    xls_import_status m_status;
    bool m_loaded = false;
    bool m_schedule_columns_incomplete = false;
    bool m_bar_dates_present = false;
};

}  // namespace varnholt::document
