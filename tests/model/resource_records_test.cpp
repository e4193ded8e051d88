// Resource, rate, role, resource-code and shift records: construction defaults, where each
// XER field lands, rates in date order, shift period lengths and the link rules.

#include "model/records/RCatValRecord.h"
#include "model/records/RoleRateRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRateRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/RsrcRoleRecord.h"
#include "model/records/ShiftRecord.h"
#include "tree_link_checks.h"
#include "xer_field_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_support::FieldIsDropped;
using testing_support::FieldLandsIn;
using testing_support::FirstSharedMember;

void ExpectBlankOfKind(const s_unit& unit, std::int32_t kind) {
    EXPECT_EQ(unit.blank, 1);
    EXPECT_EQ(unit.null_flag, 1);
    EXPECT_EQ(unit.kind, kind);
}

// ---- defaults ----

TEST(RsrcRecordDefaults, SequenceFlagsTypeAndQuantities) {
    const auto resource = std::make_unique<RsrcRecord>();
    EXPECT_EQ(resource->rsrc_seq_num.value, 1);
    EXPECT_EQ(resource->rsrc_seq_num.null_flag, 0);
    struct Flag { const char* name; const s_bool& flag; bool yes; };
    const Flag flags[] = {
        {"timesheet_flag", resource->timesheet_flag, true},
        {"active_flag", resource->active_flag, true},
        {"auto_compute_act_flag", resource->auto_compute_act_flag, false},
        {"ot_flag", resource->ot_flag, false},
        {"def_cost_qty_link_flag", resource->def_cost_qty_link_flag, false},
    };
    for (const auto& f : flags) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.flag.as_bool(), f.yes);
        EXPECT_EQ(f.flag.null_flag, 0);
    }
    EXPECT_EQ(resource->rsrc_type.value, s_resource_type(std::wstring_view{L"RT_Labor"}).value);
    EXPECT_EQ(resource->rsrc_type.null_flag, 0) << "labor counts as given";
    ExpectBlankOfKind(resource->def_qty_per_hr, s_unit::kUnitsPerTime);
    ExpectBlankOfKind(resource->xfer_complete_day_cnt, s_unit::kQuantity);
    ExpectBlankOfKind(resource->xfer_notstart_day_cnt, s_unit::kQuantity);
}

TEST(RateRecordDefaults, PricesAreBlankPricesAndLimitsBlankUnitsPerTime) {
    const auto rate = std::make_unique<RsrcRateRecord>();
    EXPECT_EQ(rate->start_date.null_flag, 1);
    ExpectBlankOfKind(rate->max_qty_per_hr, s_unit::kUnitsPerTime);
    for (const s_unit* price : {&rate->cost_per_qty, &rate->cost_per_qty2, &rate->cost_per_qty3,
                                &rate->cost_per_qty4, &rate->cost_per_qty5})
        ExpectBlankOfKind(*price, s_unit::kPricePerHour);

    const auto role_rate = std::make_unique<RoleRateRecord>();
    for (const s_unit* price : {&role_rate->cost_per_qty, &role_rate->cost_per_qty2, &role_rate->cost_per_qty3,
                                &role_rate->cost_per_qty4, &role_rate->cost_per_qty5})
        ExpectBlankOfKind(*price, s_unit::kPricePerHour);

    const auto limit = std::make_unique<RoleLimitRecord>();
    ExpectBlankOfKind(limit->max_qty_per_hr, s_unit::kUnitsPerTime);
}

TEST(RoleAndShiftDefaults, CostTypeProficiencyCodeFlagAndLength) {
    const auto role = std::make_unique<RoleRecord>();
    EXPECT_EQ(role->cost_qty_type.text, L"QT_Hour");
    EXPECT_EQ(role->cost_qty_type.null_flag, 0);

    const auto resource_role = std::make_unique<RsrcRoleRecord>();
    EXPECT_EQ(resource_role->skill_level.value, 2) << "no value, but holding 2";
    EXPECT_EQ(resource_role->skill_level.null_flag, 1);

    const auto code_type = std::make_unique<RCatTypeRecord>();
    EXPECT_FALSE(code_type->super_flag.as_bool());
    EXPECT_EQ(code_type->super_flag.null_flag, 0);

    const auto period = std::make_unique<ShiftPerRecord>();
    EXPECT_EQ(period->length_hr_cnt.value, 0);
    EXPECT_EQ(period->length_hr_cnt.null_flag, 0);
}

// ---- XER fields ----

TEST(ResourceXerFields, EveryKeptFieldHasItsOwnMember) {
    EXPECT_EQ(FirstSharedMember(kRsrcXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kRsrcRateXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kRCatTypeXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kRCatValXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kRsrcRCatXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kRsrcRoleXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kRoleXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kRoleRateXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kRoleLimitXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kShiftXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kShiftPerXerFields), 0);
}

TEST(ResourceXerFields, OnlyTheTransferCountsAreDropped) {
    for (std::int32_t number = 1; number <= 30; ++number) {
        SCOPED_TRACE(number);
        EXPECT_EQ(FieldIsDropped(kRsrcXerFields, number), number == 13 || number == 14);
    }
    for (std::int32_t number = 1; number <= 10; ++number) EXPECT_FALSE(FieldIsDropped(kRsrcRateXerFields, number));
}

