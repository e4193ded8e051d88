// The post-load passes over resources: the rate in force, how prices and limits show, the role
// lists, and the workbook pass.

#include "hand_built_document.h"

#include "model/records/RsrcRateRecord.h"
#include "model/records/RsrcRoleRecord.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace varnholt {
namespace {

using namespace testing_support;

constexpr std::int32_t kMaterial = 2;

// A date `days` from today, in the model's wall-clock-as-UTC convention.
s_date FromToday(std::int64_t days) { return s_date::from_seconds(s_date::today().seconds + days * 86400); }

class ResourcePasses : public HandBuiltDocumentTest {
protected:
    RsrcRateRecord* AddRate(RsrcRecord* resource, std::optional<std::int64_t> days_from_today, double price = 0) {
        RsrcRateRecord* rate = doc.NewRsrcRate();
        if (days_from_today) rate->start_date = FromToday(*days_from_today);
        rate->cost_per_qty = s_unit(price, s_unit::kPricePerHour);
        resource->AddRate(rate);
        return rate;
    }
};

TEST_F(ResourcePasses, CurrentRateIsTheLastOneThatTakesEffectBeforeTomorrow) {
    struct Case {
        const char* why;
        std::vector<std::optional<std::int64_t>> rates;  // days from today; none: undated
        std::optional<std::size_t> current;               // index in `rates`
    };
    const Case cases[] = {
        {"the latest past rate, not the oldest", {-10, -1}, 1},
        {"a rate from today is in force, tomorrow's is not", {-1, 0, 1}, 1},
        {"only future rates", {5}, std::nullopt},
        {"an undated rate holds from the start", {std::nullopt, 5}, 0},
        {"a dated rate follows the undated one", {-3, std::nullopt}, 0}, {"no rates", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        RsrcRecord* resource = AddResource(doc, 1, L"R", L"Res");
        std::vector<RsrcRateRecord*> made;
        for (const auto& days : c.rates) made.push_back(AddRate(resource, days));
        RsrcRateRecord* expected = c.current ? made[*c.current] : nullptr;
        EXPECT_EQ(resource->CurrentRate(), expected);
        EXPECT_EQ(resource->GetFieldValue(527), expected ? &expected->cost_per_qty : &s_val::null_value());
    }
}

TEST_F(ResourcePasses, MaterialIsPricedPerUnitOthersPerHour) {
    RsrcRecord* material = AddResource(doc, 1, L"M", L"Concrete");
    material->rsrc_type = s_resource_type(kMaterial);
    RsrcRateRecord* material_rate = AddRate(material, -1, 12);
    RsrcRecord* labour = AddResource(doc, 2, L"L", L"Mason");
    RsrcRateRecord* labour_rate = AddRate(labour, -1, 40);
    material->ComputeDerived();
    labour->ComputeDerived();

    EXPECT_EQ(material_rate->cost_per_qty.kind, s_unit::kPricePerUnit);
    EXPECT_TRUE(material_rate->cost_per_qty.to_string().ends_with(L"/unit"));
    EXPECT_EQ(material_rate->cost_per_qty5.kind, s_unit::kPricePerUnit);
    EXPECT_EQ(material_rate->cost_per_qty5.null_flag, 0) << "every price of the rate counts as given";
    EXPECT_EQ(material_rate->max_qty_per_hr.kind, s_unit::kRatePerTime);
    EXPECT_EQ(material->def_qty_per_hr.kind, s_unit::kRatePerTime);
    EXPECT_EQ(labour_rate->cost_per_qty.kind, s_unit::kPricePerHour);
    EXPECT_TRUE(labour_rate->cost_per_qty.to_string().ends_with(L"/h"));
    EXPECT_EQ(labour->def_qty_per_hr.kind, s_unit::kUnitsPerTime);
    EXPECT_DOUBLE_EQ(labour_rate->cost_per_qty.value, 40);
}

TEST_F(ResourcePasses, RoleListsJoinTheResourcesRoles) {
    RsrcRecord* resource = AddResource(doc, 1, L"R", L"Res");
    for (const auto& [code, name] : {std::pair{L"ENG", L"Engineer"}, std::pair{L"PLN", L"Planner"}}) {
        RsrcRoleRecord* resource_role = doc.NewRsrcRole();
        resource_role->role_short_name = Text(code);
        resource_role->role_name = Text(name);
        LinkResourceRole(*resource_role, nullptr, resource);
    }
    resource->ComputeDerived();
    EXPECT_EQ(resource->role_list.text, L"Engineer, Planner");
    EXPECT_EQ(resource->role_code_list.text, L"ENG, PLN");
    EXPECT_EQ(resource->GetFieldValue(539), &resource->role_list);
    EXPECT_EQ(resource->GetFieldValue(538), &resource->role_code_list);
}

TEST_F(ResourcePasses, WorkbookChangesOnlyTheColumnsItGave) {
    struct Case {
        const char* why;
        std::int32_t type;
        std::vector<std::int32_t> missing_columns;
        std::int32_t default_units_kind, limit_kind, first_price_kind, second_price_kind;
    };
    const Case cases[] = {
        {"material with every column", kMaterial, {}, s_unit::kRatePerTime, s_unit::kRatePerTime,
         s_unit::kPricePerUnit, s_unit::kPricePerUnit},
        {"material without the second price", kMaterial, {528}, s_unit::kRatePerTime, s_unit::kRatePerTime,
         s_unit::kPricePerUnit, s_unit::kPricePerHour},
        {"material without the limit", kMaterial, {522}, s_unit::kRatePerTime, s_unit::kUnitsPerTime,
         s_unit::kPricePerUnit, s_unit::kPricePerUnit},
        {"material without default units", kMaterial, {519}, s_unit::kUnitsPerTime, s_unit::kUnitsPerTime,
         s_unit::kPricePerHour, s_unit::kPricePerHour},
        {"labour", 0, {}, s_unit::kUnitsPerTime, s_unit::kUnitsPerTime, s_unit::kPricePerHour, s_unit::kPricePerHour},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        HandBuiltDocument workbook;
        for (std::int32_t id : c.missing_columns) workbook.TakeAwayColumn(ColumnFactTable::resource, id);
        RsrcRecord* resource = AddResource(workbook, 1, L"R", L"Res");
        resource->rsrc_type = s_resource_type(c.type);
        RsrcRateRecord* rate = workbook.NewRsrcRate();
        resource->AddRate(rate);
        resource->ComputeDerivedXls();
        EXPECT_EQ(resource->def_qty_per_hr.kind, c.default_units_kind);
        EXPECT_EQ(rate->max_qty_per_hr.kind, c.limit_kind);
        EXPECT_EQ(rate->cost_per_qty.kind, c.first_price_kind);
        EXPECT_EQ(rate->cost_per_qty2.kind, c.second_price_kind);
    }
}

}  // namespace
}  // namespace varnholt
