// xer_record_batch.cpp - ties each table id to its record factory and field setter.
//
// The record travels as void*, but only between the functions that one binding row
// instantiates for the same record type, so it is never read as another type.

#include "import/xer_record_batch.h"

#include "import/xer_parser.h"
#include "model/Document.h"
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

#include <array>
#include <memory>
#include <utility>

namespace varnholt::document {

struct xer_table_binding {
    varnholt::xer_table table;
    std::size_t record_size;
    void* (*make)();
    void (*set)(void* record, int field_id, std::wstring_view text);
    void (*hand_to)(Document& doc, void* record);  // takes the record, even when it throws
    void (*destroy)(void* record) noexcept;
};

namespace {

template <class Record, Record* (Document::*Factory)(std::unique_ptr<Record>),
          void (*Set)(Record&, int, std::wstring_view)>
constexpr xer_table_binding bind(varnholt::xer_table table) {
    return {table, sizeof(Record), []() -> void* { return std::make_unique<Record>().release(); },
            [](void* record, int field_id, std::wstring_view text) {
                Set(*static_cast<Record*>(record), field_id, text);
            },
            [](Document& doc, void* record) { (doc.*Factory)(std::unique_ptr<Record>(static_cast<Record*>(record))); },
            [](void* record) noexcept { std::default_delete<Record>()(static_cast<Record*>(record)); }};
}

using X = varnholt::xer_table;
using P = xer_parser;
using D = Document;

constexpr std::array<xer_table_binding, kXerTableCount> kBindings = {
    bind<ActvCodeRecord, &D::NewActvCode, &P::set_actvcode_field>(X::ACTVCODE),
    bind<ActvTypeRecord, &D::NewActvType, &P::set_actvtype_field>(X::ACTVTYPE),
    bind<TaskActvRecord, &D::NewTaskActv, &P::set_taskactv_field>(X::TASKACTV),
    bind<TaskProcRecord, &D::NewTaskProc, &P::set_taskproc_field>(X::TASKPROC),
    bind<ObsRecord, &D::NewObs, &P::set_obs_field>(X::OBS),
    bind<ProjWbsRecord, &D::NewProjWbs, &P::set_projwbs_field>(X::PROJWBS),
    bind<TaskRecord, &D::NewTask, &P::set_task_field>(X::TASK),
    bind<ProjectRecord, &D::NewProject, &P::set_project_field>(X::PROJECT),
    bind<RsrcRecord, &D::NewRsrc, &P::set_rsrc_field>(X::RSRC),
    bind<RsrcRateRecord, &D::NewRsrcRate, &P::set_rsrcrate_field>(X::RSRCRATE),
    bind<RCatValRecord, &D::NewRCatVal, &P::set_rcatval_field>(X::RCATVAL),
    bind<RCatTypeRecord, &D::NewRCatType, &P::set_rcattype_field>(X::RCATTYPE),
    bind<RsrcRCatRecord, &D::NewRsrcRCat, &P::set_catg_assign_field>(X::RSRCRCAT),
    bind<RsrcRoleRecord, &D::NewRsrcRole, &P::set_rsrcrole_field>(X::RSRCROLE),
    bind<TaskRsrcRecord, &D::NewTaskRsrc, &P::set_taskrsrc_field>(X::TASKRSRC),
    bind<ShiftRecord, &D::NewShift, &P::set_shift_field>(X::SHIFT),
    bind<ShiftPerRecord, &D::NewShiftPer, &P::set_shiftper_field>(X::SHIFTPER),
    bind<CalendarRecord, &D::NewCalendar, &P::set_calendar_field>(X::CALENDAR),
    bind<RoleRecord, &D::NewRole, &P::set_roles_field>(X::ROLES),
    bind<RoleRateRecord, &D::NewRoleRate, &P::set_rolerate_field>(X::ROLERATE),
    bind<RoleLimitRecord, &D::NewRoleLimit, &P::set_rolelimit_field>(X::ROLELIMIT),
    bind<CurrTypeRecord, &D::NewCurrType, &P::set_currtype_field>(X::CURRTYPE),
    bind<TaskPredRecord, &D::NewTaskPred, &P::set_taskpred_field>(X::TASKPRED),
    bind<PCatValRecord, &D::NewPCatVal, &P::set_pcatval_field>(X::PCATVAL),
    bind<PCatTypeRecord, &D::NewPCatType, &P::set_pcattype_field>(X::PCATTYPE),
    bind<ProjPCatRecord, &D::NewProjPCat, &P::set_catg_assign_field>(X::PROJPCAT),
    bind<UdfTypeRecord, &D::NewUdfType, &P::set_udftype_field>(X::UDFTYPE),
    bind<UdfValueRecord, &D::NewUdfValue, &P::set_udfvalue_field>(X::UDFVALUE),
    bind<MemoTypeRecord, &D::NewMemoType, &P::set_memotype_field>(X::MEMOTYPE),
    bind<MemoRecord, &D::NewTaskMemo, &P::set_taskmemo_field>(X::TASKMEMO),
    bind<MemoRecord, &D::NewWbsMemo, &P::set_wbsmemo_field>(X::WBSMEMO),
};

constexpr bool bindings_in_id_order() {
    for (std::size_t i = 0; i < kBindings.size(); ++i)
        if (static_cast<std::size_t>(kBindings[i].table) != i + 1) return false;
    return true;
}
static_assert(bindings_in_id_order(), "the bindings are indexed by table id - 1");

const xer_table_binding* binding_of(varnholt::xer_table table) {
    const auto index = static_cast<std::size_t>(table);
    return index >= 1 && index <= kBindings.size() ? &kBindings[index - 1] : nullptr;
}

}  // namespace

xer_record_batch::xer_record_batch(varnholt::xer_table table) : m_binding(binding_of(table)) {}

xer_record_batch::xer_record_batch(xer_record_batch&& other) noexcept
    : m_binding(other.m_binding), m_records(std::exchange(other.m_records, {})) {}

xer_record_batch& xer_record_batch::operator=(xer_record_batch&& other) noexcept {
    if (this != &other) {
        destroy_all();
        m_binding = other.m_binding;
        m_records = std::exchange(other.m_records, {});
    }
    return *this;
}

xer_record_batch::~xer_record_batch() { destroy_all(); }

void xer_record_batch::destroy_all() noexcept {
    for (void* record : m_records) m_binding->destroy(record);
    m_records.clear();
}

void xer_record_batch::add() {
    if (m_binding == nullptr) return;
    m_records.push_back(nullptr);  // the place first, so a record made is always owned
    m_records.back() = m_binding->make();
}

void xer_record_batch::set(int field_id, std::wstring_view text) const {
    if (m_binding != nullptr && !m_records.empty()) m_binding->set(m_records.back(), field_id, text);
}

void xer_record_batch::hand_to(Document& doc) {
    std::size_t handed = 0;
    try {
        for (; handed < m_records.size(); ++handed) m_binding->hand_to(doc, m_records[handed]);
    } catch (...) {
        // The record that failed was taken (and freed) with the rest of its call.
        m_records.erase(m_records.begin(), m_records.begin() + static_cast<std::ptrdiff_t>(handed) + 1);
        throw;
    }
    m_records.clear();
}

std::size_t xer_record_batch::record_size(varnholt::xer_table table) {
    const xer_table_binding* binding = binding_of(table);
    return binding != nullptr ? binding->record_size : 0;
}

}  // namespace varnholt::document
