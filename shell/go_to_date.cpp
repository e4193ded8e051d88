// go_to_date.cpp - the start date of a selected row and the chart's scroll position for it.

#include "shell/go_to_date.h"

#include "model/records/TaskRecord.h"
#include "rows/Row.h"
#include "views/draw/device_coords.h"

namespace varnholt {
namespace {

constexpr std::int32_t kGoToMargin = 100;

}  // namespace

std::int32_t StartDateFieldOf(Category category) noexcept {
    switch (category) {
    case Category::activities: return 82;
    case Category::wbs: return 434;
    case Category::projects: return 279;
    default: return 0;
    }
}

std::int64_t GoToDate(const view::Row* row, Category category) {
    if (row == nullptr) return 0;
    if (row->IsActivityRow()) {
        const TaskRecord* activity = row->GetActivity();
        return activity != nullptr ? activity->start_date.as_int64() : 0;
    }
    const std::int32_t field = StartDateFieldOf(category);
    if (field == 0 || !(row->IsWBSRow() || row->IsProjectRow() || row->IsGroupRow())) return 0;
    return row->GetFieldValue(field).as_int64();
}

std::optional<std::int32_t> GoToScrollX(float x) noexcept {
    const auto whole = view::device::Truncate(x);
    if (!whole) return std::nullopt;
    const auto position = view::device::Narrow(*whole);
    return position > kGoToMargin ? position - kGoToMargin : position;
}

}  // namespace varnholt
