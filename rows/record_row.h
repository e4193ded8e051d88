// record_row.h - the kind query and record getter of a row class that shows one record. Each
// row class answers true to exactly one kind query and returns its record from exactly one
// getter; this template writes that pair once for all of them.
#pragma once

#include "rows/Row.h"

#include <type_traits>

namespace varnholt::view {

enum class RecordRowKind {
    obs, project, wbs, resource, role, relationship, activity_code, project_code, resource_code,
    activity_step, resource_role, role_rate, role_limit, task_memo, wbs_memo
};

template <RecordRowKind Kind, class Record>
class RecordRow : public Row {
public:
    explicit RecordRow(const Record* record) : m_record(record) {}

    [[nodiscard]] bool IsOBSRow() const override { return Kind == RecordRowKind::obs; }
    [[nodiscard]] bool IsProjectRow() const override { return Kind == RecordRowKind::project; }
    [[nodiscard]] bool IsWBSRow() const override { return Kind == RecordRowKind::wbs; }
    [[nodiscard]] bool IsResourceRow() const override { return Kind == RecordRowKind::resource; }
    [[nodiscard]] bool IsRoleRow() const override { return Kind == RecordRowKind::role; }
    [[nodiscard]] bool IsRelationshipRow() const override { return Kind == RecordRowKind::relationship; }
    [[nodiscard]] bool IsActivityCodeRow() const override { return Kind == RecordRowKind::activity_code; }
    [[nodiscard]] bool IsProjectCodeRow() const override { return Kind == RecordRowKind::project_code; }
    [[nodiscard]] bool IsResourceCodeRow() const override { return Kind == RecordRowKind::resource_code; }
    [[nodiscard]] bool IsActivityStepRow() const override { return Kind == RecordRowKind::activity_step; }
    [[nodiscard]] bool IsResourceRoleRow() const override { return Kind == RecordRowKind::resource_role; }
    [[nodiscard]] bool IsRoleRateRow() const override { return Kind == RecordRowKind::role_rate; }
    [[nodiscard]] bool IsRoleLimitRow() const override { return Kind == RecordRowKind::role_limit; }
    [[nodiscard]] bool IsTaskMemoRow() const override { return Kind == RecordRowKind::task_memo; }
    [[nodiscard]] bool IsWBSMemoRow() const override { return Kind == RecordRowKind::wbs_memo; }

    [[nodiscard]] const ObsRecord* GetOBS() const override { return Pick<RecordRowKind::obs, ObsRecord>(); }
    [[nodiscard]] const ProjectRecord* GetProject() const override {
        return Pick<RecordRowKind::project, ProjectRecord>();
    }
    [[nodiscard]] const ProjWbsRecord* GetWBS() const override { return Pick<RecordRowKind::wbs, ProjWbsRecord>(); }
    [[nodiscard]] const RsrcRecord* GetResource() const override {
        return Pick<RecordRowKind::resource, RsrcRecord>();
    }
    [[nodiscard]] const RoleRecord* GetRole() const override { return Pick<RecordRowKind::role, RoleRecord>(); }
    [[nodiscard]] const TaskPredRecord* GetRelationship() const override {
        return Pick<RecordRowKind::relationship, TaskPredRecord>();
    }
    [[nodiscard]] const ActvCodeRecord* GetActivityCode() const override {
        return Pick<RecordRowKind::activity_code, ActvCodeRecord>();
    }
    [[nodiscard]] const PCatValRecord* GetProjectCode() const override {
        return Pick<RecordRowKind::project_code, PCatValRecord>();
    }
    [[nodiscard]] const RCatValRecord* GetResourceCode() const override {
        return Pick<RecordRowKind::resource_code, RCatValRecord>();
    }
    [[nodiscard]] const TaskProcRecord* GetActivityStep() const override {
        return Pick<RecordRowKind::activity_step, TaskProcRecord>();
    }
    [[nodiscard]] const RsrcRoleRecord* GetResourceRole() const override {
        return Pick<RecordRowKind::resource_role, RsrcRoleRecord>();
    }
    [[nodiscard]] const RoleRateRecord* GetRoleRate() const override {
        return Pick<RecordRowKind::role_rate, RoleRateRecord>();
    }
    [[nodiscard]] const RoleLimitRecord* GetRoleLimit() const override {
        return Pick<RecordRowKind::role_limit, RoleLimitRecord>();
    }
    [[nodiscard]] const MemoRecord* GetTaskMemo() const override { return Pick<RecordRowKind::task_memo, MemoRecord>(); }
    [[nodiscard]] const MemoRecord* GetWBSMemo() const override { return Pick<RecordRowKind::wbs_memo, MemoRecord>(); }

protected:
    [[nodiscard]] const Record* record() const { return m_record; }

private:
    // The record from the getter of this row's kind, null from every other getter.
    template <RecordRowKind Getter, class Wanted>
    [[nodiscard]] const Wanted* Pick() const {
        if constexpr (Getter == Kind) {
            static_assert(std::is_same_v<Wanted, Record>, "a row kind names its record class");
            return m_record;
        } else {
            return nullptr;
        }
    }

    const Record* m_record;  // owned by the Document
};

}  // namespace varnholt::view
