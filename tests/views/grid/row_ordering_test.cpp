// Row ordering: the user's sort by keys with the file-order tie-break, the activity table's
// fixed group orders, and the stable merge sort under every buffer size.

#include "grid_test_support.h"

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

constexpr std::int32_t kCode = 130, kName = 132, kStart = 82;

class RowOrdering : public HandBuiltDocumentTest {
protected:
    // The next activity, coded by its place in the file: "0", "1", ...
    TaskRecord* NextActivity() {
        const std::wstring code = std::to_wstring(m_count++);
        return AddActivity(doc, nullptr, m_count, code);
    }
    // Activities coded "0", "1", ... in file order, named by the given names.
    void Activities(std::initializer_list<const wchar_t*> names) {
        for (const wchar_t* name : names) {
            TaskRecord* task = NextActivity();
            task->task_name = s_string(name);
            Append(m_root, std::make_unique<ActivityRow>(task));
        }
    }
    // The codes of the root's rows in their order; group rows show as their title in brackets.
    std::wstring Order() const {
        std::wstring text;
        for (const auto& row : m_root.children)
            text += row->IsGroupRow() ? L"[" + static_cast<const GroupRow&>(*row).GetTitle() + L"]"
                                      : row->GetActivity()->task_code.text;
        return text;
    }
    std::wstring SortedBy(std::initializer_list<std::pair<std::int32_t, std::int32_t>> keys) {
        GroupSortBy sort;
        for (const auto& [column, type] : keys) sort.AddSortBy(column, type);
        StableSortRows(m_root.children, [&sort](const Row& a, const Row& b) { return SortList::Less(a, b, sort); });
        return Order();
    }
    TaskRecord& Task(std::size_t index) { return *doc.Tasks().at(index); }

    RootRow m_root;
    std::uint32_t m_count = 0;
};

constexpr std::int32_t kUp = kSortAscending, kDown = kSortDescending;

