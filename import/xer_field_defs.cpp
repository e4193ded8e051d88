// xer_field_defs.cpp - the table names and each table's field list, by table id.

#include "import/xer_field_defs.h"

#include "import/xer_fields_activity.h"
#include "import/xer_fields_codes.h"
#include "import/xer_fields_resource.h"

#include <array>

namespace varnholt {

namespace {

constexpr std::array<xer_table_name, kXerTableCount> kTableNames = {{
    {L"ACTVCODE", xer_table::ACTVCODE}, {L"ACTVTYPE", xer_table::ACTVTYPE},
    {L"TASKACTV", xer_table::TASKACTV}, {L"TASKPROC", xer_table::TASKPROC},
    {L"OBS", xer_table::OBS},           {L"PROJWBS", xer_table::PROJWBS},
    {L"TASK", xer_table::TASK},         {L"PROJECT", xer_table::PROJECT},
    {L"RSRC", xer_table::RSRC},         {L"RSRCRATE", xer_table::RSRCRATE},
    {L"RCATVAL", xer_table::RCATVAL},   {L"RCATTYPE", xer_table::RCATTYPE},
    {L"RSRCRCAT", xer_table::RSRCRCAT}, {L"RSRCROLE", xer_table::RSRCROLE},
    {L"TASKRSRC", xer_table::TASKRSRC}, {L"SHIFT", xer_table::SHIFT},
    {L"SHIFTPER", xer_table::SHIFTPER}, {L"CALENDAR", xer_table::CALENDAR},
    {L"ROLES", xer_table::ROLES},       {L"ROLERATE", xer_table::ROLERATE},
    {L"ROLELIMIT", xer_table::ROLELIMIT}, {L"CURRTYPE", xer_table::CURRTYPE},
    {L"TASKPRED", xer_table::TASKPRED}, {L"PCATVAL", xer_table::PCATVAL},
    {L"PCATTYPE", xer_table::PCATTYPE}, {L"PROJPCAT", xer_table::PROJPCAT},
    {L"UDFTYPE", xer_table::UDFTYPE},   {L"UDFVALUE", xer_table::UDFVALUE},
    {L"MEMOTYPE", xer_table::MEMOTYPE}, {L"TASKMEMO", xer_table::TASKMEMO},
    {L"WBSMEMO", xer_table::WBSMEMO},
}};

constexpr bool names_in_id_order() {
    for (std::size_t i = 0; i < kTableNames.size(); ++i)
        if (static_cast<std::size_t>(kTableNames[i].id) != i + 1) return false;
    return true;
}
static_assert(names_in_id_order(), "the table list is indexed by table id - 1");

}  // namespace

std::span<const xer_table_name> xer_table_names() { return kTableNames; }

std::span<const xer_field_def> xer_field_defs(xer_table table) {
    switch (table) {
    case xer_table::ACTVCODE: return kActvCodeFieldDefs;
    case xer_table::ACTVTYPE: return kActvTypeFieldDefs;
    case xer_table::TASKACTV: return kTaskActvFieldDefs;
    case xer_table::TASKPROC: return kTaskProcFieldDefs;
    case xer_table::OBS: return kObsFieldDefs;
    case xer_table::PROJWBS: return kProjWbsFieldDefs;
    case xer_table::TASK: return kTaskFieldDefs;
    case xer_table::PROJECT: return kProjectFieldDefs;
    case xer_table::RSRC: return kRsrcFieldDefs;
    case xer_table::RSRCRATE: return kRsrcRateFieldDefs;
    case xer_table::RCATVAL: return kRCatValFieldDefs;
    case xer_table::RCATTYPE: return kRCatTypeFieldDefs;
    case xer_table::RSRCRCAT: return kRsrcRCatFieldDefs;
    case xer_table::RSRCROLE: return kRsrcRoleFieldDefs;
    case xer_table::TASKRSRC: return kTaskRsrcFieldDefs;
    case xer_table::SHIFT: return kShiftFieldDefs;
    case xer_table::SHIFTPER: return kShiftPerFieldDefs;
    case xer_table::CALENDAR: return kCalendarFieldDefs;
    case xer_table::ROLES: return kRoleFieldDefs;
    case xer_table::ROLERATE: return kRoleRateFieldDefs;
    case xer_table::ROLELIMIT: return kRoleLimitFieldDefs;
    case xer_table::CURRTYPE: return kCurrTypeFieldDefs;
    case xer_table::TASKPRED: return kTaskPredFieldDefs;
    case xer_table::PCATVAL: return kPCatValFieldDefs;
    case xer_table::PCATTYPE: return kPCatTypeFieldDefs;
    case xer_table::PROJPCAT: return kProjPCatFieldDefs;
    case xer_table::UDFTYPE: return kUdfTypeFieldDefs;
    case xer_table::UDFVALUE: return kUdfValueFieldDefs;
    case xer_table::MEMOTYPE: return kMemoTypeFieldDefs;
    case xer_table::TASKMEMO: return kTaskMemoFieldDefs;
    case xer_table::WBSMEMO: return kWbsMemoFieldDefs;
    }
    return {};
}

}  // namespace varnholt
