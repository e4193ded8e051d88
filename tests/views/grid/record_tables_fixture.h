// record_tables_fixture.h - a schedule of five projects, their WBS elements and an OBS tree,
// read through the real XER reader, shown in a WBS or a project table whose layout the tests
// reshape; the visible rows print as an outline.
//
// Projects in file order: ALPHA (top element A), BETA (B), GAMMA (no WBS elements), DELTA (D),
// EPSILON (E). Under A: DES (seq 2), BLD (seq 1, holding FND) and QA (seq 1, after BLD in the
// file); under B: SRV. OBS: "Zeta" (seq 2) with child "Civil" (node 5); "alpha" (seq 1) with
// children "Civil" (node 3, seq 2) and "Design" (seq 1). QA's manager is not in the file, SRV
// has none; D answers to node 5, E to node 3, so two "Civil" nodes show the same text. The
// project user field "Client" holds "Acme" for ALPHA and DELTA.
#pragma once

#include "activity_table_fixture.h"

#include "layouts/TableLayouts.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "tests/views/support/FakeHost.h"
#include "views/grid/ProjectTableView.h"
#include "views/grid/WBSTableView.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::testing_grid {

inline const std::string& RecordTablesSchedule() {
    static const std::string text = ScheduleText({
        "%T\tPROJECT", "%F\tproj_id\tproj_short_name",
        "%R\t10\tALPHA", "%R\t20\tBETA", "%R\t30\tGAMMA", "%R\t40\tDELTA", "%R\t50\tEPSILON",
        "%T\tOBS", "%F\tobs_id\tparent_obs_id\tseq_num\tobs_name",
        "%R\t1\t\t2\tZeta", "%R\t2\t\t1\talpha", "%R\t3\t2\t2\tCivil", "%R\t4\t2\t1\tDesign", "%R\t5\t1\t1\tCivil",
        "%T\tPROJWBS", "%F\twbs_id\tproj_id\tseq_num\twbs_short_name\twbs_name\tparent_wbs_id\tobs_id\tstatus_code",
        "%R\t100\t10\t1\tA\tAlpha\t\t2\tWS_Open", "%R\t110\t10\t2\tDES\tDesign\t100\t4\tWS_Planned",
        "%R\t120\t10\t1\tBLD\tBuild\t100\t3\tWS_Open", "%R\t130\t10\t1\tQA\tQuality\t100\t99\t",
        "%R\t121\t10\t1\tFND\tFoundations\t120\t3\tWS_Planned", "%R\t200\t20\t1\tB\tBeta\t\t1\tWS_Open",
        "%R\t210\t20\t1\tSRV\tSurvey\t200\t\tWS_Planned", "%R\t400\t40\t1\tD\tDelta\t\t5\tWS_Planned",
        "%R\t500\t50\t1\tE\tEcho\t\t3\t",
        "%T\tUDFTYPE", "%F\tudf_type_id\ttable_name\tudf_type_name\tudf_type_label\tlogical_data_type",
        "%R\t2\tPROJECT\tuser_field_2\tClient\tFT_TEXT",
        "%T\tUDFVALUE", "%F\tudf_type_id\tfk_id\tproj_id\tudf_date\tudf_text\tudf_number",
        "%R\t2\t10\t10\t\tAcme\t", "%R\t2\t40\t40\t\tAcme\t",
        "%E",
    });
    return text;
}

// Column ids of the two tables.
inline constexpr std::int32_t kWbsCode = 374;
inline constexpr std::int32_t kWbsStatus = 472;
inline constexpr std::int32_t kWbsManager = 473;
inline constexpr std::int32_t kWbsName = 510;
inline constexpr std::int32_t kProjectId = 328;
inline constexpr std::int32_t kProjectStatus = 331;
inline constexpr std::int32_t kProjectManager = 335;
inline constexpr std::int32_t kProjectClient = 100002;
inline constexpr std::int32_t kUnknownColumn = 999999;

