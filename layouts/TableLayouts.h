// TableLayouts.h - the layouts of the WBS, project and resource tables. WBS and project layouts
// are alike (columns, grouping, Gantt bars, time scale); a resource layout has no Gantt chart.
#pragma once

#include "layouts/layout_records.h"
#include "layouts/Layout.h"

namespace varnholt {

// Column operations on the layout's one column list, shared by the three table kinds.
class ColumnListLayout : public view::Layout {
public:
    [[nodiscard]] std::size_t GetColumnCount() const override { return m_columns.size(); }
    [[nodiscard]] view::LayoutColumn* GetColumn(std::size_t index) const override;
    [[nodiscard]] view::LayoutColumn* FindColumn(std::int32_t column_id) const override;
    view::LayoutColumn* AddColumn(std::int32_t column_id, float width) override;
    [[nodiscard]] view::LayoutColumnList* GetColumns() override { return &m_columns; }
    [[nodiscard]] GroupSortBy* GetGroupSortBy() override { return &m_group_sort_by; }
    [[nodiscard]] view::ColumnWidthMap* GetColumnWidths() override { return &m_column_widths; }

protected:
    explicit ColumnListLayout(view::LayoutKind kind) : Layout(kind) {}

private:
    view::LayoutColumnList m_columns;
    GroupSortBy m_group_sort_by;
    view::ColumnWidthMap m_column_widths;
};

// A table layout with a Gantt chart beside it.
class GanttTableLayout : public ColumnListLayout {
public:
    [[nodiscard]] GanttBarSet* GetGanttBars() override { return &m_gantt_bars; }
    [[nodiscard]] TimescaleSettings* GetTimescale() override { return &m_timescale; }

protected:
    explicit GanttTableLayout(view::LayoutKind kind) : ColumnListLayout(kind) {}

private:
    GanttBarSet m_gantt_bars;
    TimescaleSettings m_timescale;
};

class WBSLayout final : public GanttTableLayout {
public:
    WBSLayout() : GanttTableLayout(view::LayoutKind::wbs) {}
};

class ProjectLayout final : public GanttTableLayout {
public:
    ProjectLayout() : GanttTableLayout(view::LayoutKind::project) {}
};

class ResourceLayout final : public ColumnListLayout {
public:
    ResourceLayout() : ColumnListLayout(view::LayoutKind::resource) {}
};

}  // namespace varnholt
