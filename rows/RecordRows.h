// RecordRows.h - the row classes of the views' row trees besides the activity and group rows:
// the invisible root and one class per kind of record a table shows. They differ in their
// record, their kind query and getter, and how they answer the two value queries.
#pragma once

#include "rows/Row.h"
#include "rows/record_row.h"

#include <cstdint>
#include <memory>
#include <string>

namespace varnholt::view {

// The invisible top of every tree: never listed, no record, no values.
class RootRow final : public Row {
public:
    [[nodiscard]] bool IsRootRow() const override { return true; }
};

// A WBS element. With the summary flag set (a project's top element, an element shown with
// child rows) the summary columns roll up the element's subtree; the record keeps each
// rolled-up value for the life of the document.
class WBSRow final : public RecordRow<RecordRowKind::wbs, ProjWbsRecord> {
public:
    explicit WBSRow(ProjWbsRecord* wbs) : RecordRow(wbs), m_wbs(wbs) {}

    [[nodiscard]] const s_val& GetCodeValue(std::int32_t column_id) const override;
    [[nodiscard]] const s_val& GetFieldValue(std::int32_t field_id) const override;

    bool summary = false;

private:
    ProjWbsRecord* m_wbs;  // the same record, writable for its summary cache
};

class ProjectRow final : public RecordRow<RecordRowKind::project, ProjectRecord> {
public:
    using RecordRow::RecordRow;
    [[nodiscard]] const s_val& GetCodeValue(std::int32_t column_id) const override;
    [[nodiscard]] const s_val& GetFieldValue(std::int32_t field_id) const override;
};

class ResourceRow final : public RecordRow<RecordRowKind::resource, RsrcRecord> {
public:
    using RecordRow::RecordRow;
    [[nodiscard]] const s_val& GetCodeValue(std::int32_t column_id) const override;
    [[nodiscard]] const s_val& GetFieldValue(std::int32_t field_id) const override;
};

// Predecessor and successor columns have ids of their own, so column and field ids agree.
class RelationshipRow final : public RecordRow<RecordRowKind::relationship, TaskPredRecord> {
public:
    using RecordRow::RecordRow;
    [[nodiscard]] const s_val& GetCodeValue(std::int32_t column_id) const override { return GetFieldValue(column_id); }
    [[nodiscard]] const s_val& GetFieldValue(std::int32_t field_id) const override;
};

// Rows whose tables read the record directly: both value queries answer the null value.
using ActivityCodeRow = RecordRow<RecordRowKind::activity_code, ActvCodeRecord>;
using ActivityStepRow = RecordRow<RecordRowKind::activity_step, TaskProcRecord>;
using TaskMemoRow = RecordRow<RecordRowKind::task_memo, MemoRecord>;
using WBSMemoRow = RecordRow<RecordRowKind::wbs_memo, MemoRecord>;
using ProjectCodeRow = RecordRow<RecordRowKind::project_code, PCatValRecord>;
using ResourceCodeRow = RecordRow<RecordRowKind::resource_code, RCatValRecord>;
using OBSRow = RecordRow<RecordRowKind::obs, ObsRecord>;
using RoleRow = RecordRow<RecordRowKind::role, RoleRecord>;
using ResourceRoleRow = RecordRow<RecordRowKind::resource_role, RsrcRoleRecord>;
// The role-rate table shows one record on five rows, one per price level, told apart by place.
using RoleRateRow = RecordRow<RecordRowKind::role_rate, RoleRateRecord>;
using RoleLimitRow = RecordRow<RecordRowKind::role_limit, RoleLimitRecord>;

}  // namespace varnholt::view
