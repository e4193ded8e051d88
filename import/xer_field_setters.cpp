// xer_field_setters.cpp - the field setters of the 31 tables. Each pairs its record's slot
// array with the table's field list (checked to agree at compile time) and hands the value
// to the one generic store; only ACTVCODE and CALENDAR add a step of their own.

#include "import/xer_parser.h"

#include "import/xer_field_store.h"
#include "import/xer_fields_activity.h"
#include "import/xer_fields_codes.h"
#include "import/xer_fields_resource.h"
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

constexpr int kActvCodeColorField = 7;
constexpr int kCalendarDataField = 8;
// Every colour the file gives is replaced by this one: the views draw code values alike.
constexpr std::uint32_t kCodeValueColour = 0xFF000000;

static_assert(field_defs_fit(kActvCodeXerFields, kActvCodeFieldDefs));
static_assert(field_defs_fit(kActvTypeXerFields, kActvTypeFieldDefs));
static_assert(field_defs_fit(kTaskActvXerFields, kTaskActvFieldDefs));
static_assert(field_defs_fit(kTaskProcXerFields, kTaskProcFieldDefs));
static_assert(field_defs_fit(kObsXerFields, kObsFieldDefs));
static_assert(field_defs_fit(kProjWbsXerFields, kProjWbsFieldDefs));
static_assert(field_defs_fit(kTaskXerFields, kTaskFieldDefs));
static_assert(field_defs_fit(kTaskOptionalXerFields, kTaskFieldDefs));
static_assert(field_defs_fit(kProjectXerFields, kProjectFieldDefs));
static_assert(field_defs_fit(kRsrcXerFields, kRsrcFieldDefs));
static_assert(field_defs_fit(kRsrcRateXerFields, kRsrcRateFieldDefs));
static_assert(field_defs_fit(kRCatValXerFields, kRCatValFieldDefs));
static_assert(field_defs_fit(kRCatTypeXerFields, kRCatTypeFieldDefs));
static_assert(field_defs_fit(kRsrcRCatXerFields, kRsrcRCatFieldDefs));
static_assert(field_defs_fit(kRsrcRoleXerFields, kRsrcRoleFieldDefs));
static_assert(field_defs_fit(kTaskRsrcXerFields, kTaskRsrcFieldDefs));
static_assert(field_defs_fit(kTaskRsrcDetailXerFields, kTaskRsrcFieldDefs));
static_assert(field_defs_fit(kShiftXerFields, kShiftFieldDefs));
static_assert(field_defs_fit(kShiftPerXerFields, kShiftPerFieldDefs));
static_assert(field_defs_fit(kCalendarXerFields, kCalendarFieldDefs));
static_assert(field_defs_fit(kRoleXerFields, kRoleFieldDefs));
static_assert(field_defs_fit(kRoleRateXerFields, kRoleRateFieldDefs));
static_assert(field_defs_fit(kRoleLimitXerFields, kRoleLimitFieldDefs));
static_assert(field_defs_fit(kCurrTypeXerFields, kCurrTypeFieldDefs));
static_assert(field_defs_fit(kTaskPredXerFields, kTaskPredFieldDefs));
static_assert(field_defs_fit(kPCatValXerFields, kPCatValFieldDefs));
static_assert(field_defs_fit(kPCatTypeXerFields, kPCatTypeFieldDefs));
static_assert(field_defs_fit(kProjPCatXerFields, kProjPCatFieldDefs));
static_assert(field_defs_fit(kUdfTypeXerFields, kUdfTypeFieldDefs));
static_assert(field_defs_fit(kUdfValueXerFields, kUdfValueFieldDefs));
static_assert(field_defs_fit(kMemoTypeXerFields, kMemoTypeFieldDefs));
static_assert(field_defs_fit(kTaskMemoXerFields, kTaskMemoFieldDefs));
static_assert(field_defs_fit(kWbsMemoXerFields, kWbsMemoFieldDefs));

}  // namespace

void xer_parser::set_actvcode_field(ActvCodeRecord& record, int field_id, std::wstring_view text) {
    if (field_id == kActvCodeColorField) {
        record.color = kCodeValueColour;  // the text is not read
        return;
    }
    store_xer_field(record, kActvCodeXerFields, kActvCodeFieldDefs, field_id, text);
}

void xer_parser::set_actvtype_field(ActvTypeRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kActvTypeXerFields, kActvTypeFieldDefs, field_id, text);
}

void xer_parser::set_taskactv_field(TaskActvRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kTaskActvXerFields, kTaskActvFieldDefs, field_id, text);
}

