// FlattenRows.h - the table views' one flattening rule: clear the list, then list the root's
// descendants depth first, each activity row also in the activity map, entering a row's
// children only when it is expanded. The root itself is not listed; a hidden row keeps the
// index it had when last listed.
#pragma once

namespace varnholt::view {

class Row;
class RowList;

void FlattenRows(const Row& root, RowList& list);

}  // namespace varnholt::view
