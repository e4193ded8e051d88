// The group index answers what testing every group in order answers, on generated rows whose
// values make the keys work hard: marks on equal dates, amounts within the equality tolerance,
// empty texts, the shared null value, date buckets.

#include "grid_test_support.h"

#include "model/s_doubles.h"
#include "model/s_unit.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace varnholt::view {
namespace {

using namespace testing_support;
using namespace view::testing;

class GroupIndexTest : public HandBuiltDocumentTest {};

TEST_F(GroupIndexTest, FindsTheFirstMatchingGroupAsAScanWould) {
    LoadTimeFixture load{doc};
    load.CodeType(4, L"Phase");
    const std::int32_t kCodeColumn = 500004;
    using Make = std::function<std::unique_ptr<Row>(std::mt19937&)>;
    const auto pick = [](std::mt19937& random, int count) { return static_cast<int>(random() % count); };
    struct Case {
        const char* why;
        std::int32_t column;
        std::int32_t unit;
        Make make;
    };
    const Case cases[] = {
        {"dates of one second with different marks", 82, kGroupDateNone,
         [&](std::mt19937& r) {
             s_date date = s_date::from_seconds(1'700'000'000 + pick(r, 3) * 60);
             date.mark = pick(r, 5);
             return pick(r, 6) == 0 ? std::make_unique<ValueRow>() : ValueRow::With(82, date);
         }},
        {"quantities 0.004 apart", 194, kGroupDateNone,
         [&](std::mt19937& r) { return ValueRow::With(194, s_unit(1.0 + pick(r, 12) * 0.004, s_unit::kQuantity)); }},
        {"costs across whole cents", 194, kGroupDateNone,
         [&](std::mt19937& r) { return ValueRow::With(194, s_cost(-0.02 + pick(r, 9) * 0.005)); }},
        {"texts, some empty, some missing", 132, kGroupDateNone,
         [&](std::mt19937& r) {
             const int n = pick(r, 5);
             if (n == 4) return std::make_unique<ValueRow>();
             return ValueRow::With(132, s_string(n == 3 ? std::wstring() : std::wstring(1, L'a' + n)));
         }},
        {"missing calendars share a group", 138, kGroupDateNone,
         [&](std::mt19937& r) {
             return pick(r, 2) == 0 ? std::make_unique<ValueRow>() : ValueRow::With(138, s_string(L"Night"));
         }},
        {"missing codes open groups of their own", kCodeColumn, kGroupDateNone,
         [&](std::mt19937& r) {
             auto row = std::make_unique<ValueRow>();
             if (pick(r, 3) != 0) row->Column(kCodeColumn, s_string(pick(r, 2) == 0 ? L"DES" : L""));
             return row;
         }},
        {"weekly buckets with undated rows", 82, kGroupDateWeek,
         [&](std::mt19937& r) {
             const int day = pick(r, 40) - 5;
             return day < 0 ? ValueRow::With(82, s_date()) : ValueRow::With(82, At(2024, 1, 1 + day, pick(r, 24)));
         }},
        {"monthly buckets", 82, kGroupDateMonth,
         [&](std::mt19937& r) { return ValueRow::With(82, At(2023 + pick(r, 3), 1 + pick(r, 12), 1 + pick(r, 28))); }},
        {"flags and other values tested one by one", 139, kGroupDateNone,
         [&](std::mt19937& r) { return ValueRow::With(139, s_bool(pick(r, 2) == 0)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const GroupBy entry = Entry(c.column, c.unit);
        std::vector<std::size_t> placements[2];
        std::size_t group_counts[2] = {};
        for (const bool through_index : {false, true}) {
            std::mt19937 random(7);
            std::vector<std::unique_ptr<Row>> rows;
            for (int i = 0; i < 300; ++i) rows.push_back(c.make(random));
            RootRow root;
            placements[through_index] = GroupUnder(root, std::move(rows), entry, &doc, through_index);
            group_counts[through_index] = root.children.size();
        }
        EXPECT_EQ(placements[1], placements[0]);
        EXPECT_EQ(group_counts[1], group_counts[0]);
        EXPECT_GT(group_counts[0], 1u);
    }
}

}  // namespace
}  // namespace varnholt::view
