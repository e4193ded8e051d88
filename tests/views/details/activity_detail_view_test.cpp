// The activity detail pane with a stand-in master: labels and values at their cells, the
// Status boxes, present flags, rows of another kind and the tabs it paints no sheet for.

#include "tests/views/details/detail_test_support.h"

#include "model/CaptionCatalog.h"
#include "model/text_utils.h"
#include "rows/ActivityRow.h"
#include "rows/RecordRows.h"
#include "views/details/ActivityDetailView.h"
#include "views/grid/GroupRow.h"

#include <span>
#include <utility>

namespace varnholt::view::test_support {
namespace {

constexpr std::initializer_list<CaptionId> kActivityTabs = {51632, 51945, 50749, 50750, 51634, 40117, 40118};

// Cells at scale 1 beside a 250-pixel strip: label and value clip rectangles of a grid place.
std::string LabelClip(int column, int line) {
    const int x = 280 + 350 * column, y = 24 * line;
    return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(x + 120) + "," + std::to_string(y + 20);
}
std::string ValueClip(int column, int line) {
    const int x = 410 + 350 * column, y = 24 * line;
    return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(x + 200) + "," + std::to_string(y + 20);
}

struct Place {
    const char* label;
    int column, line, field_id;
};

// Every value place of the header pair and the two sheets, field 473 standing for the
// activity's Responsible Manager.
constexpr Place kGeneralPlaces[] = {
    {"Activity:", 0, 1, 130}, {"Activity Name:", 1, 1, 132}, {"Activity Type:", 0, 3, 134},
    {"Activity Calendar:", 1, 3, 138}, {"Duration Type:", 0, 4, 140}, {"WBS:", 1, 4, 154},
    {"Percent Complete Type:", 0, 5, 189}, {"Responsible Manager:", 1, 5, 473}, {"Primary Resource:", 1, 6, 147},
};
constexpr Place kStatusPlaces[] = {
    {"Original:", 0, 4, 89}, {"Actual:", 0, 5, 84}, {"Remaining:", 0, 6, 90}, {"At Complete:", 0, 7, 85},
    {"Total Float:", 0, 8, 92}, {"Free Float:", 0, 9, 88}, {"Started:", 1, 4, 82}, {"Finished:", 1, 5, 70},
    {"Expected Finish:", 1, 6, 67}, {"Suspend Date:", 1, 7, 83}, {"Resume Date:", 1, 8, 80},
    {"Primary:", 2, 4, 146}, {"Date:", 2, 5, 75}, {"Secondary:", 2, 6, 151}, {"Date:", 2, 7, 81},
};

class ActivityDetailViewTest : public DetailViewTest {
protected:
    void SetUp() override {
        DetailViewTest::SetUp();
        activity = testing_support::AddActivity(doc, wbs, 100, L"A100");
        activity->task_name = s_string(L"Pour slab");
        activity->calendar = testing_support::AddCalendar(doc, L"Standard");
        activity->rsrc_label = s_string(L"CR.Crane");
        activity->target_drtn_hr_cnt = s_dur(16.0);
        activity->remain_drtn_hr_cnt = s_dur(8.0);
        activity->start_date = testing_support::Day(3);
        activity->cstr_date = testing_support::Day(4);
        activity->EnsureOptionalValues().cstr_date2 = testing_support::Day(14);
        row = std::make_unique<ActivityRow>(activity);
        master.selected = row.get();
        view = MakeView<ActivityDetailView>(kActivityTabs);
    }

    std::string Expected(int field_id) const {
        const s_val* value = field_id == 473 ? wbs->GetFieldValue(473) : activity->GetFieldValue(field_id);
        const std::string text = narrow_string(value->to_string());
        return text.empty() ? "<none>" : text;
    }

    std::vector<DrawnText> PaintTab(const wchar_t* tab) {
        view->SetCurrentTab(tab);
        return DrawnTexts(Paint(*view));
    }

