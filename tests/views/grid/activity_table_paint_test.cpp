// Painting the activity table through the fake host and the recording backend: which rows and
// columns are painted, where their rectangles lie, and the marks screen and print differ in.

#include "activity_table_fixture.h"

#include "tests/views/support/FakeHost.h"

#include <algorithm>
#include <string>

namespace varnholt::testing_grid {
namespace {

using view::Row;
using view::test_support::FakeHost;

// Forty activities T00 .. T39 in one project. The user field "Risk" holds indicator words
// and near misses; T05's name is "Red".
const std::string& FortyActivities() {
    static const std::string text = [] {
        std::string s = ScheduleText({"%T\tPROJECT", "%F\tproj_id\tproj_short_name", "%R\t1\tGEN", "%T\tPROJWBS",
                                      "%F\twbs_id\tproj_id\tseq_num\twbs_short_name\twbs_name\tparent_wbs_id",
                                      "%R\t1\t1\t1\tG\tGenerated\t", "%T\tTASK",
                                      "%F\ttask_id\tproj_id\twbs_id\ttask_code\ttask_name"});
        for (int i = 0; i < 40; ++i) {
            const std::string id = (i < 10 ? "T0" : "T") + std::to_string(i);
            s += "%R\t" + std::to_string(100 + i) + "\t1\t1\t" + id + "\t" + (i == 5 ? "Red" : "Task " + id) + "\n";
        }
        s += "%T\tUDFTYPE\n%F\tudf_type_id\ttable_name\tudf_type_name\tudf_type_label\tlogical_data_type\n"
             "%R\t1\tTASK\tuser_field_1\tRisk\tFT_TEXT\n"
             "%T\tUDFVALUE\n%F\tudf_type_id\tfk_id\tproj_id\tudf_date\tudf_text\tudf_number\n"
             "%R\t1\t101\t1\t\tRed\t\n%R\t1\t102\t1\t\tred\t\n%R\t1\t103\t1\t\tUDF_G2\t\n%R\t1\t104\t1\t\tBlue \t\n"
             "%E\n";
        return s;
    }();
    return text;
}

bool Has(const std::vector<std::string>& lines, std::string_view wanted) {
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

class PaintTest : public ActivityTableTest {
protected:
    void SetUp() override {
        ActivityTableTest::SetUp();
        m_host.Attach(m_table, 300, 800);
    }
    const std::vector<std::string>& Paint() {
        m_host.Paint(m_table);
        return m_host.Backend(m_table).Lines();
    }
    void Print(bool printing) { m_host.Backend(m_table).SetPrinting(printing); }

    FakeHost m_host;
};

class FortyRows : public PaintTest {
protected:
    [[nodiscard]] const std::string& ScheduleBytes() const override { return FortyActivities(); }
    void SetUp() override {
        PaintTest::SetUp();
        SetColumns({{kActivityId, 100.0f}, {kActivityName, 120.0f}, {kRiskField, 60.0f}});
        Build();
    }
};

TEST_F(FortyRows, ScrolledDownPaintsTheRowsInViewAndTheHeaderOnTop) {
    m_host.SetClientSize(m_table, 300, 200);
    m_host.ScrollTo(m_table, 0, 100);
    const auto& lines = Paint();
    ASSERT_EQ(m_host.ScrollY(m_table), 100);
    for (std::size_t i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        const bool painted = i >= 5 && i <= 15;
        const view::RectF expected = painted ? view::RectF{0.0f, 30.0f + 18.0f * i + 1.0f, 280.0f, 17.0f} : view::RectF{};
        EXPECT_EQ(Listed(i).GetRect(), expected);
        EXPECT_EQ(HasPart(lines, "\"T" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "\""), painted);
    }
    EXPECT_TRUE(Has(lines, "fill ffffffff 0,0 280,30")) << "the header strip at the scroll position";
    // The header's hot zones lie there too: a press at the top of the pane sorts.
    m_host.LButtonDown(m_table, 40.0f, 10.0f);
    ASSERT_EQ(Grouping().sort_bys.size(), 1u);
    EXPECT_EQ(Grouping().sort_bys[0]->field, kActivityId);
}

TEST_F(FortyRows, SelectionShowsOnScreenOnly) {
    Listed(6).selected = true;
    struct Mode { bool printing; bool marked; };
    for (const Mode mode : {Mode{false, true}, Mode{true, false}}) {
        SCOPED_TRACE(mode.printing ? "printing" : "screen");
        Print(mode.printing);
        const auto& lines = Paint();
        EXPECT_EQ(Has(lines, "fill ffff9933 0,138 280,156"), mode.marked);
        EXPECT_EQ(HasPart(lines, "ffffffff Calibri/15/400 \"T06\""), mode.marked);
        EXPECT_EQ(HasPart(lines, "ff000000 Calibri/15/400 \"T06\""), !mode.marked);
    }
}

TEST_F(FortyRows, PrintingDropsTheMovedColumnButNotTheDragSource) {
    const std::string header_fill = "fill ffff9933 0,0 100,30";
    Paint();
    m_table.OnLButtonDown(1, 40.0f, 10.0f);  // drag source and moved column 0
    Print(true);
    EXPECT_TRUE(Has(Paint(), header_fill)) << "the drag source";
    m_table.OnLButtonUp(0, 40.0f, 10.0f);  // the moved column stays
    EXPECT_FALSE(Has(Paint(), header_fill));
    Print(false);
    EXPECT_TRUE(Has(Paint(), header_fill));
}

TEST_F(FortyRows, IndicatorWordsInUserFieldsDrawImages) {
    Listed(3).selected = true;
    const auto& lines = Paint();
    struct Cell { const char* what; std::string_view line; };
    const Cell cells[] = {
        {"Red in the user field", "bitmap 174 243,50 257,64"},
        {"red is text", "\"red\""},
        {"a code word, selected", "bitmap 179 243,86 257,100"},
        {"an extra blank is text", "\"Blue \""},
        {"Red as a name is text", "\"Red\""},
    };
    for (const Cell& cell : cells) {
        SCOPED_TRACE(cell.what);
        EXPECT_TRUE(cell.line.starts_with("bitmap") ? Has(lines, cell.line) : HasPart(lines, cell.line));
    }
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("bitmap"); }), 2);
}

