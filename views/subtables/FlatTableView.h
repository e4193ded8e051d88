// FlatTableView.h - the base of the flat sub-tables: the one-level tables of a detail pane
// that list the items of the record selected in a master view (relationships, codes, steps,
// notebook topics). Every Update throws the rows away and builds new ones from the master's
// current selection, so the selection is lost; no master, no selection or a selected row of
// another kind leaves the table empty under its header. Fonts, header and row heights follow
// the scale at construction and never again (a printed page keeps the sub-tables' screen
// metrics); these tables neither expand, collapse, rescale nor copy.
#pragma once

#include "views/core/RowTreeView.h"

#include <cstdint>
#include <memory>

namespace varnholt {
class TaskRecord;
}

namespace varnholt::view {

class Row;

class FlatTableView : public RowTreeView {
public:
    // Drops every row, then lists new ones from the master's selection.
    void Update() override;
    // One level, and the metrics of construction: nothing to expand, collapse or rescale.
    void ExpandAll() override {}
    void CollapseAll() override {}
    void SetScale() override {}
    // The rows, then the header over them.
    void Draw(const RectF& visible) override;
    // A press selects exactly the row under the point (none beside every row) and asks for no
    // repaint; a release asks for one; moves do nothing.
    bool OnLButtonDown(std::uint32_t flags, float x, float y) override;
    bool OnLButtonUp(std::uint32_t flags, float x, float y) override;

    [[nodiscard]] View* GetMaster() const noexcept { return m_master; }

protected:
    explicit FlatTableView(View* master);

    // Whether a rebuild may list rows: a master at least.
    [[nodiscard]] bool CanBuild() const override { return m_master != nullptr; }
    // Adds the rows of the master's selected row under the root, each at level 0, in the order
    // they are to show.
    virtual void AddRows(Row& root, const Row& selected) = 0;
    virtual void DrawRows() = 0;
    virtual void DrawHeader() = 0;

    // The activity of a selected activity row, else null.
    [[nodiscard]] static const TaskRecord* SelectedActivity(const Row& selected);
    // The text colour of a row's cells.
    [[nodiscard]] Color CellColor(const Row& row) const;
    // The two lines across the width: under the header and under the last row at `bottom`.
    void DrawClosingLines(float width, float bottom);

private:
    void BuildTree() override;

    View* m_master;  // not owned
};

}  // namespace varnholt::view
