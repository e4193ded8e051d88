// activity_table_fixture.h - a small schedule read through the real XER reader, an activity
// layout the tests reshape, and helpers that print a table's visible rows as an outline.
//
// The schedule: project ALPHA (WBS A with children BLD, seq 1, holding FND, and DES, seq 2) and
// project BETA (WBS B with SRV); resources CREW, WELDER and SURVEYOR with sequence numbers 2, 1
// and 3; the activity code "Phase" (P1 Planning, P2 Execution); the text user field "Risk".
// Activities are listed out of code order on purpose: A1010, A1000, A1030, A1020, B2010, B2000.
#pragma once

#include "columns/field_ids.h"
#include "import/Document_xer.h"
#include "layouts/ActivityLayout.h"
#include "layouts/FilterSelection.h"
#include "layouts/NamedFilter.h"
#include "model/s_string.h"
#include "rows/RecordRows.h"
#include "rows/Row.h"
#include "tests/views/support/schedule_text.h"
#include "views/core/RowList.h"
#include "views/grid/ActivityTableView.h"
#include "views/grid/GroupRow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::testing_grid {

using view::test_support::HasPart;
using view::test_support::ScheduleText;

inline const std::string& SmallSchedule() {
    static const std::string text = ScheduleText({
        "%T\tPROJECT", "%F\tproj_id\tproj_short_name", "%R\t10\tALPHA", "%R\t20\tBETA",
        "%T\tPROJWBS", "%F\twbs_id\tproj_id\tseq_num\twbs_short_name\twbs_name\tparent_wbs_id",
        "%R\t100\t10\t1\tA\tAlpha\t", "%R\t110\t10\t2\tDES\tDesign\t100", "%R\t120\t10\t1\tBLD\tBuild\t100",
        "%R\t121\t10\t1\tFND\tFoundations\t120", "%R\t200\t20\t1\tB\tBeta\t", "%R\t210\t20\t1\tSRV\tSurvey\t200",
        "%T\tRSRC", "%F\trsrc_id\trsrc_seq_num\trsrc_short_name\trsrc_name",
        "%R\t1\t2\tCREW\tCrew", "%R\t2\t1\tWELDER\tWelder", "%R\t3\t3\tSURVEYOR\tSurveyor",
        "%T\tTASK", "%F\ttask_id\tproj_id\twbs_id\trsrc_id\ttask_code\ttask_name",
        "%R\t1010\t10\t120\t2\tA1010\tBuild", "%R\t1000\t10\t110\t1\tA1000\tDesign",
        "%R\t1030\t10\t100\t\tA1030\tHandover", "%R\t1020\t10\t121\t1\tA1020\tPour",
        "%R\t2010\t20\t200\t\tB2010\tReport", "%R\t2000\t20\t210\t3\tB2000\tSurvey",
        "%T\tACTVTYPE", "%F\tactv_code_type_id\tactv_code_type\tactv_code_type_scope\tproj_id",
        "%R\t1\tPhase\tAS_Global\t",
        "%T\tACTVCODE", "%F\tactv_code_id\tactv_code_type_id\tshort_name\tactv_code_name\tparent_actv_code_id",
        "%R\t1\t1\tP1\tPlanning\t", "%R\t2\t1\tP2\tExecution\t",
        "%T\tTASKACTV", "%F\ttask_id\tactv_code_type_id\tactv_code_id\tproj_id",
        "%R\t1000\t1\t1\t10", "%R\t1010\t1\t2\t10", "%R\t1020\t1\t2\t10", "%R\t2000\t1\t1\t20",
        "%T\tUDFTYPE", "%F\tudf_type_id\ttable_name\tudf_type_name\tudf_type_label\tlogical_data_type",
        "%R\t1\tTASK\tuser_field_1\tRisk\tFT_TEXT",
        "%T\tUDFVALUE", "%F\tudf_type_id\tfk_id\tproj_id\tudf_date\tudf_text\tudf_number",
        "%R\t1\t1000\t10\t\tRed\t", "%R\t1\t1010\t10\t\tred\t", "%R\t1\t2000\t20\t\tGreen\t",
        "%E",
    });
    return text;
}