// The listed rows, one line each, indented two blanks per level below the first: "G" and the
// group title, "W" and the element's short name (with "*" when it shows summaries) or "P" and
// the project's ID.
inline std::wstring RecordOutline(const view::View& table) {
    std::wstring text;
    for (const view::Row* row : table.GetRowList().Rows()) {
        text.append(2 * static_cast<std::size_t>(std::max(0, row->level - 1)), L' ');
        if (row->IsGroupRow()) {
            text += L"G " + static_cast<const view::GroupRow*>(row)->GetTitle();
        } else if (row->IsWBSRow()) {
            text += L"W " + row->GetWBS()->wbs_short_name.text;
            if (static_cast<const view::WBSRow*>(row)->summary) text += L'*';
        } else {
            text += L"P " + row->GetProject()->proj_short_name.text;
        }
        text += L'\n';
    }
    return text;
}

inline bool Has(const std::vector<std::string>& lines, std::string_view wanted) {
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}
inline std::size_t CountStarting(const std::vector<std::string>& lines, std::string_view start) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(start); }));
}

// A line a paint draws, or must not draw: a whole line, or a part of one from "clip" or
// "text" on.
struct Drawn {
    const char* what;
    std::string_view line;
    bool drawn = true;
};
inline void ExpectDrawn(const std::vector<std::string>& lines, std::initializer_list<Drawn> expects) {
    for (const Drawn& e : expects) {
        SCOPED_TRACE(e.what);
        const bool part = e.line.starts_with("clip") || e.line.starts_with("text");
        EXPECT_EQ(part ? HasPart(lines, e.line) : Has(lines, e.line), e.drawn);
    }
}

// The schedule in a table of the given kind, hosted by a fake pane of 600 x 400 pixels.
template <class Table, class TableLayout>
class RecordTableTest : public ScheduleTest {
protected:
    [[nodiscard]] const std::string& ScheduleBytes() const override { return RecordTablesSchedule(); }
    void SetUp() override {
        ScheduleTest::SetUp();
        m_table.SetDocument(&m_document);
        m_table.SetLayout(&m_table_layout);
        m_host.Attach(m_table, 600, 400);
    }
    void TearDown() override {
        m_table.DropTree();
        ScheduleTest::TearDown();
    }

public:
    void Columns(std::initializer_list<std::pair<std::int32_t, float>> columns) {
        m_table_layout.GetColumns()->clear();
        for (const auto& [id, width] : columns) m_table_layout.AddColumn(id, width);
    }
    GroupSortBy& Order() { return *m_table_layout.GetGroupSortBy(); }
    void GroupOn(std::int32_t column_id) { Order().AddGroupBy(column_id); }
    void SortBy(std::int32_t column_id, std::int32_t type = kSortAscending) { Order().AddSortBy(column_id, type); }
    using Keys = std::vector<std::pair<std::int32_t, std::int32_t>>;
    Keys SortKeys() {
        Keys keys;
        for (const auto& sort : Order().sort_bys) keys.emplace_back(sort->field, sort->sort_type);
        return keys;
    }

    // Throws any tree away and builds the table from the layout as it stands.
    std::wstring Build() {
        m_table.DropTree();
        m_table.Update();
        return RecordOutline(m_table);
    }
    std::wstring Relist() {
        m_table.Update();
        return RecordOutline(m_table);
    }
    const std::vector<std::string>& Paint() {
        m_host.Paint(m_table);
        return m_host.Backend(m_table).Lines();
    }
    [[nodiscard]] view::Row& Listed(std::size_t index) {
        view::Row* row = m_table.GetRowList().At(index);
        EXPECT_NE(row, nullptr) << "no listed row " << index;
        return *row;
    }
    // A header click as the host makes it: press, release, update and repaint.
    void ClickHeader(float x) {
        m_host.LButtonDown(m_table, x, 10.0f);
        m_host.LButtonUp(m_table, x, 10.0f);
    }
    // Row i's middle, in client pixels at scroll position 0 and scale 1.
    static float RowMiddle(int i) { return 30.0f + 18.0f * static_cast<float>(i) + 9.0f; }

    TableLayout m_table_layout;
    Table m_table;  // refers to the document and the layout
    view::test_support::FakeHost m_host;
};

using WbsTableTest = RecordTableTest<view::WBSTableView, WBSLayout>;
using ProjectTableTest = RecordTableTest<view::ProjectTableView, ProjectLayout>;

}  // namespace varnholt::testing_grid
