// layout_files_test.cpp - reading layout files of every kind: columns, grouping, sorting,
// levels, filter, Gantt bars, time scale and the extra column lists, what a missing or damaged
// entry costs, the decoding of the file, and the nineteen layouts that ship with the program.

#include "import/data_parser.h"
#include "layouts/ActivityLayout.h"
#include "layouts/LayoutStore.h"
#include "layouts/TableLayouts.h"
#include "layouts/file_access.h"
#include "layouts/layout_file_parts.h"
#include "layouts/layout_files.h"
#include "layouts/settings_file.h"
#include "layouts_test_support.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "rows/display_scale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_layouts::ColumnIds;
using testing_layouts::LayoutsTest;
using testing_layouts::SourceProgramFolder;
using testing_layouts::WriteBytes;

class LayoutFilesTest : public testing_layouts::StoreTest {
protected:
    // Loads the bytes as a layout file of the store().
    void Load(std::string_view bytes) {
        const std::filesystem::path file = m_files.path() / ("layout" + std::to_string(m_count++) + ".plf");
        WriteBytes(file, bytes);
        store().LoadLayoutFile(file);
    }
    // An activity layout whose TaskView holds the given nodes, and the root nodes after it.
    void LoadActivity(const std::string& task_view, const std::string& root_nodes = "") {
        Load("(0||Layout(view_type|VP_ACT|view_name|Test)((0||TaskView()(" + task_view + "))" + root_nodes + "))");
    }
    view::Layout& Last(const LayoutList& layouts) {
        EXPECT_FALSE(layouts.empty());
        return *layouts.back();
    }

    testing_layouts::TempFolder m_files;
    int m_count = 0;
};

TEST_F(LayoutFilesTest, ColumnsArePresentOnesWithAWidthTheRestRemembered) {
    LoadActivity(
        "(0||Columns()("
        "(0||task_code(width|90)())"      // 0: shown
        "(0||task_name()())"              // 1: known, no width: skipped
        "\r\n"                            // line break between nodes: no column, no place
        "(0||no_such_field()())"          // 2: unknown: remembered at 100
        "(0||base_start_date(width|80)())"  // 3: known but not provided: remembered with its width
        "(0||TASK_NAME(width|-3)())"      // 4: names match without case; a bad width is the default
        "))");
    view::Layout& layout = Last(store().ActivityLayouts());
    EXPECT_EQ(ColumnIds(layout), (std::vector<std::int32_t>{130, 132}));
    EXPECT_FLOAT_EQ(layout.GetColumn(1)->width, 100.0f);
    const view::ColumnWidthMap& remembered = *layout.GetColumnWidths();
    ASSERT_EQ(remembered.size(), 2u);
    EXPECT_EQ(remembered.at(2).field_name, L"no_such_field");
    EXPECT_EQ(remembered.at(3).field_name, L"base_start_date");
    EXPECT_FLOAT_EQ(remembered.at(3).width, 80.0f);
}

TEST_F(LayoutFilesTest, TheUsersColumnsFileWinsWhileChangesAreRemembered) {
    const std::string columns = "(0||Columns()((0||task_code(width|90)())))";
    WriteBytes(DataFolder() / "VP_ACT/Test_columns.cfg", "task_name:210\r\n");
    LoadActivity(columns);
    EXPECT_EQ(ColumnIds(Last(store().ActivityLayouts())), std::vector<std::int32_t>{132});

    WriteBytes(DataFolder() / "VP_ACT/Test_columns.cfg", "");
    LoadActivity(columns);
    EXPECT_EQ(Last(store().ActivityLayouts()).GetColumnCount(), 0u) << "even an empty file wins";

    layout_settings().layout_rememberChanges = false;
    LoadActivity(columns);
    EXPECT_EQ(ColumnIds(Last(store().ActivityLayouts())), std::vector<std::int32_t>{130})
        << "with the setting off the file is not consulted";
}

