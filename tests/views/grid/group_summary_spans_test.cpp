// A group row's durations span the dates the row shows, whichever of its activities gives them:
// a milestone's hidden other end counts with its seconds when it is the group's earliest start
// or latest finish, as it does for the WBS element; only an empty date leaves a span open.

#include "activity_table_fixture.h"
#include "summary_schedules.h"

#include "model/records/CalendarRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/s_dur.h"

#include <array>
#include <string>
#include <string_view>

namespace varnholt::testing_grid {
namespace {

using view::GroupRow;
using view::Row;

// The Possession element holds a week's task and two start milestones, the later one on the
// Wednesday after the task: its hidden finish alone is the group's latest finish. The Handover
// element holds one finish milestone, whose hidden start is the group's start. All on the
// project's default calendar, Monday to Friday, eight hours.
const std::string& PossessionSchedule() {
    static const std::string text = [] {
        std::string s = ScheduleText({
            "%T\tPROJECT", "%F\tproj_id\tproj_short_name\tclndr_id", "%R\t10\tHS\t1",
            "%T\tPROJWBS", "%F\twbs_id\tproj_id\tseq_num\tproj_node_flag\twbs_short_name\twbs_name\tparent_wbs_id",
            "%R\t100\t10\t1\tY\tHS\tWorks\t", "%R\t110\t10\t1\tN\tPOSS\tPossession\t100",
            "%R\t120\t10\t2\tN\tHAND\tHandover\t100",
        });
        s += Calendars();
        s += std::string("%T\tTASK\n") + kTaskFields + "\n";
        // The task's late finish a week after its early finish: three days of float from the
        // milestone's hidden early finish.
        std::string task = Task(1, 110, 1, "TT_Task", "P-1", "Take", "2025-03-03 08:00", "2025-03-07 17:00", "2025-03-03 08:00");
        task.replace(task.rfind("2025-03-07"), 10, "2025-03-14");
        s += task;
        s += Task(2, 110, 1, "TT_Mile", "P-2", "Start", "2025-03-03 08:00", "2025-03-03 08:00", "2025-03-03 08:00");
        s += Task(3, 110, 1, "TT_Mile", "P-3", "Access", "2025-03-12 08:00", "2025-03-12 08:00", "2025-03-12 08:00");
        s += Task(4, 120, 1, "TT_FinMile", "H-1", "Handed", "2025-03-14 17:00", "2025-03-14 17:00", "2025-03-14 17:00");
        return s + "%E\n";
    }();
    return text;
}

constexpr std::int32_t kOriginalDuration = 89;
constexpr std::int32_t kRemainingDuration = 90;
constexpr std::int32_t kTotalFloat = 92;

template <const std::string& (*Schedule)()>
class GroupedByWbs : public ActivityTableTest {
protected:
    [[nodiscard]] const std::string& ScheduleBytes() const override { return Schedule(); }
    void SetUp() override {
        ActivityTableTest::SetUp();
        GroupByColumn(kWbsColumn, true);
        Build();
    }
    const GroupRow* Group(std::wstring_view title) {
        for (const Row* row : m_table.GetRowList().Rows())
            if (row->IsGroupRow() && static_cast<const GroupRow*>(row)->GetTitle() == title) return static_cast<const GroupRow*>(row);
        ADD_FAILURE() << "no group row";
        return nullptr;
    }
    std::wstring Shown(const Row& row, std::int32_t field) { return row.GetFieldValue(field).to_string(); }
};

using PossessionGroups = GroupedByWbs<PossessionSchedule>;

TEST_F(PossessionGroups, AMilestonesHiddenEndSpansTheGroupAsItSpansTheWbsElement) {
    struct Case {
        const char* why;
        const wchar_t* group;
        const wchar_t* start;
        const wchar_t* finish;
        const wchar_t* duration;  // original and remaining alike
        const wchar_t* total_float;
    } const cases[] = {
        {"the latest finish a start milestone's", L"HS.POSS", L"3-Mar-2025", L"12-Mar-2025", L"7", L"3"},
        {"one finish milestone", L"HS.HAND", L"14-Mar-2025", L"14-Mar-2025", L"0", L"0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const GroupRow* group = Group(c.group);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(Shown(*group, kStartField), c.start);
        EXPECT_EQ(Shown(*group, kFinishField), c.finish);
        EXPECT_EQ(Shown(*group, kOriginalDuration), c.duration);
        EXPECT_EQ(Shown(*group, kRemainingDuration), c.duration);
        EXPECT_EQ(Shown(*group, kTotalFloat), c.total_float);
        // The WBS table's row of the same element.
        const ProjWbsRecord* element = static_cast<const view::ActivityGroupItem&>(group->GetItem()).GetWbs();
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->GetFieldValue(436)->to_string(), c.duration) << "At Completion Duration";
        EXPECT_EQ(element->GetFieldValue(438)->to_string(), c.duration) << "Remaining Duration";
    }
}

// Spans with an empty end, as real exports have them: a leaf whose activities have all finished
// (the file leaves their remaining dates empty), a leaf without activities, and activities
// with one remaining date or one float date of the two, and a second project of one activity
// with a remaining finish only. A span is blank only where its count would run from 1970; with
// both ends empty, or a start and no finish, it is no time at all.
const std::string& EmptyEndsSchedule() {
    static const std::string text = [] {
        std::string s = ScheduleText({
            "%T\tPROJECT", "%F\tproj_id\tproj_short_name\tclndr_id", "%R\t10\tHS\t1", "%R\t20\tOP\t1",
            "%T\tPROJWBS", "%F\twbs_id\tproj_id\tseq_num\tproj_node_flag\twbs_short_name\twbs_name\tparent_wbs_id",
            "%R\t100\t10\t1\tY\tHS\tWorks\t", "%R\t110\t10\t1\tN\tDONE\tFinished\t100",
            "%R\t120\t10\t2\tN\tNONE\tNo activities\t100", "%R\t130\t10\t3\tN\tOPEN\tNo remaining start\t100",
            "%R\t140\t10\t4\tN\tHALF\tNo remaining finish\t100", "%R\t200\t20\t1\tY\tOP\tOpen works\t",
        });
        s += Calendars();
        s += "%T\tTASK\n%F\ttask_id\tproj_id\twbs_id\tclndr_id\ttask_type\tstatus_code\ttask_code\ttask_name"
             "\ttarget_start_date\ttarget_end_date\tact_start_date\tact_end_date\trestart_date\treend_date"
             "\tearly_start_date\tearly_end_date\tlate_start_date\tlate_end_date\n";
        // A week's task, finished: no remaining or float dates.
        s += "%R\t1\t10\t110\t1\tTT_Task\tTK_Complete\tD-1\tDone\t2025-03-03 08:00\t2025-03-07 17:00"
             "\t2025-03-03 08:00\t2025-03-07 17:00\t\t\t\t\t\t\n";
        // A remaining finish without a remaining start, and a late finish without an early one.
        s += "%R\t2\t10\t130\t1\tTT_Task\tTK_NotStart\tO-1\tOpen\t2025-03-03 08:00\t2025-03-07 17:00"
             "\t\t\t\t2025-03-07 17:00\t\t\t2025-03-03 08:00\t2025-03-07 17:00\n";
        // A remaining start without a remaining finish, and an early finish without a late one.
        s += "%R\t3\t10\t140\t1\tTT_Task\tTK_NotStart\tH-1\tHalf\t2025-03-03 08:00\t2025-03-07 17:00"
             "\t\t\t2025-03-03 08:00\t\t2025-03-03 08:00\t2025-03-07 17:00\t\t\n";
        s += "%R\t4\t20\t200\t1\tTT_Task\tTK_NotStart\tP-1\tOpen\t2025-03-03 08:00\t2025-03-07 17:00"
             "\t\t\t\t2025-03-07 17:00\t\t\t\t\n";
        return s + "%E\n";
    }();
    return text;
}

using EmptyEndGroups = GroupedByWbs<EmptyEndsSchedule>;

TEST_F(EmptyEndGroups, ASpanIsBlankOnlyWhereItWouldCountFrom1970) {
    struct Case {
        const char* why;
        std::uint32_t wbs_id;
        const wchar_t* code;
        // The WBS element's At Completion and Remaining Duration, then its group row's Original
        // and Remaining Duration and Total Float; nullptr where the element has no group row.
        std::array<const wchar_t*, 5> shown;
    } const cases[] = {
        {"all finished: no remaining or float dates", 110, L"HS.DONE", {L"5", L"0", L"5", L"0", L"0"}},
        {"no activities, as its parent", 120, L"HS.NONE", {L"0", L"0", nullptr}},
        {"the parent", 100, L"HS", {L"0", L"0", nullptr}},
        {"a remaining finish only, a late finish only", 130, L"HS.OPEN", {L"", L"", L"5", L"", L""}},
        {"a remaining start only, an early finish only", 140, L"HS.HALF", {L"0", L"0", L"5", L"0", L""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const ProjWbsRecord* element = m_document.FindWbs(s_unsigned_long(c.wbs_id));
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->GetFieldValue(436)->to_string(), c.shown[0]) << "At Completion Duration";
        EXPECT_EQ(element->GetFieldValue(438)->to_string(), c.shown[1]) << "Remaining Duration";
        if (c.shown[2] == nullptr) continue;
        const GroupRow* group = Group(c.code);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(Shown(*group, kOriginalDuration), c.shown[2]);
        EXPECT_EQ(Shown(*group, kRemainingDuration), c.shown[3]);
        EXPECT_EQ(Shown(*group, kTotalFloat), c.shown[4]);
    }
    // A project row rolls its whole tree up by the same rule.
    const auto remaining = [this](std::uint32_t proj_id) {
        const ProjectRecord* project = m_document.FindProject(s_unsigned_long(proj_id));
        return project != nullptr ? project->GetFieldValue(283)->to_string() : L"no project";
    };
    EXPECT_EQ(remaining(10), L"5") << "the earliest remaining start to the latest remaining finish";
    EXPECT_EQ(remaining(20), L"") << "a remaining finish only";
}

// Each duration of the table and the two dates its span takes, as the group row shows them.
struct Span {
    std::int32_t duration, start, end;
    bool signed_span;
};
constexpr Span kSpans[] = {{85, 82, 70, false}, {89, 74, 73, false}, {90, 77, 76, false}, {92, 65, 71, true}};

using LargeExportGroups = GroupedByWbs<LargeExport>;

// Over an export with milestones of both kinds on three calendars: every group whose calendar
// is found shows each duration as the working time on that calendar between the two dates its
// row shows.
TEST_F(LargeExportGroups, EveryDurationIsTheWorkingTimeBetweenTheDatesTheGroupShows) {
    std::size_t checked = 0;
    for (const Row* row : m_table.GetRowList().Rows()) {
        if (!row->IsGroupRow()) continue;
        std::wstring name = Shown(*row, kCalendarField);
        const CalendarRecord* calendar = m_document.FindCalendarByName(s_string(name.empty() ? view::kStandardCalendarName : std::wstring_view(name)));
        if (calendar == nullptr) continue;
        const std::wstring title = static_cast<const GroupRow*>(row)->GetTitle();
        for (const Span& span : kSpans) {
            const s_val& start = row->GetFieldValue(span.start);
            const s_val& end = row->GetFieldValue(span.end);
            if (start.to_string().empty() || end.to_string().empty()) continue;
            const auto& duration = static_cast<const s_dur&>(row->GetFieldValue(span.duration));
            const auto& from = static_cast<const s_date&>(start);
            const auto& to = static_cast<const s_date&>(end);
            const double hours = span.signed_span && !from.less(to) ? -(calendar->WorkingMinutes(to, from) / 60.0)
                                                                    : calendar->WorkingMinutes(from, to) / 60.0;
            SCOPED_TRACE(testing::Message() << std::string(title.begin(), title.end()) << ", field " << span.duration);
            EXPECT_EQ(duration.blank, 0);
            EXPECT_DOUBLE_EQ(duration.value, hours);
            ++checked;
        }
    }
    EXPECT_GT(checked, 300u);
}

}  // namespace
}  // namespace varnholt::testing_grid
