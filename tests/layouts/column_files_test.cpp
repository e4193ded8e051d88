// column_files_test.cpp - the per-user column and filter files: their text read into a layout
// and written from one, remembered columns that come back at their place, width checks, safe
// file names and whole-file writes.

#include "columns/field_ids.h"
#include "columns/load_time_columns.h"
#include "layouts/ActivityLayout.h"
#include "layouts/LayoutStore.h"
#include "layouts/TableLayouts.h"
#include "layouts/column_files.h"
#include "layouts/file_access.h"
#include "layouts/open_sequence.h"
#include "layouts_test_support.h"
#include "rows/display_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_layouts::ColumnIds;
using testing_layouts::LayoutsTest;
using testing_layouts::ReadBytes;
using testing_layouts::WriteBytes;

constexpr std::int32_t kTaskCode = 130;
constexpr std::int32_t kTaskName = 132;
constexpr std::int32_t kYardColumn = 100012;

class ColumnFilesTest : public LayoutsTest {};

TEST_F(ColumnFilesTest, RememberedColumnReturnsToItsPlaceWhenAFileHasIt) {
    ActivityLayout layout;
    layout.AddColumn(kTaskCode, 90);
    layout.AddColumn(kTaskName, 200);
    layout.AddColumn(kStartField, 95);
    (*layout.GetColumnWidths())[1] = {L"user_field_yard", 70};
    const std::string text = ColumnsFileText(layout);
    EXPECT_EQ(text, "task_code:90\r\nuser_field_yard:70\r\ntask_name:200\r\nstart_date:95\r\n");
    EXPECT_EQ(layout.GetColumnWidths()->size(), 1u) << "writing leaves the layout as it was";

    // Read back while the open file lacks the field: it stays remembered at its place.
    ActivityLayout without;
    ApplyColumnsText(without, text);
    EXPECT_EQ(ColumnIds(without), (std::vector<std::int32_t>{kTaskCode, kTaskName, kStartField}));
    ASSERT_EQ(without.GetColumnWidths()->count(1), 1u);
    EXPECT_EQ(without.GetColumnWidths()->at(1).field_name, L"user_field_yard");
    EXPECT_EQ(ColumnsFileText(without), text) << "and is written back at its place";

    // A later file has the field: the same file puts the column back as the second column.
    ASSERT_NE(testing_layouts::AddUdfColumn(), nullptr);
    ApplyColumnsText(without, text);
    EXPECT_EQ(ColumnIds(without), (std::vector<std::int32_t>{kTaskCode, kYardColumn, kTaskName, kStartField}));
    EXPECT_TRUE(without.GetColumnWidths()->empty()) << "the entry is used up";
    EXPECT_FLOAT_EQ(without.GetColumn(1)->width, 70.0f);
    EXPECT_EQ(ColumnsFileText(without), text) << "the round trip is stable";
}

TEST_F(ColumnFilesTest, MalformedTokensDoNotShiftPositions) {
    ActivityLayout layout;
    ApplyColumnsText(layout,
                     "task_code:90\r\n"
                     ":50\r\n"           // no name before the colon
                     "no colon here\n"   // no colon at all (and an LF line end)
                     "\r\n"              // an empty line
                     "task_name:200\tuser_field_gone:60\t\r\n"  // two tokens, then an empty one
                     "TASK_NAME:10\n");  // case-insensitive: the column is already shown
    EXPECT_EQ(ColumnIds(layout), (std::vector<std::int32_t>{kTaskCode, kTaskName}));
    EXPECT_FLOAT_EQ(layout.GetColumn(1)->width, 200.0f) << "a shown column keeps its width";
    ASSERT_EQ(layout.GetColumnWidths()->size(), 1u);
    EXPECT_EQ(layout.GetColumnWidths()->begin()->first, 2) << "only well-formed tokens count";
    EXPECT_EQ(layout.GetColumnWidths()->begin()->second.field_name, L"user_field_gone");
}

