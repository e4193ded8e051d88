// related_activity.cpp - the details button's state and target.

#include "shell/related_activity.h"

#include "rows/Row.h"
#include "views/core/RowList.h"
#include "views/subtables/RelationshipTableView.h"

#include "model/records/TaskPredRecord.h"

namespace varnholt {
namespace {

const view::RelationshipTableView* AsRelationshipTable(const view::View* view) {
    if (view == nullptr || !view->IsRelationshipTableView()) return nullptr;
    return static_cast<const view::RelationshipTableView*>(view);  // the type query vouches for it
}

}  // namespace

bool CanGoToRelatedActivity(const view::View* table, const view::View* relationships) {
    return table != nullptr && table->IsActivityTableView() && table->GetSelectedRow() != nullptr &&
           AsRelationshipTable(relationships) != nullptr && relationships->GetSelectedRow() != nullptr;
}

view::Row* GoToRelatedActivity(view::View& table, const view::View* relationships) {
    const view::RelationshipTableView* list = AsRelationshipTable(relationships);
    if (!table.IsActivityTableView() || list == nullptr) return nullptr;
    const view::Row* selected = list->GetSelectedRow();
    const TaskPredRecord* relationship = selected != nullptr ? selected->GetRelationship() : nullptr;
    if (relationship == nullptr) return nullptr;
    const TaskRecord* target = list->GetKind() == view::RelationshipTableView::Kind::successors
                                   ? relationship->successor
                                   : relationship->predecessor;
    // The row is looked up before the selection moves: without one, nothing changes.
    view::Row* row = table.GetRowList().FindActivityRow(target);
    if (row == nullptr) return nullptr;
    table.SelectRow(row);
    return row;
}

}  // namespace varnholt
