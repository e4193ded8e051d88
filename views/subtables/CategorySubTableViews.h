// CategorySubTableViews.h - the six sub-tables of the Projects, Resources, OBS and Roles detail
// panes: a project's codes, a resource's codes, the WBS elements an OBS node is responsible
// for, a role's resources, its five prices and its limits. Each is a fixed-column table: one
// constant column table and one walk over the items of the master's selected record.
#pragma once

#include "views/subtables/FixedTableView.h"

namespace varnholt::view {

// The codes of the selected project whose code type the project has a value for, in the
// document's order of the assignments.
class ProjectCodeTableView final : public FixedTableView {
public:
    explicit ProjectCodeTableView(View* master) : FixedTableView(master) {}
    [[nodiscard]] bool IsProjectCodeTableView() const override { return true; }

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override;
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

// The codes of the selected resource, as the project codes.
class ResourceCodeTableView final : public FixedTableView {
public:
    explicit ResourceCodeTableView(View* master) : FixedTableView(master) {}
    [[nodiscard]] bool IsResourceCodeTableView() const override { return true; }

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override;
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

// The WBS elements the selected OBS node is responsible for, in the file's order.
class OBSResponsibilityTableView final : public FixedTableView {
public:
    explicit OBSResponsibilityTableView(View* master) : FixedTableView(master) {}
    [[nodiscard]] bool IsOBSResponsibilityTableView() const override { return true; }

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override;
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

// The resources that can fill the selected role, and whether it is their main role.
class ResourceRoleTableView final : public FixedTableView {
public:
    explicit ResourceRoleTableView(View* master) : FixedTableView(master) {}
    [[nodiscard]] bool IsResourceRoleTableView() const override { return true; }

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override;
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

// The five prices of the selected role's rate line, one row each, told apart by their place;
// no rows for a role without one.
class RoleRateTableView final : public FixedTableView {
public:
    explicit RoleRateTableView(View* master) : FixedTableView(master) {}
    [[nodiscard]] bool IsRoleRateTableView() const override { return true; }

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override;
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

// The limits of the selected role in file order: effective date and units per time.
class RoleLimitTableView final : public FixedTableView {
public:
    explicit RoleLimitTableView(View* master) : FixedTableView(master) {}
    [[nodiscard]] bool IsRoleLimitTableView() const override { return true; }

private:
    void AddRows(Row& root, const Row& selected) override;
    [[nodiscard]] std::span<const FixedColumn> Columns() const override;
    [[nodiscard]] bool ShowsRow(const Row& row) const override;
};

}  // namespace varnholt::view
