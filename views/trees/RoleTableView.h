// RoleTableView.h - the table pane of the Roles category: the role tree with the two fixed
// columns "Role ID" and "Role Name", whose texts end in an ellipsis when they do not fit.
#pragma once

#include "views/trees/TreeTableView.h"

#include <array>

namespace varnholt::view {

class RoleTableView final : public TreeTableView {
public:
    RoleTableView();

    [[nodiscard]] bool IsRoleTableView() const override { return true; }
    [[nodiscard]] float GetWidth() const override { return m_column_widths[0] + m_column_widths[1]; }

protected:
    void BuildRows(Row& root) const override;
    [[nodiscard]] TreeSortKeys SortKeys(const Row& row) const override;
    [[nodiscard]] std::size_t ColumnCount() const override { return m_column_widths.size(); }
    [[nodiscard]] float ColumnWidth(std::size_t column) const override { return m_column_widths.at(column); }
    void SetColumnBorders(std::size_t column, float left, float right) override { m_column_widths.at(column) = right - left; }
    void DrawHeader() override;
    void DrawRow(Row& row, float y) override;

private:
    std::array<float, 2> m_column_widths;  // pixels, scale applied once
};

}  // namespace varnholt::view
