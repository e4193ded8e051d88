// FlattenAll.h - how every flat sub-table lists its rows: the root is not listed, each of its
// children is appended in order and their own children are never visited. The caller empties
// the list first.
#pragma once

namespace varnholt::view {

class Row;
class RowList;

void FlattenAll(RowList& list, Row& row);

}  // namespace varnholt::view
