// The WBS detail pane with a stand-in master: every value, the header pair's included, follows
// its column's present flag, and a row of another kind empties all four.

#include "tests/views/details/detail_test_support.h"

#include "model/text_utils.h"
#include "rows/ActivityRow.h"
#include "rows/RecordRows.h"
#include "views/details/WBSDetailView.h"

namespace varnholt::view::test_support {
namespace {

constexpr std::initializer_list<CaptionId> kWbsTabs = {51632, 40117};

class WBSDetailViewTest : public DetailViewTest {
protected:
    void SetUp() override {
        DetailViewTest::SetUp();
        wbs->wbs_concat_name = s_string(L"P1.F");
        wbs->status_code = s_project_status(0);
        wbs_row = std::make_unique<WBSRow>(wbs);
        activity_row = std::make_unique<ActivityRow>(testing_support::AddActivity(doc, wbs, 100, L"A100"));
        view = MakeView<WBSDetailView>(kWbsTabs);
    }

    std::unique_ptr<WBSRow> wbs_row;
    std::unique_ptr<ActivityRow> activity_row;
    std::unique_ptr<WBSDetailView> view;
};

TEST_F(WBSDetailViewTest, ValuesFollowTheSelectionAndTheirColumns) {
    const std::string status = narrow_string(wbs->status_code.to_string());
    ASSERT_FALSE(status.empty());
    struct Case {
        const char* reason;
        bool wbs_selected;
        std::uint32_t missing_column;  // 0: the file has every column
        const char* code;
        const char* name;
        std::string status;
        const char* manager;
    };
    const Case cases[] = {
        {"every column", true, 0, "P1.F", "Foundations", status, "Site Manager"},
        {"no status_code column", true, 472, "P1.F", "Foundations", "<none>", "Site Manager"},
        {"no WBS code column: the header checks too", true, 374, "<none>", "Foundations", status, "Site Manager"},
        {"no obs_id column", true, 473, "P1.F", "Foundations", status, "<none>"},
        {"an activity row", false, 0, "<none>", "<none>", "<none>", "<none>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        ColumnCatalog::Instance().BuildAllColumns();
        if (c.missing_column != 0) TakeAwayColumn(ColumnTable::wbs, c.missing_column);
        master.selected = c.wbs_selected ? static_cast<Row*>(wbs_row.get()) : activity_row.get();
        const auto texts = DrawnTexts(Paint(*view));
        EXPECT_EQ(TextAt(texts, "410,24 610,44"), c.code);
        EXPECT_EQ(TextAt(texts, "760,24 960,44"), c.name);
        EXPECT_EQ(TextAt(texts, "410,72 610,92"), c.status);
        EXPECT_EQ(TextAt(texts, "760,72 960,92"), c.manager);
    }
}

TEST_F(WBSDetailViewTest, NotebookTabPaintsOnlyTheStripAndTheHeader) {
    master.selected = wbs_row.get();
    EXPECT_FALSE(host.LButtonUp(*view, 100.0f, 30.0f));  // before any paint: no tab is hit
    EXPECT_FALSE(host.LButtonUp(*view, 100.0f, 30.0f));
    ASSERT_EQ(view->GetCurrentTab(), L"Notebook");
    const auto& lines = host.Backend(*view).Lines();
    const auto texts = DrawnTexts(lines);
    EXPECT_EQ(texts.size(), 6U);  // two tab titles, the header pair
    EXPECT_EQ(TextAt(texts, "410,24 610,44"), "P1.F");
    EXPECT_EQ(CountStarting(lines, "line "), 4U);  // strip edge, two tab lines, the separator
}

}  // namespace
}  // namespace varnholt::view::test_support
