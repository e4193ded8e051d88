// field_access_bench.cpp - how long a cell read takes: builds a schedule of 50,000 activities
// in memory (a project, a WBS tree, calendars, relationships, resources and assignments), runs
// the post-load passes, then reads every built-in activity column of every activity through
// GetColumnValue, and once more as display text. Prints the time per cell; it never fails on
// timing.
//
// Usage: field_access_bench [ACTIVITIES]

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

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace varnholt;
using Clock = std::chrono::steady_clock;

// The catalogue answers what the roll-ups ask about columns, as the import's documents do.
class BenchDocument final : public document::Document {
public:
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}
    ColumnFact FindColumnFact(ColumnFactTable table, std::int32_t field_id) const override {
        const ColumnCatalog& catalog = ColumnCatalog::Instance();
        const ColumnDef* def = table == ColumnFactTable::activity ? catalog.FindActivityByFieldId(field_id)
                               : table == ColumnFactTable::wbs   ? catalog.FindWbsByFieldId(field_id)
                                   : catalog.FindResourceByColumnId(static_cast<std::uint32_t>(field_id));
        if (def == nullptr) return {};
        return {.exists = true, .present = def->present != 0, .value_kind = static_cast<std::int32_t>(def->value_kind)};
    }
};

s_date Day(std::int64_t day, std::int32_t hour = 8) {
    return s_date::from_seconds(s_date::from_ymd(2025, 1, 6).seconds + day * 86400 + hour * 3600);
}

CalendarRecord* AddCalendar(BenchDocument& doc, std::wstring_view name, std::uint32_t last_weekday) {
    CalendarRecord* calendar = doc.NewCalendar();
    calendar->clndr_name = s_string(name);
    calendar->day_hr_cnt = s_double(8.0);
    calendar->week_hr_cnt = s_double(8.0 * (last_weekday - 1));
    calendar->month_hr_cnt = s_double(172.0);
    calendar->year_hr_cnt = s_double(2000.0);
    for (std::uint32_t weekday = 2; weekday <= last_weekday; ++weekday) {
        calendar->AddWeekdayPeriod(calendar->GetWeekday(static_cast<std::int32_t>(weekday)), s_hour(8u * 60), s_hour(12u * 60));
        calendar->AddWeekdayPeriod(calendar->GetWeekday(static_cast<std::int32_t>(weekday)), s_hour(13u * 60), s_hour(17u * 60));
    }
    return calendar;
}

// One project: a root, 50 areas of 10 work packages, 100 activities per package (for 50,000),
// each activity after the first of its package a successor of the one before; two calendars,
// a standard one, and four resources with roles assigned round the table.
void BuildSchedule(BenchDocument& doc, std::uint32_t activity_count) {
    ProjectRecord* project = doc.NewProject();
    project->proj_id = s_unsigned_long(1);
    project->proj_short_name = s_string(std::wstring_view(L"BENCH"));
    project->last_recalc_date = Day(60);
    project->critical_drtn_hr_cnt = s_dur(0.0);
    CalendarRecord* five_day = AddCalendar(doc, L"Five Day", 6);
    CalendarRecord* six_day = AddCalendar(doc, L"Six Day", 7);
    AddCalendar(doc, L"Standard 5 Day Workweek", 6);

    std::vector<RsrcRecord*> resources;
    std::vector<RoleRecord*> roles;
    for (std::uint32_t i = 0; i < 4; ++i) {
        RsrcRecord* resource = doc.NewRsrc();
        resource->rsrc_id = s_unsigned_long(i + 1);
        resource->rsrc_short_name = s_string(L"R" + std::to_wstring(i));
        resource->rsrc_name = s_string(L"Resource " + std::to_wstring(i));
        resource->calendar = five_day;
        resources.push_back(resource);
        RoleRecord* role = doc.NewRole();
        role->role_short_name = s_string(L"RL" + std::to_wstring(i));
        role->role_name = s_string(L"Role " + std::to_wstring(i));
        roles.push_back(role);
    }

    ProjWbsRecord* root = doc.NewProjWbs();
    root->wbs_short_name = s_string(std::wstring_view(L"BENCH"));
    root->wbs_name = s_string(std::wstring_view(L"Benchmark project"));
    LinkWbsToProject(*root, project, nullptr);
    constexpr std::uint32_t kPackageSize = 100;
    const std::uint32_t packages = (activity_count + kPackageSize - 1) / kPackageSize;
    ProjWbsRecord* area = nullptr;
    std::uint32_t made = 0;
    for (std::uint32_t p = 0; p < packages; ++p) {
        if (p % 10 == 0) {
            area = doc.NewProjWbs();
            area->wbs_short_name = s_string(L"A" + std::to_wstring(p / 10));
            area->wbs_name = s_string(L"Area " + std::to_wstring(p / 10));
            LinkWbsToProject(*area, project, root);
            area->SetParent(root);
        }
        ProjWbsRecord* package = doc.NewProjWbs();
        package->wbs_short_name = s_string(L"P" + std::to_wstring(p));
        package->wbs_name = s_string(L"Package " + std::to_wstring(p));
        LinkWbsToProject(*package, project, area);
        package->SetParent(area);
        TaskRecord* previous = nullptr;
        for (std::uint32_t i = 0; i < kPackageSize && made < activity_count; ++i, ++made) {
            TaskRecord* task = doc.NewTask();
            task->task_id = s_unsigned_long(made + 1);
            task->task_code = s_string(L"A" + std::to_wstring(10000 + made));
            task->task_name = s_string(L"Activity " + std::to_wstring(made));
            task->status_code = s_activity_status(static_cast<std::int32_t>(made % 3));
            task->cstr_type = s_constraint_type(made % 7 == 0 ? 2 : 0);
            const std::int64_t start = static_cast<std::int64_t>(i) * 2;
            task->act_start_date = Day(start);
            if (made % 3 == 0) task->act_end_date = Day(start + 3, 17);
            task->restart_date = Day(start + 1);
            task->early_start_date = Day(start + 1);
            task->reend_date = Day(start + 4, 17);
            task->total_float_hr_cnt = s_dur(static_cast<double>(made % 5) * 8);
            task->remain_drtn_hr_cnt = s_dur(24.0);
            task->act_work_qty = s_unit(static_cast<double>(made % 40), s_unit::kQuantity);
            task->remain_work_qty = s_unit(16.0, s_unit::kQuantity);
            task->calendar = made % 4 == 0 ? six_day : five_day;
            task->wbs = package;
            package->AddActivity(task);
            task->project = project;
            project->AddActivity(task);
            task->resource = resources[made % resources.size()];
            TaskRsrcRecord* assignment = doc.NewTaskRsrc();
            assignment->task = task;
            assignment->resource = task->resource;
            assignment->role = roles[made % roles.size()];
            task->AddAssignment(assignment);
            task->resource->AddAssignment(assignment);
            if (previous != nullptr) LinkRelationship(*doc.NewTaskPred(), task, previous);
            previous = task;
        }
    }
    doc.BuildIndexes();
    for (const auto& task : doc.Tasks()) task->ComputeDerived();
    for (const auto& wbs : doc.ProjWbs()) wbs->ComputeDerived();
    for (const auto& resource : doc.Rsrcs()) resource->ComputeDerived();
}

