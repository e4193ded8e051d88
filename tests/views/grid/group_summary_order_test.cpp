// Group summaries do not hang on what the user did first: a WBS group that holds activities of
// its own beside groups shows the same durations whether a paint, a copy, a sort, a collapse
// or an expand asks for them first; over a larger export, every group's summaries read the
// same before and after a sort.

#include "activity_table_fixture.h"
#include "summary_schedules.h"

#include "tests/views/support/FakeHost.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::testing_grid {
namespace {

using view::GroupRow;
using view::Row;

// Level 5 (B4.5) holds two milestones of its own on the HCRA calendar, both at Friday 21 March
// 18:00, and three elements: 1 and 2 on the HCRA calendar, 3 on the project's default. The
// start milestone's finish and the finish milestone's start are the hidden other ends.
const std::string& LevelFiveSchedule() {
    static const std::string text = [] {
        std::string s = ScheduleText({
            "%T\tPROJECT", "%F\tproj_id\tproj_short_name\tclndr_id", "%R\t10\tHOTEL\t1",
            "%T\tPROJWBS", "%F\twbs_id\tproj_id\tseq_num\tproj_node_flag\twbs_short_name\twbs_name\tparent_wbs_id",
            "%R\t100\t10\t1\tY\tHOTEL\tHotel\t", "%R\t110\t10\t1\tN\tB4\tBlock 4\t100",
            "%R\t120\t10\t5\tN\tB4.5\tLevel 5\t110", "%R\t121\t10\t1\tN\t1\tSlab\t120",
            "%R\t122\t10\t2\tN\t2\tWalls\t120", "%R\t123\t10\t3\tN\t3\tFit-out\t120",
        });
        s += Calendars();
        s += std::string("%T\tTASK\n") + kTaskFields + "\n";
        s += Task(1, 120, 2, "TT_FinMile", "B45-M1", "Works done", "2025-03-21 18:00", "2025-03-21 18:00", "2025-03-21 18:00");
        s += Task(2, 120, 2, "TT_Mile", "B45-M2", "Access", "2025-03-21 18:00", "2025-03-21 18:00", "2025-03-21 18:00");
        s += Task(3, 121, 2, "TT_Task", "B451-1", "Pour", "2025-03-03 07:00", "2025-03-07 18:00", "2025-03-05 07:00");
        s += Task(4, 122, 2, "TT_Task", "B452-1", "Build", "2025-03-10 07:00", "2025-03-14 18:00", "2025-03-10 07:00");
        s += Task(5, 123, 1, "TT_Task", "B453-1", "Fit", "2025-03-17 08:00", "2025-03-19 17:00", "2025-03-17 08:00");
        return s + "%E\n";
    }();
    return text;
}

constexpr std::int32_t kOriginalDuration = 89;
constexpr std::int32_t kRemainingDuration = 90;
constexpr std::int32_t kStart = 82;
constexpr const wchar_t* kLevelFive = L"HOTEL.B4.B4.5";

class GroupSummaryOrder : public ActivityTableTest {
protected:
    [[nodiscard]] const std::string& ScheduleBytes() const override { return LevelFiveSchedule(); }
    void SetUp() override {
        ActivityTableTest::SetUp();
        m_host.Attach(m_table, 600, 400);
    }

public:
    // Grouped by the WBS path, sorted by start and then ID, as the default activity layout is.
    void DefaultLayout() {
        SetColumns({{kActivityId, 80.0f}, {kActivityName, 120.0f}, {kOriginalDuration, 70.0f}, {kRemainingDuration, 70.0f}});
        GroupByColumn(kWbsColumn, true);
        Grouping().ClearSortBys();
        Grouping().AddSortBy(kStart, kSortAscending);
        Grouping().AddSortBy(kActivityId, kSortAscending);
        Build();
        // The header and the top row show first: a header is clicked only once it is seen.
        m_host.SetClientSize(m_table, 600, 48);
        m_host.Paint(m_table);
    }
    void Click(float x, float y) {
        m_host.LButtonDown(m_table, x, y);
        m_host.LButtonUp(m_table, x, y);
    }
    std::size_t IndexOf(std::wstring_view title) {
        const auto& rows = m_table.GetRowList().Rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i]->IsGroupRow() && static_cast<const GroupRow*>(rows[i])->GetTitle() == title) return i;
        }
        ADD_FAILURE() << "no listed group row";
        return 0;
    }
    // The two duration cells of the group's row, as a paint draws them: the texts clipped to
    // the row's band right of the name column, left to right.
    std::string Painted(std::wstring_view title) {
        m_host.SetClientSize(m_table, 600, 400);
        m_host.Paint(m_table);
        const int top = 30 + 18 * static_cast<int>(IndexOf(title));
        std::vector<std::pair<int, std::string>> cells;
        for (const std::string& line : m_host.Backend(m_table).Lines()) {
            int x = 0, y = 0, left = 0, clip_top = 0;
            if (std::sscanf(line.c_str(), "text %d,%d clip %d,%d", &x, &y, &left, &clip_top) != 4) continue;
            if (clip_top < top || clip_top >= top + 18 || left < 200) continue;
            const auto quote = line.find('"');
            cells.emplace_back(left, line.substr(quote + 1, line.size() - quote - 2));
        }
        std::sort(cells.begin(), cells.end());
        std::string text;
        for (const auto& cell : cells) text += (text.empty() ? "" : "/") + cell.second;
        return text;
    }
    // The two cells as a copy gives them: the group's line, less its title and name.
    std::string Copied(std::wstring_view title) {
        std::wistringstream lines(m_table.GetText());
        std::wstring line;
        while (std::getline(lines, line)) {
            if (!line.starts_with(std::wstring(title) + L'\t')) continue;
            std::vector<std::string> cells;
            std::wistringstream fields(line);
            for (std::wstring field; std::getline(fields, field, L'\t');) cells.emplace_back(field.begin(), field.end());
            return cells.size() >= 4 ? cells[2] + "/" + cells[3] : std::string();
        }
        ADD_FAILURE() << "no copied line";
        return {};
    }
    // A click on the Activity Name header, where the last paint put it.
    void ClickNameHeader() {
        for (const std::string& line : m_host.Backend(m_table).Lines()) {
            int x = 0, y = 0, left = 0, top = 0, right = 0, bottom = 0;
            if (!line.ends_with("\"Activity Name\"") ||
                std::sscanf(line.c_str(), "text %d,%d clip %d,%d %d,%d", &x, &y, &left, &top, &right, &bottom) != 6)
                continue;
            Click(static_cast<float>(left + right) / 2.0f, 10.0f);
            return;
        }
        ADD_FAILURE() << "no Activity Name header painted";
    }
    [[nodiscard]] view::ActivityTableView& Table() { return m_table; }
    void ClickExpander(std::wstring_view title) {
        const view::RectF box = m_table.GetRowList().At(IndexOf(title))->expander_rect;
        Click(box.x + box.width / 2, box.y + box.height / 2);
    }

    view::test_support::FakeHost m_host;
};

