// RecordRows.cpp - value routing of the record rows and the WBS summary rule.
#include "rows/RecordRows.h"

#include "columns/ColumnCatalog.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/load_time_values.h"
#include "model/s_integers.h"
#include "model/s_unit.h"

#include <cmath>
#include <limits>

namespace varnholt::view {
namespace {

// A roll-up sum shown in an integer column: truncated toward zero, saturating at the limits.
std::int32_t TruncatedTotal(double sum) {
    if (std::isnan(sum)) return 0;
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(std::fmax(kLow, std::fmin(kHigh, sum))));
}

// A new roll-up of the WBS element's subtree by the column's rule; null for a rule or value
// kind that has no roll-up.
s_val_ptr RollUp(const ProjWbsRecord& wbs, const ColumnDef& column) {
    switch (column.summary_rule) {
    case ColumnSummaryRule::earliest: return wbs.RollupEarliestDate(column.field_id)->clone();
    case ColumnSummaryRule::latest: return wbs.RollupLatestDate(column.field_id)->clone();
    case ColumnSummaryRule::total:
        if (column.value_kind == ColumnValueKind::quantity)
            return s_unit(wbs.RollupSum(column.field_id), s_unit::kQuantity).clone();
        if (column.value_kind == ColumnValueKind::integer)
            return s_int(TruncatedTotal(wbs.RollupSum(column.field_id))).clone();
        return nullptr;
    case ColumnSummaryRule::duration_span: return wbs.RollupDuration(column.field_id).clone();
    case ColumnSummaryRule::none: break;
    }
    return nullptr;
}

}  // namespace

const s_val& WBSRow::GetCodeValue(std::int32_t column_id) const {
    if (IsUdfColumnId(column_id)) return *m_wbs->GetColumnValue(column_id);
    return GetFieldValue(column_id);
}

const s_val& WBSRow::GetFieldValue(std::int32_t field_id) const {
    const ColumnDef* column = ColumnCatalog::Instance().FindWbsByFieldId(field_id);
    if (column == nullptr) return s_val::null_value();
    if (!summary || column->summary_rule == ColumnSummaryRule::none) return *m_wbs->GetFieldValue(field_id);
    if (const auto cached = m_wbs->summary_cache.find(field_id); cached != m_wbs->summary_cache.end())
        return *cached->second;
    s_val_ptr value = RollUp(*m_wbs, *column);
    if (value == nullptr) return s_val::null_value();
    m_wbs->CacheValue(field_id, std::move(value));
    return *m_wbs->summary_cache.at(field_id);
}

const s_val& ProjectRow::GetCodeValue(std::int32_t column_id) const { return *record()->GetColumnValue(column_id); }
const s_val& ProjectRow::GetFieldValue(std::int32_t field_id) const { return *record()->GetFieldValue(field_id); }
const s_val& ResourceRow::GetCodeValue(std::int32_t column_id) const { return *record()->GetColumnValue(column_id); }
const s_val& ResourceRow::GetFieldValue(std::int32_t field_id) const { return *record()->GetFieldValue(field_id); }
const s_val& RelationshipRow::GetFieldValue(std::int32_t field_id) const { return *record()->GetFieldValue(field_id); }

}  // namespace varnholt::view