TEST_F(ColumnFilesTest, OnlySaneWidthsAreKept) {
    struct Case { const char* why; std::string_view width; float kept; } const cases[] = {
        {"the widest kept", "4000", 4000.0f}, {"negative", "-5", kDefaultColumnWidth},
        {"below one pixel", "0.5", kDefaultColumnWidth}, {"wider than any screen", "5000", kDefaultColumnWidth},
        {"past the float range", "1e39", kDefaultColumnWidth}, {"not a number", "nan", kDefaultColumnWidth},
        {"leading number only", "120px", 120.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ActivityLayout shown;
        ApplyColumnsText(shown, "task_code:" + std::string(c.width));
        ASSERT_EQ(shown.GetColumnCount(), 1u);
        EXPECT_FLOAT_EQ(shown.GetColumn(0)->width, c.kept);
        ActivityLayout remembered;
        ApplyColumnsText(remembered, "no_such_field:" + std::string(c.width));
        ASSERT_EQ(remembered.GetColumnWidths()->size(), 1u);
        EXPECT_FLOAT_EQ(remembered.GetColumnWidths()->at(0).width, c.kept);
    }
    EXPECT_FLOAT_EQ(SaneColumnWidth(HUGE_VAL, 42.0f), 42.0f);
}

TEST_F(ColumnFilesTest, WritesWholeWidthsAndSkipsUnknownColumnsInTheirPlace) {
    WBSLayout layout;
    layout.AddColumn(374, 120.9f);
    layout.AddColumn(99999, 50);  // no column of the catalogue
    layout.AddColumn(510, 87.5f);
    EXPECT_EQ(ColumnsFileText(layout), "wbs_concat_name:120\r\nwbs_name:87\r\n");
    (*layout.GetColumnWidths())[2] = {L"user_field_cost", 87.5f};
    (*layout.GetColumnWidths())[9] = {L"user_field_late", 66.25f};
    EXPECT_EQ(ColumnsFileText(layout),
              "wbs_concat_name:120\r\nuser_field_cost:87.5\r\nwbs_name:87\r\nuser_field_late:66.25\r\n")
        << "the unknown column still used position 1; entries past the end follow in key order";
}

class FiltersFileTest : public ColumnFilesTest {
protected:
    NamedFilterList filters;
    void SetUp() override {
        ColumnFilesTest::SetUp();
        for (const std::int32_t id : {-6, -4, -2}) {
            filters.push_back(std::make_unique<NamedFilter>(L"filter " + std::to_wstring(id)));
            filters.back()->id = id;
        }
    }
    std::vector<std::int32_t> Chosen(const ActivityLayout& layout) {
        std::vector<std::int32_t> ids;
        for (const NamedFilter* filter : layout.GetFilter()->filters) ids.push_back(filter->id);
        return ids;
    }
};

TEST_F(FiltersFileTest, ModeThenKnownIds) {
    struct Case { const char* why; std::string_view text; std::int32_t mode; std::vector<std::int32_t> ids; };
    const Case cases[] = {
        {"any of two filters", "bool_or\r\n-6\r\n-2\r\n", kMatchAny, {-6, -2}},
        {"unknown ids are ignored", "bool_and\n-6\n-999\n77\n-4\n", kMatchAll, {-6, -4}},
        {"words before the mode are ignored", "-6\nbool\nbool_or\t-4", kMatchAny, {-4}},
        {"the mode is matched exactly", "BOOL_OR\nbool_and\n-2", kMatchAll, {-2}},
        {"text that is no number reads as 0", "bool_or\nx\n-2", kMatchAny, {-2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ActivityLayout layout;
        layout.SetFilter(std::make_unique<FilterSelection>(kMatchAny));
        ApplyFiltersText(layout, filters, c.text);
        ASSERT_NE(layout.GetFilter(), nullptr);
        EXPECT_EQ(layout.GetFilter()->mode, c.mode);
        EXPECT_EQ(Chosen(layout), c.ids);
    }
}

TEST_F(FiltersFileTest, WithoutAModeTheLayoutKeepsItsSelection) {
    ActivityLayout layout;
    auto own = std::make_unique<FilterSelection>(kMatchAny);
    own->AddFilter(filters[1].get());
    const FilterSelection* before = own.get();
    layout.SetFilter(std::move(own));
    ApplyFiltersText(layout, filters, "-6\n-2\n");
    EXPECT_EQ(layout.GetFilter(), before);
    EXPECT_EQ(Chosen(layout), std::vector<std::int32_t>{-4});

    WBSLayout wbs;  // only activity layouts have a filter
    ApplyFiltersText(wbs, filters, "bool_or\n-6\n");
    EXPECT_EQ(wbs.GetFilter(), nullptr);
}

TEST_F(FiltersFileTest, WritesModeAndIds) {
    FilterSelection any(kMatchAny);
    any.AddFilter(filters[0].get());
    any.AddFilter(nullptr);
    any.AddFilter(filters[2].get());
    EXPECT_EQ(FiltersFileText(any), "bool_or\r\n-6\r\n-2\r\n");
    EXPECT_EQ(FiltersFileText(FilterSelection(kMatchAll)), "bool_and\r\n");
}

// A layout of the store with the given name, a column and a filter selection.
view::Layout& AddActivityLayout(LayoutStore& store, const std::wstring& name) {
    auto layout = std::make_unique<ActivityLayout>();
    layout->SetName(name);
    layout->AddColumn(kTaskCode, 90);
    layout->SetFilter(std::make_unique<FilterSelection>(kMatchAll));
    return *store.ActivityLayouts().emplace_back(std::move(layout));
}

std::vector<std::string> FilesUnder(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) names.push_back(std::filesystem::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(ColumnFilesTest, SaveAllWritesEveryFileOfEveryLayoutAndLoadReadsThemBack) {
    {
        LayoutStore store;
        view::Layout& activities = AddActivityLayout(store, L"Plan");
        activities.AddPredColumn(554, 90);
        activities.GetFilter()->AddFilter(store.FindActivityFilter(-4));
        auto wbs = std::make_unique<WBSLayout>();
        wbs->SetName(L"Tree");
        wbs->AddColumn(374, 120);
        store.WbsLayouts().push_back(std::move(wbs));
        store.SaveAll();
    }
    EXPECT_EQ(FilesUnder(DataFolder()),
              (std::vector<std::string>{"VP_ACT/Plan_columns.cfg", "VP_ACT/Plan_filters.cfg",
                                        "VP_ACT/Plan_pred_columns.cfg", "VP_ACT/Plan_succ_columns.cfg",
                                        "VP_WBS/Tree_columns.cfg"}));
    EXPECT_EQ(ReadBytes(DataFolder() / "VP_ACT/Plan_filters.cfg"), "bool_and\r\n-4\r\n");

    // The next store reads them after its open.
    WriteBytes(DataFolder() / "VP_ACT/Plan_columns.cfg", "task_code:90\r\ntask_name:250\r\n");
    LayoutStore store;
    view::Layout& activities = AddActivityLayout(store, L"Plan");
    store.LoadAllColumnsFiles();
    store.LoadAllFiltersFiles();
    EXPECT_EQ(ColumnIds(activities), (std::vector<std::int32_t>{kTaskCode, kTaskName}));
    ASSERT_EQ(activities.GetFilter()->filters.size(), 1u);
    EXPECT_EQ(activities.GetFilter()->filters[0]->id, -4);
}

// What one session at a text scale leaves in the data folder: a small schedule opened with
// the shipped layouts and the per-user files that went before, and every file written at exit.
class SessionFilesTest : public ColumnFilesTest {
protected:
    std::map<std::string, std::string> Session(float scale) {
        view::DisplayScale() = scale;
        std::unique_ptr<LayoutStore> store;
        EXPECT_TRUE(OpenSchedule(store, WideFromPath(m_schedule)));
        if (store) store->SaveAll();
        std::map<std::string, std::string> files;
        for (const std::string& name : FilesUnder(DataFolder())) files[name] = ReadBytes(DataFolder() / name);
        return files;
    }
    void ForgetTheSessions() {
        for (const std::string& name : FilesUnder(DataFolder())) std::filesystem::remove(DataFolder() / name);
    }
    void SetUp() override {
        ColumnFilesTest::SetUp();
        SetProgramFolder(testing_layouts::SourceProgramFolder());
        WriteBytes(m_schedule, "ERMHDR\t8.0\t2024-01-02\r\n%E\r\n");
    }

    testing_layouts::TempFolder m_files;
    std::filesystem::path m_schedule = m_files.path() / "plan.xer";
};

TEST_F(SessionFilesTest, WidthsNobodyChangedComeBackAsShippedAtEveryTextScale) {
    const std::map<std::string, std::string> shipped = Session(1.0f);
    ASSERT_GT(shipped.size(), 20u);
    EXPECT_NE(shipped.at("VP_ACT/Activity Status Layout_columns.cfg").find("\r\ntask_name:260\r\n"), std::string::npos);
    for (const float scale : {1.04f, 1.1f, 1.15f, 1.2f, 1.3f, 1.35f}) {
        SCOPED_TRACE(scale);
        ForgetTheSessions();
        for (int round = 1; round <= 3; ++round) {
            const std::map<std::string, std::string> files = Session(scale);
            ASSERT_EQ(files.size(), shipped.size());
            for (const auto& [name, text] : files) ASSERT_EQ(text, shipped.at(name)) << name << ", round " << round;
        }
    }
}

TEST_F(ColumnFilesTest, LayoutNamesCannotLeaveTheDataFolder) {
    // The file under VP_ACT/, or null when nothing may be written.
    struct Case { const char* why; std::wstring name; const char* file; } const cases[] = {
        {"a plain name", L"Plan", "Plan_columns.cfg"}, {"a parent folder", L"../Escape", ".._Escape_columns.cfg"},
        {"an absolute path", L"/tmp/x", "_tmp_x_columns.cfg"}, {"a back slash", L"a\\b", "a_b_columns.cfg"},
        {"a line break and a tab", L"two\nlines\t", "two_lines__columns.cfg"},
        {"the parent folder itself", L"..", nullptr}, {"the folder itself", L".", nullptr},
    };
    const std::filesystem::path folder = DataFolder() / "VP_ACT";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
        ActivityLayout layout;
        layout.SetName(c.name);
        layout.AddColumn(kTaskCode, 90);
        EXPECT_EQ(LayoutStore::SaveColumnsFile(layout, GetUserDataFolder() + L"VP_ACT/"), c.file != nullptr);
        const std::vector<std::string> expected = c.file ? std::vector<std::string>{c.file} : std::vector<std::string>{};
        EXPECT_EQ(FilesUnder(folder), expected);
        EXPECT_EQ(FilesUnder(m_data_home.path()).size(), expected.size()) << "nothing lands anywhere else";
        if (c.file == nullptr) {
            EXPECT_TRUE(PerUserFilePath(view::LayoutKind::activity, c.name, kColumnsFileSuffix).empty());
        }
    }
}

TEST_F(ColumnFilesTest, AFileThatCannotBeWrittenIsSkippedAndTheOldOneStaysWhole) {
    LayoutStore store;
    AddActivityLayout(store, L"Plan");
    AddActivityLayout(store, L"Blocked");
    // A folder where the columns file should go: it cannot be replaced.
    std::filesystem::create_directory(DataFolder() / "VP_ACT/Blocked_columns.cfg");
    const std::string old_text = "task_code:90\r\n" + std::string(4096, '#');
    WriteBytes(DataFolder() / "VP_ACT/Plan_columns.cfg", old_text);

    store.SaveAll();
    EXPECT_TRUE(std::filesystem::is_directory(DataFolder() / "VP_ACT/Blocked_columns.cfg"));
    EXPECT_TRUE(std::filesystem::exists(DataFolder() / "VP_ACT/Blocked_filters.cfg")) << "the others are written";
    EXPECT_EQ(ReadBytes(DataFolder() / "VP_ACT/Plan_columns.cfg"), "task_code:90\r\n") << "replaced whole";
    for (const std::string& name : FilesUnder(DataFolder()))
        EXPECT_EQ(name.find(".cfg."), std::string::npos) << "no temporary file is left: " << name;

    // Without a data folder nothing is written, and nothing lands in the working folder.
    ForgetUserDataFolder();
    ActivityLayout layout;
    layout.SetName(L"Nowhere");
    EXPECT_FALSE(LayoutStore::SaveColumnsFile(layout, GetUserDataFolder()));
    EXPECT_FALSE(std::filesystem::exists("Nowhere_columns.cfg"));
}

TEST_F(ColumnFilesTest, AMissingFileIsNotReadAndAnEmptyOneIs) {
    ActivityLayout layout;
    EXPECT_FALSE(LayoutStore::LoadColumnsFile(layout, GetUserDataFolder() + L"VP_ACT/none_columns.cfg"));
    WriteBytes(DataFolder() / "VP_ACT/empty_columns.cfg", "");
    EXPECT_TRUE(LayoutStore::LoadColumnsFile(layout, GetUserDataFolder() + L"VP_ACT/empty_columns.cfg"));
    EXPECT_EQ(layout.GetColumnCount(), 0u);
    // Every token of a columns file may become a remembered column: a huge file is refused.
    std::string huge;
    while (huge.size() <= kMaxPerUserFileBytes) huge += "field_that_no_file_has:80\r\n";
    WriteBytes(DataFolder() / "VP_ACT/huge_columns.cfg", huge);
    EXPECT_FALSE(LayoutStore::LoadColumnsFile(layout, GetUserDataFolder() + L"VP_ACT/huge_columns.cfg"));
    EXPECT_TRUE(layout.GetColumnWidths()->empty());
}

}  // namespace
}  // namespace varnholt
