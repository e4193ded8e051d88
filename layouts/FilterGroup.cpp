// FilterGroup.cpp - evaluating filter groups and conditions against a row.

#include "layouts/FilterGroup.h"

#include "columns/field_ids.h"
#include "layouts/filter_compare.h"
#include "model/Document.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/load_time_values.h"
#include "model/s_string.h"
#include "rows/Row.h"

#include <optional>
#include <string>

namespace varnholt::view {

namespace {

// The activity behind an activity row, when it belongs to a document; null otherwise.
const TaskRecord* ActivityInDocument(const Row& row) {
    if (!row.IsActivityRow()) return nullptr;
    const TaskRecord* activity = row.GetActivity();
    return activity != nullptr && activity->doc != nullptr ? activity : nullptr;
}

// The short name of the activity's value of one code type, when it has one.
std::optional<s_string> ActivityCodeText(const Row& row, std::int32_t column_id) {
    const TaskRecord* activity = ActivityInDocument(row);
    const std::int64_t type_id = std::int64_t{column_id} - kActivityCodeColumnBase;
    if (activity == nullptr || type_id < 0) return std::nullopt;
    const TaskActvRecord* assignment =
        activity->doc->FindTaskActv(activity->task_id, s_unsigned_long(static_cast<std::uint32_t>(type_id)));
    if (assignment == nullptr || assignment->actv_code == nullptr) return std::nullopt;
    return assignment->actv_code->short_name;
}

}  // namespace

bool FilterGroup::Match(const Row& row) const {
    const bool any = kind == kMatchAny;
    bool result = !any;
    for (const auto& child : children) {
        // Every child is evaluated: there is no early exit.
        if (child == nullptr) continue;
        const bool matched = child->Match(row);
        result = any ? (result || matched) : (result && matched);
    }
    return result;
}

std::unique_ptr<FilterEntry> FilterEntry::ForField(std::int32_t field_id, std::int32_t op) {
    return std::unique_ptr<FilterEntry>(new FilterEntry(field_id, op, 0));
}

std::unique_ptr<FilterEntry> FilterEntry::ForColumn(std::int32_t op, std::int32_t column_id) {
    std::int32_t field = 1;  // this form is meant for load-time columns only
    if (column_id >= kActivityCodeColumnBase) field = kActivityCodeField;
    else if (column_id >= kUdfColumnBase) field = kUserFieldField;
    return std::unique_ptr<FilterEntry>(new FilterEntry(field, op, column_id));
}

bool FilterEntry::Match(const Row& row) const {
    if (field == kPrimaryResourceField && op == OperatorCode(FilterOperator::under)) return MatchResourceTree(row);

    // The code value's text lives only as long as this call; every other value belongs to the row.
    std::optional<s_string> code_text;
    const s_val* value = nullptr;
    if (field == kActivityCodeField) {
        code_text = ActivityCodeText(row, column_id);
        value = code_text ? &*code_text : &row.GetFieldValue(field);
    } else if (field == kUserFieldField) {
        value = &row.GetCodeValue(column_id);
    } else {
        value = &row.GetFieldValue(field);
    }

    if (value->is_dur() || value->is_unit()) {
        const TaskRecord* activity = row.GetActivity();
        const FilterArgument* argument = FirstArgument();
        if (activity == nullptr || argument == nullptr) return false;
        return ScaledCompare(op, value->is_dur() ? scaled_form::duration : scaled_form::quantity, *value, *argument,
                             activity->calendar);
    }
    return TypedCompare(op, *value, FirstArgument());
}

bool FilterEntry::MatchResourceTree(const Row& row) const {
    const TaskRecord* activity = ActivityInDocument(row);
    if (activity == nullptr) return false;

    // The argument reads "<resource id>.<resource name>"; the id alone names the resource.
    const FilterArgument* argument = FirstArgument();
    s_string wanted;  // set directly: the text is display text, not file text to un-double
    wanted.null_flag = 0;
    if (argument != nullptr) wanted.text = argument->low->to_string();
    if (const auto point = wanted.text.find(L'.'); point != std::wstring::npos) wanted.text.resize(point);
    const RsrcRecord* ancestor = activity->doc->FindResourceByText(wanted);
    if (ancestor == nullptr) return false;

    // The link pass refuses cycles, but a walk over file data is bounded all the same.
    std::size_t steps_left = activity->doc->Rsrcs().size();
    for (const RsrcRecord* resource = activity->resource; resource != nullptr; resource = resource->parent) {
        if (resource == ancestor) return true;
        if (steps_left-- == 0) return false;
    }
    return false;
}

}  // namespace varnholt::view
