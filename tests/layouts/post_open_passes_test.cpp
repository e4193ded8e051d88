// post_open_passes_test.cpp - what the store does to its layouts after a file has loaded:
// custom layouts join, layouts and columns that need fields the file lacks are set aside,
// current names are repaired and the Gantt bars fitted to the dates the file has.

#include "layouts/ActivityLayout.h"
#include "layouts/LayoutStore.h"
#include "layouts/TableLayouts.h"
#include "layouts/built_in_filters.h"
#include "layouts/open_sequence.h"
#include "layouts/post_open_passes.h"
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
using testing_layouts::TempFolder;
using testing_layouts::WriteBytes;

class PostOpenPassesTest : public testing_layouts::StoreTest {
protected:
    static std::vector<std::wstring> Names(const LayoutList& layouts) {
        std::vector<std::wstring> names;
        for (const auto& layout : layouts) names.push_back(layout->GetName());
        return names;
    }
    template <class Kind>
    static view::Layout& Add(LayoutList& layouts, const wchar_t* name, std::int32_t group_by = 0) {
        auto layout = std::make_unique<Kind>();
        layout->SetName(name);
        if (group_by != 0) layout->GetGroupSortBy()->AddGroupBy(group_by);
        return *layouts.emplace_back(std::move(layout));
    }
};

TEST_F(PostOpenPassesTest, AbsentColumnsAreRememberedUnderTheFirstFreeKey) {
    // WBS 374 code, 510 name, 130 (no WBS column), 421 and 422 baseline dates (not provided).
    view::Layout& tree = Add<WBSLayout>(store().WbsLayouts(), L"Tree");
    for (const std::int32_t id : {374, 510, 130, 421, 422}) tree.AddColumn(id, 80.0f + static_cast<float>(id % 10));
    view::Layout& taken = Add<WBSLayout>(store().WbsLayouts(), L"Taken");
    for (const std::int32_t id : {374, 510, 130, 421, 422}) taken.AddColumn(id, 90.0f);
    (*taken.GetColumnWidths())[3] = {L"user_field_kept", 70.0f};
    view::DisplayScale() = 2.0f;  // a pruned width is kept unscaled, as the columns file holds it

    store().PruneWbsLayouts();
    EXPECT_EQ(ColumnIds(tree), (std::vector<std::int32_t>{374, 510, 130})) << "a column the table does not know stays";
    const view::ColumnWidthMap& set_aside = *tree.GetColumnWidths();
    ASSERT_EQ(set_aside.size(), 2u);
    EXPECT_EQ(set_aside.at(3).field_name, L"base_end_date");
    EXPECT_FLOAT_EQ(set_aside.at(3).width, 81.0f);
    EXPECT_EQ(set_aside.at(4).field_name, L"base_start_date");

    // Index 4 goes first and takes key 4; index 3 finds 3 and 4 taken and takes 5.
    const view::ColumnWidthMap& shifted = *taken.GetColumnWidths();
    EXPECT_EQ(shifted.at(3).field_name, L"user_field_kept");
    EXPECT_EQ(shifted.at(4).field_name, L"base_start_date");
    EXPECT_EQ(shifted.at(5).field_name, L"base_end_date");
}

TEST_F(PostOpenPassesTest, LayoutsGroupedByAbsentFieldsLeaveAndTheCurrentNameMoves) {
    Add<ActivityLayout>(store().ActivityLayouts(), L"By baseline", 58);   // BL start: not provided
    store().ActivityLayouts().push_back(nullptr);                          // passed over
    Add<ActivityLayout>(store().ActivityLayouts(), L"By status", 133);
    Add<ActivityLayout>(store().ActivityLayouts(), L"By nothing known", 99999);
    store().SetCurrentActivityLayoutName(L"By baseline");
    Add<ProjectLayout>(store().ProjectLayouts(), L"By budget", 237);      // actual total cost: not provided
    store().SetCurrentProjectLayoutName(L"By budget");
    Add<ResourceLayout>(store().ResourceLayouts(), L"People");
    store().SetCurrentResourceLayoutName(L"Default Resources");

    store().PruneActivityLayouts();
    store().PruneProjectLayouts();
    store().PruneResourceLayouts();
    ASSERT_EQ(store().ActivityLayouts().size(), 3u);
    EXPECT_EQ(store().ActivityLayouts()[0], nullptr);
    EXPECT_EQ(store().ActivityLayouts()[1]->GetName(), L"By status");
    EXPECT_EQ(store().ActivityLayouts()[2]->GetName(), L"By nothing known") << "unknown group fields are ignored";
    EXPECT_EQ(store().CurrentActivityLayoutName(), L"By status") << "the first remaining layout";
    EXPECT_TRUE(store().ProjectLayouts().empty());
    EXPECT_EQ(store().CurrentProjectLayoutName(), L"By budget") << "with no layout left the name stays";
    EXPECT_EQ(store().CurrentResourceLayoutName(), L"People");
}

