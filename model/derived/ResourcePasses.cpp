// ResourcePasses.cpp - the post-load passes over resources: the rate in force, how its prices
// and limits show, and the lists of the resource's roles.

#include "model/records/RsrcRecord.h"

#include "model/Document.h"
#include "model/records/RsrcRoleRecord.h"

#include <array>

namespace varnholt {

namespace {

constexpr std::int32_t kMaterial = 2;  // s_resource_type

std::array<s_unit*, 5> PricesOf(RsrcRateRecord& rate) {
    return {&rate.cost_per_qty, &rate.cost_per_qty2, &rate.cost_per_qty3, &rate.cost_per_qty4, &rate.cost_per_qty5};
}

}  // namespace

// Rates take effect at the start of their day, so one that starts today is in force: "before
// tomorrow", with tomorrow in the wall-clock-as-UTC convention of every date of the model.
RsrcRateRecord* RsrcRecord::CurrentRate() const {
    const s_date tomorrow = s_date::next_day(s_date::today());
    const auto found = FindRateBefore(rates.rbegin(), rates.rend(), tomorrow);
    return found != rates.rend() ? *found : nullptr;
}

void RsrcRecord::ComputeDerived() {
    const bool material = rsrc_type.value == kMaterial;
    RsrcRateRecord* rate = CurrentRate();
    if (rate != nullptr) {
        // Material is priced per unit, labour and equipment per hour; each price now counts
        // as given, and shows as such.
        for (s_unit* price : PricesOf(*rate))
            *price = s_unit(price->as_double(), material ? s_unit::kPricePerUnit : s_unit::kPricePerHour);
    }
    if (material) {
        def_qty_per_hr.kind = s_unit::kRatePerTime;
        if (rate != nullptr) rate->max_qty_per_hr.kind = s_unit::kRatePerTime;
    }
    const std::size_t count = resource_roles.size();
    for (std::size_t i = 0; i < count; ++i) {
        const RsrcRoleRecord* resource_role = resource_roles[i];
        if (resource_role == nullptr) continue;
        role_list.append(resource_role->role_name.text);
        role_code_list.append(resource_role->role_short_name.text);
        if (i + 1 != count) {
            role_list.append(L", ");
            role_code_list.append(L", ");
        }
    }
}

// A workbook says per column whether it gave the value; only material resources change.
void RsrcRecord::ComputeDerivedXls() {
    const auto present = [this](std::int32_t field_id) {
        return doc != nullptr && doc->FindColumnFact(ColumnFactTable::resource, field_id).present;
    };
    if (!present(537) || !present(519) || rsrc_type.value != kMaterial) return;
    def_qty_per_hr.kind = s_unit::kRatePerTime;
    RsrcRateRecord* rate = CurrentRate();
    if (rate == nullptr) return;
    if (present(522)) rate->max_qty_per_hr.kind = s_unit::kRatePerTime;
    const std::array<s_unit*, 5> prices = PricesOf(*rate);
    for (std::int32_t k = 0; k < 5; ++k)
        if (present(527 + k)) prices[static_cast<std::size_t>(k)]->kind = s_unit::kPricePerUnit;
}

}  // namespace varnholt
