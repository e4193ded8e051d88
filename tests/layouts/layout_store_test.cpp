// layout_store_test.cpp - the layout store: its current layouts by name, the decoding of
// layout text, and the road that opens a file into a new store.

#include "columns/load_time_columns.h"
#include "layouts/ActivityLayout.h"
#include "layouts/LayoutStore.h"
#include "layouts/TableLayouts.h"
#include "layouts/open_sequence.h"
#include "layouts/settings_file.h"
#include "layouts_test_support.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "rows/display_scale.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_layouts::LayoutsTest;
using testing_layouts::SketchDocument;
using testing_layouts::AddUdfColumn;
using testing_layouts::TempFolder;
using testing_layouts::WriteBytes;

class LayoutStoreTest : public LayoutsTest {};

std::unique_ptr<view::Layout> Named(std::unique_ptr<view::Layout> layout, const wchar_t* name) {
    layout->SetName(name);
    return layout;
}

TEST_F(LayoutStoreTest, CurrentLayoutsAreFoundByExactName) {
    LayoutStore store;
    auto& projects = store.ProjectLayouts();
    projects.push_back(nullptr);  // passed over
    projects.push_back(Named(std::make_unique<ProjectLayout>(), L"Grouped by Responsible Manager"));
    projects.push_back(Named(std::make_unique<ProjectLayout>(), L"All Projects"));
    projects.push_back(Named(std::make_unique<ProjectLayout>(), L"All Projects"));
    EXPECT_EQ(store.GetCurrentProjectLayout(), projects[2].get()) << "the first of two with one name";

    store.WbsLayouts().push_back(Named(std::make_unique<WBSLayout>(), L"Default WBS"));
    store.SetCurrentWbsLayoutName(L"default wbs");
    EXPECT_EQ(store.GetCurrentWbsLayout(), nullptr) << "names are compared with their case";
    store.SetCurrentWbsLayoutName(L"Default WBS");
    EXPECT_EQ(store.GetCurrentWbsLayout(), store.WbsLayouts()[0].get());

    store.ActivityLayouts().push_back(Named(std::make_unique<ActivityLayout>(), L"Default Activities "));
    EXPECT_EQ(store.GetCurrentActivityLayout(), nullptr) << "the whole name must match";
}

