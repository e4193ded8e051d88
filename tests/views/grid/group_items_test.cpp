// Group items: date buckets and their titles, titles of value groups, and which rows share a
// group.

#include "grid_test_support.h"

#include "model/records/CalendarRecord.h"

#include <gtest/gtest.h>

namespace varnholt::view {
namespace {

using namespace testing_support;
using namespace view::testing;

constexpr std::int32_t kStart = 82;  // the activities' start column, caption "Start"

class GroupItems : public HandBuiltDocumentTest {
protected:
    // An activity row with its start date.
    std::unique_ptr<Row> StartRow(const s_date& start) { return ValueRow::With(kStart, start); }
};

TEST_F(GroupItems, DateBucketsTitleFromTheirFirstDayToTheNext) {
    struct Case {
        const char* why;
        std::int32_t unit;
        s_date date;
        const wchar_t* title;
    };
    const Case cases[] = {
        {"a Sunday at midnight opens its own week", kGroupDateWeek, At(2024, 1, 7), L"7-Jan-2024 to 14-Jan-2024"},
        {"Saturday night belongs to the week before", kGroupDateWeek, At(2024, 1, 13, 23, 59), L"7-Jan-2024 to 14-Jan-2024"},
        {"a week across the new year", kGroupDateWeek, At(2024, 1, 6, 23, 59), L"31-Dec-2023 to 7-Jan-2024"},
        {"December ends on 1 January", kGroupDateMonth, At(2023, 12, 31, 18), L"1-Dec-2023 to 1-Jan-2024"},
        {"a leap February", kGroupDateMonth, At(2024, 2, 29), L"1-Feb-2024 to 1-Mar-2024"},
        {"quarters start in January, April, July, October", kGroupDateQuarter, At(2024, 2, 15), L"1-Jan-2024 to 1-Apr-2024"},
        {"the last quarter", kGroupDateQuarter, At(2024, 12, 31), L"1-Oct-2024 to 1-Jan-2025"},
        {"a day from midnight to midnight", kGroupDateDay, At(2024, 2, 15, 13), L"15-Feb-2024 to 16-Feb-2024"},
        {"a year", kGroupDateYear, At(2024, 7, 1), L"1-Jan-2024 to 1-Jan-2025"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const GroupBy entry = Entry(kStart, c.unit);
        const GroupItem item(entry, &doc, c.date);
        EXPECT_EQ(item.GetTitle(), c.title);
        EXPECT_TRUE(item.Matches(*StartRow(c.date)));
        // The bucket's end is the next bucket's start.
        EXPECT_FALSE(item.Matches(*StartRow(static_cast<const s_date&>(*item.GetRangeEnd()))));
        EXPECT_TRUE(item.Matches(*StartRow(static_cast<const s_date&>(*item.GetKey()))));
    }
}

TEST_F(GroupItems, RowsWithoutADateShareOneBucketlessGroup) {
    s_date blank = At(2024, 1, 10);
    blank.blank = true;
    const GroupBy weekly = Entry(kStart, kGroupDateWeek);
    RootRow root;
    std::vector<std::unique_ptr<Row>> rows;
    rows.push_back(StartRow(s_date()));             // no value
    rows.push_back(StartRow(At(1970, 1, 2)));       // before the first Sunday of 1970
    rows.push_back(StartRow(blank));                // hidden by the blank flag
    rows.push_back(StartRow(s_date::from_seconds(0)));
    rows.push_back(std::make_unique<ValueRow>());   // the shared null value
    rows.push_back(StartRow(At(1970, 1, 3, 23, 59)));
    const auto placed = GroupUnder(root, std::move(rows), weekly, &doc, true);
    EXPECT_EQ(placed, (std::vector<std::size_t>{0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(Titles(root), L"No Start\n to 4-Jan-1970\n");
}

TEST_F(GroupItems, UserDefinedDateFieldsGroupByTheirOwnBuckets) {
    LoadTimeFixture load{doc};
    UdfTypeRecord& due = load.UdfDateField(7, L"Due");
    for (const auto& [key, date] : {std::pair{1u, At(2024, 3, 4)}, {2u, At(2024, 3, 9, 17)}, {3u, At(2024, 3, 10)}})
        load.UdfValue(due, key).udf_date = date;
    std::vector<std::unique_ptr<Row>> rows;
    for (std::uint32_t key : {1u, 2u, 3u, 4u}) rows.push_back(std::make_unique<ActivityRow>(AddActivity(doc, nullptr, key, L"A")));
    doc.BuildIndexes();

    const GroupBy weekly = Entry(100007, kGroupDateWeek);
    RootRow root;
    const auto placed = GroupUnder(root, std::move(rows), weekly, &doc, false);
    EXPECT_EQ(placed, (std::vector<std::size_t>{0, 0, 1, 2}));
    EXPECT_EQ(Titles(root), L"3-Mar-2024 to 10-Mar-2024\n10-Mar-2024 to 17-Mar-2024\nNo Due\n");
}

TEST_F(GroupItems, ValueGroupTitlesAndMembers) {
    CalendarRecord* night = AddCalendar(doc, L"Night");
    TaskRecord* a = AddActivity(doc, nullptr, 1, L"A");
    TaskRecord* b = AddActivity(doc, nullptr, 2, L"B");
    TaskRecord* c = AddActivity(doc, nullptr, 3, L"C");
    c->calendar = night;
    const GroupBy by_calendar = Entry(138);
    RootRow root;
    std::vector<std::unique_ptr<Row>> rows;
    for (TaskRecord* task : {a, c, b}) rows.push_back(std::make_unique<ActivityRow>(task));
    EXPECT_EQ(GroupUnder(root, std::move(rows), by_calendar, &doc, false), (std::vector<std::size_t>{0, 1, 0}));
    EXPECT_EQ(Titles(root), L"No Calendar\nNight\n");

    const GroupBy by_resource = Entry(147);
    EXPECT_EQ(ActivityGroupItem::ForResource(by_resource, &doc, s_string(L""), nullptr)->GetTitle(), L"No primary Resource");
    // A column the catalogue lacks: no caption to name an empty value by, and no members.
    const GroupBy unknown = Entry(99999);
    const GroupItem lost(unknown, &doc, s_string(L""));
    EXPECT_EQ(lost.GetTitle(), L"");
    EXPECT_EQ(GroupItem(unknown, &doc, s_string(L"x")).GetTitle(), L"x");
    EXPECT_FALSE(lost.Matches(*ValueRow::With(99999, s_string(L""))));
}

// A document that says it was read from an XER file.
class XerDocument final : public document::Document {
public:
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}
    [[nodiscard]] bool IsXer() const override { return true; }
};

TEST_F(GroupItems, CodeGroupsShowTheCodeNameOfXerFilesAndTheCodeElsewhere) {
    for (const bool xer : {true, false}) {
        SCOPED_TRACE(xer ? "XER file" : "workbook");
        XerDocument xer_doc;
        HandBuiltDocument workbook_doc;
        document::Document& file = xer ? static_cast<document::Document&>(xer_doc) : workbook_doc;
        LoadTimeFixture load{file};
        ActvTypeRecord& phase = load.CodeType(4, L"Phase");
        std::vector<std::unique_ptr<Row>> rows;
        for (std::uint32_t key : {1u, 2u, 3u}) {
            TaskRecord& task = *file.NewTask();
            task.task_id = s_unsigned_long(key);
            task.doc = &file;
            if (key == 2) load.AssignCode(phase, task, L"DES", L"Design");
            rows.push_back(std::make_unique<ActivityRow>(&task));
        }
        file.BuildIndexes();
        const GroupBy by_phase = Entry(500004);
        RootRow root;
        // Activities without the code open a group each.
        EXPECT_EQ(GroupUnder(root, std::move(rows), by_phase, &file, true), (std::vector<std::size_t>{0, 1, 2}));
        EXPECT_EQ(Titles(root), xer ? L"No Phase\nDesign\nNo Phase\n" : L"No Phase\nDES\nNo Phase\n");
        ColumnCatalog::Instance().BuildAllColumns();
    }
}

}  // namespace
}  // namespace varnholt::view
