// FixedTableView.h - the flat sub-tables whose columns are fixed: a constant table of
// {caption, width, cell reader} per table. Widths are plain pixels, never scaled; captions
// are looked up at each paint, so they follow the catalogue's language. The header has no
// hot zones: these columns neither resize nor move.
#pragma once

#include "model/caption_tables.h"
#include "views/subtables/FlatTableView.h"

#include <span>

namespace varnholt {
class s_val;
}

namespace varnholt::view {

struct FixedColumn {
    CaptionId caption;
    float width;  // unscaled pixels
    // The cell's value; called only for rows the table shows (FixedTableView::ShowsRow).
    const s_val& (*cell)(const Row& row);
};

class FixedTableView : public FlatTableView {
public:
    // The sum of the fixed widths.
    [[nodiscard]] float GetWidth() const override;

protected:
    using FlatTableView::FlatTableView;

    [[nodiscard]] virtual std::span<const FixedColumn> Columns() const = 0;
    // Whether the row is of the table's row class and has its record; other rows are skipped
    // without taking a place.
    [[nodiscard]] virtual bool ShowsRow(const Row& row) const = 0;

    void DrawRows() override;
    void DrawHeader() override;
};

}  // namespace varnholt::view