    TaskRecord* activity = nullptr;
    std::unique_ptr<ActivityRow> row;
    std::unique_ptr<ActivityDetailView> view;
};

TEST_F(ActivityDetailViewTest, GeneralSheetShowsEachFieldInItsCell) {
    const auto texts = PaintTab(L"General");
    for (const auto& place : kGeneralPlaces) {
        SCOPED_TRACE(place.label);
        EXPECT_EQ(LabelAt(texts, LabelClip(place.column, place.line)), place.label);
        EXPECT_EQ(TextAt(texts, ValueClip(place.column, place.line)), Expected(place.field_id));
    }
    EXPECT_EQ(TextAt(texts, ValueClip(1, 5)), "Site Manager");
}

TEST_F(ActivityDetailViewTest, StatusSheetShowsThreeBoxes) {
    view->SetCurrentTab(L"Status");
    const auto& lines = Paint(*view);
    const auto texts = DrawnTexts(lines);
    for (const auto& place : kStatusPlaces) {
        SCOPED_TRACE(place.label);
        EXPECT_EQ(LabelAt(texts, LabelClip(place.column, place.line)), place.label);
        EXPECT_EQ(TextAt(texts, ValueClip(place.column, place.line)), Expected(place.field_id));
    }
    EXPECT_NE(Expected(81), "<none>");
    EXPECT_EQ(CountStarting(lines, "line 1 solid ffc8c8c8 980,96 1300,96"), 1U) << "each box title underlined";
}

TEST_F(ActivityDetailViewTest, WithoutAnActivityEveryLabelHasAnEmptyValue) {
    struct Case {
        const char* reason;
        Row* selected;
    };
    const GroupBy entry{.field = 132};
    GroupRow group(ActivityGroupItem::ForValue(entry, &doc, s_string(L"Pour slab"), activity));
    const Case cases[] = {{"nothing selected", nullptr}, {"a group row", &group}};
    const std::pair<const wchar_t*, std::span<const Place>> sheets[] = {{L"General", kGeneralPlaces},
                                                                        {L"Status", kStatusPlaces}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        master.selected = c.selected;
        for (const auto& [tab, places] : sheets) {
            const auto texts = PaintTab(tab);
            for (const auto& place : places) {
                SCOPED_TRACE(place.label);
                EXPECT_EQ(LabelAt(texts, LabelClip(place.column, place.line)), place.label);
                EXPECT_EQ(TextAt(texts, ValueClip(place.column, place.line)), "<none>");
            }
        }
    }
}

// A sheet column the file lacks shows an empty value under its label, while the header pair
// shows whatever; the manager needs the WBS element.
TEST_F(ActivityDetailViewTest, ColumnsTheFileLacksShowEmptyValues) {
    for (const std::uint32_t column : {81u, 130u, 132u}) TakeAwayColumn(ColumnTable::activity, column);
    auto texts = PaintTab(L"Status");
    EXPECT_EQ(LabelAt(texts, LabelClip(2, 7)), "Date:");
    EXPECT_EQ(TextAt(texts, ValueClip(2, 7)), "<none>");
    EXPECT_EQ(TextAt(texts, ValueClip(1, 1)), "Pour slab");
    activity->wbs = nullptr;
    texts = PaintTab(L"General");
    EXPECT_EQ(TextAt(texts, ValueClip(1, 5)), "<none>");
    EXPECT_EQ(LabelAt(texts, LabelClip(1, 5)), "Responsible Manager:");
}

TEST_F(ActivityDetailViewTest, SubViewTabsPaintOnlyTheStripAndTheHeader) {
    for (const auto* tab : {L"Predecessors", L"Successors", L"Codes", L"Notebook", L"Steps"}) {
        SCOPED_TRACE(narrow_string(tab));
        view->SetCurrentTab(tab);
        const auto& lines = Paint(*view);
        const auto texts = DrawnTexts(lines);
        EXPECT_EQ(texts.size(), kActivityTabs.size() + 4);  // tab titles and the header pair
        EXPECT_EQ(CountStarting(lines, "fill "), 2U);  // the strip and the current tab
        EXPECT_EQ(TextAt(texts, ValueClip(0, 1)), "A100");
    }
}

}  // namespace
}  // namespace varnholt::view::test_support