double NanosecondsPerCell(Clock::duration elapsed, std::size_t cells) {
    return std::chrono::duration<double, std::nano>(elapsed).count() / static_cast<double>(cells);
}

}  // namespace

int main(int argc, char** argv) {
    std::uint32_t activity_count = 50000;
    if (argc > 1) {
        const char* text = argv[1];
        const auto [end, error] = std::from_chars(text, text + std::strlen(text), activity_count);
        if (error != std::errc{} || *end != '\0' || activity_count == 0) {
            std::fprintf(stderr, "usage: field_access_bench [ACTIVITIES]\n");
            return 2;
        }
    }
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    ColumnCatalog::Instance().BuildAllColumns();
    std::vector<std::int32_t> column_ids;
    for (const ColumnDef& column : ColumnCatalog::Instance().activity_columns())
        column_ids.push_back(static_cast<std::int32_t>(column.column_id));

    BenchDocument doc;
    const Clock::time_point build_start = Clock::now();
    BuildSchedule(doc, activity_count);
    const Clock::duration build_time = Clock::now() - build_start;
    const std::size_t cells = doc.Tasks().size() * column_ids.size();

    // Every read feeds the checksum, so that none can be left out.
    std::uint64_t checksum = 0;
    const auto read_all = [&] {
        const Clock::time_point start = Clock::now();
        for (const auto& task : doc.Tasks()) {
            const TaskRecord& record = *task;
            for (const std::int32_t id : column_ids) {
                const s_val* value = record.GetColumnValue(id);
                checksum += value->null_flag + (reinterpret_cast<std::uintptr_t>(value) & 0xF0);
            }
        }
        return Clock::now() - start;
    };
    const Clock::duration first_read = read_all();  // durations take their calendar factors here
    Clock::duration best = Clock::duration::max();
    for (int run = 0; run < 5; ++run) best = std::min(best, read_all());

    const Clock::time_point text_start = Clock::now();
    for (const auto& task : doc.Tasks())
        for (const std::int32_t id : column_ids) checksum += task->GetColumnValue(id)->to_string().size();
    const Clock::duration text_time = Clock::now() - text_start;

    std::printf("activities %zu, activity columns %zu, cells %zu (schedule built and passes run in %.0f ms)\n",
                doc.Tasks().size(), column_ids.size(), cells,
                std::chrono::duration<double, std::milli>(build_time).count());
    std::printf("GetColumnValue, first read:   %7.2f ns per cell\n", NanosecondsPerCell(first_read, cells));
    std::printf("GetColumnValue, best of 5:    %7.2f ns per cell\n", NanosecondsPerCell(best, cells));
    std::printf("value and display text:       %7.2f ns per cell\n", NanosecondsPerCell(text_time, cells));
    std::printf("checksum %llu\n", static_cast<unsigned long long>(checksum));
    return 0;
}
