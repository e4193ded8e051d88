// record_classes.h - forward declarations of the 31 record classes, for headers that only
// pass records around by pointer or reference.
#pragma once

namespace varnholt {
class ActvCodeRecord; class ActvTypeRecord; class TaskActvRecord; class TaskProcRecord;
class ObsRecord; class ProjWbsRecord; class TaskRecord; class ProjectRecord; class TaskPredRecord;
class RsrcRecord; class RsrcRateRecord; class RCatValRecord; class RCatTypeRecord;
class RsrcRCatRecord; class RsrcRoleRecord; class TaskRsrcRecord; class ShiftRecord;
class ShiftPerRecord; class CalendarRecord; class RoleRecord; class RoleRateRecord;
class RoleLimitRecord; class CurrTypeRecord; class PCatValRecord; class PCatTypeRecord;
class ProjPCatRecord; class UdfTypeRecord; class UdfValueRecord; class MemoTypeRecord;
class MemoRecord;
}  // namespace varnholt
