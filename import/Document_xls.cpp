// Document_xls.cpp - the sheet sequence of a workbook import, the build and the flags.

#include "import/Document_xls.h"

#include "columns/ColumnCatalog.h"
#include "import/catalog_column_facts.h"
#include "import/xls_column_groups.h"
#include "import/xls_resources.h"
#include "import/xls_task_sheet.h"
#include "import/xls_user_data.h"
#include "import/xls_wbs_paths.h"
#include "model/number_formats.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskRecord.h"
#include "model/text_utils.h"
#include "platform/path_text.h"

#include <cassert>

namespace varnholt::document {

namespace {

// The sheets of a schedule export; each the first sheet of its name, or null.
struct ScheduleSheets {
    const xls_sheet* task = nullptr;
    const xls_sheet* relationships = nullptr;  // TASKPRED
    const xls_sheet* resources = nullptr;      // RSRC
    const xls_sheet* assignments = nullptr;    // TASKRSRC
    const xls_sheet* user_data = nullptr;
    // A PROJCOST sheet may be there too; it is not read.
};

ScheduleSheets FindSheets(const xls_workbook& book) {
    return {.task = book.find_sheet("TASK"),
            .relationships = book.find_sheet("TASKPRED"),
            .resources = book.find_sheet("RSRC"),
            .assignments = book.find_sheet("TASKRSRC"),
            .user_data = book.find_sheet("USERDATA")};
}

// The activity columns that the Gantt chart's progress bars draw from, by field id.
constexpr std::int32_t kActualStart = 54, kStatus = 133, kRemainingStart = 77, kRemainingFinish = 76,
                       kFinish = 70, kStart = 82, kCritical = 139;

bool ActivityColumnPresent(std::int32_t field_id) {
    const ColumnDef* column = ColumnCatalog::Instance().FindActivityByFieldId(field_id);
    return column != nullptr && column->present != 0;
}

}  // namespace

bool Document_xls::Open(std::wstring_view path) {
    xls_workbook book;
    // Whatever the reader answers, a workbook it could not read simply has no sheets.
    (void)book.open(PathFromWide(path).native());
    return Load(book);
}

bool Document_xls::LoadStream(byte_span stream) {
    xls_workbook book;
    (void)book.open_stream(stream);
    return Load(book);
}

bool Document_xls::Load(const xls_workbook& book) {
    assert(!m_loaded && "a document is opened once");
    if (m_loaded) return false;
    m_status = {.workbook = book.status()};
    if (!ReadWorkbook(book)) return false;
    m_loaded = true;
    BuildIndexes();
    Build();
    for (const auto& task : Tasks()) task->ComputeDerivedXls();
    for (const auto& wbs : ProjWbs()) wbs->ComputeDerivedXls();
    for (const auto& resource : Rsrcs()) resource->ComputeDerivedXls();
    return true;
}

bool Document_xls::ReadWorkbook(const xls_workbook& book) {
    const ScheduleSheets sheets = FindSheets(book);
    if (sheets.user_data == nullptr) {
        m_status.error = m_status.workbook ? xls_import_error::no_user_data : xls_import_error::unreadable;
        return false;
    }

    // Every column counts as missing until a sheet supplies it.
    ColumnCatalog::Instance().ClearPresent();
    ProjectRecord* project = NewProject();
    if (project == nullptr) return false;
    project->proj_id = s_unsigned_long(1);
    AddDefaultCurrency(*this);
    m_import.Clear();

    ReadUserDataSheet(sheets.user_data, this);
    if (sheets.task != nullptr) (void)ReadTaskHeader(sheets.task, this, m_import);
    // After the header pass, so that its user-field and code columns are in the activity map.
    BuildColumnNameMaps(m_import);
    if (sheets.task != nullptr && CollectTaskHeaders(m_import, sheets.task)) {
        (void)ReadTaskSheet(*this, *sheets.task, m_import);
        (void)BuildWbsFromTasks(*this, *sheets.task, m_import);
        MarkColumnsPresent(m_import);
        ReadCurrencySymbol(*this, *sheets.task);
    }
    if (sheets.relationships != nullptr) ReadRelationshipSheet(*this, *sheets.relationships);
    if (sheets.resources != nullptr) {
        ReadRoles(*sheets.resources, *this);
        (void)ReadResourceSheet(*this, *sheets.resources, m_import);
        ReadResourceRoles(*sheets.resources, *this);
    }
    if (sheets.assignments != nullptr) ReadAssignmentSheet(*sheets.assignments, *this);
    MarkDerivedColumnsPresent(m_import);
    return true;
}

void Document_xls::Build() {
    if (!Projects().empty()) {
        ProjectRecord* project = Projects().front().get();
        for (const auto& task : Tasks()) {
            project->AddActivity(task.get());
            task->project = project;
        }
    }
    if (!CurrTypes().empty()) {
        const CurrTypeRecord& currency = *CurrTypes().front();
        // Prices and rates are shown in the file's currency too, not only costs.
        const NumberFormat format{currency.decimal_symbol.text, currency.digit_group_symbol.text,
                                  currency.curr_symbol.text};
        value_formats().unit_number_format = format;
        value_formats().cost_number_format = format;
    }
    m_schedule_columns_incomplete = false;
    for (const std::int32_t field_id :
         {kActualStart, kStatus, kRemainingStart, kRemainingFinish, kFinish, kStart, kCritical}) {
        if (!ActivityColumnPresent(field_id)) m_schedule_columns_incomplete = true;
    }
    m_bar_dates_present = ActivityColumnPresent(kStart) && ActivityColumnPresent(kFinish);
}

ColumnFact Document_xls::FindColumnFact(ColumnFactTable table, std::int32_t field_id) const {
    return CatalogColumnFact(table, field_id);
}

}  // namespace varnholt::document
