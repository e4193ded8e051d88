// ResourceTableView.h - the table pane of the Resources category: the resource tree with the
// columns of the current resource layout. Besides what every tree table does, its columns can
// be picked up by their header cells and moved, its widths follow the display scale, and it
// copies itself as tab-separated text. A selected row shows no highlight on paper.
#pragma once

#include "views/trees/TreeTableView.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace varnholt::view {

class ResourceTableView final : public TreeTableView {
public:
    ResourceTableView() : TreeTableView(true) {}

    [[nodiscard]] bool IsResourceTableView() const override { return true; }
    [[nodiscard]] float GetWidth() const override;
    [[nodiscard]] std::int32_t GetMovedColumn() const override { return m_header.MovedColumn(); }
    [[nodiscard]] std::wstring GetText() const override;
    void Draw(const RectF& visible) override;
    // Asks for a repaint always: the column moved last shows no more.
    bool OnLButtonUp(std::uint32_t flags, float x, float y) override;

    // A cell's text: the value's display text, a memo in notes converted to one line.
    [[nodiscard]] std::wstring CellText(const Row& row, std::int32_t field_id) const;

protected:
    [[nodiscard]] bool CanBuild() const override { return GetDocument() != nullptr && GetLayout() != nullptr; }
    void BuildRows(Row& root) const override;
    [[nodiscard]] TreeSortKeys SortKeys(const Row& row) const override;
    [[nodiscard]] std::size_t ColumnCount() const override;
    [[nodiscard]] float ColumnWidth(std::size_t column) const override;
    void SetColumnBorders(std::size_t column, float left, float right) override;
    void MoveColumn(std::size_t from, std::size_t to) override;
    void DrawHeader() override;
    void DrawRow(Row& row, float y) override;

private:
    void DrawCells(const Row& row, float y, bool highlighted);

    std::optional<ColumnRange> m_painted_columns;  // of the paint under way; none in view
    // Each row's notes as one line of text, converted on first use; emptied when the rows are built.
    mutable std::unordered_map<const Row*, std::wstring> m_notes_text;
};

}  // namespace varnholt::view
