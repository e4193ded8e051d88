// ResourceDetailView.cpp - the resource's ID and name; built-in fields every file has, so no
// presence test.

#include "views/details/ResourceDetailView.h"

#include "model/records/RsrcRecord.h"
#include "rows/Row.h"

namespace varnholt::view {
namespace {

constexpr SheetField kHeader[] = {
    {1, 0, 51235, 534},  // Resource ID: rsrc_short_name
    {1, 1, 51234, 535},  // Resource Name: rsrc_name
};

}  // namespace

void ResourceDetailView::DrawRecord(const Row* selected) {
    const RsrcRecord* resource = selected != nullptr && selected->IsResourceRow() ? selected->GetResource() : nullptr;
    for (const SheetField& field : kHeader)
        DrawField(field, resource != nullptr ? resource->GetFieldValue(field.field_id)->to_string() : std::wstring());
}

}  // namespace varnholt::view
