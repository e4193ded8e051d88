// related_activity.h - the details button of the relationship tabs: when it may be pressed,
// and the activity it goes to. The button works on the activity table and the predecessor or
// successor table shown beside the activity's details.
#pragma once

namespace varnholt::view {
class Row;
class View;
}  // namespace varnholt::view

namespace varnholt {

// Whether the button may be pressed: the table is the activity table with a selected row and
// the relationship table has a selected row.
[[nodiscard]] bool CanGoToRelatedActivity(const view::View* table, const view::View* relationships);

// Selects the listed row of the other activity of the relationship selected in
// `relationships`: its successor in a successor table, its predecessor in a predecessor table.
// Answers that row, or null with the table's selection untouched when there is none to go to
// (no relationship selected, the activity missing from the file, filtered out or inside a
// collapsed group), so the details pane never loses its activity.
view::Row* GoToRelatedActivity(view::View& table, const view::View* relationships);

}  // namespace varnholt
