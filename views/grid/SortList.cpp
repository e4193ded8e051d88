// SortList.cpp - the comparison behind header-click sorts.
#include "views/grid/SortList.h"

#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"

#include <optional>
#include <utility>

namespace varnholt::view {
namespace {

template <class Record>
std::optional<std::pair<std::int32_t, std::int32_t>> Orders(const Record* a, const Record* b) {
    if (a == nullptr || b == nullptr) return std::nullopt;
    return std::pair{a->load_order.value, b->load_order.value};
}

// The places in the file of two rows of one record kind, or nullopt for any other pair.
std::optional<std::pair<std::int32_t, std::int32_t>> LoadOrders(const Row& a, const Row& b) {
    if (a.IsActivityRow() && b.IsActivityRow()) return Orders(a.GetActivity(), b.GetActivity());
    if (a.IsWBSRow() && b.IsWBSRow()) return Orders(a.GetWBS(), b.GetWBS());
    if (a.IsProjectRow() && b.IsProjectRow()) return Orders(a.GetProject(), b.GetProject());
    return std::nullopt;
}

}  // namespace

std::int32_t SortList::CompareKey(const Row& a, const Row& b, const SortBy& item) {
    if (a.IsActivityRow() && b.IsGroupRow()) return kFirstFirst;
    if (a.IsGroupRow() && b.IsActivityRow()) return kSecondFirst;
    const bool ascending = item.sort_type == kSortAscending;
    const s_val& va = a.GetCodeValue(item.field);
    const s_val& vb = b.GetCodeValue(item.field);
    const bool a_none = s_val::is_null_value(&va), b_none = s_val::is_null_value(&vb);
    if (a_none && b_none) return kNoPreference;
    if (a_none) return ascending ? kSecondFirst : kFirstFirst;
    if (b_none) return ascending ? kFirstFirst : kSecondFirst;
    if (va.less(vb)) return ascending ? kFirstFirst : kSecondFirst;
    if (va.greater(vb)) return ascending ? kSecondFirst : kFirstFirst;
    return kNoPreference;
}

bool SortList::Less(const Row& a, const Row& b, const GroupSortBy& sort) {
    if (sort.sort_bys.empty()) return false;
    for (const auto& item : sort.sort_bys) {
        const std::int32_t result = CompareKey(a, b, *item);
        if (result != kNoPreference) return result == kFirstFirst;
    }
    const auto orders = LoadOrders(a, b);
    if (!orders) return false;
    return sort.sort_bys.front()->sort_type == kSortAscending ? orders->first < orders->second
                                                               : orders->first > orders->second;
}

}  // namespace varnholt::view
