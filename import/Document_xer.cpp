// Document_xer.cpp - reading an XER export and the build passes that link its records.
//
// Each pass walks one table in file order and resolves keys through first-record maps, so a
// load stays linear in the file while every link is the one a scan in file order would find.

#include "import/Document_xer.h"

#include "import/catalog_column_facts.h"
#include "import/key_index.h"
#include "import/parallel_chunks.h"
#include "import/xer_code_passes.h"
#include "import/xer_parser.h"
#include "model/records/CalendarRecord.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/MemoRecord.h"
#include "model/records/ObsRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RoleRateRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRateRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/RsrcRoleRecord.h"
#include "model/records/ShiftRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskProcRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/TaskRsrcRecord.h"
#include "model/text_utils.h"
#include "platform/path_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace varnholt::document {

namespace {

// Below this many activities a second thread for the derived values costs more than it saves.
constexpr std::size_t kTasksPerThread = 2048;
constexpr std::size_t kTasksPerChunk = 256;
// The same for linking relationships.
constexpr std::size_t kRelationshipsPerThread = 4096;
constexpr std::size_t kRelationshipsPerChunk = 2048;

// The WBS element of a key, through the document's WBS index.
ProjWbsRecord* wbs_of(const Document& doc, const s_unsigned_long& wbs_id) {
    return FindIndexed(doc.WbsIndex(), wbs_id);
}

TaskRecord* task_of(const Document& doc, const s_unsigned_long& task_id) {
    return FindIndexed(doc.TaskIndex(), task_id);
}

// The OBS tree; each activity into its project and WBS element, with its calendar and
// resource; each WBS element into the OBS and its project; then the WBS tree.
void LinkProjectsAndWbs(Document& doc, const KeyIndex<ProjectRecord>& projects,
                        const KeyIndex<CalendarRecord>& calendars, const KeyIndex<RsrcRecord>& resources) {
    const KeyIndex<ObsRecord> obs(doc.Obs(), &ObsRecord::obs_id);
    for (const auto& node : doc.Obs()) node->SetParent(obs.Find(node->parent_obs_id));

    for (const auto& task : doc.Tasks()) {
        if (ProjectRecord* project = projects.Find(task->proj_id)) {
            project->AddActivity(task.get());
            task->project = project;
        }
        if (ProjWbsRecord* wbs = wbs_of(doc, task->wbs_id)) {
            wbs->AddActivity(task.get());
            task->wbs = wbs;
        }
        task->calendar = calendars.Find(task->clndr_id);
        task->resource = resources.Find(task->rsrc_id);
    }

    for (const auto& wbs : doc.ProjWbs()) {
        LinkWbsToObs(*wbs, obs.Find(wbs->obs_id));
        LinkWbsToProject(*wbs, projects.Find(wbs->proj_id), wbs_of(doc, wbs->parent_wbs_id));
    }
    // A parent that would close a loop is refused; the element then stays at the top.
    for (const auto& wbs : doc.ProjWbs()) wbs->SetParent(wbs_of(doc, wbs->parent_wbs_id));
}

// Each resource's calendar and parent, then its rates, role and shift, then its currency.
void LinkResources(Document& doc, const KeyIndex<CalendarRecord>& calendars, const KeyIndex<RsrcRecord>& resources,
                   const KeyIndex<RoleRecord>& roles) {
    const KeyGroups<RsrcRateRecord> rates(doc.RsrcRates(), &RsrcRateRecord::rsrc_id);
    const KeyIndex<ShiftRecord> shifts(doc.Shifts(), &ShiftRecord::shift_id);
    const KeyIndex<CurrTypeRecord> currencies(doc.CurrTypes(), &CurrTypeRecord::curr_id);
    for (const auto& resource : doc.Rsrcs()) {
        resource->calendar = calendars.Find(resource->clndr_id);
        resource->SetParent(resources.Find(resource->parent_rsrc_id));
    }
    for (const auto& resource : doc.Rsrcs()) {
        for (RsrcRateRecord* rate : rates.Find(resource->rsrc_id)) resource->AddRate(rate);
        resource->role = roles.Find(resource->role_id);
        if (ShiftRecord* shift = shifts.Find(resource->shift_id)) resource->shift = shift;
    }
    for (const auto& resource : doc.Rsrcs()) {
        if (CurrTypeRecord* currency = currencies.Find(resource->curr_id)) resource->currency = currency;
    }
}

// Assignments into their activities and resources; an assignment joins its activity only when
// both name the same project.
void LinkAssignments(Document& doc, const KeyIndex<RsrcRecord>& resources) {
    for (const auto& assignment : doc.TaskRsrcs()) {
        LinkAssignmentToActivity(*assignment, task_of(doc, assignment->task_id));
        if (RsrcRecord* resource = resources.Find(assignment->rsrc_id)) {
            resource->AddAssignment(assignment.get());
            assignment->resource = resource;
        }
    }
}

// Relationships into both activities; either end may be outside the file. Each relationship's
// ends are looked up on several threads, a chunk each (a relationship writes only its own two
// links and its ends' places); then each thread walks the relationships in file order and
// appends to the lists of the activities in its own share of places, so every list is the one
// a single pass in file order would make.
void LinkRelationships(Document& doc, unsigned requested_threads) {
    const auto& relationships = doc.TaskPreds();
    const std::size_t count = relationships.size();
    const unsigned threads = threads_for(requested_threads, count, kRelationshipsPerThread);
    constexpr std::int32_t kOutside = -1;
    std::vector<std::int32_t> successor_places(count, kOutside);
    std::vector<std::int32_t> predecessor_places(count, kOutside);
    const auto place_of = [](const TaskRecord* task) { return task != nullptr ? task->load_order.value : kOutside; };
    run_chunks((count + kRelationshipsPerChunk - 1) / kRelationshipsPerChunk, threads, [&](std::size_t chunk) {
        const std::size_t end = std::min(count, (chunk + 1) * kRelationshipsPerChunk);
        for (std::size_t index = chunk * kRelationshipsPerChunk; index < end; ++index) {
            TaskPredRecord& relationship = *relationships[index];
            relationship.successor = task_of(doc, relationship.task_id);
            relationship.predecessor = task_of(doc, relationship.pred_task_id);
            successor_places[index] = place_of(relationship.successor);
            predecessor_places[index] = place_of(relationship.predecessor);
        }
    });
    const auto activities = static_cast<std::int64_t>(doc.Tasks().size());
    run_chunks(threads, threads, [&](std::size_t share) {
        const std::int64_t first = activities * static_cast<std::int64_t>(share) / threads;
        const std::int64_t last = activities * static_cast<std::int64_t>(share + 1) / threads;
        const auto mine = [&](std::int32_t place) { return place >= first && place < last; };
        for (std::size_t index = 0; index < count; ++index) {
            TaskPredRecord* relationship = relationships[index].get();
            if (mine(successor_places[index])) relationship->successor->AddPredecessor(relationship);
            if (mine(predecessor_places[index])) relationship->predecessor->AddSuccessor(relationship);
        }
    });
}

// Project calendars, base calendars and the roles of assignments.
void LinkCalendarsAndAssignmentRoles(Document& doc, const KeyIndex<CalendarRecord>& calendars,
                                     const KeyIndex<RoleRecord>& roles) {
    for (const auto& project : doc.Projects()) project->calendar = calendars.Find(project->clndr_id);
    for (const auto& calendar : doc.Calendars()) calendar->base_calendar = calendars.Find(calendar->base_clndr_id);
    for (const auto& assignment : doc.TaskRsrcs()) {
        if (RoleRecord* role = roles.Find(assignment->role_id)) assignment->role = role;
    }
}

void LinkActivitySteps(Document& doc, const KeyIndex<ProjectRecord>& projects) {
    for (const auto& step : doc.TaskProcs())
        LinkActivityStep(*step, task_of(doc, step->task_id), projects.Find(step->proj_id));
}

// The role tree, the roles of resources, role rates (the last row of a role wins) and limits.
void LinkRoles(Document& doc, const KeyIndex<RsrcRecord>& resources, const KeyIndex<RoleRecord>& roles) {
    for (const auto& role : doc.Roles()) role->SetParent(roles.Find(role->parent_role_id));
    for (const auto& resource_role : doc.RsrcRoles())
        LinkResourceRole(*resource_role, roles.Find(resource_role->role_id), resources.Find(resource_role->rsrc_id));
    for (const auto& rate : doc.RoleRates()) LinkRoleRate(*rate, roles.Find(rate->role_id));
    for (const auto& limit : doc.RoleLimits()) LinkRoleLimit(*limit, roles.Find(limit->role_id));
}

void LinkShifts(Document& doc) {
    const KeyIndex<ShiftRecord> shifts(doc.Shifts(), &ShiftRecord::shift_id);
    for (const auto& period : doc.ShiftPers()) LinkShiftPeriod(*period, shifts.Find(period->shift_id));
    for (const auto& shift : doc.Shifts()) shift->MeasurePeriods();
}

void LinkMemos(Document& doc, const KeyIndex<ProjectRecord>& projects) {
    const KeyIndex<MemoTypeRecord> topics(doc.MemoTypes(), &MemoTypeRecord::memo_type_id);
    for (const auto& memo : doc.TaskMemos()) {
        const auto keys = memo->Keys(memo_table::task_memo);
        LinkTaskMemo(*memo, task_of(doc, keys.owner_id), projects.Find(keys.proj_id), topics.Find(keys.memo_type_id));
    }
    for (const auto& memo : doc.WbsMemos()) {
        const auto keys = memo->Keys(memo_table::wbs_memo);
        ProjWbsRecord* wbs = wbs_of(doc, keys.owner_id);
        LinkWbsMemo(*memo, wbs, projects.Find(keys.proj_id), topics.Find(keys.memo_type_id));
        if (wbs != nullptr) wbs->AddMemo(memo.get());
    }
}

}  // namespace

