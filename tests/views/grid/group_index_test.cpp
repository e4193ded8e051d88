// The group index answers what testing every group in order answers, on generated rows whose
// values make the keys work: marks on equal dates, amounts within the equality tolerance,
// empty texts, the shared null value, date buckets.

#include "grid_test_support.h"

#include "model/s_bool.h"
#include "model/s_doubles.h"
#include "model/s_unit.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace varnholt::view {
namespace {

using namespace testing_support;
using namespace view::testing;

using GroupIndexTest = HandBuiltDocumentTest;

TEST_F(GroupIndexTest, FindsTheFirstMatchingGroupAsAScanWould) {
    CodeType(doc, 4, L"Phase");
    std::mt19937 random(7);
    const auto pick = [&random](int count) { return static_cast<int>(random() % count); };
    const auto one = [](std::int32_t field, const s_val& value) -> std::unique_ptr<Row> { return ValueRow::With(field, value); };
    struct Case {
        const char* why;
        std::int32_t column, unit;
        std::function<std::unique_ptr<Row>()> make;
    } const cases[] = {
        {"dates of one second with different marks", 82, kGroupDateNone, [&] {
             s_date date = s_date::from_seconds(1'700'000'000 + pick(3) * 60);
             date.mark = pick(5);
             return pick(6) == 0 ? std::make_unique<ValueRow>() : one(82, date);
         }},
        {"quantities 0.004 apart", 194, kGroupDateNone, [&] { return one(194, s_unit(1.0 + pick(12) * 0.004, 0)); }},
        {"costs across whole cents", 194, kGroupDateNone, [&] { return one(194, s_cost(-0.02 + pick(9) * 0.005)); }},
        {"texts, some empty, some missing", 132, kGroupDateNone, [&] {
             const int n = pick(5);
             return n == 4 ? std::make_unique<ValueRow>() : one(132, s_string(std::wstring(n == 3 ? 0 : 1, L'a' + n)));
         }},
        {"missing calendars", 138, kGroupDateNone, [&] { return pick(2) == 0 ? std::make_unique<ValueRow>() : one(138, s_string(L"N")); }},
        {"missing codes", 500004, kGroupDateNone, [&] {
             auto row = std::make_unique<ValueRow>();
             if (pick(3) != 0) row->columns[500004] = s_string(pick(2) == 0 ? L"DES" : L"").clone();
             return row;
         }},
        {"weekly buckets and undated rows", 82, kGroupDateWeek, [&] {
             const int day = pick(40) - 5;
             return one(82, day < 0 ? s_date() : At(2024, 1, 1 + day, pick(24)));
         }},
        {"monthly buckets", 82, kGroupDateMonth, [&] { return one(82, At(2023 + pick(3), 1 + pick(12), 1 + pick(28))); }},
        {"flags, tested one by one", 139, kGroupDateNone, [&] { return one(139, s_bool(pick(2) == 0)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const GroupBy entry = Entry(c.column, c.unit);
        std::vector<std::unique_ptr<Row>> rows[2];
        for (auto& generated : rows) {
            random.seed(7);  // the same rows for both lookups
            for (int i = 0; i < 300; ++i) generated.push_back(c.make());
        }
        RootRow scanned, indexed;
        const auto by_scan = GroupUnder(scanned, std::move(rows[0]), entry, &doc, false);
        EXPECT_EQ(GroupUnder(indexed, std::move(rows[1]), entry, &doc, true), by_scan);
        EXPECT_GT(scanned.children.size(), 1u);
    }
}

}  // namespace
}  // namespace varnholt::view
