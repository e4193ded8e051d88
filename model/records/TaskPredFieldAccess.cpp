// TaskPredFieldAccess.cpp - a relationship's values by field id. The ids 544-571 show values of
// the predecessor activity and 572-599 the same values of the successor (id + 28); two ids of
// each side show the relationship's own lag and type.

#include "model/records/TaskPredRecord.h"

#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/field_dispatch.h"

namespace varnholt {

namespace {

using L = TaskPredRecord;
using T = TaskRecord;

constexpr std::int32_t kSuccessorOffset = 28;

// Values of an activity as they stand: the relationship views apply no calendar factors.
const s_val* ProjectShortName(const T& task) { return LinkedValue(task.project, &ProjectRecord::proj_short_name); }
const s_val* WbsFullName(const T& task) { return LinkedValue(task.wbs, &ProjWbsRecord::wbs_full_name); }

template <FieldReader<T> Read>
const s_val* OfPredecessor(const L& link) {
    return link.predecessor != nullptr ? Read(*link.predecessor) : &s_val::null_value();
}

template <FieldReader<T> Read>
const s_val* OfSuccessor(const L& link) {
    return link.successor != nullptr ? Read(*link.successor) : &s_val::null_value();
}

// One entry per side for each value of the related activity.
template <std::int32_t PredecessorId, FieldReader<T> Read>
struct BothSides {
    static constexpr FieldEntry<L> predecessor{PredecessorId, OfPredecessor<Read>};
    static constexpr FieldEntry<L> successor{PredecessorId + kSuccessorOffset, OfSuccessor<Read>};
};

using EarlyEnd = BothSides<544, Own<&T::early_end_date>>;
using EarlyStart = BothSides<545, Own<&T::early_start_date>>;
using End = BothSides<546, Own<&T::end_date>>;
using LateEnd = BothSides<547, Own<&T::late_end_date>>;
using LateStart = BothSides<548, Own<&T::late_start_date>>;
using Start = BothSides<549, Own<&T::start_date>>;
using FreeFloat = BothSides<550, Own<&T::free_float_hr_cnt>>;
using RemainDuration = BothSides<552, Own<&T::remain_drtn_hr_cnt>>;
using TotalFloat = BothSides<553, Own<&T::total_float_hr_cnt>>;
using Code = BothSides<554, Own<&T::task_code>>;
using Name = BothSides<555, Own<&T::task_name>>;
using Status = BothSides<556, Own<&T::status_code>>;
using Resource = BothSides<559, Own<&T::rsrc_label>>;
using Project = BothSides<560, ProjectShortName>;
using Wbs = BothSides<562, WbsFullName>;
using DurationPercent = BothSides<571, FromWorkbook<&TaskWorkbookValues::drtn_complete_pct>>;

constexpr FieldEntry<L> kRelationshipFields[] = {
    EarlyEnd::predecessor, EarlyStart::predecessor, End::predecessor, LateEnd::predecessor,
    LateStart::predecessor, Start::predecessor, FreeFloat::predecessor, RemainDuration::predecessor,
    TotalFloat::predecessor, Code::predecessor, Name::predecessor, Status::predecessor,
    Resource::predecessor, Project::predecessor, Wbs::predecessor, DurationPercent::predecessor,
    EarlyEnd::successor, EarlyStart::successor, End::successor, LateEnd::successor,
    LateStart::successor, Start::successor, FreeFloat::successor, RemainDuration::successor,
    TotalFloat::successor, Code::successor, Name::successor, Status::successor,
    Resource::successor, Project::successor, Wbs::successor, DurationPercent::successor,
    // The relationship's own lag and type, shown on both sides.
    {551, Own<&L::lag_hr_cnt>}, {551 + kSuccessorOffset, Own<&L::lag_hr_cnt>},
    {561, Own<&L::pred_type>}, {561 + kSuccessorOffset, Own<&L::pred_type>},
};

constexpr FieldDispatch<L, 544, 599> kRelationshipDispatch{kRelationshipFields};

}  // namespace

const s_val* TaskPredRecord::GetFieldValue(std::int32_t field_id) const {
    return kRelationshipDispatch.Read(*this, field_id);
}

}  // namespace varnholt
