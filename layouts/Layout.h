// Layout.h - the interface through which the views read a category's configuration: columns,
// grouping and sorting, Gantt bars, time scale, relationship-table columns and filter. Each
// layout kind overrides what it has; for everything else the base answers "absent": null, a
// column count of 0, or -1 for the counts of the three relationship-table lists.
#pragma once

#include "layouts/LayoutColumn.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace varnholt {
class ColumnSet; class FilterSelection; class GanttBarSet; class GroupSortBy;
struct LayoutTextBlock; struct TimescaleSettings;
}  // namespace varnholt

namespace varnholt::view {

// The view kind a layout configures; the number is the code the per-user files and the
// layout files use.
enum class LayoutKind : std::int32_t { activity = 0, wbs = 1, project = 2, resource = 3 };

class Layout {
public:
    Layout(const Layout&) = delete;
    Layout& operator=(const Layout&) = delete;
    virtual ~Layout();

    [[nodiscard]] virtual ColumnSet* GetTaskView() { return nullptr; }
    [[nodiscard]] virtual LayoutTextBlock* GetTextBlock() { return nullptr; }
    [[nodiscard]] virtual std::size_t GetColumnCount() const { return 0; }
    [[nodiscard]] virtual LayoutColumn* GetColumn(std::size_t index) const;
    [[nodiscard]] virtual LayoutColumn* FindColumn(std::int32_t column_id) const;
    virtual LayoutColumn* AddColumn(std::int32_t column_id, float width);
    [[nodiscard]] virtual LayoutColumnList* GetColumns() { return nullptr; }
    [[nodiscard]] virtual GroupSortBy* GetGroupSortBy() { return nullptr; }
    [[nodiscard]] virtual GanttBarSet* GetGanttBars() { return nullptr; }
    [[nodiscard]] virtual TimescaleSettings* GetTimescale() { return nullptr; }
    virtual void MovePredColumn(std::size_t from, std::size_t to);
    virtual void RemovePredColumn(std::size_t index);
    virtual void MoveSuccColumn(std::size_t from, std::size_t to);
    virtual void RemoveSuccColumn(std::size_t index);
    [[nodiscard]] virtual std::int32_t GetRsrcColumnCount() const { return -1; }
    [[nodiscard]] virtual LayoutColumn* GetRsrcColumn(std::size_t index) const;
    virtual LayoutColumn* AddRsrcColumn(std::int32_t field_id, float width);
    [[nodiscard]] virtual LayoutColumnList* GetRsrcColumns() { return nullptr; }
    [[nodiscard]] virtual std::int32_t GetPredColumnCount() const { return -1; }
    [[nodiscard]] virtual LayoutColumn* GetPredColumn(std::size_t index) const;
    virtual LayoutColumn* AddPredColumn(std::int32_t field_id, float width);
    [[nodiscard]] virtual LayoutColumnList* GetPredColumns() { return nullptr; }
    [[nodiscard]] virtual std::int32_t GetSuccColumnCount() const { return -1; }
    [[nodiscard]] virtual LayoutColumn* GetSuccColumn(std::size_t index) const;
    virtual LayoutColumn* AddSuccColumn(std::int32_t field_id, float width);
    [[nodiscard]] virtual LayoutColumnList* GetSuccColumns() { return nullptr; }
    // The layout takes the selection over and frees the one it held; a layout kind without a
    // filter lets the given selection go.
    virtual void SetFilter(std::unique_ptr<FilterSelection> selection);
    [[nodiscard]] virtual FilterSelection* GetFilter() const { return nullptr; }
    [[nodiscard]] virtual ColumnWidthMap* GetColumnWidths() { return nullptr; }

    [[nodiscard]] LayoutKind GetKind() const noexcept { return m_kind; }
    // Layouts are told apart by name, compared exactly.
    [[nodiscard]] const std::wstring& GetName() const noexcept { return m_name; }
    void SetName(std::wstring name) { m_name = std::move(name); }

    // Moves a column of the main list into the gap `to` (count = after the last column); the
    // move rule of MoveListItem. Works on every layout kind through GetColumns.
    void MoveColumn(std::size_t from, std::size_t to);
    // Removes and frees the column at the index; nothing happens for an index out of range.
    void RemoveColumn(std::size_t index);

protected:
    explicit Layout(LayoutKind kind) : m_kind(kind) {}

private:
    LayoutKind m_kind;
    std::wstring m_name;
};

}  // namespace varnholt::view
