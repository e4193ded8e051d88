// hand_built_document.h - test helper: a document whose records the test makes and links
// itself, as the import's build pass would, with the column catalogue answering the questions
// about columns. A fixture builds the catalogue in English and resets the global tables after.
#pragma once

#include <type_traits>

#include "columns/ColumnCatalog.h"
#include "model/CaptionCatalog.h"
#include "model/Document.h"
#include "model/records/CalendarRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/TaskRsrcRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string_view>
#include <utility>

namespace varnholt::testing_support {

class HandBuiltDocument final : public document::Document {
public:
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}

    // The built-in column of the field id as the catalogue has it, present unless the test
    // took it away (as a workbook that lacks the column would).
    ColumnFact FindColumnFact(ColumnFactTable table, std::int32_t field_id) const override {
        const ColumnCatalog& catalog = ColumnCatalog::Instance();
        const ColumnDef* def = nullptr;
        switch (table) {
        case ColumnFactTable::activity: def = catalog.FindActivityByFieldId(field_id); break;
        case ColumnFactTable::wbs: def = catalog.FindWbsByFieldId(field_id); break;
        case ColumnFactTable::resource: def = catalog.FindResourceByColumnId(static_cast<std::uint32_t>(field_id)); break;
        }
        if (def == nullptr) return {};
        const bool absent = m_absent.contains({table, field_id});
        return {.exists = true, .present = def->present != 0 && !absent,
                .value_kind = static_cast<std::int32_t>(def->value_kind)};
    }

    void TakeAwayColumn(ColumnFactTable table, std::int32_t field_id) { m_absent.insert({table, field_id}); }

private:
    std::set<std::pair<ColumnFactTable, std::int32_t>> m_absent;
};

class HandBuiltDocumentTest : public testing::Test {
protected:
    void SetUp() override {
        CaptionCatalog::Instance().ChooseLanguage(L"ENU");
        ColumnCatalog::Instance().BuildAllColumns();
    }

    HandBuiltDocument doc;
};

inline s_string Text(std::wstring_view text) { return s_string(text); }

// Monday 3 March 2025 is day 0; working days run 08:00-12:00 and 13:00-17:00.
inline s_date Day(std::int32_t day_of_march, std::int32_t hour = 8) {
    return s_date::from_ymdhm(2025, 3, day_of_march, hour, 0);
}

inline ProjectRecord* AddProject(HandBuiltDocument& doc, std::uint32_t id, std::wstring_view short_name) {
    ProjectRecord* project = doc.NewProject();
    project->proj_id = s_unsigned_long(id);
    project->proj_short_name = Text(short_name);
    return project;
}

// Linked under its parent (null for a top element) and to its project.
inline ProjWbsRecord* AddWbs(HandBuiltDocument& doc, ProjectRecord* project, ProjWbsRecord* parent, std::uint32_t id,
                             std::wstring_view short_name, std::wstring_view name = L"") {
    ProjWbsRecord* wbs = doc.NewProjWbs();
    wbs->wbs_id = s_unsigned_long(id);
    wbs->wbs_short_name = Text(short_name);
    wbs->wbs_name = Text(name);
    LinkWbsToProject(*wbs, project, parent);
    if (parent != nullptr) {
        EXPECT_TRUE(wbs->SetParent(parent));
    }
    return wbs;
}

// An activity of the WBS element (and of its project), not started unless a status is given.
inline TaskRecord* AddActivity(HandBuiltDocument& doc, ProjWbsRecord* wbs, std::uint32_t id, std::wstring_view code,
                               std::int32_t status = 2) {
    TaskRecord* task = doc.NewTask();
    task->task_id = s_unsigned_long(id);
    task->task_code = Text(code);
    task->status_code = s_activity_status(status);
    if (wbs != nullptr) {
        task->wbs = wbs;
        wbs->AddActivity(task);
        task->project = wbs->project;
        if (wbs->project != nullptr) wbs->project->AddActivity(task);
    }
    return task;
}

// Five days of 8 hours a week, Monday to Friday.
inline CalendarRecord* AddCalendar(HandBuiltDocument& doc, std::wstring_view name, double day_hours = 8,
                                   double week_hours = 40) {
    CalendarRecord* calendar = doc.NewCalendar();
    calendar->clndr_name = Text(name);
    calendar->day_hr_cnt = s_double(day_hours);
    calendar->week_hr_cnt = s_double(week_hours);
    calendar->month_hr_cnt = s_double(day_hours * 21);
    calendar->year_hr_cnt = s_double(day_hours * 250);
    for (std::int32_t weekday = 2; weekday <= 6; ++weekday) {
        calendar->AddWeekdayPeriod(calendar->GetWeekday(weekday), s_hour(8u * 60), s_hour(12u * 60));
        calendar->AddWeekdayPeriod(calendar->GetWeekday(weekday), s_hour(13u * 60), s_hour(17u * 60));
    }
    return calendar;
}

inline TaskPredRecord* AddRelationship(HandBuiltDocument& doc, TaskRecord* successor, TaskRecord* predecessor) {
    TaskPredRecord* relationship = doc.NewTaskPred();
    LinkRelationship(*relationship, successor, predecessor);
    return relationship;
}

inline RsrcRecord* AddResource(HandBuiltDocument& doc, std::uint32_t id, std::wstring_view short_name,
                               std::wstring_view name) {
    RsrcRecord* resource = doc.NewRsrc();
    resource->rsrc_id = s_unsigned_long(id);
    resource->rsrc_short_name = Text(short_name);
    resource->rsrc_name = Text(name);
    return resource;
}

inline RoleRecord* AddRole(HandBuiltDocument& doc, std::wstring_view short_name, std::wstring_view name) {
    RoleRecord* role = doc.NewRole();
    role->role_short_name = Text(short_name);
    role->role_name = Text(name);
    return role;
}

// An assignment of the activity, with a resource and a role when given.
inline TaskRsrcRecord* AddAssignment(HandBuiltDocument& doc, TaskRecord* task, RsrcRecord* resource, RoleRecord* role) {
    TaskRsrcRecord* assignment = doc.NewTaskRsrc();
    assignment->task = task;
    task->AddAssignment(assignment);
    assignment->resource = resource;
    if (resource != nullptr) resource->AddAssignment(assignment);
    assignment->role = role;
    return assignment;
}

// Whether the value is one of the record's own members (rather than a linked record's value or
// the shared null value).
template <class Record>
bool IsOwnValue(const Record& record, const s_val* value) {
    const auto within = [value](const auto& object) {
        const auto first = reinterpret_cast<std::uintptr_t>(&object);
        const auto at = reinterpret_cast<std::uintptr_t>(value);
        return at >= first && at < first + sizeof(object);
    };
    // An activity keeps its workbook-only values in a block of their own.
    if constexpr (std::is_same_v<Record, TaskRecord>) {
        if (within(record.WorkbookValues())) return true;
    }
    return within(record);
}

}  // namespace varnholt::testing_support
