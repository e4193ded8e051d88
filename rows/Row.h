// Row.h - one row of a table view's tree: a record, a group or the invisible root. Rows answer
// kind queries and record getters in place of run-time type tests, and give cell values
// through two value queries that the painters, sorters and filters share.
#pragma once

#include "model/s_val.h"
#include "rows/Geometry.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace varnholt {
class ActvCodeRecord; class MemoRecord; class ObsRecord; class PCatValRecord; class ProjWbsRecord;
class ProjectRecord; class RCatValRecord; class RoleLimitRecord; class RoleRateRecord; class RoleRecord;
class RsrcRecord; class RsrcRoleRecord; class TaskPredRecord; class TaskProcRecord; class TaskRecord;
}  // namespace varnholt

namespace varnholt::view {

class Row {
public:
    Row() = default;
    Row(const Row&) = delete;
    Row& operator=(const Row&) = delete;
    // Deleting a row deletes its whole subtree; the records belong to the Document. The
    // subtree is taken apart level by level, so a deep WBS chain read from a file cannot
    // exhaust the call stack.
    virtual ~Row() {
        std::vector<std::unique_ptr<Row>> doomed = std::move(children);
        while (!doomed.empty()) {
            std::unique_ptr<Row> row = std::move(doomed.back());
            doomed.pop_back();
            for (auto& child : row->children) doomed.push_back(std::move(child));
            row->children.clear();
        }
    }

    // Kind queries: each row class answers true to exactly one.
    [[nodiscard]] virtual bool IsActivityRow() const { return false; }
    [[nodiscard]] virtual bool IsOBSRow() const { return false; }
    [[nodiscard]] virtual bool IsProjectRow() const { return false; }
    [[nodiscard]] virtual bool IsWBSRow() const { return false; }
    [[nodiscard]] virtual bool IsGroupRow() const { return false; }
    [[nodiscard]] virtual bool IsResourceRow() const { return false; }
    [[nodiscard]] virtual bool IsRoleRow() const { return false; }
    [[nodiscard]] virtual bool IsRelationshipRow() const { return false; }
    [[nodiscard]] virtual bool IsActivityCodeRow() const { return false; }
    [[nodiscard]] virtual bool IsProjectCodeRow() const { return false; }
    [[nodiscard]] virtual bool IsResourceCodeRow() const { return false; }
    [[nodiscard]] virtual bool IsActivityStepRow() const { return false; }
    [[nodiscard]] virtual bool IsResourceRoleRow() const { return false; }
    [[nodiscard]] virtual bool IsRoleRateRow() const { return false; }
    [[nodiscard]] virtual bool IsRoleLimitRow() const { return false; }
    [[nodiscard]] virtual bool IsTaskMemoRow() const { return false; }
    [[nodiscard]] virtual bool IsWBSMemoRow() const { return false; }
    [[nodiscard]] virtual bool IsRootRow() const { return false; }

    // Record getters: the row's record from the getter of its kind, null from every other.
    [[nodiscard]] virtual const TaskRecord* GetActivity() const { return nullptr; }
    [[nodiscard]] virtual const ObsRecord* GetOBS() const { return nullptr; }
    [[nodiscard]] virtual const ProjectRecord* GetProject() const { return nullptr; }
    [[nodiscard]] virtual const ProjWbsRecord* GetWBS() const { return nullptr; }
    [[nodiscard]] virtual const RsrcRecord* GetResource() const { return nullptr; }
    [[nodiscard]] virtual const RoleRecord* GetRole() const { return nullptr; }
    [[nodiscard]] virtual const TaskPredRecord* GetRelationship() const { return nullptr; }
    [[nodiscard]] virtual const ActvCodeRecord* GetActivityCode() const { return nullptr; }
    [[nodiscard]] virtual const PCatValRecord* GetProjectCode() const { return nullptr; }
    [[nodiscard]] virtual const RCatValRecord* GetResourceCode() const { return nullptr; }
    [[nodiscard]] virtual const TaskProcRecord* GetActivityStep() const { return nullptr; }
    [[nodiscard]] virtual const RsrcRoleRecord* GetResourceRole() const { return nullptr; }
    [[nodiscard]] virtual const RoleRateRecord* GetRoleRate() const { return nullptr; }
    [[nodiscard]] virtual const RoleLimitRecord* GetRoleLimit() const { return nullptr; }
    [[nodiscard]] virtual const MemoRecord* GetTaskMemo() const { return nullptr; }
    [[nodiscard]] virtual const MemoRecord* GetWBSMemo() const { return nullptr; }

    // The row's value for any column id (load-time columns included) and for a built-in field
    // id. The value belongs to the record, a cache or the shared null value; never freed by
    // the caller, never a null reference.
    [[nodiscard]] virtual const s_val& GetCodeValue(std::int32_t column_id) const {
        (void)column_id;
        return s_val::null_value();
    }
    [[nodiscard]] virtual const s_val& GetFieldValue(std::int32_t field_id) const {
        (void)field_id;
        return s_val::null_value();
    }

    // Appends a child and takes it over; the builder sets the child's level.
    Row& AddChild(std::unique_ptr<Row> child) { return *children.emplace_back(std::move(child)); }

    // Where the painter last drew the expand/collapse box and the row, in content coordinates;
    // the mouse handlers hit-test them.
    [[nodiscard]] RectF GetExpanderRect() const noexcept { return expander_rect; }
    [[nodiscard]] RectF GetRect() const noexcept { return rect; }

    std::vector<std::unique_ptr<Row>> children;  // display order
    std::int32_t level = 0;    // the root 0, its children 1, ...
    bool expanded = true;
    bool selected = false;
    RectF expander_rect;
    RectF rect;
    std::int32_t index = -1;   // place in the visible row list; -1 until listed
};

}  // namespace varnholt::view
