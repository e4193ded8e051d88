// xer_table.h - the numbers of the 31 tables of a schedule export, shared by the document
// store, the readers and the column catalogue.
#pragma once

#include <cstdint>

namespace varnholt {

enum class xer_table : std::uint8_t {
    ACTVCODE = 1, ACTVTYPE, TASKACTV, TASKPROC, OBS, PROJWBS, TASK, PROJECT, RSRC, RSRCRATE,
    RCATVAL, RCATTYPE, RSRCRCAT, RSRCROLE, TASKRSRC, SHIFT, SHIFTPER, CALENDAR, ROLES, ROLERATE,
    ROLELIMIT, CURRTYPE, TASKPRED, PCATVAL, PCATTYPE, PROJPCAT, UDFTYPE, UDFVALUE, MEMOTYPE,
    TASKMEMO, WBSMEMO,
};

inline constexpr int kXerTableCount = 31;

}  // namespace varnholt
