// content_views_test.cpp - the main window's content views over real schedules: each detail
// view and sub-view follows the selection of its category's table, showing a category again
// keeps its rows unless the layout changed, and after a reset no view reads the schedule that
// has gone (run under the address sanitizer).

#include "../layouts/layouts_test_support.h"
#include "every_category_schedule.h"
#include "layouts/open_sequence.h"
#include "platform/program_folder.h"
#include "rows/Row.h"
#include "shell/ContentViews.h"
#include "views/core/RowList.h"
#include "views/draw/RecordingBackend.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

using testing_layouts::TempFolder;
using testing_layouts::WriteBytes;

constexpr float kWidth = 1200.0f;
constexpr float kHeight = 600.0f;

// Paints the view as a pane of kWidth x kHeight would, and answers what it drew.
std::string Paint(view::View& view) {
    view::RecordingBackend backend;
    view.GetDrawContext().SetDevice(&backend);
    view.GetDrawContext().SetOrigin(0, 0);
    view.Draw({0.0f, 0.0f, kWidth, kHeight});
    view.GetDrawContext().SetDevice(nullptr);
    return backend.Joined();
}

// Selects a row as a click does: painted first, so that the row has its place, then pressed
// and released in its middle, then the table updated as the pane updates it.
void Click(view::View& table, const view::Row& row) {
    (void)Paint(table);
    const view::RectF rect = row.GetRect();
    const float x = rect.x + rect.width / 2.0f;
    const float y = rect.y + rect.height / 2.0f;
    (void)table.OnLButtonDown(view::kLeftButtonDown, x, y);
    table.Update();
    (void)table.OnLButtonUp(0, x, y);
    table.Update();
}

bool IsRecordRow(const view::Row& row) { return !row.IsGroupRow() && row.level > 0; }

class ContentViewsTest : public testing_layouts::LayoutsTest {
protected:
    void SetUp() override {
        LayoutsTest::SetUp();
        SetProgramFolder(VARNHOLT_SOURCE_DIR);  // the shipped layouts
    }
    void TearDown() override {
        m_views.reset();  // the views go before the store they read
        m_store.reset();
        LayoutsTest::TearDown();
    }

    std::unique_ptr<LayoutStore> Open(std::string_view prefix) {
        const std::filesystem::path path = m_files.path() / (std::string(prefix) + ".xer");
        WriteBytes(path, testing_shell::EveryCategorySchedule(prefix));
        std::unique_ptr<LayoutStore> store;
        EXPECT_TRUE(OpenSchedule(store, WideFromPath(path)));
        return store;
    }
    void Show(Category category) {
        m_views->BindTable(category, *m_store);
        m_views->BindGantt(category, *m_store);
    }
    // The sub-views a category's detail tabs show, each updated.
    std::vector<view::View*> SubViewsOf(Category category) {
        std::vector<view::View*> found;
        for (const TabSubViews& row : TabSubViewTable(category)) {
            for (const SubView sub : {row.first, row.second}) {
                if (view::View* sub_view = m_views->Find(sub)) found.push_back(sub_view);
            }
        }
        return found;
    }

    TempFolder m_files;
    std::unique_ptr<LayoutStore> m_store;
    std::unique_ptr<ContentViews> m_views = std::make_unique<ContentViews>();
};

TEST_F(ContentViewsTest, DetailViewsAndListsFollowTheirOwnCategorysTable) {
    m_store = Open("A");
    m_views->predecessors->SetLayout(m_store->GetCurrentActivityLayout());
    m_views->successors->SetLayout(m_store->GetCurrentActivityLayout());
    // The lists whose master is the category's table (text views read a list instead).
    const std::pair<Category, std::vector<view::View*>> lists[] = {
        {Category::activities,
         {m_views->successors.get(), m_views->activity_codes.get(), m_views->activity_steps.get(),
          m_views->task_memos.get()}},
        {Category::wbs, {m_views->wbs_memos.get()}},
        {Category::projects, {m_views->project_codes.get()}},
        {Category::resources, {m_views->resource_codes.get()}},
        {Category::obs, {m_views->obs_responsibility.get()}},
        {Category::roles, {m_views->role_resources.get(), m_views->role_rates.get(), m_views->role_limits.get()}},
    };
    for (const auto& [category, sub_views] : lists) {
        SCOPED_TRACE(testing::Message() << "category " << static_cast<int>(category));
        Show(category);
        view::View& table = *m_views->Table(category);
        ASSERT_FALSE(table.GetRowList().Empty());
        EXPECT_EQ(m_views->Details(category)->GetMaster(), &table);
        // Each list shows something for some row of the table.
        for (view::View* sub_view : sub_views) {
            bool listed = false;
            for (std::size_t i = 0; i < table.GetRowList().Size() && !listed; ++i) {
                view::Row& row = *table.GetRowList().At(i);
                if (!IsRecordRow(row)) continue;
                Click(table, row);
                ASSERT_EQ(table.GetSelectedRow(), &row);
                sub_view->Update();
                listed = !sub_view->GetRowList().Empty();
            }
            EXPECT_TRUE(listed);
        }
    }
    // The resource notes follow the resource table itself.
    Show(Category::resources);
    Click(*m_views->resource_table, *m_views->resource_table->GetRowList().At(0));
    m_views->resource_notes->Update();
    EXPECT_NE(Paint(*m_views->resource_notes).find("Night"), std::string::npos);
}

