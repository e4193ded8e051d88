// xls_column_groups.cpp - column maps, classification and marking, and the currency of a
// workbook.

#include "import/xls_column_groups.h"

#include "columns/ColumnCatalog.h"
#include "import/xls/xls_sheet.h"
#include "model/Document.h"
#include "model/records/CurrTypeRecord.h"

namespace varnholt::document {

namespace {

void FillMap(XlsTableNames& names, ColumnCatalog::Run columns) {
    for (const ColumnDef& column : columns) {
        if (column.xer_field_name.empty()) continue;
        names.columns.try_emplace(column.xer_field_name, XlsColumnRef{column.column_id, column.value_kind});
    }
}

void MarkNames(const XlsTableNames& names, ColumnTable table) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    for (const std::string& name : names.filled) {
        const auto found = names.columns.find(name);
        if (found != names.columns.end()) catalog.MarkPresent(table, found->second.column_id);
    }
}

// The activity fields 10 to 52 are the costs, in the order the workbook's caption is sought.
constexpr std::int32_t kFirstCostFieldId = 10;
constexpr std::int32_t kLastCostFieldId = 52;

}  // namespace

void BuildColumnNameMaps(XlsImportState& state) {
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    FillMap(state.activity, catalog.activity_columns());
    FillMap(state.project, catalog.project_columns());
    FillMap(state.wbs, catalog.wbs_columns());
    FillMap(state.resource, catalog.resource_columns());
}

bool CollectTaskHeaders(XlsImportState& state, const xls_sheet* task_sheet) {
    if (task_sheet == nullptr || task_sheet->row_count() < 2) return false;
    for (const xls_column& column : task_sheet->columns()) state.task_headers.push_back(column.header_text());
    return !state.task_headers.empty();
}

std::vector<TaskSheetColumn> ClassifyTaskColumns(const XlsImportState& state, const xls_sheet& task_sheet) {
    std::vector<TaskSheetColumn> columns;
    columns.reserve(task_sheet.column_count());
    for (std::uint32_t c = 0; c < task_sheet.column_count(); ++c) {
        TaskSheetColumn column{task_sheet.header_text(c)};
        const auto found = state.activity.columns.find(column.header);
        if (found != state.activity.columns.end()) column.kind = found->second.value_kind;
        columns.push_back(std::move(column));
    }
    return columns;
}

void MarkColumnsPresent(const XlsImportState& state) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    for (const std::string& header : state.task_headers) {
        const auto found = state.activity.columns.find(header);
        if (found != state.activity.columns.end()) catalog.MarkPresent(ColumnTable::activity, found->second.column_id);
    }
}

void MarkDerivedColumnsPresent(const XlsImportState& state) {
    MarkNames(state.activity, ColumnTable::activity);
    MarkNames(state.project, ColumnTable::project);
    MarkNames(state.wbs, ColumnTable::wbs);
    MarkNames(state.resource, ColumnTable::resource);
}

void AddDefaultCurrency(Document& doc) {
    CurrTypeRecord* currency = doc.NewCurrType();
    if (currency == nullptr) return;
    currency->curr_id = s_unsigned_long(1);
    currency->decimal_digit_cnt = s_int(2);
    currency->curr_symbol = s_string(std::wstring_view(L"$"));
    currency->decimal_symbol = s_string(std::wstring_view(L"."));
    currency->digit_group_symbol = s_string(std::wstring_view(L","));
    currency->pos_curr_fmt_type = s_string(std::wstring_view(L"#1.1"));
    currency->neg_curr_fmt_type = s_string(std::wstring_view(L"(#1.1)"));
    currency->curr_type = s_string(std::wstring_view(L"Dollar"));
    currency->curr_short_name = s_string(std::wstring_view(L"USA"));
    currency->group_digit_cnt = s_int(3);
    currency->base_exch_rate = s_double(1.0);
}

void ReadCurrencySymbol(Document& doc, const xls_sheet& task_sheet) {
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    const ColumnDef* chosen = nullptr;
    for (std::int32_t field_id = kFirstCostFieldId; field_id <= kLastCostFieldId && chosen == nullptr; ++field_id) {
        const ColumnDef* column = catalog.FindActivityByFieldId(field_id);
        if (column != nullptr && column->present != 0) chosen = column;
    }
    if (chosen == nullptr) return;
    const xls_column* sheet_column = task_sheet.find_column(chosen->xer_field_name);
    if (sheet_column == nullptr) return;
    CurrTypeRecord* currency = doc.FindCurrency(s_unsigned_long(1));
    if (currency == nullptr) return;
    const std::string caption = sheet_column->caption_text();
    const std::size_t open = caption.rfind('(');
    const std::size_t close = caption.rfind(')');
    if (open == std::string::npos || close == std::string::npos || open > close) return;
    currency->curr_symbol = s_string(std::string_view(caption).substr(open + 1, close - open - 1));
}

}  // namespace varnholt::document
