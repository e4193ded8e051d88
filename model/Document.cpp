// Document.cpp - record factories, lookups, indexes and teardown of the in-memory schedule.

#include "Document.h"

#include <algorithm>

#include "model/records/ActvCodeRecord.h"
#include "model/records/CalendarRecord.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/MemoRecord.h"
#include "model/records/ObsRecord.h"
#include "model/records/PCatValRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RCatValRecord.h"
#include "model/records/RoleRateRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRateRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/RsrcRoleRecord.h"
#include "model/records/ShiftRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskProcRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/TaskRsrcRecord.h"
#include "model/records/UdfTypeRecord.h"

namespace varnholt::document {

namespace {

// The record given, or a new one with its defaults.
template <class Record>
Record* append(RecordTable<Record>& table, std::unique_ptr<Record> record) {
    if (record == nullptr) record = std::make_unique<Record>();
    return table.emplace_back(std::move(record)).get();
}

// Records that know their place among their table's rows, counted from 0.
template <class Record>
Record* append_numbered(RecordTable<Record>& table, std::unique_ptr<Record> record) {
    const auto place = static_cast<std::int32_t>(table.size());
    Record* appended = append(table, std::move(record));
    appended->load_order = s_int(place);
    return appended;
}

// Records whose field access reaches back into the document.
template <class Record>
Record* append_owned(RecordTable<Record>& table, const Document* owner, std::unique_ptr<Record> record) {
    Record* appended = append_numbered(table, std::move(record));
    appended->doc = owner;
    return appended;
}

template <class Record, class Match>
Record* find_first(const RecordTable<Record>& table, Match match) {
    for (const auto& record : table) {
        if (match(*record)) return record.get();
    }
    return nullptr;
}

template <class Index, class Key>
auto find_in(const Index& index, Key key) -> typename Index::mapped_type {
    const auto found = index.find(key);
    return found != index.end() ? found->second : nullptr;
}

constexpr std::uint64_t pair_key(const s_unsigned_long& high, const s_unsigned_long& low) {
    return (std::uint64_t{high.value} << 32) | low.value;
}

}  // namespace

Document::Document() = default;

// Records never own each other and no record's destructor reads another, so any order will do.
Document::~Document() = default;

ActvCodeRecord* Document::NewActvCode(std::unique_ptr<ActvCodeRecord> record) {
    return append(m_actv_codes, std::move(record));
}
ActvTypeRecord* Document::NewActvType(std::unique_ptr<ActvTypeRecord> record) {
    return append(m_actv_types, std::move(record));
}
TaskActvRecord* Document::NewTaskActv(std::unique_ptr<TaskActvRecord> record) {
    return append(m_task_actvs, std::move(record));
}
TaskProcRecord* Document::NewTaskProc(std::unique_ptr<TaskProcRecord> record) {
    return append(m_task_procs, std::move(record));
}
ObsRecord* Document::NewObs(std::unique_ptr<ObsRecord> record) {
    return append_numbered(m_obs, std::move(record));
}
ProjWbsRecord* Document::NewProjWbs(std::unique_ptr<ProjWbsRecord> record) {
    return append_owned(m_proj_wbs, this, std::move(record));
}
TaskRecord* Document::NewTask(std::unique_ptr<TaskRecord> record) {
    return append_owned(m_tasks, this, std::move(record));
}
ProjectRecord* Document::NewProject(std::unique_ptr<ProjectRecord> record) {
    return append_owned(m_projects, this, std::move(record));
}
RsrcRecord* Document::NewRsrc(std::unique_ptr<RsrcRecord> record) {
    return append_owned(m_rsrcs, this, std::move(record));
}
RsrcRateRecord* Document::NewRsrcRate(std::unique_ptr<RsrcRateRecord> record) {
    return append(m_rsrc_rates, std::move(record));
}
RCatValRecord* Document::NewRCatVal(std::unique_ptr<RCatValRecord> record) {
    return append(m_rcat_vals, std::move(record));
}
RCatTypeRecord* Document::NewRCatType(std::unique_ptr<RCatTypeRecord> record) {
    return append(m_rcat_types, std::move(record));
}
RsrcRCatRecord* Document::NewRsrcRCat(std::unique_ptr<RsrcRCatRecord> record) {
    return append(m_rsrc_rcats, std::move(record));
}
RsrcRoleRecord* Document::NewRsrcRole(std::unique_ptr<RsrcRoleRecord> record) {
    return append(m_rsrc_roles, std::move(record));
}
TaskRsrcRecord* Document::NewTaskRsrc(std::unique_ptr<TaskRsrcRecord> record) {
    return append(m_task_rsrcs, std::move(record));
}
ShiftRecord* Document::NewShift(std::unique_ptr<ShiftRecord> record) {
    return append(m_shifts, std::move(record));
}
ShiftPerRecord* Document::NewShiftPer(std::unique_ptr<ShiftPerRecord> record) {
    return append(m_shift_pers, std::move(record));
}
CalendarRecord* Document::NewCalendar(std::unique_ptr<CalendarRecord> record) {
    return append(m_calendars, std::move(record));
}
RoleRecord* Document::NewRole(std::unique_ptr<RoleRecord> record) {
    return append_numbered(m_roles, std::move(record));
}
RoleRateRecord* Document::NewRoleRate(std::unique_ptr<RoleRateRecord> record) {
    return append(m_role_rates, std::move(record));
}
RoleLimitRecord* Document::NewRoleLimit(std::unique_ptr<RoleLimitRecord> record) {
    return append(m_role_limits, std::move(record));
}
CurrTypeRecord* Document::NewCurrType(std::unique_ptr<CurrTypeRecord> record) {
    return append(m_curr_types, std::move(record));
}
TaskPredRecord* Document::NewTaskPred(std::unique_ptr<TaskPredRecord> record) {
    return append(m_task_preds, std::move(record));
}
PCatValRecord* Document::NewPCatVal(std::unique_ptr<PCatValRecord> record) {
    return append(m_pcat_vals, std::move(record));
}
PCatTypeRecord* Document::NewPCatType(std::unique_ptr<PCatTypeRecord> record) {
    return append(m_pcat_types, std::move(record));
}
ProjPCatRecord* Document::NewProjPCat(std::unique_ptr<ProjPCatRecord> record) {
    return append(m_proj_pcats, std::move(record));
}
UdfTypeRecord* Document::NewUdfType(std::unique_ptr<UdfTypeRecord> record) {
    return append(m_udf_types, std::move(record));
}
UdfValueRecord* Document::NewUdfValue(std::unique_ptr<UdfValueRecord> record) {
    return append(m_udf_values, std::move(record));
}
MemoTypeRecord* Document::NewMemoType(std::unique_ptr<MemoTypeRecord> record) {
    return append(m_memo_types, std::move(record));
}
MemoRecord* Document::NewTaskMemo(std::unique_ptr<MemoRecord> record) {
    return append(m_task_memos, std::move(record));
}
MemoRecord* Document::NewWbsMemo(std::unique_ptr<MemoRecord> record) {
    return append(m_wbs_memos, std::move(record));
}

ProjectRecord* Document::FindProject(const s_unsigned_long& proj_id) const {
    return find_first(m_projects, [&](const ProjectRecord& r) { return r.proj_id.equal(proj_id); });
}

ProjWbsRecord* Document::FindWbs(const s_unsigned_long& wbs_id) const { return find_in(m_wbs_index, wbs_id.value); }

ObsRecord* Document::FindObs(const s_unsigned_long& obs_id) const {
    return find_first(m_obs, [&](const ObsRecord& r) { return r.obs_id.equal(obs_id); });
}

RsrcRecord* Document::FindResource(const s_unsigned_long& rsrc_id) const {
    return find_first(m_rsrcs, [&](const RsrcRecord& r) { return r.rsrc_id.equal(rsrc_id); });
}

RsrcRecord* Document::FindResourceByText(const s_string& rsrc_short_name) const {
    return find_first(m_rsrcs, [&](const RsrcRecord& r) { return r.rsrc_short_name.equal(rsrc_short_name); });
}

CalendarRecord* Document::FindCalendar(const s_unsigned_long& clndr_id) const {
    return find_first(m_calendars, [&](const CalendarRecord& r) { return r.clndr_id.equal(clndr_id); });
}

CalendarRecord* Document::FindCalendarByName(const s_string& clndr_name) const {
    return find_first(m_calendars, [&](const CalendarRecord& r) { return r.clndr_name.equal(clndr_name); });
}

CalendarRecord* Document::GetDefaultCalendar() const {
    return find_first(m_calendars, [](const CalendarRecord& r) { return r.default_flag.as_bool(); });
}

std::vector<RsrcRateRecord*> Document::FindResourceRates(const s_unsigned_long& rsrc_id) const {
    std::vector<RsrcRateRecord*> rates;
    for (const auto& rate : m_rsrc_rates) {
        if (rate->rsrc_id.equal(rsrc_id)) rates.push_back(rate.get());
    }
    return rates;
}

CurrTypeRecord* Document::FindCurrency(const s_unsigned_long& curr_id) const {
    return find_first(m_curr_types, [&](const CurrTypeRecord& r) { return r.curr_id.equal(curr_id); });
}

UdfTypeRecord* Document::FindUdfType(const s_unsigned_long& udf_type_id) const {
    return find_first(m_udf_types, [&](const UdfTypeRecord& r) { return r.udf_type_id.equal(udf_type_id); });
}

// Values of every user-defined field of a record share one owner id, whatever table the
// record belongs to; the field type picks the value. The first in file order wins.
UdfValueRecord* Document::FindUdfValue(const s_unsigned_long& fk_id, const s_unsigned_long& udf_type_id) const {
    const std::uint64_t key = pair_key(fk_id, udf_type_id);
    const auto found = std::lower_bound(m_udf_value_index.begin(), m_udf_value_index.end(), key,
                                        [](const auto& entry, std::uint64_t wanted) { return entry.first < wanted; });
    return found != m_udf_value_index.end() && found->first == key ? found->second : nullptr;
}

ActvTypeRecord* Document::FindActvType(const s_unsigned_long& actv_code_type_id) const {
    return find_first(m_actv_types, [&](const ActvTypeRecord& r) { return r.actv_code_type_id.equal(actv_code_type_id); });
}

ActvTypeRecord* Document::FindActvTypeByName(const s_string& column_key) const {
    return find_first(m_actv_types, [&](const ActvTypeRecord& r) { return r.column_key.equal(column_key); });
}

ActvCodeRecord* Document::FindActvCode(const s_unsigned_long& actv_code_type_id, const s_string& short_name) const {
    return find_first(m_actv_codes, [&](const ActvCodeRecord& r) {
        return r.actv_code_type_id.equal(actv_code_type_id) && r.short_name.equal(short_name);
    });
}

TaskActvRecord* Document::FindTaskActv(const s_unsigned_long& task_id, const s_unsigned_long& actv_code_type_id) const {
    if (m_indexes_built) return find_in(m_task_actv_index, pair_key(task_id, actv_code_type_id));
    return find_first(m_task_actvs, [&](const TaskActvRecord& r) {
        return r.task_id.equal(task_id) && r.actv_code_type_id.equal(actv_code_type_id);
    });
}

PCatTypeRecord* Document::FindPCatType(const s_unsigned_long& proj_catg_type_id) const {
    return find_first(m_pcat_types, [&](const PCatTypeRecord& r) { return r.proj_catg_type_id.equal(proj_catg_type_id); });
}

PCatValRecord* Document::FindPCatVal(const s_unsigned_long& proj_catg_id) const {
    return find_first(m_pcat_vals, [&](const PCatValRecord& r) { return r.proj_catg_id.equal(proj_catg_id); });
}

ProjPCatRecord* Document::FindProjPCat(const s_unsigned_long& proj_id, const s_unsigned_long& proj_catg_type_id) const {
    if (m_indexes_built) return find_in(m_proj_pcat_index, pair_key(proj_id, proj_catg_type_id));
    return find_first(m_proj_pcats, [&](const ProjPCatRecord& r) {
        return r.proj_id.equal(proj_id) && r.proj_catg_type_id.equal(proj_catg_type_id);
    });
}

RCatTypeRecord* Document::FindRCatType(const s_unsigned_long& rsrc_catg_type_id) const {
    return find_first(m_rcat_types, [&](const RCatTypeRecord& r) { return r.rsrc_catg_type_id.equal(rsrc_catg_type_id); });
}

RCatValRecord* Document::FindRCatVal(const s_unsigned_long& rsrc_catg_id) const {
    return find_first(m_rcat_vals, [&](const RCatValRecord& r) { return r.rsrc_catg_id.equal(rsrc_catg_id); });
}

RsrcRCatRecord* Document::FindRsrcRCat(const s_unsigned_long& rsrc_id, const s_unsigned_long& rsrc_catg_type_id) const {
    if (m_indexes_built) return find_in(m_rsrc_rcat_index, pair_key(rsrc_id, rsrc_catg_type_id));
    return find_first(m_rsrc_rcats, [&](const RsrcRCatRecord& r) {
        return r.rsrc_id.equal(rsrc_id) && r.rsrc_catg_type_id.equal(rsrc_catg_type_id);
    });
}

RoleRecord* Document::FindRole(const s_unsigned_long& role_id) const {
    return find_first(m_roles, [&](const RoleRecord& r) { return r.role_id.equal(role_id); });
}

ShiftRecord* Document::FindShift(const s_unsigned_long& shift_id) const {
    return find_first(m_shifts, [&](const ShiftRecord& r) { return r.shift_id.equal(shift_id); });
}

ShiftRecord* Document::FindShiftByName(const s_string& shift_name) const {
    return find_first(m_shifts, [&](const ShiftRecord& r) { return r.shift_name.equal(shift_name); });
}

MemoTypeRecord* Document::FindMemoType(const s_unsigned_long& memo_type_id) const {
    return find_first(m_memo_types, [&](const MemoTypeRecord& r) { return r.memo_type_id.equal(memo_type_id); });
}

void Document::BuildIndexes() {
    // try_emplace keeps the first record of a key that two records share.
    m_task_index.reserve(m_tasks.size());
    for (const auto& task : m_tasks) m_task_index.try_emplace(task->task_id.value, task.get());
    for (const auto& wbs : m_proj_wbs) m_wbs_index.try_emplace(wbs->wbs_id.value, wbs.get());
    for (const auto& code : m_actv_codes) m_actv_code_index.try_emplace(code->actv_code_id.value, code.get());
    m_udf_value_index.reserve(m_udf_values.size());
    for (const auto& value : m_udf_values) m_udf_value_index.emplace_back(pair_key(value->fk_id, value->udf_type_id), value.get());
    std::stable_sort(m_udf_value_index.begin(), m_udf_value_index.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& a : m_task_actvs) m_task_actv_index.try_emplace(pair_key(a->task_id, a->actv_code_type_id), a.get());
    for (const auto& a : m_proj_pcats) m_proj_pcat_index.try_emplace(pair_key(a->proj_id, a->proj_catg_type_id), a.get());
    for (const auto& a : m_rsrc_rcats) m_rsrc_rcat_index.try_emplace(pair_key(a->rsrc_id, a->rsrc_catg_type_id), a.get());
    m_indexes_built = true;
}

}  // namespace varnholt::document