TEST_F(ContentViewsTest, ShowingACategoryAgainKeepsItsRowsUntilTheLayoutChanges) {
    m_store = Open("A");
    Show(Category::activities);
    view::View& table = *m_views->activity_table;
    view::Row* row = nullptr;
    for (view::Row* listed : table.GetRowList().Rows()) {
        if (listed->IsActivityRow()) row = listed;
    }
    ASSERT_NE(row, nullptr);
    Click(table, *row);
    Show(Category::activities);
    EXPECT_EQ(table.GetSelectedRow(), row) << "the same layout keeps the rows and the selection";

    ASSERT_GE(m_store->ActivityLayouts().size(), 2u);
    const std::wstring other = m_store->ActivityLayouts()[1]->GetName();
    ASSERT_NE(other, m_store->CurrentActivityLayoutName());
    m_store->SetCurrentActivityLayoutName(other);
    Show(Category::activities);
    EXPECT_EQ(table.GetLayout(), m_store->GetCurrentActivityLayout());
    EXPECT_EQ(table.GetSelectedRow(), nullptr) << "another layout lists new rows";
    EXPECT_FALSE(table.GetRowList().Empty());
}

TEST_F(ContentViewsTest, AfterAResetNoViewReadsTheScheduleThatHasGone) {
    m_store = Open("A");
    for (std::int32_t page = kFirstCategory; page <= kLastCategory; ++page) {
        const auto category = static_cast<Category>(page);
        Show(category);
        view::View& table = *m_views->Table(category);
        for (view::Row* row : table.GetRowList().Rows()) {
            if (IsRecordRow(*row)) {
                Click(table, *row);
                break;
            }
        }
        ASSERT_NE(table.GetSelectedRow(), nullptr);
        for (view::View* sub_view : SubViewsOf(category)) sub_view->Update();
    }

    std::unique_ptr<LayoutStore> next = Open("B");
    m_views->Reset();
    m_store = std::move(next);  // schedule A and its layouts are freed here

    // The details pane may paint before any category is shown again (the File page is up).
    for (std::int32_t page = kFirstCategory; page <= kLastCategory; ++page) {
        const auto category = static_cast<Category>(page);
        EXPECT_EQ(m_views->Table(category)->GetSelectedRow(), nullptr);
        EXPECT_EQ(m_views->Table(category)->GetDocument(), nullptr);
        EXPECT_TRUE(m_views->Table(category)->GetRowList().Empty());
        (void)Paint(*m_views->Details(category));
        for (view::View* sub_view : SubViewsOf(category)) {
            EXPECT_TRUE(sub_view->GetRowList().Empty());
            (void)Paint(*sub_view);
        }
    }

    std::string drawn;
    for (std::int32_t page = kFirstCategory; page <= kLastCategory; ++page) {
        const auto category = static_cast<Category>(page);
        Show(category);
        drawn += Paint(*m_views->Table(category));
        if (view::GanttView* gantt = m_views->Gantt(category)) drawn += Paint(*gantt);
        drawn += Paint(*m_views->Details(category));
    }
    EXPECT_NE(drawn.find("B Design"), std::string::npos);
    EXPECT_NE(drawn.find("B Crew"), std::string::npos);
    EXPECT_EQ(drawn.find("A Design"), std::string::npos);
    EXPECT_EQ(drawn.find("A Crew"), std::string::npos);
}

}  // namespace
}  // namespace varnholt
