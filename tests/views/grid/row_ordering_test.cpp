// Row ordering: the user's sort by keys with the file-order tie-break, the activity table's
// fixed group orders, and the stable merge sort under every buffer size.

#include "grid_test_support.h"

#include "columns/field_ids.h"
#include "model/records/RsrcRecord.h"
#include "views/grid/ActivityGroupOrders.h"
#include "views/grid/SortList.h"
#include "views/grid/StableSortRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace varnholt::view {
namespace {

using namespace testing_support;
using namespace view::testing;

constexpr std::int32_t kName = 132, kUp = kSortAscending, kDown = kSortDescending;

class RowOrdering : public HandBuiltDocumentTest {
protected:
    // Activities coded "0", "1", ... in file order, with the given names, as rows of the root.
    void Activities(std::initializer_list<const wchar_t*> names) {
        for (const wchar_t* name : names) {
            const auto place = static_cast<std::uint32_t>(doc.Tasks().size());
            TaskRecord* task = AddActivity(doc, nullptr, place + 1, std::to_wstring(place));
            task->task_name = s_string(name);
            task->doc = &doc;
            Append(m_root, std::make_unique<ActivityRow>(task));
        }
    }
    std::wstring SortedBy(std::initializer_list<std::pair<std::int32_t, std::int32_t>> keys) {
        GroupSortBy sort;
        for (const auto& [column, type] : keys) sort.AddSortBy(column, type);
        StableSortRows(m_root.children, [&sort](const Row& a, const Row& b) { return SortList::Less(a, b, sort); });
        const std::wstring order = Shown(m_root);
        if (!sort.sort_bys.empty()) {  // the sort with values read once agrees, from any order
            std::reverse(m_root.children.begin(), m_root.children.end());
            SortList::Sort(m_root.children, sort);
            EXPECT_EQ(Shown(m_root), order);
        }
        return order;
    }
    TaskRecord& Task(std::size_t place) { return *doc.Tasks().at(place); }

    RootRow m_root;
};

TEST_F(RowOrdering, SortKeysThenFileOrder) {
    Activities({L"b", L"a", L"b", L"a", L"a"});
    Task(0).start_date = Day(5);
    Task(2).start_date = Day(3);
    AssignCode(doc, CodeType(doc, 4, L"Phase"), Task(3), L"A");
    AssignCode(doc, CodeType(doc, 5, L"Area"), Task(1), L"B");
    const GroupBy entry = Entry(kName);
    Append(m_root, std::make_unique<GroupRow>(std::make_unique<WBSGroupItem>(entry, &doc, s_string(L"g"))));
    struct Case {
        const char* why;
        std::initializer_list<std::pair<std::int32_t, std::int32_t>> keys;
        const wchar_t* order;
    } const cases[] = {
        {"equal names in file order, groups after activities", {{kName, kUp}}, L"13402[g]"},
        {"descending reverses the file order too", {{kName, kDown}}, L"20431[g]"},
        {"ties of a second key keep the first key's direction", {{kName, kUp}, {kStartField, kDown}}, L"13402[g]"},
        {"no keys: as they stand", {}, L"13402[g]"},
        {"undated after dated", {{kStartField, kUp}}, L"20134[g]"},
        {"without the code last", {{500004, kUp}}, L"30124[g]"},
        {"without the code first descending", {{500004, kDown}}, L"42103[g]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(SortedBy(c.keys), c.order);
    }
}

TEST_F(RowOrdering, ResourceGroupsBySequenceWithoutAResourceLast) {
    const GroupBy entry = Entry(147);
    for (const auto& [name, seq] : {std::pair{L"LATE", 5}, {L"", 0}, {L"EARLY2", 1}, {L"EARLY", 1}}) {
        RsrcRecord* resource = nullptr;
        if (*name != L'\0') {
            resource = AddResource(doc, seq, name, L"");
            resource->rsrc_seq_num = s_int(seq);
        }
        Append(m_root, std::make_unique<GroupRow>(ActivityGroupItem::ForResource(entry, &doc, s_string(name), resource)));
    }
    StableSortRows(m_root.children, LessByResource);
    EXPECT_EQ(Shown(m_root), L"[EARLY2][EARLY][LATE][No primary Resource]");
}

TEST_F(RowOrdering, WbsGroupsBySequenceAfterTheActivities) {
    const GroupBy entry = Entry(152);
    for (const auto& [id, seq] : {std::pair{1u, 3}, {2u, 1}, {3u, 1}}) {
        ProjWbsRecord* wbs = AddWbs(doc, nullptr, nullptr, id, std::to_wstring(id));
        wbs->seq_num = s_int(seq);
        Append(m_root, std::make_unique<GroupRow>(std::make_unique<ActivityGroupItem>(entry, &doc, wbs->wbs_short_name, wbs)));
    }
    Activities({L"a"});
    StableSortRows(m_root.children, LessByWbs);
    EXPECT_EQ(Shown(m_root), L"0[2][3][1]");
}

TEST_F(RowOrdering, CodeGroupsByTheirOpeningActivitysCode) {
    ActvTypeRecord& phase = CodeType(doc, 4, L"Phase");
    const GroupBy entry = Entry(500004);
    Activities({L"", L"", L"", L"", L"", L""});
    std::vector<std::unique_ptr<Row>> groups;
    for (const wchar_t* code : {L"C", L"", L"A", L"", L"B", L"A"}) {
        TaskRecord& task = Task(groups.size());
        if (*code != L'\0') AssignCode(doc, phase, task, code);
        groups.push_back(std::make_unique<GroupRow>(ActivityGroupItem::ForValue(entry, &doc, *task.GetColumnValue(500004), &task)));
    }
    std::shuffle(groups.begin(), groups.end(), std::mt19937(3));
    StableSortRows(groups, CompareActivities(entry));
    std::wstring openers;
    for (const auto& group : groups)
        openers += static_cast<const ActivityGroupItem&>(static_cast<GroupRow&>(*group).GetItem()).GetActivity()->task_code.text;
    EXPECT_EQ(openers, L"254013") << "equal codes in file order, groups without the code last";
}

TEST(StableSortRange, GivesTheStableOrder) {
    std::mt19937 random(11);
    std::vector<std::pair<int, int>> values;
    for (int i = 0; i < 1000; ++i) values.emplace_back(static_cast<int>(random() % 9), i);
    const auto by_key = [](const auto& a, const auto& b) { return a.first < b.first; };
    auto expected = values;
    std::stable_sort(expected.begin(), expected.end(), by_key);
    auto sorted = values;
    StableSortRange(sorted.begin(), sorted.end(), by_key);
    EXPECT_EQ(sorted, expected);
}

}  // namespace
}  // namespace varnholt::view
