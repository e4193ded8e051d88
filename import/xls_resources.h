// xls_resources.h - the RSRC and TASKRSRC sheets of a workbook: roles from the resources' role
// lists, one resource per RSRC row (with a rate, currency and calendar of its own), each
// resource's primary role, and the resource tree from the assignments' dotted resource paths.
// Resources are matched by short name and roles by role ID, the first of each in load order.
#pragma once

#include "import/xls_import_state.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace varnholt {
class RsrcRecord;
class xls_sheet;
}  // namespace varnholt

namespace varnholt::document {

class Document;

// One role per distinct key, role_id 1, 2, ... in ascending byte order of the keys. The keys
// are the codes of "role_code_list" (each named by the name it is first paired with in
// "role_list"), or without codes the names of "role_list", or without either list each
// non-empty "role_id" cell.
void ReadRoles(const xls_sheet& sheet, Document& doc);

// One resource per data row with rsrc_id, rate, currency and calendar all numbered by the row
// (1, 2, ...). False without project 1.
bool ReadResourceSheet(Document& doc, const xls_sheet& sheet, XlsImportState& state);

// Gives each resource the role its "role_id" cell names (the first row of a short name wins).
void ReadResourceRoles(const xls_sheet& sheet, Document& doc);

// The resource tree: each "rsrc__rsrc_concat_name" path ("R.S.T") links S below R and T below
// S. A path that merely begins another (text-wise) is not walked on its own.
void ReadAssignmentSheet(const xls_sheet& sheet, Document& doc);

// The first resource of each short name.
class ResourcesByShortName {
public:
    explicit ResourcesByShortName(const Document& doc);
    [[nodiscard]] RsrcRecord* Find(std::string_view short_name) const;

private:
    std::unordered_map<std::wstring, RsrcRecord*> m_first;
};

// Links each step of one dotted path below the step before it. A resource keeps the first
// parent it is given, and a link that would put a resource below itself (a path "R.R", or
// "S.R" after "R.S") is refused.
void LinkResourcePath(std::string_view path, const ResourcesByShortName& resources);

}  // namespace varnholt::document