// Our wide paths go back to the file system's bytes by PathFromWide; the path class's own
// conversion follows the process locale and throws under "C" for any character beyond ASCII.
bool Document_xer::Open(std::wstring_view path) { return Load(PathFromWide(path)); }

bool Document_xer::Load(const std::filesystem::path& path) {
    if (!xer_parser::parse_file(*this, path, m_load_threads).doc) return false;
    BuildIndexes();
    Build();
    ComputeDerived();
    return true;
}

bool Document_xer::LoadBytes(std::string_view bytes) {
    if (!xer_parser::parse_bytes(*this, bytes, {}, m_load_threads).doc) return false;
    BuildIndexes();
    Build();
    ComputeDerived();
    return true;
}

void Document_xer::Build() {
    const KeyIndex<ProjectRecord> projects(Projects(), &ProjectRecord::proj_id);
    const KeyIndex<CalendarRecord> calendars(Calendars(), &CalendarRecord::clndr_id);
    const KeyIndex<RsrcRecord> resources(Rsrcs(), &RsrcRecord::rsrc_id);
    const KeyIndex<RoleRecord> roles(Roles(), &RoleRecord::role_id);

    LinkProjectsAndWbs(*this, projects, calendars, resources);
    LinkResources(*this, calendars, resources, roles);
    LinkAssignments(*this, resources);
    LinkRelationships(*this, m_load_threads);
    LinkCalendarsAndAssignmentRoles(*this, calendars, roles);

    LinkUdfValues(*this);
    LinkActivityCodes(*this, projects);
    LinkProjectCodes(*this, projects);
    LinkResourceCodes(*this, resources);
    AdoptFileCurrency(*this);
    LinkActivitySteps(*this, projects);
    LinkRoles(*this, resources, roles);
    LinkShifts(*this);
    LinkMemos(*this, projects);
}

// Each activity's derived values read only its own links and write only its own members, so
// the activities are shared out among threads. Calendars work out their hour factors on first
// use; that happens here, before the threads start, rather than from two threads at once.
void Document_xer::ComputeDerived() {
    for (const auto& calendar : Calendars()) (void)calendar->HourFactors();
    const auto& tasks = Tasks();
    const std::size_t chunks = (tasks.size() + kTasksPerChunk - 1) / kTasksPerChunk;
    run_chunks(chunks, threads_for(m_load_threads, tasks.size(), kTasksPerThread), [&](std::size_t chunk) {
        const std::size_t end = std::min(tasks.size(), (chunk + 1) * kTasksPerChunk);
        for (std::size_t index = chunk * kTasksPerChunk; index < end; ++index) tasks[index]->ComputeDerived();
    });
    for (const auto& wbs : ProjWbs()) wbs->ComputeDerived();
    for (const auto& project : Projects()) project->node_type = s_node_type(1);
    for (const auto& resource : Rsrcs()) resource->ComputeDerived();
}

ColumnFact Document_xer::FindColumnFact(ColumnFactTable table, std::int32_t field_id) const {
    return CatalogColumnFact(table, field_id);
}

}  // namespace varnholt::document
