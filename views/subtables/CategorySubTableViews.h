// CategorySubTableViews.h - the six sub-tables of the Projects, Resources, OBS and Roles detail
// panes: a project's codes, a resource's codes, the WBS elements an OBS node is responsible
// for, a role's resources, its five prices and its limits. They are one fixed-column table
// told apart by their kind: each kind has one constant column table, one row class and one
// walk over the items of the master's selected record, all in the source file.
#pragma once

#include "views/subtables/FixedTableView.h"

namespace varnholt::view {

enum class CategorySubTable { project_code, resource_code, obs_responsibility, resource_role, role_rate, role_limit };

template <CategorySubTable Kind>
class CategorySubTableView final : public FixedTableView {
public:
    explicit CategorySubTableView(View* master) : FixedTableView(master) {}

    [[nodiscard]] bool IsProjectCodeTableView() const override { return Kind == CategorySubTable::project_code; }
    [[nodiscard]] bool IsResourceCodeTableView() const override { return Kind == CategorySubTable::resource_code; }
    [[nodiscard]] bool IsOBSResponsibilityTableView() const override {
        return Kind == CategorySubTable::obs_responsibility;
    }
    [[nodiscard]] bool IsResourceRoleTableView() const override { return Kind == CategorySubTable::resource_role; }
    [[nodiscard]] bool IsRoleRateTableView() const override { return Kind == CategorySubTable::role_rate; }
    [[nodiscard]] bool IsRoleLimitTableView() const override { return Kind == CategorySubTable::role_limit; }

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override;
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

// The codes of the selected project whose code type the project has a value for, in the
// document's order of the assignments.
using ProjectCodeTableView = CategorySubTableView<CategorySubTable::project_code>;
// The codes of the selected resource, as the project codes.
using ResourceCodeTableView = CategorySubTableView<CategorySubTable::resource_code>;
// The WBS elements the selected OBS node is responsible for, in the file's order.
using OBSResponsibilityTableView = CategorySubTableView<CategorySubTable::obs_responsibility>;
// The resources that can fill the selected role, and whether it is their main role.
using ResourceRoleTableView = CategorySubTableView<CategorySubTable::resource_role>;
// The five prices of the selected role's rate line, one row each, told apart by their place;
// no rows for a role without one.
using RoleRateTableView = CategorySubTableView<CategorySubTable::role_rate>;
// The limits of the selected role in file order: effective date and units per time.
using RoleLimitTableView = CategorySubTableView<CategorySubTable::role_limit>;

extern template class CategorySubTableView<CategorySubTable::project_code>;
extern template class CategorySubTableView<CategorySubTable::resource_code>;
extern template class CategorySubTableView<CategorySubTable::obs_responsibility>;
extern template class CategorySubTableView<CategorySubTable::resource_role>;
extern template class CategorySubTableView<CategorySubTable::role_rate>;
extern template class CategorySubTableView<CategorySubTable::role_limit>;

}  // namespace varnholt::view
