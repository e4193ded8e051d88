// Group items: date buckets and their titles, value-group titles, and which rows share a group.

#include "columns/field_ids.h"
#include "grid_test_support.h"

#include <gtest/gtest.h>

namespace varnholt::view {
namespace {

using namespace testing_support;
using namespace view::testing;


using GroupItems = HandBuiltDocumentTest;

TEST_F(GroupItems, DateBucketsRunFromTheirFirstInstantToTheNextBucket) {
    struct Case { const char* why; std::int32_t unit; s_date date; const wchar_t* title; } const cases[] = {
        {"Sunday midnight opens its week", kGroupDateWeek, At(2024, 1, 7), L"7-Jan-2024 to 14-Jan-2024"},
        {"a week across the new year", kGroupDateWeek, At(2024, 1, 6, 23, 59), L"31-Dec-2023 to 7-Jan-2024"},
        {"December ends on 1 January", kGroupDateMonth, At(2023, 12, 31, 18), L"1-Dec-2023 to 1-Jan-2024"},
        {"the last quarter", kGroupDateQuarter, At(2024, 12, 31), L"1-Oct-2024 to 1-Jan-2025"},
        {"a day", kGroupDateDay, At(2024, 2, 29, 13), L"29-Feb-2024 to 1-Mar-2024"},
        {"a year", kGroupDateYear, At(2024, 7, 1), L"1-Jan-2024 to 1-Jan-2025"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const GroupBy entry = Entry(kStartField, c.unit);
        const GroupItem item(entry, &doc, c.date);
        EXPECT_EQ(item.GetTitle(), c.title);
        EXPECT_TRUE(item.Matches(*ValueRow::With(kStartField, c.date)));
        EXPECT_TRUE(item.Matches(*ValueRow::With(kStartField, *item.GetKey())));
        EXPECT_FALSE(item.Matches(*ValueRow::With(kStartField, *item.GetRangeEnd())));
    }
}

TEST_F(GroupItems, RowsWithoutADateShareOneGroupAndEarlyDatesGetTheirBucket) {
    s_date blank = At(2024, 1, 10);
    blank.blank = true;
    std::vector<std::unique_ptr<Row>> rows;
    for (const s_date& date : {s_date(), At(1970, 1, 2), blank, s_date::from_seconds(0), At(1970, 1, 3, 23, 59)})
        rows.push_back(ValueRow::With(kStartField, date));
    rows.push_back(std::make_unique<ValueRow>());  // the shared null value
    const GroupBy weekly = Entry(kStartField, kGroupDateWeek);
    RootRow root;
    EXPECT_EQ(GroupUnder(root, std::move(rows), weekly, &doc, true), (std::vector<std::size_t>{0, 1, 0, 0, 1, 0}));
    EXPECT_EQ(Shown(root), L"[No Start][ to 4-Jan-1970]");
}

TEST_F(GroupItems, UserDefinedDatesGroupByTheirOwnBuckets) {
    UdfTypeRecord& due = UdfField(doc, 7, L"Due");
    std::vector<std::unique_ptr<Row>> rows;
    for (const auto& [key, date] : {std::pair{1u, At(2024, 3, 4)}, {2u, At(2024, 3, 9, 17)}, {3u, At(2024, 3, 10)}, {4u, s_date()}}) {
        if (date.null_flag == 0) UdfValue(doc, due, key).udf_date = date;
        rows.push_back(std::make_unique<ActivityRow>(AddActivity(doc, nullptr, key, L"A")));
        doc.Tasks().back()->doc = &doc;
    }
    doc.BuildIndexes();
    const GroupBy weekly = Entry(100007, kGroupDateWeek);
    RootRow root;
    EXPECT_EQ(GroupUnder(root, std::move(rows), weekly, &doc, false), (std::vector<std::size_t>{0, 0, 1, 2}));
    EXPECT_EQ(Shown(root), L"[3-Mar-2024 to 10-Mar-2024][10-Mar-2024 to 17-Mar-2024][No Due]");
}

TEST_F(GroupItems, ValueGroupsShareEmptyValuesExceptForCodes) {
    TaskRecord* tasks[] = {AddActivity(doc, nullptr, 1, L"A"), AddActivity(doc, nullptr, 2, L"B"), AddActivity(doc, nullptr, 3, L"C")};
    tasks[1]->calendar = AddCalendar(doc, L"Night");
    const GroupBy by_calendar = Entry(138);
    RootRow root;
    std::vector<std::unique_ptr<Row>> rows;
    for (TaskRecord* task : tasks) rows.push_back(std::make_unique<ActivityRow>(task));
    EXPECT_EQ(GroupUnder(root, std::move(rows), by_calendar, &doc, false), (std::vector<std::size_t>{0, 1, 0}));
    EXPECT_EQ(Shown(root), L"[No Calendar][Night]");

    const GroupBy by_resource = Entry(147), unknown = Entry(99999);
    EXPECT_EQ(ActivityGroupItem::ForResource(by_resource, &doc, s_string(L""), nullptr)->GetTitle(), L"No primary Resource");
    // Without the column there is no caption to name an empty value by, and no member.
    EXPECT_EQ(GroupItem(unknown, &doc, s_string(L"")).GetTitle(), L"");
    EXPECT_FALSE(GroupItem(unknown, &doc, s_string(L"")).Matches(*ValueRow::With(99999, s_string(L""))));
}

class XerDocument final : public document::Document {
public:
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}
    bool IsXer() const override { return true; }
};

TEST_F(GroupItems, CodeGroupsOfXerFilesShowTheCodeName) {
    for (const bool xer : {true, false}) {
        SCOPED_TRACE(xer ? "XER file" : "workbook");
        XerDocument xer_doc;
        document::Document& file = xer ? static_cast<document::Document&>(xer_doc) : doc;
        ActvTypeRecord& phase = CodeType(file, 4 + xer, L"Phase");
        std::vector<std::unique_ptr<Row>> rows;
        for (std::uint32_t key : {1u, 2u, 3u}) {
            TaskRecord& task = *file.NewTask();
            task.task_id = s_unsigned_long(key);
            task.task_code = s_string(std::to_wstring(key));
            if (key == 2) AssignCode(file, phase, task, L"DES", L"Design");
            rows.push_back(std::make_unique<ActivityRow>(&task));
        }
        file.BuildIndexes();
        const GroupBy by_phase = Entry(500004 + xer);
        RootRow root;
        // Each activity without the code opens a group of its own.
        EXPECT_EQ(GroupUnder(root, std::move(rows), by_phase, &file, true), (std::vector<std::size_t>{0, 1, 2}));
        EXPECT_EQ(Shown(root), xer ? L"[No Phase][Design][No Phase]" : L"[No Phase][DES][No Phase]");
    }
}

}  // namespace
}  // namespace varnholt::view
