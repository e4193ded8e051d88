// ActivityGroupOrders.cpp - the activity table's fixed group orders.
#include "views/grid/ActivityGroupOrders.h"

#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskRecord.h"
#include "rows/RecordRows.h"
#include "views/grid/GroupRow.h"

namespace varnholt::view {
namespace {

// The activity group behind a group row, or null for any other row.
const ActivityGroupItem* ActivityGroup(const Row& row) {
    if (!row.IsGroupRow()) return nullptr;
    const GroupItem& item = static_cast<const GroupRow&>(row).GetItem();
    return item.IsActivityGroupItem() ? static_cast<const ActivityGroupItem*>(&item) : nullptr;
}

// Records that carry a sequence number and a place in the file: smaller number first, equal
// numbers in file order.
template <class Record>
bool LessBySequence(const s_int& seq_a, const s_int& seq_b, const Record& a, const Record& b) {
    if (seq_a.equal(seq_b)) return a.load_order.value < b.load_order.value;
    return seq_a.less(seq_b);
}

}  // namespace

CompareActivities::CompareActivities(const GroupBy& entry)
    : m_column(ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(entry.field))) {}

bool CompareActivities::operator()(const Row& a, const Row& b) const {
    const ActivityGroupItem* ga = ActivityGroup(a);
    const ActivityGroupItem* gb = ActivityGroup(b);
    if (ga == nullptr || gb == nullptr || m_column == nullptr) return false;
    const TaskRecord* ta = ga->GetActivity();
    const TaskRecord* tb = gb->GetActivity();
    if (ta == nullptr || tb == nullptr) return false;
    const bool by_column_id = IsUserFieldOrActivityCode(m_column->field_id);
    const auto value_of = [&](const TaskRecord& task) -> const s_val& {
        return by_column_id ? *task.GetColumnValue(static_cast<std::int32_t>(m_column->column_id))
                            : *task.GetFieldValue(m_column->field_id);
    };
    const s_val& va = value_of(*ta);
    const s_val& vb = value_of(*tb);
    // The shared null value compares with nothing: such groups go after the valued ones.
    const bool a_none = s_val::is_null_value(&va), b_none = s_val::is_null_value(&vb);
    if (a_none != b_none) return b_none;
    if (a_none || va.equal(vb)) return ta->load_order.value < tb->load_order.value;
    return va.less(vb);
}

bool LessByWbs(const Row& a, const Row& b) {
    if (a.IsActivityRow() && b.IsGroupRow()) return true;
    const ActivityGroupItem* ga = ActivityGroup(a);
    const ActivityGroupItem* gb = ActivityGroup(b);
    if (ga == nullptr || gb == nullptr || ga->GetWbs() == nullptr || gb->GetWbs() == nullptr) return false;
    return LessBySequence(ga->GetWbs()->seq_num, gb->GetWbs()->seq_num, *ga->GetWbs(), *gb->GetWbs());
}

bool LessByResource(const Row& a, const Row& b) {
    const ActivityGroupItem* ga = ActivityGroup(a);
    const ActivityGroupItem* gb = ActivityGroup(b);
    if (ga == nullptr || gb == nullptr) return false;
    const RsrcRecord* ra = ga->GetResource();
    const RsrcRecord* rb = gb->GetResource();
    if (ra == nullptr || rb == nullptr) return ra != nullptr && rb == nullptr;
    return LessBySequence(ra->rsrc_seq_num, rb->rsrc_seq_num, *ra, *rb);
}

}  // namespace varnholt::view