TEST_F(RowOrdering, SortKeysThenFileOrder) {
    Activities({L"b", L"a", L"b", L"a", L""});
    Task(4).task_name = s_string(L"a");
    struct Case {
        const char* why;
        std::initializer_list<std::pair<std::int32_t, std::int32_t>> keys;
        const wchar_t* order;
    };
    const Case cases[] = {
        {"equal names in file order", {{kName, kUp}}, L"13402"},
        {"descending reverses the file order too", {{kName, kDown}}, L"20431"},
        {"a second key descending keeps the first key's file order", {{kName, kUp}, {kStart, kDown}}, L"13402"},
        {"no keys: as they stand", {}, L"13402"},
        {"back to file order by code", {{kCode, kUp}}, L"01234"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(SortedBy(c.keys), c.order);
    }
}

TEST_F(RowOrdering, MissingValuesAndGroupRows) {
    Activities({L"x", L"x", L"x", L"x"});
    Task(0).start_date = Day(5);
    Task(2).start_date = Day(3);
    LoadTimeFixture load{doc};
    ActvTypeRecord& phase = load.CodeType(4, L"Phase");
    for (std::size_t i : {1u, 3u}) {
        Task(i).doc = &doc;
        load.AssignCode(phase, Task(i), i == 1 ? L"B" : L"A", L"");
    }
    const GroupBy entry = Entry(kName);
    Append(m_root, std::make_unique<GroupRow>(std::make_unique<WBSGroupItem>(entry, &doc, s_string(L"g"))));
    struct Case {
        const char* why;
        std::int32_t column, type;
        const wchar_t* order;
    };
    const Case cases[] = {
        {"undated after dated", kStart, kUp, L"2013[g]"},
        {"undated first descending", kStart, kDown, L"3102[g]"},
        {"without the code last", 500004, kUp, L"3102[g]"},
        {"without the code first descending", 500004, kDown, L"2013[g]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(SortedBy({{c.column, c.type}}), c.order);
    }
}

TEST_F(RowOrdering, ResourceGroupsBySequenceWithoutAResourceLast) {
    const GroupBy entry = Entry(147);
    RsrcRecord* late = AddResource(doc, 1, L"LATE", L"");
    RsrcRecord* early = AddResource(doc, 2, L"EARLY", L"");
    RsrcRecord* early_too = AddResource(doc, 3, L"EARLY2", L"");
    late->rsrc_seq_num = s_int(5);
    early->rsrc_seq_num = s_int(1);
    early_too->rsrc_seq_num = s_int(1);
    for (const RsrcRecord* resource : {late, static_cast<RsrcRecord*>(nullptr), early_too, early}) {
        const s_string title(resource != nullptr ? resource->rsrc_short_name.text : L"");
        Append(m_root, std::make_unique<GroupRow>(ActivityGroupItem::ForResource(entry, &doc, title, resource)));
    }
    StableSortRows(m_root.children, LessByResource);
    EXPECT_EQ(Order(), L"[EARLY][EARLY2][LATE][No primary Resource]");
}

TEST_F(RowOrdering, WbsGroupsBySequenceAfterTheActivities) {
    const GroupBy entry = Entry(152);
    ProjectRecord* project = AddProject(doc, 1, L"P");
    for (const auto& [id, seq] : {std::pair{1u, 3}, {2u, 1}, {3u, 1}}) {
        ProjWbsRecord* wbs = AddWbs(doc, project, nullptr, id, std::to_wstring(id));
        wbs->seq_num = s_int(seq);
        Append(m_root, std::make_unique<GroupRow>(std::make_unique<ActivityGroupItem>(entry, &doc, wbs->wbs_short_name, wbs)));
    }
    Activities({L"a"});
    StableSortRows(m_root.children, LessByWbs);
    EXPECT_EQ(Order(), L"0[2][3][1]");
}

TEST_F(RowOrdering, CodeGroupsByTheirOpeningActivitysCode) {
    LoadTimeFixture load{doc};
    ActvTypeRecord& phase = load.CodeType(4, L"Phase");
    const GroupBy entry = Entry(500004);
    // Activities "0" to "5" open a group each; "1" and "3" lack the code.
    for (const wchar_t* code : {L"C", L"", L"A", L"", L"B", L"A"}) {
        TaskRecord* task = NextActivity();
        task->doc = &doc;
        if (*code != L'\0') load.AssignCode(phase, *task, code, L"");
        Append(m_root, std::make_unique<GroupRow>(
                           ActivityGroupItem::ForValue(entry, &doc, *task->GetColumnValue(500004), task)));
    }
    for (const std::size_t limit : {kNoBufferLimit, std::size_t{0}}) {
        SCOPED_TRACE(limit);
        std::shuffle(m_root.children.begin(), m_root.children.end(), std::mt19937(3));
        StableSortRows(m_root.children, CompareActivities(entry), limit);
        std::wstring openers;
        for (const auto& row : m_root.children) {
            const auto& item = static_cast<const ActivityGroupItem&>(static_cast<const GroupRow&>(*row).GetItem());
            openers += item.GetActivity()->task_code.text;
        }
        EXPECT_EQ(openers, L"254013");
    }
}

TEST(StableSortRange, AnyBufferGivesTheStableOrder) {
    std::mt19937 random(11);
    std::vector<std::pair<int, int>> values;
    for (int i = 0; i < 1000; ++i) values.emplace_back(static_cast<int>(random() % 9), i);
    const auto by_key = [](const auto& a, const auto& b) { return a.first < b.first; };
    auto expected = values;
    std::stable_sort(expected.begin(), expected.end(), by_key);
    for (const std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{7}, kNoBufferLimit}) {
        SCOPED_TRACE(limit);
        auto sorted = values;
        StableSortRange(sorted.begin(), sorted.end(), by_key, limit);
        EXPECT_EQ(sorted, expected);
    }
}

}  // namespace
}  // namespace varnholt::view