// A document that answers the two workbook questions as the test says.
class FlaggedDocument final : public document::Document {
public:
    FlaggedDocument(bool missing_columns, bool has_start_and_finish)
        : m_missing(missing_columns), m_dates(has_start_and_finish) {}
    bool Open(std::wstring_view) override { return true; }
    void Build() override {}
    bool IsMissingScheduleColumns() const override { return m_missing; }
    bool HasStartAndFinishColumns() const override { return m_dates; }

private:
    bool m_missing;
    bool m_dates;
};

class GanttBarPassesTest : public PostOpenPassesTest {
protected:
    view::Layout& WithBars(LayoutList& layouts, const wchar_t* name) {
        view::Layout& layout = Add<ActivityLayout>(layouts, name);
        for (const wchar_t* bar : {L"Actual Work", L"Milestone", L"Remaining Work", L"Critical Remaining Work",
                                   L"Actual Level of Effort", L"Summary"})
            layout.GetGanttBars()->AddBar(bar, 82, 70, true, false);
        return layout;
    }
    static std::vector<std::wstring> BarNames(view::Layout& layout) {
        std::vector<std::wstring> names;
        for (const auto& bar : layout.GetGanttBars()->bars) names.push_back(bar->name);
        return names;
    }
};

TEST_F(GanttBarPassesTest, AWorkbookWithoutProgressDatesDrawsOneStartToFinishBar) {
    LayoutStore& french = store();
    // Filter names follow the caption language; the bar finds its filters by id all the same.
    french.FindActivityFilter(kFilterNormal)->name = L"Normale";
    french.FindActivityFilter(kFilterLevelOfEffort)->name = L"T\u00E2che enveloppe";
    view::Layout& layout = WithBars(french.ActivityLayouts(), L"Plan");
    Add<ActivityLayout>(french.ActivityLayouts(), L"Bare");
    french.AdoptDocument(std::make_unique<FlaggedDocument>(true, true));
    french.PrepareActivityGanttBars();

    EXPECT_EQ(BarNames(layout), (std::vector<std::wstring>{L"Milestone", L"Summary", L"universal_star_finish_bar"}));
    const GanttBar& universal = *layout.GetGanttBars()->bars.back();
    EXPECT_EQ(universal.start_field, 82);
    EXPECT_EQ(universal.end_field, 70);
    ASSERT_NE(universal.filter, nullptr);
    EXPECT_EQ(universal.filter->filters, (std::vector<const NamedFilter*>{french.FindActivityFilter(kFilterNormal),
                                                                         french.FindActivityFilter(kFilterLevelOfEffort)}));
    EXPECT_NE(universal.mid_rect, nullptr);
    EXPECT_EQ(BarNames(*french.ActivityLayouts()[1]), std::vector<std::wstring>{L"universal_star_finish_bar"})
        << "every activity layout gains it";
}

TEST_F(GanttBarPassesTest, WithoutStartOrFinishNoActivityBarRemains) {
    view::Layout& layout = WithBars(store().ActivityLayouts(), L"Plan");
    store().AdoptDocument(std::make_unique<FlaggedDocument>(true, false));
    store().PrepareActivityGanttBars();
    EXPECT_TRUE(layout.GetGanttBars()->bars.empty());
}

TEST_F(GanttBarPassesTest, WbsAndProjectBarsNeedTheirStartAndFinish) {
    view::Layout& wbs = Add<WBSLayout>(store().WbsLayouts(), L"Tree");
    wbs.GetGanttBars()->AddBar(L"Any", 434, 429, true, false);
    view::Layout& project = Add<ProjectLayout>(store().ProjectLayouts(), L"All");
    project.GetGanttBars()->AddBar(L"Any", 279, 271, true, false);
    // A workbook that has the WBS start but not its finish, and both project dates.
    ColumnCatalog::Instance().ClearPresent();
    for (const std::uint32_t id : {434u}) ColumnCatalog::Instance().MarkPresent(ColumnTable::wbs, id);
    for (const std::uint32_t id : {279u, 271u}) ColumnCatalog::Instance().MarkPresent(ColumnTable::project, id);
    store().PrepareWbsGanttBars();
    store().PrepareProjectGanttBars();
    EXPECT_TRUE(wbs.GetGanttBars()->bars.empty());
    EXPECT_EQ(project.GetGanttBars()->bars.size(), 1u);
}