TEST(WidenBytes, DecodesLayoutTextAsSchedulesAre) {
    // The bytes themselves decode as the byte-level table of the import tests says.
    struct Case { const char* why; std::string_view bytes; std::wstring text; } const cases[] = {
        {"a single-byte export", "Caf\xE9 \x80", L"Caf\u00E9 \u20AC"},
        {"a byte-order mark is dropped", "\xEF\xBB\xBFG\xC3\xBC", L"G\u00FC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::wstring text = L">";
        WidenBytes(text, c.bytes);
        EXPECT_EQ(text, L">" + c.text);
    }
}

TEST(ScheduleKind, ByTheLastFourCharactersWithoutCase) {
    struct Case { const char* why; const wchar_t* path; schedule_kind kind; } const cases[] = {
        {"upper-case extension", L"/plans/SITE.XER", schedule_kind::xer}, {"a workbook", L"site.Xls", schedule_kind::xls},
        {"a newer workbook is no workbook here", L"site.xlsx", schedule_kind::unknown},
        {"a four-character path as it stands", L".xer", schedule_kind::xer},
        {"a four-character path is not lower-cased", L".XER", schedule_kind::unknown},
        {"no point", L"sitexer", schedule_kind::unknown}, {"short", L"xer", schedule_kind::unknown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ScheduleKindOf(c.path), c.kind);
    }
}

// A document whose load the test decides, and which leaves traces as a partial or workbook
// load would: a load-time column and display settings of its own.
class ScriptedDocument final : public document::Document {
public:
    explicit ScriptedDocument(bool succeeds) : m_succeeds(succeeds) {}
    bool Open(std::wstring_view) override {
        (void)AddUdfColumn(7);
        display_settings().active.duration_UnitOfTime = kUnitYear;
        display_settings().active.unit_Decimals = 0;
        value_formats().percent_decimals = 3;
        return m_succeeds;
    }
    void Build() override {}

private:
    bool m_succeeds;
};

class OpenScheduleTest : public LayoutsTest {
protected:
    std::wstring FileNamed(const char* name, std::string_view bytes) {
        const std::filesystem::path path = m_files.path() / name;
        WriteBytes(path, bytes);
        return WideFromPath(path);
    }
    open_status OpenScripted(bool succeeds) {
        LoadedSchedule loaded = LoadIntoNewStore(FileNamed("plan.xer", "ERMHDR\t8.0\r\n"), [succeeds](LayoutStore& fresh) {
            return fresh.AdoptDocument(std::make_unique<ScriptedDocument>(succeeds));
        });
        loaded.Commit(store);
        return loaded.status();
    }

    TempFolder m_files;
    std::unique_ptr<LayoutStore> store = std::make_unique<LayoutStore>();
};

TEST_F(OpenScheduleTest, RefusedFilesChangeNothing) {
    LayoutStore* before = store.get();
    store->AdoptDocument(std::make_unique<SketchDocument>());
    const document::Document* document = store->GetDocument();
    struct Case { const char* why; const char* name; std::string_view bytes; open_error error; } const cases[] = {
        {"another extension", "plan.txt", "ERMHDR\t8.0\r\n", open_error::unknown_kind},
        {"an XER file without its header", "plan.xer", "%T\tTASK\r\n", open_error::not_a_schedule},
        {"a workbook without the compound-file signature", "plan.xls", "ERMHDR\t8.0\r\n", open_error::not_a_schedule},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(OpenSchedule(store, FileNamed(c.name, c.bytes)).error, c.error);
        EXPECT_EQ(store.get(), before);
        EXPECT_EQ(store->GetDocument(), document);
    }
    EXPECT_EQ(OpenSchedule(store, WideFromPath(m_files.path() / "missing.xer")).error, open_error::not_a_schedule);
}

TEST_F(OpenScheduleTest, AnXerFileOpensIntoANewStore) {
    // The old store is freed, so its address may come back: the new one shows by its state.
    store->AdoptDocument(std::make_unique<SketchDocument>());
    store->SetCurrentActivityLayoutName(L"left behind");
    const open_status status = OpenSchedule(store, FileNamed("plan.xer", "ERMHDR\t8.0\t2024-01-02\r\n%E\r\n"));
    ASSERT_TRUE(status);
    ASSERT_NE(store, nullptr);
    EXPECT_NE(store->CurrentActivityLayoutName(), L"left behind");
    ASSERT_NE(store->GetDocument(), nullptr);
    EXPECT_TRUE(store->GetDocument()->IsXer());
}

TEST_F(OpenScheduleTest, AFailedLoadKeepsTheOpenSchedule) {
    ASSERT_TRUE(OpenScripted(true));
    const LayoutStore* before = store.get();
    const document::Document* document = store->GetDocument();
    const ColumnDef* column = ColumnCatalog::Instance().FindActivityByColumnId(100007);
    ASSERT_NE(column, nullptr);
    const DisplaySettings settings = display_settings();

    const open_status status = OpenScripted(false);
    EXPECT_EQ(status.error, open_error::load_failed);
    EXPECT_EQ(store.get(), before);
    EXPECT_EQ(store->GetDocument(), document);
    EXPECT_EQ(ColumnCatalog::Instance().FindActivityByColumnId(100007), column) << "the same entry, not a copy";
    EXPECT_EQ(display_settings().active, settings.active);
    EXPECT_EQ(value_formats().percent_decimals, 3);

    // No document at all is refused the same way.
    EXPECT_EQ(LoadIntoNewStore(L"plan.xer", [](LayoutStore&) { return nullptr; }).status().error,
              open_error::load_failed);
    EXPECT_EQ(store->GetDocument(), document);

    // A load that succeeds but is never put in place changes nothing either.
    {
        const LoadedSchedule dropped = LoadIntoNewStore(L"plan.xer", [](LayoutStore& fresh) {
            return fresh.AdoptDocument(std::make_unique<ScriptedDocument>(true));
        });
        ASSERT_TRUE(dropped);
        EXPECT_EQ(store.get(), before);
    }
    EXPECT_EQ(ColumnCatalog::Instance().FindActivityByColumnId(100007), column);
    EXPECT_EQ(display_settings().active, settings.active);
}

TEST_F(OpenScheduleTest, EachOpenStartsFromTheSavedDisplaySettings) {
    // The first file (a workbook, say) sets display settings of its own.
    ASSERT_TRUE(OpenScripted(true));
    EXPECT_EQ(display_settings().active.duration_UnitOfTime, kUnitYear);
    EXPECT_EQ(value_formats().percent_decimals, 3);

    // Without a settings file the next file starts from the saved defaults all the same.
    ASSERT_TRUE(OpenSchedule(store, FileNamed("next.xer", "ERMHDR\t8.0\r\n")));
    EXPECT_EQ(display_settings().active, UnitDisplaySettings{});
    EXPECT_EQ(value_formats().percent_decimals, 1);

    // With one, from what it holds, for every key whether or not the file names it.
    WriteBytes(SettingsPath(), "unit_Decimals:3\r\n");
    ASSERT_TRUE(OpenScripted(true));
    ASSERT_TRUE(OpenSchedule(store, FileNamed("next.xer", "ERMHDR\t8.0\r\n")));
    UnitDisplaySettings expected;
    expected.unit_Decimals = 3;
    EXPECT_EQ(display_settings().active, expected);
    EXPECT_EQ(display_settings().saved, expected);
    EXPECT_EQ(value_formats().percent_decimals, 1);
}

}  // namespace
}  // namespace varnholt
