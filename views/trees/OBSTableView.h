// OBSTableView.h - the table pane of the OBS category: the organisational breakdown structure
// as an indented tree with the one fixed column "OBS Name". Its width is fixed at construction
// and changes only by a resize; selected rows stay highlighted on paper.
#pragma once

#include "views/trees/TreeTableView.h"

namespace varnholt::view {

class OBSTableView final : public TreeTableView {
public:
    OBSTableView();

    [[nodiscard]] bool IsOBSTableView() const override { return true; }
    [[nodiscard]] float GetWidth() const override { return m_column_width; }

protected:
    void BuildRows(Row& root) const override;
    [[nodiscard]] TreeSortKeys SortKeys(const Row& row) const override;
    [[nodiscard]] std::size_t ColumnCount() const override { return 1; }
    [[nodiscard]] float ColumnWidth(std::size_t /*column*/) const override { return m_column_width; }
    void SetColumnBorders(std::size_t /*column*/, float left, float right) override { m_column_width = right - left; }
    void DrawHeader() override;
    void DrawRow(Row& row, float y) override;

private:
    float m_column_width;  // pixels, scale applied once
};

}  // namespace varnholt::view