void xer_parser::set_taskproc_field(TaskProcRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kTaskProcXerFields, kTaskProcFieldDefs, field_id, text);
}

void xer_parser::set_obs_field(ObsRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kObsXerFields, kObsFieldDefs, field_id, text);
}

void xer_parser::set_projwbs_field(ProjWbsRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kProjWbsXerFields, kProjWbsFieldDefs, field_id, text);
}

void xer_parser::set_task_field(TaskRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kTaskXerFields, kTaskFieldDefs, field_id, text);
    store_xer_field_into([&record]() -> TaskOptionalValues& { return record.EnsureOptionalValues(); },
                         kTaskOptionalXerFields, kTaskFieldDefs, field_id, text);
}

void xer_parser::set_project_field(ProjectRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kProjectXerFields, kProjectFieldDefs, field_id, text);
}

void xer_parser::set_rsrc_field(RsrcRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kRsrcXerFields, kRsrcFieldDefs, field_id, text);
}

void xer_parser::set_rsrcrate_field(RsrcRateRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kRsrcRateXerFields, kRsrcRateFieldDefs, field_id, text);
}

void xer_parser::set_rcatval_field(RCatValRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kRCatValXerFields, kRCatValFieldDefs, field_id, text);
}

void xer_parser::set_rcattype_field(RCatTypeRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kRCatTypeXerFields, kRCatTypeFieldDefs, field_id, text);
}

void xer_parser::set_catg_assign_field(RsrcRCatRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kRsrcRCatXerFields, kRsrcRCatFieldDefs, field_id, text);
}

void xer_parser::set_catg_assign_field(ProjPCatRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kProjPCatXerFields, kProjPCatFieldDefs, field_id, text);
}

void xer_parser::set_rsrcrole_field(RsrcRoleRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kRsrcRoleXerFields, kRsrcRoleFieldDefs, field_id, text);
}

void xer_parser::set_taskrsrc_field(TaskRsrcRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kTaskRsrcXerFields, kTaskRsrcFieldDefs, field_id, text);
    store_xer_field_into([&record]() -> TaskRsrcDetails& { return record.EnsureDetails(); }, kTaskRsrcDetailXerFields,
                         kTaskRsrcFieldDefs, field_id, text);
}

void xer_parser::set_shift_field(ShiftRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kShiftXerFields, kShiftFieldDefs, field_id, text);
}

void xer_parser::set_shiftper_field(ShiftPerRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kShiftPerXerFields, kShiftPerFieldDefs, field_id, text);
}

void xer_parser::set_calendar_field(CalendarRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kCalendarXerFields, kCalendarFieldDefs, field_id, text);
    // The stored text has its doubled quotation marks folded; the calendar reads the original.
    if (field_id == kCalendarDataField) parse_calendar_data(record, text);
}

void xer_parser::set_roles_field(RoleRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kRoleXerFields, kRoleFieldDefs, field_id, text);
}

void xer_parser::set_rolerate_field(RoleRateRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kRoleRateXerFields, kRoleRateFieldDefs, field_id, text);
}

void xer_parser::set_rolelimit_field(RoleLimitRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kRoleLimitXerFields, kRoleLimitFieldDefs, field_id, text);
}

void xer_parser::set_currtype_field(CurrTypeRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kCurrTypeXerFields, kCurrTypeFieldDefs, field_id, text);
}

void xer_parser::set_taskpred_field(TaskPredRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kTaskPredXerFields, kTaskPredFieldDefs, field_id, text);
}

void xer_parser::set_pcatval_field(PCatValRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kPCatValXerFields, kPCatValFieldDefs, field_id, text);
}

void xer_parser::set_pcattype_field(PCatTypeRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kPCatTypeXerFields, kPCatTypeFieldDefs, field_id, text);
}

void xer_parser::set_udftype_field(UdfTypeRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kUdfTypeXerFields, kUdfTypeFieldDefs, field_id, text);
}

void xer_parser::set_udfvalue_field(UdfValueRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kUdfValueXerFields, kUdfValueFieldDefs, field_id, text);
}

void xer_parser::set_memotype_field(MemoTypeRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kMemoTypeXerFields, kMemoTypeFieldDefs, field_id, text);
}

void xer_parser::set_taskmemo_field(MemoRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kTaskMemoXerFields, kTaskMemoFieldDefs, field_id, text);
}

void xer_parser::set_wbsmemo_field(MemoRecord& record, int field_id, std::wstring_view text) {
    store_xer_field(record, kWbsMemoXerFields, kWbsMemoFieldDefs, field_id, text);
}

}  // namespace varnholt::document
