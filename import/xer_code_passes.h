// xer_code_passes.h - the build passes of an XER document that depend on the file's own
// definitions: one column per user-defined field type and per activity, project and resource
// code type; the typing of user-defined values; the dotted paths and links of code values and
// code assignments; and the number formats of the file's currency.
#pragma once

#include "import/key_index.h"

namespace varnholt {
class ProjectRecord;
class RsrcRecord;
}  // namespace varnholt

namespace varnholt::document {

void LinkUdfValues(Document& doc);
void LinkActivityCodes(Document& doc, const KeyIndex<ProjectRecord>& projects);
void LinkProjectCodes(Document& doc, const KeyIndex<ProjectRecord>& projects);
void LinkResourceCodes(Document& doc, const KeyIndex<RsrcRecord>& resources);
// The currency whose short name is the header's currency field sets both number formats; with
// none, they stay as they were.
void AdoptFileCurrency(const Document& doc);

}  // namespace varnholt::document