// Level 5's durations on "Standard 5 Day Workweek", since its rows lie on two calendars:
// planned from Monday 3 March 07:00 to the milestones' Friday 21 March 18:00, twelve of its
// days; remaining from Wednesday 5 March, ten.
TEST_F(GroupSummaryOrder, AGroupOfActivitiesAndGroupsShowsTheSameDurationsWhateverIsDoneFirst) {
    using Step = std::function<std::string(GroupSummaryOrder&)>;
    const Step paint = [](auto& t) { return t.Painted(kLevelFive); };
    const Step copy = [](auto& t) { return t.Copied(kLevelFive); };
    const auto then = [](std::function<void(GroupSummaryOrder&)> act, Step look) {
        return Step([=](auto& t) {
            act(t);
            return look(t);
        });
    };
    const auto sort_by_name = [](auto& t) { t.ClickNameHeader(); };
    const auto toggle_level_five = [](auto& t) {
        const std::size_t listed = t.Table().GetRowList().Size();
        t.ClickExpander(kLevelFive);
        EXPECT_LT(t.Table().GetRowList().Size(), listed) << "collapsed";
        t.Painted(L"HOTEL");
        t.ClickExpander(kLevelFive);
    };
    const auto open_from_the_top = [](auto& t) {
        t.Table().CollapseAll();
        t.Painted(L"HOTEL");
        t.ClickExpander(L"HOTEL");
        t.Painted(L"HOTEL");
        t.ClickExpander(L"HOTEL.B4");
    };
    const auto expand_all = [](auto& t) { t.Table().ExpandAll(); };
    struct Route { const char* what; std::vector<Step> steps; } const routes[] = {
        {"painted at once, copied, sorted by name", {paint, copy, then(sort_by_name, paint), copy}},
        {"copied at once, then painted", {copy, paint}},
        {"sorted by name first, both ways", {then(sort_by_name, paint), copy, then(sort_by_name, paint)}},
        {"collapsed and expanded", {paint, then(toggle_level_five, paint), copy}},
        {"reached by expanding from the top", {then(open_from_the_top, paint), then(sort_by_name, copy)}},
        {"sorted by name, then everything expanded anew", {then(sort_by_name, copy), then(expand_all, paint)}},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.what);
        DefaultLayout();
        for (std::size_t i = 0; i < route.steps.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(route.steps[i](*this), "12/10");
        }
    }
}