// A schedule whose user-defined field has a name with accents, written in the older
// single-byte encoding of exports.
const std::string kScheduleWithField =
    "ERMHDR\t8.0\t2021-03-01 09:15\tProject\tplanner\tPlanner\tdbx\tProject Management\tEUR\r\n"
    "%T\tPROJECT\r\n%F\tproj_id\tproj_short_name\r\n%R\t100\tBridge\r\n"
    "%T\tTASK\r\n%F\ttask_id\tproj_id\ttask_code\ttask_name\r\n%R\t1000\t100\tA1000\tSet out piers\r\n"
    "%T\tUDFTYPE\r\n%F\tudf_type_id\ttable_name\tudf_type_name\tudf_type_label\tlogical_data_type\r\n"
    "%R\t3\tTASK\tGr\xF6\xDF" "e\tSize\tFT_TEXT\r\n"
    "%E\r\n";

class CustomLayoutsTest : public PostOpenPassesTest {
protected:
    void SetUp() override {
        PostOpenPassesTest::SetUp();
        m_custom = m_program_folder.path() / "Layouts" / "VP_CUST";
        std::filesystem::create_directories(m_custom);
        m_schedule = m_files.path() / "bridge.xer";
        WriteBytes(m_schedule, kScheduleWithField);
    }
    // A custom activity layout (UTF-8) grouped by one field, showing the activity id and it.
    void WriteCustom(const std::string& file, const std::string& name, const std::string& field) {
        WriteBytes(m_custom / file, "(0||Layout(view_type|VP_ACT|view_name|" + name +
                                        ")((0||TaskView()((0||Columns()((0||task_code(width|90)())(0||" + field +
                                        "(width|80)())))(0||GroupSortBy()((0||GroupBys()((0||0(source_field|" +
                                        field + ")())))))))))");
    }

    std::filesystem::path m_custom;
    std::filesystem::path m_schedule;
    TempFolder m_files;
};

TEST_F(CustomLayoutsTest, JoinAfterTheFileAndArePrunedLikeTheOthers) {
    WriteCustom("b.plf", "By size", "Gr\xC3\xB6\xC3\x9F" "e");
    WriteCustom("a.PLF", "By baseline", "base_start_date");
    WriteCustom("c.plf.bak", "Backup", "status_code");
    std::filesystem::create_directory(m_custom / "d.plf");
    FindCustomLayoutFiles();
    EXPECT_EQ(custom_layout_files(), (std::vector<std::wstring>{L"a.PLF", L"b.plf"}));

    std::unique_ptr<LayoutStore> opened;
    ASSERT_TRUE(OpenSchedule(opened, WideFromPath(m_schedule)));
    ASSERT_EQ(Names(opened->ActivityLayouts()), std::vector<std::wstring>{L"By size"})
        << "the layout grouped by a baseline date is gone for this file";
    view::Layout& by_size = *opened->ActivityLayouts()[0];
    EXPECT_EQ(ColumnIds(by_size), (std::vector<std::int32_t>{130, 100003}))
        << "the field the export names in one encoding is the one the layout names in the other";
    EXPECT_EQ(by_size.GetGroupSortBy()->group_bys[0]->field, 100003);
    EXPECT_EQ(opened->CurrentActivityLayoutName(), L"By size") << "the current name is repaired";
}

TEST_F(CustomLayoutsTest, NamesWithAFolderPartAreNotLoaded) {
    WriteCustom("b.plf", "By size", "status_code");
    WriteBytes(m_program_folder.path() / "Layouts" / "outside.plf",
               "(0||Layout(view_type|VP_ACT|view_name|Outside)())");
    SetCustomLayoutFiles({L"../outside.plf", L"b.plf", L"..", L""});
    store().LoadCustomLayouts();
    EXPECT_EQ(Names(store().ActivityLayouts()), std::vector<std::wstring>{L"By size"});
}

}  // namespace
}  // namespace varnholt