TEST_F(FortyRows, ScrolledPastTheLastColumnPaintsNoCells) {
    m_host.SetClientSize(m_table, 5, 800);
    m_host.ScrollTo(m_table, 1000, 0);
    const auto& lines = Paint();
    ASSERT_GE(m_host.ScrollX(m_table), 280);
    EXPECT_FALSE(HasPart(lines, "\"T00\""));
    EXPECT_EQ(Listed(0).GetRect(), (view::RectF{0.0f, 31.0f, 280.0f, 17.0f}));
}

// The small schedule grouped by resource, then by phase, with two coloured levels.
class GroupedRows : public PaintTest {
protected:
    void SetUp() override {
        PaintTest::SetUp();
        GroupByColumn(kPrimaryResourceField);
        GroupByColumn(kPhaseCode);
        Grouping().AddLevel(0xFF0000AA).color = 0xFF000011;
        Grouping().AddLevel(0xFF0000BB).color = 0xFF000022;
        Build();
    }
};

TEST_F(GroupedRows, BandsTitlesExpandersAndLines) {
    const auto& lines = Paint();
    struct Expect { const char* what; std::string_view line; };
    // Rows: 0 WELDER (level 1, y 30), 1 Execution (level 2, y 48), 2 A1010 (level 2, y 66),
    // 3 CREW (level 1, y 84), 4 Planning (level 2, y 102). Column 0, 80 in the layout, is drawn
    // 90 wide: 30 past the IDs' three steps of indentation.
    const Expect expects[] = {
        {"level-0 band of a level-2 row", "fill ff0000aa 0,48 20,66"},
        {"group title across the row in the level colour", "clip 20,30 210,48 ff000011 Calibri/15/700 \"WELDER.Welder\""},
        {"chevron down: from the top-left corner", "line 2 solid ff000011 6,35 10,39"},
        {"activity indented one step more than its group", "clip 60,66 90,84 ff000000 Calibri/15/400 \"A1010\""},
        {"deeper group: top line from one level out", "line 1 solid ff646464 20,48 210,48"},
        {"group after a deeper row: from its own level", "line 1 solid ff646464 20,84 210,84"},
    };
    for (const Expect& e : expects) {
        SCOPED_TRACE(e.what);
        EXPECT_TRUE(e.line.starts_with("clip") ? HasPart(lines, e.line) : Has(lines, e.line));
    }
    EXPECT_EQ(Listed(0).GetExpanderRect(), (view::RectF{6.0f, 35.0f, 9.0f, 9.0f}));

    // Collapsed, the chevron points right.
    Listed(3).expanded = false;
    m_table.Update();
    const auto& collapsed = Paint();
    EXPECT_TRUE(Has(collapsed, "line 2 solid ff000011 6,89 10,93"));
}

}  // namespace
}  // namespace varnholt::testing_grid