class LargeExportOrder : public GroupSummaryOrder {
protected:
    [[nodiscard]] const std::string& ScheduleBytes() const override { return LargeExport(); }

public:
    using Summaries = std::map<std::wstring, std::vector<std::wstring>>;
    // Every activity field that a group row summarises, the calendar and group name included.
    static std::vector<std::int32_t> SummaryFields() {
        std::vector<std::int32_t> fields;
        for (std::int32_t id = 6; id < 600; ++id) {
            const ColumnDef* column = ColumnCatalog::Instance().FindActivityByFieldId(id);
            if (column != nullptr && column->field_id == id &&
                (column->summary_rule != ColumnSummaryRule::none || id == kCalendarField || id == 213))
                fields.push_back(id);
        }
        return fields;
    }
    // Each group row's summaries by title, asked row by row from the top or from the bottom, and field by field upwards or downwards.
    Summaries Ask(bool from_the_top) {
        // A fresh table lists every row, expanded.
        std::vector<const Row*> rows;
        for (const Row* row : m_table.GetRowList().Rows())
            if (row->IsGroupRow()) rows.push_back(row);
        std::vector<std::int32_t> fields = SummaryFields();
        if (!from_the_top) {
            std::reverse(rows.begin(), rows.end());
            std::reverse(fields.begin(), fields.end());
        }
        Summaries summaries;
        for (const Row* row : rows) {
            auto& cells = summaries[static_cast<const GroupRow*>(row)->GetTitle()];
            cells.resize(fields.size());
            for (std::size_t f = 0; f < fields.size(); ++f) {
                const std::size_t slot = from_the_top ? f : fields.size() - 1 - f;
                cells[slot] = row->GetFieldValue(fields[f]).to_string();
            }
        }
        return summaries;
    }
};

TEST_F(LargeExportOrder, EveryGroupSummaryReadsTheSameBeforeAndAfterASort) {
    DefaultLayout();
    const Summaries at_once = Ask(true);
    ASSERT_GT(at_once.size(), 150u);
    DefaultLayout();
    ClickNameHeader();  // by name, then by name descending
    ClickNameHeader();
    ASSERT_EQ(Grouping().sort_bys.size(), 1u);
    ASSERT_EQ(Grouping().sort_bys.front()->field, kActivityName);
    const Summaries after_sorts = Ask(false);
    ASSERT_EQ(after_sorts.size(), at_once.size());
    const std::vector<std::int32_t> fields = SummaryFields();
    std::size_t differing = 0;
    for (const auto& [title, cells] : at_once) {
        const auto& sorted = after_sorts.at(title);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (cells[f] == sorted[f]) continue;
            if (++differing <= 5)
                ADD_FAILURE() << "field " << fields[f] << " of " << std::string(title.begin(), title.end()) << ": \""
                              << std::string(cells[f].begin(), cells[f].end()) << "\" at once, \""
                              << std::string(sorted[f].begin(), sorted[f].end()) << "\" after the sorts";
        }
    }
    EXPECT_EQ(differing, 0u);
}

}  // namespace
}  // namespace varnholt::testing_grid
