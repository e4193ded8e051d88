// xls_wbs_paths.h - the WBS tree of a workbook, which carries no WBS table: each activity's
// dotted WBS path ("P.A.B") names the elements from the project's root down to the activity's
// own, and every step not met before becomes an element.
#pragma once

#include "import/xls_import_state.h"

#include <string_view>

namespace varnholt {
class ProjWbsRecord;
class ProjectRecord;
class xls_sheet;
}  // namespace varnholt

namespace varnholt::document {

class Document;

// A new element of the project (none: a bare record) below `parent` (none: at the top). The
// elements are numbered 1, 2, ... in creation order.
ProjWbsRecord* NewWbsNode(Document& doc, ProjectRecord* project, ProjWbsRecord* parent, std::string_view short_name,
                          std::string_view name, std::string_view status);

// Builds the tree from the TASK sheet's "wbs_id" paths and hangs each activity on the element
// its path ends at. The first path's first step becomes the project's root and gives the
// project its short name. Empty steps and the blanks around a step do not count, so
// "P..A" and "P. A" name the same element as "P.A"; steps past the deepest level a WBS may
// have hang the activity on the deepest element. False without project 1.
bool BuildWbsFromTasks(Document& doc, const xls_sheet& sheet, XlsImportState& state);

}  // namespace varnholt::document