TEST(ResourceXerFields, FieldsOutOfRecordOrderLandInTheirMembers) {
    EXPECT_TRUE(FieldLandsIn(kRsrcXerFields, 3, &RsrcRecord::rsrc_seq_num));
    EXPECT_TRUE(FieldLandsIn(kRsrcXerFields, 12, &RsrcRecord::parent_rsrc_id));
    EXPECT_TRUE(FieldLandsIn(kRsrcXerFields, 20, &RsrcRecord::ot_factor));
    EXPECT_TRUE(FieldLandsIn(kRsrcXerFields, 29, &RsrcRecord::unit_id));
    EXPECT_TRUE(FieldLandsIn(kRsrcXerFields, 30, &RsrcRecord::rsrc_notes));
    EXPECT_TRUE(FieldLandsIn(kRsrcRateXerFields, 3, &RsrcRateRecord::start_date));
    EXPECT_TRUE(FieldLandsIn(kRsrcRateXerFields, 4, &RsrcRateRecord::shift_period_id));
    EXPECT_TRUE(FieldLandsIn(kRoleXerFields, 2, &RoleRecord::role_short_name));
    EXPECT_TRUE(FieldLandsIn(kRoleXerFields, 5, &RoleRecord::parent_role_id));
    EXPECT_TRUE(FieldLandsIn(kRCatValXerFields, 6, &RCatValRecord::parent_rsrc_catg_id));
}

// ---- rates in date order ----

// A rate with an effective date in seconds, or none.
std::unique_ptr<RsrcRateRecord> MakeRate(std::uint32_t id, std::optional<std::int64_t> seconds) {
    auto rate = std::make_unique<RsrcRateRecord>();
    rate->rsrc_rate_id = s_unsigned_long(id);
    if (seconds) rate->start_date = s_date::from_seconds(*seconds);
    return rate;
}

struct RateRow {
    std::uint32_t id;
    std::optional<std::int64_t> seconds;
};

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
    struct Case {
        const char* why;
        std::vector<RateRow> rows;
        std::vector<std::uint32_t> order;
    };
    const Case cases[] = {
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
        testing_support::StoreXerField(*rates.back(), kRsrcRateXerFields, 3, start);
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
        {"a single period lasts a day", {{480, 24}}, {480}},
        {"two periods", {{480, 8}, {960, 16}}, {480, 960}},
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

// ---- trees and roles ----

TEST(ResourceTree, FollowsTheTreeLinkRules) { testing_support::ExpectTreeLinkRules<RsrcRecord>(); }
TEST(RoleTree, FollowsTheTreeLinkRules) { testing_support::ExpectTreeLinkRules<RoleRecord>(); }

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
    struct Case {
        const char* why;
        bool role_found;
        bool resource_found;
    };
    const Case cases[] = {
        {"both found", true, true},
        {"role only", true, false},
        {"resource only", false, true},
        {"neither", false, false},
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

// ---- resource codes ----

TEST(ResourceCodeValues, TakeTheirParentsPathInFileOrder) {
    RCatTypeRecord type;
    RCatValRecord top, middle, leaf, orphan;
    top.rsrc_catg_id = s_unsigned_long(1u);
    top.rsrc_catg_short_name = s_string(std::wstring_view{L"ENG"});
    middle.rsrc_catg_id = s_unsigned_long(2u);
    middle.parent_rsrc_catg_id = s_unsigned_long(1u);
    middle.rsrc_catg_short_name = s_string(std::wstring_view{L"CIV"});
    leaf.parent_rsrc_catg_id = s_unsigned_long(2u);
    leaf.rsrc_catg_short_name = s_string(std::wstring_view{L"SR"});
    orphan.parent_rsrc_catg_id = s_unsigned_long(9u);
    orphan.rsrc_catg_short_name = s_string(std::wstring_view{L"X"});

    LinkResourceCodeValue(top, &type, nullptr);
    LinkResourceCodeValue(middle, &type, &top);
    LinkResourceCodeValue(leaf, nullptr, &middle);
    LinkResourceCodeValue(orphan, &type, nullptr);
    EXPECT_EQ(top.rsrc_catg_short_name.text, L"ENG");
    EXPECT_EQ(middle.rsrc_catg_short_name.text, L"ENG.CIV");
    EXPECT_EQ(leaf.rsrc_catg_short_name.text, L"ENG.CIV.SR");
    EXPECT_EQ(orphan.rsrc_catg_short_name.text, L"X");
    EXPECT_EQ(middle.type, &type);
    EXPECT_EQ(leaf.type, nullptr) << "its type id found none";

    RCatValRecord top_with_parent_found;  // parent id 0: a top value whatever a lookup found
    top_with_parent_found.rsrc_catg_short_name = s_string(std::wstring_view{L"T"});
    LinkResourceCodeValue(top_with_parent_found, &type, &top);
    EXPECT_EQ(top_with_parent_found.rsrc_catg_short_name.text, L"T");
}

TEST(ResourceCodeAssignments, TakeWhatTheLookupsFound) {
    RCatTypeRecord type;
    RCatValRecord value;
    RsrcRecord resource;
    RsrcRCatRecord found;
    LinkResourceCodeAssignment(found, &type, &value, &resource);
    EXPECT_EQ(found.type, &type);
    EXPECT_EQ(found.value, &value);
    EXPECT_EQ(found.resource, &resource);

    RsrcRCatRecord missing;
    LinkResourceCodeAssignment(missing, nullptr, &value, nullptr);
    EXPECT_EQ(missing.type, nullptr);
    EXPECT_EQ(missing.value, &value);
    EXPECT_EQ(missing.resource, nullptr);
}

}  // namespace
}  // namespace varnholt