// Column ids of the fixture: built-in activity columns and the two load-time columns.
inline constexpr std::int32_t kActivityId = 130;
inline constexpr std::int32_t kActivityName = 132;
inline constexpr std::int32_t kWbsColumn = 152;
inline constexpr std::int32_t kPhaseCode = 500001;
inline constexpr std::int32_t kRiskField = 100001;

// English captions, the built-in columns and scale 1 around each test; the schedule is loaded
// into a fresh document, which registers its code and user-field columns.
class ScheduleTest : public testing::Test {
protected:
    void SetUp() override {
        view::test_support::EnterViewTest();
        ASSERT_TRUE(m_document.LoadBytes(ScheduleBytes()));
    }
    void TearDown() override { view::test_support::LeaveViewTest(); }

public:
    // The schedule the test reads; the small schedule unless a fixture says otherwise.
    [[nodiscard]] virtual const std::string& ScheduleBytes() const { return SmallSchedule(); }

    // Replaces the layout's columns.
    void SetColumns(std::initializer_list<std::pair<std::int32_t, float>> columns) {
        m_layout.GetColumns()->clear();
        for (const auto& [id, width] : columns) m_layout.AddColumn(id, width);
    }
    GroupSortBy& Grouping() { return *m_layout.GetGroupSortBy(); }
    GroupBy& GroupByColumn(std::int32_t column_id, bool include_all = false) {
        GroupBy& entry = Grouping().AddGroupBy(column_id);
        entry.include_all = include_all;
        return entry;
    }

    // A filter the fixture owns: one condition on a text field.
    const NamedFilter& TextFilter(std::int32_t field, FilterOperator op, std::wstring_view text) {
        auto filter = std::make_unique<NamedFilter>(L"test filter");
        filter->root = std::make_unique<view::FilterGroup>(kMatchAll);
        auto entry = view::FilterEntry::ForField(field, OperatorCode(op));
        entry->AddArgument(view::FilterArgument::MakeSingle(s_string(std::wstring(text))));
        filter->root->AddChild(std::move(entry));
        return *m_filters.emplace_back(std::move(filter));
    }
    // Only activities whose Activity ID starts with the text pass.
    void FilterIdsStartingWith(std::wstring_view prefix) {
        auto selection = std::make_unique<FilterSelection>(kMatchAll);
        selection->AddFilter(&TextFilter(kActivityId, FilterOperator::startswith, prefix));
        m_layout.SetFilter(std::move(selection));
    }

protected:
    document::Document_xer m_document;
    std::vector<std::unique_ptr<NamedFilter>> m_filters;  // outlive the layout's selection
    ActivityLayout m_layout;
};

// The listed rows, one line each: level, then "G" and the group title or "A" and the
// activity's ID.
inline std::wstring Outline(const view::View& table) {
    std::wstring text;
    for (const view::Row* row : table.GetRowList().Rows()) {
        text += std::to_wstring(row->level);
        if (row->IsGroupRow()) {
            text += L" G " + static_cast<const view::GroupRow*>(row)->GetTitle();
        } else {
            text += L" A " + row->GetFieldValue(kActivityId).to_string();
        }
        text += L'\n';
    }
    return text;
}

// The schedule in an activity table; each test shapes the layout, then calls Build.
class ActivityTableTest : public ScheduleTest {
protected:
    void SetUp() override {
        ScheduleTest::SetUp();
        SetColumns({{kActivityId, 80.0f}, {kActivityName, 120.0f}});
        m_table.SetDocument(&m_document);
        m_table.SetLayout(&m_layout);
    }
    void TearDown() override {
        m_table.DropTree();
        ScheduleTest::TearDown();
    }
    // Throws any tree away and builds the table from the layout as it stands.
    std::wstring Build() {
        m_table.DropTree();
        m_table.Update();
        return Outline(m_table);
    }
    [[nodiscard]] view::Row& Listed(std::size_t index) {
        view::Row* row = m_table.GetRowList().At(index);
        EXPECT_NE(row, nullptr) << "no listed row " << index;
        return *row;
    }

    view::ActivityTableView m_table;  // refers to the document and the layout
};

}  // namespace varnholt::testing_grid
