// ActivityDetailView.cpp - the activity's header pair and its two sheets, from constant
// tables of grid places, captions and field ids.

#include "views/details/ActivityDetailView.h"

#include "columns/ColumnCatalog.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/TaskRecord.h"
#include "rows/Row.h"

namespace varnholt::view {
namespace {

constexpr CaptionId kStatusTabCaption = 51945;

// Shown whether or not the file supplies the columns: an activity always has its ID and name.
constexpr SheetField kHeader[] = {
    {1, 0, 50798, 130},  // Activity: task_code
    {1, 1, 50662, 132},  // Activity Name: task_name
};

constexpr SheetField kGeneralSheet[] = {
    {3, 0, 50663, 134},   // Activity Type: task_type
    {3, 1, 1746, 138},    // Activity Calendar: clndr_id
    {4, 0, 50664, 140},   // Duration Type: duration_type
    {4, 1, 40224, 154},   // WBS: wbs_name
    {5, 0, 50665, 189},   // Percent Complete Type: complete_pct_type
    {6, 1, 50659, 147},   // Primary Resource: rsrc_id
};

// Read from the activity's WBS element rather than from the activity.
constexpr SheetField kResponsibleManager = {5, 1, 30575, 473};

constexpr SheetBox kStatusBoxes[] = {
    {0, 51490, 24.0f},  // Duration: a cell 24 units high, so its title sits 2 units lower
    {1, kStatusTabCaption},
    {2, 30103},         // Constraints
};

constexpr SheetField kStatusSheet[] = {
    {4, 0, 50515, 89},   // Original: target_drtn_hr_cnt
    {5, 0, 50428, 84},   // Actual: act_drtn_hr_cnt
    {6, 0, 50429, 90},   // Remaining: remain_drtn_hr_cnt
    {7, 0, 200027, 85},  // At Complete: total_drtn_hr_cnt
    {8, 0, 50690, 92},   // Total Float: total_float_hr_cnt
    {9, 0, 50691, 88},   // Free Float: free_float_hr_cnt
    {4, 1, 40063, 82},   // Started: start_date
    {5, 1, 40081, 70},   // Finished: end_date
    {6, 1, 50685, 67},   // Expected Finish: expect_end_date
    {7, 1, 57313, 83},   // Suspend Date: suspend_date
    {8, 1, 57314, 80},   // Resume Date: resume_date
    {4, 2, 40219, 146},  // Primary: cstr_type
    {5, 2, 51078, 75},   // Date: cstr_date
    {6, 2, 200028, 151}, // Secondary: cstr_type2
    {7, 2, 51078, 81},   // Date: cstr_date2
};

std::wstring HeaderValue(const TaskRecord* activity, std::int32_t field_id) {
    return activity != nullptr ? activity->GetFieldValue(field_id)->to_string() : std::wstring();
}

// A field the loaded file does not supply shows empty, never a default.
std::wstring SheetValue(const TaskRecord* activity, std::int32_t field_id) {
    const ColumnDef* column = ColumnCatalog::Instance().FindActivityByFieldId(field_id);
    if (column == nullptr || column->present == 0) return {};
    return HeaderValue(activity, field_id);
}

std::wstring ResponsibleManager(const TaskRecord* activity) {
    if (activity == nullptr || activity->wbs == nullptr) return {};
    const ColumnDef* column = ColumnCatalog::Instance().FindWbsByFieldId(kResponsibleManager.field_id);
    if (column == nullptr || column->present == 0) return {};
    return activity->wbs->GetFieldValue(kResponsibleManager.field_id)->to_string();
}

}  // namespace

void ActivityDetailView::DrawRecord(const Row* selected) {
    // A group row, like no row at all, leaves every value empty.
    const TaskRecord* activity = selected != nullptr && selected->IsActivityRow() ? selected->GetActivity() : nullptr;
    for (const SheetField& field : kHeader) DrawField(field, HeaderValue(activity, field.field_id));
    if (IsCurrentTab(kGeneralTabCaption))
        DrawGeneralSheet(activity);
    else if (IsCurrentTab(kStatusTabCaption))
        DrawStatusSheet(activity);
}

void ActivityDetailView::DrawGeneralSheet(const TaskRecord* activity) {
    for (const SheetField& field : kGeneralSheet) DrawField(field, SheetValue(activity, field.field_id));
    DrawField(kResponsibleManager, ResponsibleManager(activity));
}

void ActivityDetailView::DrawStatusSheet(const TaskRecord* activity) {
    for (const SheetBox& box : kStatusBoxes) DrawBox(box);
    for (const SheetField& field : kStatusSheet) DrawField(field, SheetValue(activity, field.field_id));
}

}  // namespace varnholt::view