TEST_F(LayoutFilesTest, ActivityGroupBysFindTheirColumnInFourWays) {
    // column 0: the group-by is skipped.
    struct Case { const char* why; std::string props; std::int32_t column; bool include_all; std::int32_t date_unit; };
    const Case cases[] = {
        {"by field name", "source_field|status_code", 133, false, 0},
        {"by caption", "column_title|Activity Type", 134, false, 0},
        {"by the join to the WBS", "join_path|PROJWBS|include_all|Y", 152, true, 0},
        {"another join names nothing", "join_path|OBS", 0, false, 0},
        {"by the fallback field name", "source_field|nothing|fieldname|rsrc_id", 147, false, 0},
        {"include_all only for Y", "source_field|wbs_id|include_all|y", 152, false, 0},
        {"by week", "source_field|start_date|date_unit|W", 82, false, kGroupDateWeek},
        {"by quarter", "source_field|end_date|date_unit|Q", 70, false, kGroupDateQuarter},
        {"units are matched with their case", "source_field|end_date|date_unit|m", 70, false, kGroupDateNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        LoadActivity("(0||GroupSortBy()((0||GroupBys()((0||0(" + c.props + ")())))))");
        const GroupSortBy& grouping = *Last(store().ActivityLayouts()).GetGroupSortBy();
        if (c.column == 0) {
            EXPECT_TRUE(grouping.group_bys.empty());
            continue;
        }
        ASSERT_EQ(grouping.group_bys.size(), 1u);
        EXPECT_EQ(grouping.group_bys[0]->field, c.column);
        EXPECT_EQ(grouping.group_bys[0]->include_all, c.include_all);
        EXPECT_EQ(grouping.group_bys[0]->date_unit, c.date_unit);
    }
}

TEST_F(LayoutFilesTest, SortKeysAndLevels) {
    LoadActivity(
        "(0||GroupSortBy()("
        "(0||SortBys()("
        "(0||0(source_field|start_date|sort_type|ASC)())"
        "(0||1(source_field|task_code|sort_type|DESC)())"
        "(0||2(source_field|task_name|sort_type|asc)())"
        "(0||3(source_field|end_date)())"                    // no sort type
        "(0||4(source_field|nothing|sort_type|ASC)())"       // unknown field
        "))"
        "(0||Levels()("
        "(0||0(back_color|16777215|color|255)())"
        "(0||1(back_color|16777216)())"
        "(0||2(color|255)())"                                 // no back colour
        "(0||3(back_color|junk|color|65280)())"
        "))"
        "))");
    const GroupSortBy& grouping = *Last(store().ActivityLayouts()).GetGroupSortBy();
    ASSERT_EQ(grouping.sort_bys.size(), 3u);
    EXPECT_EQ(grouping.sort_bys[0]->field, 82);
    EXPECT_EQ(grouping.sort_bys[0]->sort_type, kSortAscending);
    EXPECT_EQ(grouping.sort_bys[1]->sort_type, kSortDescending);
    EXPECT_EQ(grouping.sort_bys[2]->sort_type, kSortDescending) << "only ASC is ascending";
    ASSERT_EQ(grouping.levels.size(), 3u);
    EXPECT_EQ(grouping.levels[0]->GetBackColor(), 0xFFFFFFFFu);
    EXPECT_EQ(grouping.levels[0]->GetColor(), 0xFF0000FFu) << "red in the low byte";
    EXPECT_EQ(grouping.levels[1]->GetBackColor(), 0xFF000000u) << "only the low 24 bits count";
    EXPECT_EQ(grouping.levels[2]->GetBackColor(), kOpaqueBlack) << "a colour that is no number is 0";
    EXPECT_EQ(grouping.levels[2]->GetColor(), 0xFF00FF00u);
}

TEST_F(LayoutFilesTest, FilterNodeGivesTheSelectionItsMode) {
    LoadActivity("(0||Filter(source_field|bool_and)())");
    EXPECT_EQ(Last(store().ActivityLayouts()).GetFilter()->mode, kMatchAll);
    LoadActivity("(0||Filter(source_field|bool_or)((0||0(filter_id|-4)())(0||1(filter_id|-999)())))");
    const FilterSelection* any = Last(store().ActivityLayouts()).GetFilter();
    ASSERT_NE(any, nullptr);
    EXPECT_EQ(any->mode, kMatchAny);
    ASSERT_EQ(any->filters.size(), 1u) << "an unknown id without a definition adds nothing";
    EXPECT_EQ(any->filters[0], store().FindActivityFilter(-4));
    LoadActivity("(0||Filter()((0||0(filter_id|-4)())))");
    EXPECT_EQ(Last(store().ActivityLayouts()).GetFilter(), nullptr) << "no source_field, no selection";
}

TEST_F(LayoutFilesTest, WhatAddsNoLayout) {
    struct Case { const char* why; std::string_view bytes; } const cases[] = {
        {"only white space", " \r\n\t "}, {"another view type", "(0||Layout(view_type|VP_OBS|view_name|O)())"},
        {"view types match with their case", "(0||Layout(view_type|vp_act|view_name|O)())"},
        {"not a data tree", "view_type|VP_ACT"},
        {"nothing before the first NUL", std::string_view("\0(0||Layout(view_type|VP_ACT)())", 32)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Load(c.bytes);
    }
    store().LoadLayoutFile(m_files.path() / "missing.plf");
    store().LoadLayoutFile(m_files.path());  // a folder
    EXPECT_TRUE(store().ActivityLayouts().empty());
    EXPECT_TRUE(store().WbsLayouts().empty());
}

// The nineteen layouts that come with the program, read from the source tree.
class ShippedLayoutsTest : public LayoutsTest {
protected:
    void SetUp() override {
        LayoutsTest::SetUp();
        SetProgramFolder(SourceProgramFolder());
    }
};

TEST_F(ShippedLayoutsTest, EachShowsColumnsGroupsAndBars) {
    const LayoutStore shipped;
    for (const LayoutList* layouts : {&shipped.ActivityLayouts(), &shipped.WbsLayouts(), &shipped.ProjectLayouts(),
                                      &shipped.ResourceLayouts()}) {
        for (const auto& layout : *layouts) {
            SCOPED_TRACE(std::string(layout->GetName().begin(), layout->GetName().end()));
            EXPECT_GE(layout->GetColumnCount(), 5u);
            EXPECT_TRUE(layout->GetColumnWidths()->empty()) << "every column is one the file format provides";
            for (std::size_t i = 0; i < layout->GetColumnCount(); ++i) {
                const float width = layout->GetColumn(i)->width;
                EXPECT_TRUE(width >= 40.0f && width <= 400.0f) << width;
            }
            if (layout->GetKind() == view::LayoutKind::resource) continue;
            EXPECT_FALSE(layout->GetGroupSortBy()->sort_bys.empty());
            EXPECT_GE(layout->GetGroupSortBy()->levels.size(), 6u);
            const auto& bars = layout->GetGanttBars()->bars;
            EXPECT_GE(bars.size(), 3u);
            for (const auto& bar : bars) {
                EXPECT_TRUE(bar->summary || (bar->filter != nullptr && !bar->filter->filters.empty()))
                    << "a bar drawn on rows needs filters that choose them";
                if (bar->filter == nullptr) continue;
                for (const NamedFilter* filter : bar->filter->filters) EXPECT_NE(filter, nullptr);
            }
            if (layout->GetKind() == view::LayoutKind::activity) {
                EXPECT_NE(layout->GetFilter(), nullptr) << "so that the user's filter choice is kept";
                EXPECT_GE(layout->GetPredColumnCount(), 5);
                EXPECT_GE(layout->GetSuccColumnCount(), 5);
                EXPECT_GE(layout->GetRsrcColumnCount(), 3);
            }
        }
    }
    // The defaults group as a planner expects: activities under the WBS tree, WBS by its code.
    const GroupSortBy& activities = *shipped.GetCurrentActivityLayout()->GetGroupSortBy();
    ASSERT_EQ(activities.group_bys.size(), 1u);
    EXPECT_EQ(activities.group_bys[0]->field, 152);
    EXPECT_TRUE(activities.group_bys[0]->include_all);
    EXPECT_EQ(shipped.GetCurrentWbsLayout()->GetGroupSortBy()->group_bys[0]->field, 374);
}

// Every name a shipped file uses must be one the catalogue knows, in the table the reader
// resolves it in; a typo would silently drop a column, key or bar.
TEST_F(ShippedLayoutsTest, EveryNameIsAColumnOfTheCatalogue) {
    using layout_file::Child;
    using layout_file::NameLookup;
    using layout_file::Property;
    const ColumnCatalog& catalog = ColumnCatalog::Instance();
    const auto expect_known = [&](NameLookup lookup, std::wstring_view name, const char* what) {
        EXPECT_NE((catalog.*lookup)(name), nullptr) << what << " " << std::string(name.begin(), name.end());
    };
    const auto named_children = [](const data_node* node) {
        std::vector<const data_node*> children;
        if (node != nullptr)
            for (const auto& child : node->children)
                if (!child->name.empty()) children.push_back(child.get());
        return children;
    };
    for (const std::string_view relative : kShippedLayoutFiles) {
        SCOPED_TRACE(relative);
        const std::optional<std::string> bytes = ReadFileBytes(SourceProgramFolder() / relative);
        ASSERT_TRUE(bytes);
        auto root = data_parser::new_node(DecodeFileText(*bytes));
        root->parse();
        const std::wstring kind(Property(*root, L"view_type").value_or(L""));
        const bool activity = kind == L"VP_ACT";
        const NameLookup lookup = activity            ? &ColumnCatalog::FindActivityByName
                                  : kind == L"VP_WBS"  ? &ColumnCatalog::FindWbsByName
                                  : kind == L"VP_PROJ" ? &ColumnCatalog::FindProjectByName
                                                       : &ColumnCatalog::FindResourceByName;
        const data_node* body = activity ? root->find_child(L"TaskView") : root.get();
        ASSERT_NE(body, nullptr);
        const auto columns = named_children(body->find_child(L"Columns"));
        EXPECT_FALSE(columns.empty());
        for (const data_node* column : columns) expect_known(lookup, column->name, "column");
        const data_node* grouping = body->find_child(L"GroupSortBy");
        for (const data_node* group_by : named_children(Child(grouping, L"GroupBys")))
            if (const auto field = Property(*group_by, L"source_field")) expect_known(lookup, *field, "group-by");
        for (const data_node* sort_by : named_children(Child(grouping, L"SortBys")))
            expect_known(lookup, Property(*sort_by, L"source_field").value_or(L""), "sort key");
        for (const data_node* bar : named_children(Child(Child(body, L"GanttSettings"), L"GanttBars"))) {
            expect_known(lookup, Property(*bar, L"start_source_field").value_or(L""), "bar start");
            expect_known(lookup, Property(*bar, L"end_source_field").value_or(L""), "bar end");
            for (const data_node* label : named_children(Child(bar, L"Labels"))) expect_known(lookup, label->name, "label");
        }
        for (const data_node* column : named_children(root->find_child(L"TaskRsrcColumns")))
            expect_known(&ColumnCatalog::FindResourceByName, column->name, "assignment column");
        for (const data_node* column : named_children(root->find_child(L"TaskPredColumns")))
            expect_known(&ColumnCatalog::FindPredecessorByName, column->name, "predecessor column");
        for (const data_node* column : named_children(root->find_child(L"TaskSuccColumns")))
            expect_known(&ColumnCatalog::FindSuccessorByName, column->name, "successor column");
    }
}

}  // namespace
}  // namespace varnholt
