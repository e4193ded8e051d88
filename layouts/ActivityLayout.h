// ActivityLayout.h - the layout of the activity table and its Gantt chart: the only kind with a
// filter, a block of texts, and the column lists of the resource-assignment, predecessor and
// successor tables.
#pragma once

#include "layouts/FilterSelection.h"
#include "layouts/layout_records.h"
#include "layouts/Layout.h"

#include <memory>

namespace varnholt {

class ActivityLayout final : public view::Layout {
public:
    ActivityLayout() : Layout(view::LayoutKind::activity) {}
    ~ActivityLayout() override;

    [[nodiscard]] ColumnSet* GetTaskView() override { return &m_column_set; }
    [[nodiscard]] LayoutTextBlock* GetTextBlock() override { return &m_text_block; }
    [[nodiscard]] std::size_t GetColumnCount() const override { return m_column_set.columns.size(); }
    [[nodiscard]] view::LayoutColumn* GetColumn(std::size_t index) const override;
    [[nodiscard]] view::LayoutColumn* FindColumn(std::int32_t column_id) const override;
    view::LayoutColumn* AddColumn(std::int32_t column_id, float width) override;
    [[nodiscard]] view::LayoutColumnList* GetColumns() override { return &m_column_set.columns; }
    [[nodiscard]] GroupSortBy* GetGroupSortBy() override { return &m_column_set.group_sort_by; }
    [[nodiscard]] GanttBarSet* GetGanttBars() override { return &m_column_set.gantt_bars; }
    [[nodiscard]] TimescaleSettings* GetTimescale() override { return &m_timescale; }
    void MovePredColumn(std::size_t from, std::size_t to) override;
    void RemovePredColumn(std::size_t index) override;
    void MoveSuccColumn(std::size_t from, std::size_t to) override;
    void RemoveSuccColumn(std::size_t index) override;
    [[nodiscard]] std::int32_t GetRsrcColumnCount() const override;
    [[nodiscard]] view::LayoutColumn* GetRsrcColumn(std::size_t index) const override;
    view::LayoutColumn* AddRsrcColumn(std::int32_t field_id, float width) override;
    [[nodiscard]] view::LayoutColumnList* GetRsrcColumns() override { return &m_rsrc_columns; }
    [[nodiscard]] std::int32_t GetPredColumnCount() const override;
    [[nodiscard]] view::LayoutColumn* GetPredColumn(std::size_t index) const override;
    view::LayoutColumn* AddPredColumn(std::int32_t field_id, float width) override;
    [[nodiscard]] view::LayoutColumnList* GetPredColumns() override { return &m_pred_columns; }
    [[nodiscard]] std::int32_t GetSuccColumnCount() const override;
    [[nodiscard]] view::LayoutColumn* GetSuccColumn(std::size_t index) const override;
    view::LayoutColumn* AddSuccColumn(std::int32_t field_id, float width) override;
    [[nodiscard]] view::LayoutColumnList* GetSuccColumns() override { return &m_succ_columns; }
    // The previous selection is freed here: its filters belong to the store and stay.
    void SetFilter(std::unique_ptr<FilterSelection> selection) override { m_filter = std::move(selection); }
    [[nodiscard]] FilterSelection* GetFilter() const override { return m_filter.get(); }
    [[nodiscard]] view::ColumnWidthMap* GetColumnWidths() override { return &m_column_widths; }

private:
    ColumnSet m_column_set;
    LayoutTextBlock m_text_block;
    TimescaleSettings m_timescale;
    view::LayoutColumnList m_rsrc_columns;  // the resource-assignment table
    view::LayoutColumnList m_pred_columns;  // the predecessor table
    view::LayoutColumnList m_succ_columns;  // the successor table
    view::ColumnWidthMap m_column_widths;
    std::unique_ptr<FilterSelection> m_filter;  // null: no filter chosen
};

}  // namespace varnholt
