// Resources, rates, roles and shifts: rates in date order, shift period lengths and the link rules.

#include "model/records/RoleRateRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRateRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/RsrcRoleRecord.h"
#include "model/records/ShiftRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnholt {
namespace {

// ---- rates in date order ----

// A rate with an effective date in seconds, or none.
std::unique_ptr<RsrcRateRecord> MakeRate(std::uint32_t id, std::optional<std::int64_t> seconds) {
    auto rate = std::make_unique<RsrcRateRecord>();
    rate->rsrc_rate_id = s_unsigned_long(id);
    if (seconds) rate->start_date = s_date::from_seconds(*seconds);
    return rate;
}

struct RateRow { std::uint32_t id; std::optional<std::int64_t> seconds; };

std::vector<std::uint32_t> AddRatesInOrder(const std::vector<RateRow>& rows) {
    std::vector<std::unique_ptr<RsrcRateRecord>> rates;
    RsrcRecord resource;
    for (const RateRow& row : rows) {
        rates.push_back(MakeRate(row.id, row.seconds));
        resource.AddRate(rates.back().get());
    }
    std::vector<std::uint32_t> ids;
    for (const RsrcRateRecord* rate : resource.rates) ids.push_back(rate->rsrc_rate_id.value);
    return ids;
}

TEST(ResourceRates, StayInOrderOfEffectiveDate) {
    const std::nullopt_t none = std::nullopt;
    struct Case { const char* why; std::vector<RateRow> rows; std::vector<std::uint32_t> order; } const cases[] = {
        {"dates 2, 1, 2: equal dates keep the order they came in", {{1, 2}, {2, 1}, {3, 2}}, {2, 1, 3}},
        {"already in order", {{1, 100}, {2, 200}, {3, 300}}, {1, 2, 3}},
        {"reverse order", {{1, 300}, {2, 200}, {3, 100}}, {3, 2, 1}},
        {"all equal", {{1, 5}, {2, 5}, {3, 5}}, {1, 2, 3}},
        {"none dated keep the order they came in", {{1, none}, {2, none}, {3, none}}, {1, 2, 3}},
        {"undated rates come before dated ones", {{1, 50}, {2, none}, {3, 10}, {4, none}}, {2, 4, 3, 1}},
        {"undated even before dates ahead of 1970", {{1, -86400}, {2, none}, {3, 0}}, {2, 1, 3}},
        {"the full 64-bit range", {{1, std::numeric_limits<std::int64_t>::max()},
                                   {2, std::numeric_limits<std::int64_t>::min()}, {3, 0}}, {2, 3, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(AddRatesInOrder(c.rows), c.order);
    }
}

TEST(ResourceRates, UndatedRatesIgnoreTheSecondsTheyHold) {
    RsrcRecord resource;
    auto dated = MakeRate(1, 0);
    auto undated = MakeRate(2, std::nullopt);
    undated->start_date.seconds = 999;  // a date without a value: its seconds mean nothing
    auto later_undated = MakeRate(3, std::nullopt);
    resource.AddRate(dated.get());
    resource.AddRate(undated.get());
    resource.AddRate(later_undated.get());
    resource.AddRate(nullptr);
    EXPECT_EQ(resource.rates, (std::vector<RsrcRateRecord*>{undated.get(), later_undated.get(), dated.get()}));
}

TEST(ResourceRates, TheFilesStartDateOrdersThem) {
    RsrcRecord resource;
    std::vector<std::unique_ptr<RsrcRateRecord>> rates;
    for (const wchar_t* start : {L"2024-03-01 00:00", L"2023-01-01 00:00", L""}) {
        rates.push_back(std::make_unique<RsrcRateRecord>());
        rates.back()->start_date = s_date(std::wstring_view(start));
        resource.AddRate(rates.back().get());
    }
    EXPECT_EQ(resource.rates, (std::vector<RsrcRateRecord*>{rates[2].get(), rates[1].get(), rates[0].get()}));
}

// ---- shifts ----

struct PeriodRow {
    std::uint32_t start_minutes;
    std::int32_t hours;  // expected length
};

TEST(ShiftPeriods, LastUntilTheNextStart) {
    struct Case {
        const char* why;
        std::vector<PeriodRow> periods;  // as added; expected lengths by period
        std::vector<std::uint32_t> sorted_starts;
    };
    const Case cases[] = {
        {"a single period lasts a day", {{480, 24}}, {480}}, {"two periods", {{480, 8}, {960, 16}}, {480, 960}},
        {"three periods given unsorted", {{960, 8}, {0, 8}, {480, 8}}, {0, 480, 960}},
        {"fractions of an hour are dropped", {{510, 8}, {1020, 15}}, {510, 1020}},
        {"two periods of one start: the first lasts 0", {{480, 0}, {480, 24}}, {480, 480}},
        {"a start past midnight gives a negative last length", {{0, 25}, {1530, -1}}, {0, 1530}},
        {"the largest start", {{0, 71582788}, {std::numeric_limits<std::uint32_t>::max(), -71582764}},
         {0, std::numeric_limits<std::uint32_t>::max()}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ShiftRecord shift;
        std::vector<std::unique_ptr<ShiftPerRecord>> periods;
        for (const PeriodRow& row : c.periods) {
            periods.push_back(std::make_unique<ShiftPerRecord>());
            periods.back()->shift_start_hr_num = s_hour(row.start_minutes);
            LinkShiftPeriod(*periods.back(), &shift);
        }
        shift.MeasurePeriods();

        std::vector<std::uint32_t> starts;
        for (const ShiftPerRecord* period : shift.periods) starts.push_back(period->shift_start_hr_num.minutes);
        EXPECT_EQ(starts, c.sorted_starts);
        for (std::size_t i = 0; i < periods.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(periods[i]->shift, &shift);
            EXPECT_EQ(periods[i]->length_hr_cnt.value, c.periods[i].hours);
            EXPECT_EQ(periods[i]->length_hr_cnt.null_flag, 0);
        }
    }
}

TEST(ShiftPeriods, EqualStartsKeepTheirOrder) {
    ShiftRecord shift;
    ShiftPerRecord first, second, early;
    first.shift_start_hr_num = s_hour(600u);
    second.shift_start_hr_num = s_hour(600u);
    early.shift_start_hr_num = s_hour(60u);
    for (ShiftPerRecord* p : {&first, &second, &early}) LinkShiftPeriod(*p, &shift);
    shift.MeasurePeriods();
    EXPECT_EQ(shift.periods, (std::vector<ShiftPerRecord*>{&early, &first, &second}));
}

TEST(ShiftPeriods, APeriodOfNoShiftStaysUnlinked) {
    ShiftPerRecord period;
    period.shift_start_hr_num = s_hour(480u);
    LinkShiftPeriod(period, nullptr);
    EXPECT_EQ(period.shift, nullptr);
    EXPECT_EQ(period.length_hr_cnt.value, 0);

    ShiftRecord empty;
    empty.MeasurePeriods();
    EXPECT_TRUE(empty.periods.empty());
}

// ---- roles ----


TEST(RoleRates, TheLastRateLineOfARoleWins) {
    RoleRecord role;
    RoleRateRecord earlier, later, of_no_role;
    LinkRoleRate(earlier, &role);
    LinkRoleRate(later, &role);
    LinkRoleRate(of_no_role, nullptr);
    EXPECT_EQ(role.rate, &later);
}

TEST(RoleLimits, JoinTheirRoleInFileOrder) {
    RoleRecord role;
    RoleLimitRecord first, second, of_no_role;
    LinkRoleLimit(first, &role);
    LinkRoleLimit(of_no_role, nullptr);
    LinkRoleLimit(second, &role);
    EXPECT_EQ(role.limits, (std::vector<RoleLimitRecord*>{&first, &second}));
}

TEST(ResourceRoles, LinkEachSideThatWasFound) {
    struct Case { const char* why; bool role_found; bool resource_found; } const cases[] = {
        {"both found", true, true}, {"role only", true, false},
        {"resource only", false, true}, {"neither", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        RoleRecord role;
        RsrcRecord resource;
        RsrcRoleRecord row;
        LinkResourceRole(row, c.role_found ? &role : nullptr, c.resource_found ? &resource : nullptr);
        EXPECT_EQ(row.role, c.role_found ? &role : nullptr);
        EXPECT_EQ(row.resource, c.resource_found ? &resource : nullptr);
        EXPECT_EQ(role.resource_roles.size(), c.role_found ? 1u : 0u);
        EXPECT_EQ(resource.resource_roles.size(), c.resource_found ? 1u : 0u);
    }
}

}  // namespace
}  // namespace varnholt
